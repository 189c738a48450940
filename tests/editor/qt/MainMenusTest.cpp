// The main window's styled menus and tool bars as the user reaches them: the
// menus by keyboard through the menu bar, the pop-up menus of the grid and
// the tree, the tool bars in their dock at the top.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <optional>

#include "editor/qt/Main.h"
#include "platform/paint/Canvas.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

class MainMenusTest : public testing::Test {
  protected:
    void SetUp() override { test::ResetEditorRunState(); }
    test::MessageRecorder messages_;
    test::TempFolder dir_;
};

QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Pictures for a look at the menus: written when VX_MENU_SHOTS names a
// folder (on a real display the whole screen, so open menus show).
void Shot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("VX_MENU_SHOTS");
    if (dir.isEmpty()) return;
    QTest::qWait(200);
    QPixmap picture = QGuiApplication::platformName() == QLatin1String("offscreen")
                          ? widget->grab()
                          : QGuiApplication::primaryScreen()->grabWindow(0);
    picture.save(QDir(dir).filePath(name + ".png"));
}

TEST_F(MainMenusTest, KeyboardThroughTheMenuBar) {
    auto frm = test::StartedMainWindow();
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    auto* file = frm->findChild<QMenu*>("File1");
    ASSERT_NE(file, nullptr);

    // Alt+F opens the File menu with its first item active; Down moves on;
    // Esc closes it.
    QTest::keyClick(frm.get(), Qt::Key_F, Qt::AltModifier);
    VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
    EXPECT_EQ(file->activeAction(), frm->Item("FileNewItem"));
    QTest::keyClick(file, Qt::Key_Down);
    EXPECT_EQ(file->activeAction(), frm->Item("FileOpenItem"));
    QTest::keyClick(file, Qt::Key_Escape);
    VX_WAIT_TRUE(!file->isVisible(), test::kStateWaitMs);

    // Enter on "新建(&N)..." starts a new project.
    ASSERT_TRUE(frm->CoverShown());
    QTest::keyClick(frm.get(), Qt::Key_F, Qt::AltModifier);
    VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
    QTest::keyClick(file, Qt::Key_Return);
    VX_WAIT_TRUE(!frm->CoverShown(), test::kStateWaitMs);
}

TEST_F(MainMenusTest, EveryMenuIsStyledAndThePopUpsAreTheWindowsOwn) {
    auto frm = test::StartedMainWindow();
    auto* bar = qobject_cast<TFxMainMenu*>(frm->menuBar());
    ASSERT_NE(bar, nullptr);
    int menus = 0;
    QList<QMenu*> all = bar->findChildren<QMenu*>();
    for (QMenu* menu : frm->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        all << menu;
    for (QMenu* menu : all) {
        if (menu->objectName().isEmpty()) continue;  // Qt's own overflow menu of the bar
        SCOPED_TRACE(menu->objectName().toStdString());
        auto* styled = qobject_cast<TFxDropDownMenu*>(menu);
        ASSERT_NE(styled, nullptr);
        EXPECT_NE(styled->Link(), nullptr);
        ++menus;
    }
    EXPECT_EQ(menus, 10 + 2 + 5);  // ten drop-downs, two sub-menus, five pop-ups
    for (const char* name :
         {"SysTrayPopupMenu", "FxPopupMenu1", "PopupMenu1", "PopupMenu2", "PopupMenu3"}) {
        EXPECT_NE(frm->findChild<TFxPopupMenu*>(name), nullptr) << name;
    }
}

TEST_F(MainMenusTest, PopUpsOpenOnTheirPlace) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();

    // The grid's pop-up opens and the window goes on at once.
    TLadderGrid* grid = frm->LadderEdit();
    emit grid->customContextMenuRequested(grid->CellRect(1, 1).center());
    auto* gridMenu = frm->findChild<TFxPopupMenu*>("SysTrayPopupMenu");
    EXPECT_TRUE(gridMenu->isVisible());
    Shot(frm.get(), QStringLiteral("grid-SysTrayPopupMenu"));
    gridMenu->close();

    // Each tree pop-up follows its node (Main, the C block, a subroutine).
    QTreeWidget* tree = frm->TreeView1();
    struct Node {
        int index;
        const char* menu;
    };
    for (const Node node : {Node{2, "PopupMenu1"}, Node{3, "PopupMenu2"}, Node{10, "PopupMenu3"}}) {
        SCOPED_TRACE(node.menu);
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == node.index) item = *it;
        }
        ASSERT_NE(item, nullptr);
        QMenu* opened = nullptr;
        QTimer::singleShot(0, frm.get(), [&] {
            opened = OpenMenu();
            Shot(frm.get(), QStringLiteral("tree-") + node.menu);
            if (opened) opened->close();
        });
        const QPoint at = tree->visualItemRect(item).center();
        emit tree->customContextMenuRequested(at);  // returns when the menu closes
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(opened->objectName(), QString(node.menu));
    }
}

