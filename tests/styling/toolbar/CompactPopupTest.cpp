#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/paint/Canvas.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/FxMenuAppearance.h"
#include "styling/toolbar/CompactPopupLayout.h"
#include "styling/toolbar/FxToolBarStylers.h"
#include "styling/toolbar/qt/FTBPopup.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "support/QtWait.h"

namespace vx {
namespace {

TEST(CompactPopupLayoutTest, LevelsRowsPartsAndCascadeAsData) {
    using M = TCompactRowMeasure;
    struct Row {
        std::vector<M> rows;
        bool imagesBefore;
        int iconBar;
        int width;  // of the panel
        int height;
        bool imagesAfter;
    };
    const Row rows[] = {
        {{{10, false, false}}, false, 0, 74, 28, false},  // never under 70 + margins
        {{{100, false, false}, {40, true, false}}, false, 0, 141, 54, false},  // 107 + 30
        {{{40, true, false}, {40, true, false}}, false, 0, 111, 54, false},    // 47 + 30 + 30
        {{{100, false, true}}, false, 22, 153, 28, true},  // 107 + 22 + 20 image column
        {{{100, false, false}}, true, 22, 153, 28, true},  // the image column stays once shown
    };
    for (const Row& r : rows) {
        bool images = r.imagesBefore;
        const TCompactLevelLayout l = MeasureCompactLevel(r.rows, images, r.iconBar);
        EXPECT_EQ(l.width, r.width);
        EXPECT_EQ(l.height, r.height);
        EXPECT_EQ(images, r.imagesAfter);
        ASSERT_EQ(l.rows.size(), r.rows.size());
        EXPECT_EQ(l.rows[0], (TRect{2, 2, r.width - 2, 26}));
        if (l.rows.size() > 1) {
            EXPECT_EQ(l.rows[1], (TRect{2, 28, r.width - 2, 52}));
        }
    }

    const TCompactRowParts p = CompactRowParts({2, 28, 132, 52}, 22, true);
    EXPECT_EQ(p.iconCell, (TRect{2, 28, 24, 52}));
    EXPECT_EQ(p.checkBox, (TRect{3, 29, 22, 51}));
    EXPECT_EQ(p.imageCell, (TRect{24, 28, 44, 52}));
    EXPECT_EQ(p.text, (TRect{48, 28, 132, 52}));
    EXPECT_EQ(p.subMenuBox, (TRect{124, 37, 127, 43}));
    EXPECT_TRUE(CompactRowParts({2, 2, 80, 26}, 22, false).imageCell.IsEmpty());
    EXPECT_EQ(CompactIconStrip(120, 80, 22, true), (TRect{2, 2, 44, 78}));

    const TRect work{0, 0, 1000, 700};
    // Right of the row; up by what passes the bottom; left of the row at the right edge.
    EXPECT_EQ(CompactSubLevelOrigin({100, 200, 250, 224}, 120, 80, work), (TPoint{252, 200}));
    EXPECT_EQ(CompactSubLevelOrigin({100, 650, 250, 674}, 120, 80, work), (TPoint{252, 618}));
    EXPECT_EQ(CompactSubLevelOrigin({800, 200, 950, 224}, 120, 80, work), (TPoint{680, 200}));
    // Ending on the right edge exactly, and a pixel past it.
    EXPECT_EQ(CompactSubLevelOrigin({700, 200, 878, 224}, 120, 80, work), (TPoint{880, 200}));
    EXPECT_EQ(CompactSubLevelOrigin({700, 200, 879, 224}, 120, 80, work), (TPoint{580, 200}));
    EXPECT_TRUE(InSizingCorner(100, 80, {90, 70}));
    EXPECT_TRUE(InSizingCorner(100, 80, {99, 79}));
    EXPECT_FALSE(InSizingCorner(100, 80, {89, 79}));
    EXPECT_FALSE(InSizingCorner(100, 80, {99, 69}));
}

// A bar of three buttons and a two-level menu: its caption, whose sub-items
// are check rows for the buttons.
struct CompactMenu {
    QWidget form;
    TImageList images{16, 16};
    TFxToolBar* bar = nullptr;
    std::vector<TFxToolBarButton*> buttons;
    TFTBMenuItem root;
    TFTBPopupWindow window;

