// The main window's panes: the project tree's side panel and the message
// pane resize when their bars are dragged and collapse and come back by
// their hot spots, the grid taking what they leave; the message pane's
// buttons; tool tips show as balloons; the status bar's panels stand side
// by side at any width; Alt+O is the Options menu's alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "editor/qt/Main.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/ObjectPath.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "widgets/qt/WgBHints.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void Drag(QWidget* w, QPoint from, QPoint by) {
    Mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(w, QEvent::MouseMove, from + by / 2, Qt::LeftButton);
    Mouse(w, QEvent::MouseMove, from + by, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, from + by, Qt::NoButton);
}
void Click(QWidget* w, QPoint at) {
    Mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(w, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
QPoint Centre(const TRect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class MainPanesTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }
    std::unique_ptr<TMainFrm> StartedWithProject() {
        auto frm = test::StartedMainWindow();
        frm->FileNewItemClick();
        return frm;
    }
    // Where the grid panel stands in the window.
    static QRect GridPlace(TMainFrm& frm) {
        QWidget* grid = frm.findChild<QWidget*>(QStringLiteral("Panel1"));
        return QRect(grid->mapTo(&frm, QPoint(0, 0)), grid->size());
    }
    test::MessageRecorder messages_;
    test::TempFolder dir_;
};

TEST_F(MainPanesTest, SidePanelResizesByItsBarAndCollapsesByItsHotSpot) {
    auto frm = StartedWithProject();
    auto* side = frm->findChild<TWgSizePanel*>(QStringLiteral("WgSizePanel2"));
    ASSERT_NE(side, nullptr);
    ASSERT_TRUE(side->isVisible());
    EXPECT_EQ(side->Align(), TAlign::alLeft);
    EXPECT_EQ(side->SizeBarWidth(), 7);
    EXPECT_TRUE(side->HotSpotVisible());
    EXPECT_EQ(side->width(), 180);
    const QRect gridBefore = GridPlace(*frm);

    // The tree lies in the project tab of the family's page control.
    auto* pages = test::FindByPath<TWgPageControl>(side, "WgPageControl1");
    ASSERT_NE(pages, nullptr);
    EXPECT_TRUE(pages->AlignTabs());
    EXPECT_TRUE(pages->AllowTabDragging());
    EXPECT_TRUE(pages->BoldCurrentTab());
    EXPECT_EQ(pages->PageCount(), 1);
    auto* tab = test::FindByPath<TWgTabSheet>(pages, "TabSheet1");
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(pages->ActivePage(), tab);
    EXPECT_EQ(pages->TabCount(), 1);
    EXPECT_EQ(test::FindByPath<TWgSizePanel>(tab, "WgSizePanel3")->Align(), TAlign::alClient);
    auto* tree = test::FindByPath<QTreeWidget>(tab, "WgSizePanel3.TreeView1");
    ASSERT_EQ(tree, frm->TreeView1());
    const QRect treePlace(tree->mapTo(side, QPoint(0, 0)), tree->size());
    EXPECT_LE(treePlace.right(), 180 - 8) << "the tree keeps off the bar";
    EXPECT_GE(treePlace.top(), 18) << "under its tab";
    EXPECT_GT(treePlace.height(), side->height() / 2);

    const TRect bar = side->SizeBarRect();
    Drag(side, QPoint((bar.left + bar.right) / 2, 20), QPoint(60, 0));
    EXPECT_EQ(side->width(), 240);
    VX_WAIT_EQ(GridPlace(*frm).left(), gridBefore.left() + 60, test::kStateWaitMs);

    Click(side, Centre(side->HotSpotRect()));
    EXPECT_TRUE(side->HotSpotClosed());
    EXPECT_EQ(side->width(), 8);
    VX_WAIT_EQ(GridPlace(*frm).left(), gridBefore.left() - 172, test::kStateWaitMs);
    Click(side, Centre(side->HotSpotRect()));
    EXPECT_FALSE(side->HotSpotClosed());
    EXPECT_EQ(side->width(), 240);
    VX_WAIT_EQ(GridPlace(*frm).left(), gridBefore.left() + 60, test::kStateWaitMs);
}

TEST_F(MainPanesTest, MessagePaneResizesByItsBarAndCollapsesByItsHotSpot) {
    auto frm = StartedWithProject();
    auto* pane = frm->findChild<TWgSizePanel*>(QStringLiteral("WgSizePanel1"));
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->isHidden()) << "hidden at start";
    EXPECT_EQ(pane->Align(), TAlign::alBottom);
    EXPECT_EQ(pane->VisualStyle(), TWgVisualStyle::vsGradient);
    pane->show();
    EXPECT_EQ(pane->height(), 118);
    const QRect gridBefore = GridPlace(*frm);
    VX_WAIT_EQ(GridPlace(*frm).bottom(), pane->mapTo(frm.get(), QPoint(0, 0)).y() - 1,
               test::kStateWaitMs);

    Drag(pane, QPoint(30, 3), QPoint(0, -50));
    EXPECT_EQ(pane->height(), 168);
    VX_WAIT_EQ(GridPlace(*frm).height(), gridBefore.height() - 50, test::kStateWaitMs);

    Click(pane, Centre(pane->HotSpotRect()));
    EXPECT_EQ(pane->height(), 8);
    VX_WAIT_EQ(GridPlace(*frm).height(), gridBefore.height() + 110, test::kStateWaitMs);
    Click(pane, Centre(pane->HotSpotRect()));
    EXPECT_EQ(pane->height(), 168);
}