// A pop-up menu is not open while its keys are pressed: each key it shows
// works from the keyboard where it belongs, the grid. Every key of every
// pop-up is a row here.
TEST_F(MainMenusTest, EveryKeyAPopUpShowsWorksInTheGrid) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    frm->Dialogs().blockComment = [](const std::string&, const std::string&) {
        return std::optional<std::pair<std::string, std::string>>();
    };
    frm->Item("affixV")->setEnabled(true);  // as after a copy
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    TLadderGrid* grid = frm->LadderEdit();
    grid->setFocus();
    VX_WAIT_TRUE(grid->hasFocus(), test::kStateWaitMs);

    struct Row {
        QKeySequence key;
        const char* item;
    };
    const Row rows[] = {
        {Qt::CTRL | Qt::Key_F, "MenuItem1"}, {Qt::CTRL | Qt::Key_B, "P2"},
        {Qt::CTRL | Qt::Key_X, "cutX"},      {Qt::CTRL | Qt::Key_C, "copyC"},
        {Qt::CTRL | Qt::Key_V, "affixV"},    {Qt::SHIFT | Qt::Key_Delete, "N48"},
        {Qt::SHIFT | Qt::Key_Insert, "D3"},  {Qt::CTRL | Qt::Key_Delete, "D4"},
        {Qt::CTRL | Qt::Key_Insert, "i3"},
    };
    for (auto* popup : frm->findChildren<TFxPopupMenu*>()) {
        for (QAction* item : popup->actions()) {
            if (item->shortcut().isEmpty()) continue;
            EXPECT_TRUE(std::any_of(std::begin(rows), std::end(rows),
                                    [&](const Row& r) { return r.item == item->objectName(); }))
                << popup->objectName().toStdString() << " shows "
                << item->shortcut().toString().toStdString() << ": a row for it";
        }
    }
    auto* lookup = frm->findChild<QDialog*>("ForLookup");
    ASSERT_NE(lookup, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        QAction* item = frm->Item(row.item);
        ASSERT_EQ(item->shortcut(), row.key);
        QSignalSpy ran(item, &QAction::triggered);
        QTest::keyClick(grid, row.key[0].key(), row.key[0].keyboardModifiers());
        EXPECT_EQ(ran.count(), 1);
        EXPECT_EQ(lookup->isVisible(), std::string(row.item) == "MenuItem1")
            << "Ctrl+F opens the find window";
        if (lookup->isVisible()) {
            lookup->close();
            grid->activateWindow();
            grid->setFocus();
            VX_WAIT_TRUE(grid->hasFocus(), test::kStateWaitMs);
        }
    }
}

// Looks 0, 1 and 2 recolour the menu bar, its drop-downs and the pop-ups:
// the bar begins in the root item's colour, the windows are framed in the
// border colour.
TEST_F(MainMenusTest, LooksSwitchEveryMenusColours) {
    auto frm = test::StartedMainWindow();
    frm->FileNewItemClick();
    auto* bar = qobject_cast<TFxMainMenu*>(frm->menuBar());
    auto* file = frm->findChild<TFxDropDownMenu*>("File1");
    auto* gridMenu = frm->findChild<TFxPopupMenu*>("SysTrayPopupMenu");
    struct Look {
        const char* item;
        TColor bar;
        TColor border;
    };
    const Look looks[] = {
        {"N56", 0xF5BE9E, 0x962D00}, {"N57", 0xE5D7D7, 0x5E8D75}, {"N58", 0xA8D9D9, 0x5E8D75}};
    QColor faces[3], buttonFaces[3];
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        frm->Item(looks[i].item)->trigger();
        EXPECT_EQ(bar->grab().toImage().pixelColor(0, 2), ToQColor(looks[i].bar));
        // The tool bars and their buttons change with the menus.
        auto* toolBar = frm->findChild<TFxToolBar*>("FxToolBar1");
        const QColor face = toolBar->grab().toImage().pixelColor(toolBar->width() / 2, 3);
        const QColor button = frm->Button("CutToolButton")->grab().toImage().pixelColor(2, 2);
        for (int j = 0; j < i; ++j) {
            EXPECT_NE(face, faces[j]) << "looks " << j << " and " << i;
            EXPECT_NE(button, buttonFaces[j]) << "looks " << j << " and " << i;
        }
        faces[i] = face;
        buttonFaces[i] = button;

        bar->setActiveAction(file->menuAction());
        VX_WAIT_TRUE(file->isVisible(), test::kStateWaitMs);
        const QImage dropDown = file->grab().toImage();
        EXPECT_EQ(dropDown.pixelColor(1, dropDown.height() / 2), ToQColor(looks[i].border));
        Shot(frm.get(), QStringLiteral("look%1-file").arg(i));
        file->close();
        if (!qEnvironmentVariableIsEmpty("VX_MENU_SHOTS")) {  // a sub-menu, to look at
            auto* options = frm->findChild<TFxDropDownMenu*>("Options1");
            bar->setActiveAction(options->menuAction());
            VX_WAIT_TRUE(options->isVisible(), test::kStateWaitMs);
            options->setActiveAction(frm->findChild<QMenu*>("N49")->menuAction());
            QTest::keyClick(options, Qt::Key_Right);
            Shot(frm.get(), QStringLiteral("look%1-sub").arg(i));
            options->close();
        }

        gridMenu->OpenAt(frm->LadderEdit()->mapToGlobal(QPoint(80, 60)));
        VX_WAIT_TRUE(gridMenu->isVisible(), test::kStateWaitMs);
        const QImage popup = gridMenu->grab().toImage();
        EXPECT_EQ(popup.pixelColor(1, popup.height() / 2), ToQColor(looks[i].border));
        Shot(frm.get(), QStringLiteral("look%1-grid").arg(i));
        gridMenu->close();
    }
}