    CompactMenu() {
        form.resize(400, 100);
        TAlignHost::Attach(&form);
        QPixmap red(16, 16);
        red.fill(Qt::red);
        images.Add(red);
        {
            TLoadingScope scope;
            auto* panel = new TFxDockPanel(&form);
            panel->SetBounds(0, 0, 400, 43);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetBounds(3, 1, 300, 28);
            bar->SetImages(&images);
            for (int i = 0; i < 3; ++i) {
                auto* b = new TFxToolBarButton(bar);
                b->setObjectName(QString("FxToolBarButton%1").arg(i + 1));
                b->SetImageIndex(i == 0 ? 0 : -1);
                buttons.push_back(b);
            }
        }
        form.show();
        TFTBMenuItem* caption = root.Add("FxToolBar1");
        for (TFxToolBarButton* b : buttons) {
            TFTBMenuItem* item = caption->Add(b->objectName().toStdString());
            item->checkItem = true;
            item->checked = true;
            item->control = b;
        }
        window.SetFxToolBar(bar);
        TFTBPopupPanel* panel = window.PopupPanel();
        panel->SetShowIconBar(true);
        panel->SetMenuStyler(bar->CurrentStyler()->CurrentMenuStyler());
        panel->SetRootItem(&root);
        window.move(450, 300);  // clear of the form, so the mouse reaches each level
        window.show();
    }
};

TEST(CompactPopupTest, CascadeOpensAndCheckRowsToggleTheirButtons) {
    CompactMenu m;
    TFTBPopupPanel* panel = m.window.PopupPanel();
    const int iconBar = m.bar->CurrentStyler()->CurrentMenuStyler()->IconBar().Size();
    EXPECT_EQ(m.window.size(), panel->size());
    EXPECT_GE(panel->width(), 74);
    EXPECT_EQ(panel->height(), 28);
    EXPECT_FALSE(panel->ShowImages());  // the caption row stands for no button

    // Hovering the caption row opens its level at the row's right.
    const TRect row = m.root.Item(0)->rect;
    QTest::mouseMove(panel, QPoint(row.left + 10, row.top + 10));
    ASSERT_TRUE(panel->SubPopup() != nullptr && panel->SubPopup()->isVisible());
    EXPECT_EQ(panel->HotIndex(), 0);
    EXPECT_EQ(panel->OpenIndex(), 0);
    EXPECT_FALSE(m.window.HideOnDeActivate());
    TFTBPopupWindow* sub = panel->SubPopup();
    TFTBPopupPanel* subPanel = sub->PopupPanel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(sub, test::kStateWaitMs));
    EXPECT_EQ(sub->pos(), panel->mapToGlobal(QPoint(row.right + 2, row.top)));
    EXPECT_TRUE(subPanel->ShowImages());  // the first button has an image
    const TFTBMenuItem* caption = m.root.Item(0);
    ASSERT_EQ(caption->Count(), 3);
    EXPECT_EQ(caption->Item(2)->rect.top, 2 + 2 * 26);
    EXPECT_EQ(subPanel->height(), 2 + 3 * 26);
    EXPECT_GE(subPanel->width(), 4 + 70 + iconBar);
    EXPECT_FALSE(sub->grab().isNull());  // paints: check boxes, images, the sub-menu arrow
    {  // a button whose action's list has images shows the action's picture
        TImageList blue(16, 16);
        QPixmap square(16, 16);
        square.fill(Qt::blue);
        blue.Add(square);
        TActionList list;
        list.SetImages(&blue);
        TCustomAction print("Print", nullptr);
        print.SetActionList(&list);
        print.SetImageIndex(0);
        m.buttons[2]->SetAction(&print);
        const TRect cell = CompactRowParts(caption->Item(2)->rect, iconBar, true).imageCell;
        const QImage shot = subPanel->grab().toImage();
        EXPECT_EQ(shot.pixelColor(cell.left + cell.Width() / 2, cell.top + cell.Height() / 2),
                  QColor(Qt::blue));
        m.buttons[2]->SetAction(nullptr);
    }