TEST_F(MainPanesTest, MessagePaneButtonsCollapseExpandAndHideIt) {
    auto frm = StartedWithProject();
    auto* pane = frm->findChild<TWgSizePanel*>(QStringLiteral("WgSizePanel1"));
    pane->show();
    auto* title = pane->findChild<TWgPanel*>(QStringLiteral("WgPanel1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Caption(), QStringLiteral("高级语言编译信息"));
    EXPECT_EQ(title->height(), 16);
    EXPECT_EQ(title->BorderSides(), TSides({TSide::sdBottom}));
    auto button = [&](const char* name) {
        return pane->findChild<QToolButton*>(QString::fromUtf8(name));
    };
    // The three buttons stand in the title bar's right end, in order.
    ASSERT_NE(button("SpeedButton15"), nullptr);
    EXPECT_LT(button("SpeedButton15")->x(), button("SpeedButton16")->x());
    EXPECT_LT(button("SpeedButton16")->x(), button("SpeedButton17")->x());
    EXPECT_EQ(button("SpeedButton17")->parentWidget()->objectName(), QStringLiteral("WgPanel2"));

    button("SpeedButton15")->click();
    EXPECT_TRUE(pane->HotSpotClosed());
    EXPECT_EQ(pane->height(), 8);
    button("SpeedButton16")->click();
    EXPECT_EQ(pane->height(), 188);
    button("SpeedButton17")->click();
    EXPECT_TRUE(pane->isHidden());
    pane->show();
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(40, 8), QPointF(40, 8), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &twice);
    EXPECT_TRUE(pane->isHidden()) << "a double click on the title hides the pane";
}

TEST_F(MainPanesTest, MnemonicPaneHasTheFamilysTitleBar) {
    auto frm = StartedWithProject();
    frm->Item("N18")->trigger();
    auto* title = frm->findChild<TWgPanel*>(QStringLiteral("WgPanel3"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Caption(), QStringLiteral("助记码"));
    auto* hide = title->findChild<QToolButton*>(QStringLiteral("SpeedButton11"));
    ASSERT_NE(hide, nullptr);
    hide->click();
    EXPECT_FALSE(frm->Item("N18")->isChecked());
    // The window's one-second timer keeps the item following the pane.
    auto* pane = frm->findChild<QWidget*>(QStringLiteral("Panel4"));
    ASSERT_NE(pane, nullptr);
    for (const bool shown : {true, false}) {
        pane->setVisible(shown);
        QMetaObject::invokeMethod(&frm->Timer1(), "timeout");
        EXPECT_EQ(frm->Item("N18")->isChecked(), shown);
    }
}

TEST_F(MainPanesTest, ToolTipsShowAsBalloons) {
    auto frm = StartedWithProject();
    auto* hints = frm->findChild<TWgBalloonHints*>(QStringLiteral("WgBalloonHints1"));
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(hints->Color(), RGBColor(255, 255, 70));
    EXPECT_EQ(hints->CenterThreshold(), 0);
    auto* pane = frm->findChild<TWgSizePanel*>(QStringLiteral("WgSizePanel1"));
    pane->show();
    auto* hide = pane->findChild<QToolButton*>(QStringLiteral("SpeedButton17"));
    QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), hide->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(hide, &help);
    // The balloon waits the application's pause first.
    ASSERT_TRUE(hints->ShowTimer().isActive());
    EXPECT_EQ(hints->ShowTimer().interval(), 500);
    hints->ShowTimer().start(0);
    VX_WAIT_TRUE(hints->HintWindow()->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(hints->HintWindow()->HintText(), QStringLiteral("隐藏编译信息"));
    hints->HideHint();
}

// The status panels' places in the status bar.
std::vector<QRect> PanelPlaces(TMainFrm& frm) {
    std::vector<QRect> places;
    for (int i = 0; i < 7; ++i) {
        QLabel* panel = frm.StatusPanel(i);
        places.emplace_back(panel->mapTo(frm.statusBar(), QPoint(0, 0)), panel->size());
    }
    return places;
}

TEST_F(MainPanesTest, StatusPanelsStandSideBySideAtAnyWidth) {
    auto frm = StartedWithProject();
    frm->showNormal();
    for (int width : {1066, 900, 800, 600}) {
        frm->resize(width, 500);
        VX_WAIT_EQ(frm->statusBar()->width(), width, test::kStateWaitMs);
        QApplication::processEvents();
        const std::vector<QRect> places = PanelPlaces(*frm);
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_GT(places[i].width(), 0) << "panel " << i << " at " << width;
            EXPECT_LE(places[i].right(), frm->statusBar()->width()) << "panel " << i;
            for (std::size_t j = i + 1; j < places.size(); ++j)
                EXPECT_FALSE(places[i].intersects(places[j]))
                    << "panels " << i << " and " << j << " at " << width;
        }
        // The YL tool's long hint stays inside panel 0 and moves no panel.
        TFxToolBarButton* yl = frm->Button(QStringLiteral("FxToolBarButton11"));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(yl, &enter);
        ASSERT_TRUE(frm->StatusPanel(0)->text().startsWith(QStringLiteral(" YL  ")));
        QApplication::processEvents();
        EXPECT_EQ(PanelPlaces(*frm), places) << "at " << width;
    }
}

TEST_F(MainPanesTest, AltOOpensTheOptionsMenuAndIsNoOtherShortcut) {
    auto frm = StartedWithProject();
    std::vector<QKeySequence> mnemonics;
    for (QAction* menu : frm->menuBar()->actions())
        mnemonics.push_back(QKeySequence::mnemonic(menu->text()));
    for (QAction* action : frm->findChildren<QAction*>()) {
        if (action->menu() != nullptr) continue;
        for (const QKeySequence& key : mnemonics)
            EXPECT_NE(action->shortcut(), key)
                << action->objectName().toStdString() << " takes a menu's mnemonic";
    }

    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    const bool projectColumn = frm->Item("N54")->isChecked();
    QTest::keyClick(frm.get(), Qt::Key_O, Qt::AltModifier);
    VX_WAIT_TRUE(QApplication::activePopupWidget() != nullptr, test::kStateWaitMs);
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("Options1"));
    EXPECT_EQ(frm->Item("N54")->isChecked(), projectColumn);
    QApplication::activePopupWidget()->close();
}

}  // namespace
}  // namespace vx