// The dock at the top of a window 1066 wide holds the three bars in one row;
// a narrower window puts trailing buttons into the overflow, a wider one
// brings them back. A window opened over a hot button ends its hot look.
// The monitoring button pressed and let go outside stays off, and nothing
// starts.
TEST_F(MainMenusTest, ToolBarsInOneRowTheOverflowFollowsTheWidth) {
    auto frm = test::StartedMainWindow();
    frm->showNormal();
    frm->resize(1066, 650);
    auto* panel = frm->findChild<TFxDockPanel*>("FxDockPanel1");
    ASSERT_NE(panel, nullptr);
    VX_WAIT_EQ(panel->width(), 1066, test::kStateWaitMs);
    EXPECT_EQ(panel->y(), 0);
    EXPECT_EQ(panel->height(), 30);
    struct Bar {
        const char* name;
        int left;
        int width;
        int buttons;
        int separators;
    };
    const Bar expected[] = {{"FxToolBar1", 3, 331, 12, 2},
                            {"FxToolBar2", 336, 431, 12, 0},
                            {"FxToolBar3", 769, 249, 9, 1}};
    TFxToolBar* bars[3] = {};
    for (int i = 0; i < 3; ++i) {
        const Bar& e = expected[i];
        SCOPED_TRACE(e.name);
        bars[i] = panel->findChild<TFxToolBar*>(e.name);
        ASSERT_NE(bars[i], nullptr);
        EXPECT_EQ(bars[i]->geometry(), QRect(e.left, 1, e.width, 28));
        EXPECT_EQ(bars[i]->RowIndex(), 0);
        EXPECT_TRUE(bars[i]->Overflow().Empty());
        EXPECT_EQ(bars[i]->findChildren<TFxToolBarButton*>().size(), e.buttons);
        EXPECT_EQ(bars[i]->findChildren<TFxToolBarSeparator*>().size(), e.separators);
    }
    for (const char* name : {"FxToolBarSeparator1", "FxToolBarSeparator2", "FxToolBarSeparator3"})
        EXPECT_NE(panel->findChild<TFxToolBarSeparator*>(name), nullptr) << name;

    TFxToolBarButton* calculator = frm->Button("CalcToolButton");
    frm->resize(900, 650);
    VX_WAIT_EQ(panel->width(), 900, test::kStateWaitMs);
    EXPECT_FALSE(bars[2]->Overflow().Empty());
    EXPECT_TRUE(bars[2]->InOverflow(calculator)) << "the last button went to the overflow";
    EXPECT_TRUE(bars[0]->Overflow().Empty());
    frm->resize(1066, 650);
    VX_WAIT_EQ(panel->width(), 1066, test::kStateWaitMs);
    EXPECT_TRUE(bars[2]->Overflow().Empty());
    EXPECT_FALSE(bars[2]->InOverflow(calculator));
    EXPECT_EQ(bars[2]->geometry(), QRect(769, 1, 249, 28));

    // A window opened over a hot button, modal or not, ends its hot look
    // though no leave event comes.
    frm->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    for (bool modal : {true, false}) {
        SCOPED_TRACE(modal ? "modal" : "not modal");
        TFxToolBarButton* open = frm->Button("OpenToolButton");
        QTest::mouseMove(open, QPoint(4, 4));
        VX_WAIT_TRUE(open->Hot(), test::kStateWaitMs);
        QWidget dialog;
        dialog.setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        dialog.setGeometry(QRect(open->mapToGlobal(QPoint(0, 0)), QSize(200, 100)));
        dialog.show();
        dialog.activateWindow();
        VX_WAIT_TRUE(!open->Hot(), test::kStateWaitMs);
        dialog.close();
        frm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frm.get(), test::kStateWaitMs));
    }

    frm->FileNewItemClick();
    TFxToolBarButton* monitor = frm->Button("StakeoutON");
    QTest::mousePress(monitor, Qt::LeftButton, Qt::NoModifier, QPoint(12, 12));
    QTest::mouseRelease(monitor, Qt::LeftButton, Qt::NoModifier, QPoint(12, 80));
    EXPECT_FALSE(monitor->Down());
    EXPECT_EQ(monitor->State(), TToolButtonState::bsUp);
    EXPECT_FALSE(frm->Monitoring());
}

}  // namespace
}  // namespace vx