    // A click on a check row hides its button and leaves the menu open; again shows it.
    const TRect second = caption->Item(1)->rect;
    const QPoint at(second.left + 30, second.top + 10);
    QTest::mouseMove(subPanel, at);
    EXPECT_EQ(subPanel->HotIndex(), 1);
    {  // the hot row in the styler's selected-item colour and border
        TSelectedItem& sel = m.bar->CurrentStyler()->CurrentMenuStyler()->SelectedItem();
        sel.SetColor(0x00C000);
        sel.SetColorTo(clNone);
        sel.SetBorderColor(0x0000C0);
        const QImage shot = subPanel->grab().toImage();
        EXPECT_EQ(shot.pixelColor(second.right - 3, second.top + 3), ToQColor(0x00C000));
        EXPECT_EQ(shot.pixelColor(second.right - 1, second.top + 3), ToQColor(0x0000C0));
        EXPECT_NE(shot.pixelColor(second.right - 3, second.top - 1), ToQColor(0x00C000));
    }
    QTest::mouseClick(subPanel, Qt::LeftButton, {}, at);
    EXPECT_TRUE(m.buttons[1]->isHidden());
    EXPECT_FALSE(caption->Item(1)->checked);
    EXPECT_TRUE(sub->isVisible());
    QTest::mouseClick(subPanel, Qt::LeftButton, {}, at);
    EXPECT_FALSE(m.buttons[1]->isHidden());
    EXPECT_TRUE(caption->Item(1)->checked);
    EXPECT_EQ(subPanel->ItemAtPos(1, 1), -1);  // the margin holds no row

    // Hiding the top level closes the cascade and gives back the flag.
    m.window.hide();
    EXPECT_FALSE(sub->isVisible());
    EXPECT_EQ(panel->OpenIndex(), -1);
    EXPECT_EQ(panel->HotIndex(), -1);
    EXPECT_TRUE(m.window.HideOnDeActivate());
}

TEST(CompactPopupTest, LosingActivationClosesTheWholeCascade) {
    CompactMenu m;
    QSignalSpy closed(&m.window, &TFTBPopupWindow::DeActivateHide);
    m.window.activateWindow();
    VX_WAIT_TRUE(m.window.isActiveWindow(), test::kStateWaitMs);
    TFTBPopupPanel* panel = m.window.PopupPanel();
    const TRect row = m.root.Item(0)->rect;
    QTest::mouseMove(panel, QPoint(row.left + 10, row.top + 10));
    ASSERT_TRUE(panel->SubPopup() != nullptr);
    TFTBPopupWindow* sub = panel->SubPopup();
    // The sub-level takes the activation; its parent stays open.
    VX_WAIT_TRUE(sub->isActiveWindow(), test::kStateWaitMs);
    EXPECT_TRUE(m.window.isVisible());
    // Closed from its parent, it hands the activation back; opened again, it takes it.
    sub->hide();
    VX_WAIT_TRUE(m.window.isActiveWindow(), test::kStateWaitMs);
    panel->SetHotIndex(-1);
    QTest::mouseMove(panel, QPoint(row.left + 12, row.top + 10));
    VX_WAIT_TRUE(sub->isActiveWindow(), test::kStateWaitMs);
    // Another window activated: the sub-level hides, and with it its parent.
    m.form.activateWindow();
    // (each level hides on its own 1 ms timer, so either may go first)
    VX_WAIT_TRUE(!m.window.isVisible(), test::kStateWaitMs);
    VX_WAIT_TRUE(!sub->isVisible(), test::kStateWaitMs);
    VX_WAIT_TRUE(m.window.HideOnDeActivate(), test::kStateWaitMs);
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace
}  // namespace vx
