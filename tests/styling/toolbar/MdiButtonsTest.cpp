#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QWidget>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/MdiButtonGeometry.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "support/ImagePixel.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using P = std::vector<TPoint>;

TEST(MdiButtonGeometryTest, RectanglesAsData) {
    struct Row {
        TMdiBarState bar;
        TMdiButtonRects rects;
    };
    const Row rows[] = {
        // width, height, horizontal, reduction, child with system menu, floating
        {{600, 26, true, 0, true, false},
         {{541, 4, 559, 22}, {560, 4, 578, 22}, {579, 4, 597, 22}}},
        // a low bar keeps 2 pixels above; the option indicator's handle
        {{600, 18, true, 14, true, false},
         {{527, 2, 545, 20}, {546, 2, 564, 20}, {565, 2, 583, 20}}},
        {{26, 400, false, 0, true, false},
         {{4, 341, 22, 359}, {4, 360, 22, 378}, {4, 379, 22, 397}}},
        {{31, 400, false, 4, true, false},
         {{6, 337, 24, 355}, {6, 356, 24, 374}, {6, 375, 24, 393}}},
        {{600, 26, true, 0, false, false}, {}},  // no child, or one without a system menu
        {{600, 26, true, 0, true, true}, {{}, {}, {579, 4, 597, 22}}},  // floating: close only
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bar.width * 1000 + row.bar.height);
        EXPECT_EQ(MdiButtonRects(row.bar), row.rects);
    }
}

TEST(MdiButtonGeometryTest, GlyphsAsData) {
    struct Row {
        TMdiButton button;
        TRect r;
        bool horizontal;
        std::vector<P> lines;
        TRect bar;
    };
    const Row rows[] = {
        {TMdiButton::mbClose,
         {579, 4, 597, 22},
         true,
         {{{584, 16}, {592, 9}},
          {{585, 16}, {591, 9}},
          {{584, 10}, {592, 17}},
          {{585, 10}, {591, 17}}},
         {}},
        {TMdiButton::mbRestore,
         {560, 4, 578, 22},
         true,
         {{{567, 9}, {573, 9}},
          {{567, 10}, {573, 10}},
          {{573, 9}, {573, 15}},
          {{565, 12}, {572, 12}},
          {{565, 13}, {572, 13}},
          {{565, 13}, {565, 17}, {571, 17}, {571, 13}}},
         {}},
        {TMdiButton::mbRestore,
         {4, 360, 22, 378},
         false,
         {{{17, 367}, {17, 373}},
          {{16, 367}, {16, 373}},
          {{17, 373}, {11, 373}},
          {{14, 365}, {14, 372}},
          {{13, 365}, {13, 372}},
          {{13, 365}, {9, 365}, {9, 371}, {13, 371}}},
         {}},
        {TMdiButton::mbMinimize, {541, 4, 559, 22}, true, {}, {547, 16, 553, 18}},
        {TMdiButton::mbMinimize, {4, 341, 22, 359}, false, {}, {9, 347, 11, 353}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.r.left * 1000 + row.r.top);
        const TMdiGlyph g = MdiGlyph(row.button, row.r, row.horizontal);
        EXPECT_EQ(g.lines, row.lines);
        EXPECT_EQ(g.bar, row.bar);
    }
}

using test::PixelAt;

// An MDI parent form: a dock panel on top holding a full-size bar with a
// main menu, and an MDI area with two children, the second one without a
// minimise button.
struct MdiForm {
    QWidget form;
    TFxDockPanel* panel = nullptr;
    TFxToolBar* bar = nullptr;
    TFxMainMenu* menu = nullptr;
    QMdiArea* area = nullptr;
    QMdiSubWindow* plain = nullptr;
    QMdiSubWindow* noMinimize = nullptr;

    MdiForm() {
        form.resize(600, 360);
        TAlignHost::Attach(&form);
        {
            TLoadingScope scope;
            panel = new TFxDockPanel(&form);
            panel->setObjectName("FxDockPanel1");
            panel->SetBounds(0, 0, 600, 30);
            bar = new TFxToolBar(panel);
            bar->setObjectName("FxToolBar1");
            bar->SetBounds(3, 1, 300, 26);
        }
        menu = new TFxMainMenu(&form);
        menu->addMenu("&File");
        menu->addMenu("&Window");
        menu->hide();
        area = new QMdiArea(&form);
        SetWidgetAlign(area, TAlign::alClient);
        plain = area->addSubWindow(new QLabel("Plain"));
        plain->setWindowTitle("Plain");
        plain->resize(200, 120);
        noMinimize =
            area->addSubWindow(new QLabel("No minimise"),
                               Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                                   Qt::WindowCloseButtonHint);
        noMinimize->setWindowTitle("No minimise");
        noMinimize->resize(200, 120);
        form.show();
        bar->SetFullSize(true);
        bar->SetMenu(menu);
    }
    // The child, active and maximised, with the bar painted after it.
    void Maximize(QMdiSubWindow* child) {
        area->setActiveSubWindow(child);
        child->showMaximized();
        bar->PaintedImage();
    }
    QPoint Centre(TMdiButton b) const {
        const TRect r = bar->MdiButtonRect(b);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
};

TEST(MdiButtonsTest, OnOnlyOnAFullSizeBarWithAMenu) {
    MdiForm f;
    f.bar->SetMenu(nullptr);
    f.bar->SetAutoMDIButtons(true);
    EXPECT_FALSE(f.bar->AutoMDIButtons());
    f.bar->SetMenu(f.menu);
    f.bar->SetFullSize(false);
    f.bar->SetAutoMDIButtons(true);
    EXPECT_FALSE(f.bar->AutoMDIButtons());
    f.bar->SetFullSize(true);
    f.bar->SetAutoMDIButtons(true);
    EXPECT_TRUE(f.bar->AutoMDIButtons());
    // The bar stands in for a maximised child's title bar while it is on.
    EXPECT_TRUE(f.form.testAttribute(Qt::WA_CanHostQMdiSubWindowTitleBar));
    f.bar->SetAutoMDIButtons(false);
    EXPECT_FALSE(f.bar->AutoMDIButtons());
    EXPECT_FALSE(f.form.testAttribute(Qt::WA_CanHostQMdiSubWindowTitleBar));
    // Switched off, a maximised child shows no buttons.
    f.Maximize(f.plain);
    EXPECT_FALSE(f.bar->MdiButtonsShown());

    // While loading the switch is only stored; loading ends by the rule.
    for (TFxMainMenu* menu : {f.menu, static_cast<TFxMainMenu*>(nullptr)}) {
        TFxToolBar* loaded = nullptr;
        {
            TLoadingScope scope;
            loaded = new TFxToolBar(f.panel);
            loaded->SetFullSize(true);
            loaded->SetMenu(menu);
            loaded->SetAutoMDIButtons(true);
            EXPECT_TRUE(loaded->AutoMDIButtons());
        }
        EXPECT_EQ(loaded->AutoMDIButtons(), menu != nullptr);
        delete loaded;
    }
}

TEST(MdiButtonsTest, ButtonsOfAMaximisedChildAtTheFarEnd) {
    MdiForm f;
    f.bar->SetAutoMDIButtons(true);
    ASSERT_TRUE(f.bar->AutoMDIButtons());
    ASSERT_EQ(f.bar->MdiArea(), f.area);
    const int w = f.bar->width();
    ASSERT_GT(w, 400);
    const int y = std::max(2, (f.bar->height() - 18) / 2);
    // Not maximised: the rectangles stand, nothing is shown.
    f.area->setActiveSubWindow(f.plain);
    f.plain->showNormal();
    f.bar->PaintedImage();
    EXPECT_FALSE(f.bar->MdiButtonsShown());
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbClose), Bounds(w - 21, y, 18, 18));
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbRestore), Bounds(w - 40, y, 18, 18));
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbMinimize), Bounds(w - 59, y, 18, 18));

    f.Maximize(f.plain);
    const QImage image = f.bar->PaintedImage();
    EXPECT_TRUE(f.bar->MdiButtonsShown());
    // Black glyphs: the cross, restore's top edge, minimise's bar.
    const TRect close = f.bar->MdiButtonRect(TMdiButton::mbClose);
    EXPECT_EQ(PixelAt(image, close.left + 5, close.top + 12), clBlack);
    const TRect restore = f.bar->MdiButtonRect(TMdiButton::mbRestore);
    EXPECT_EQ(PixelAt(image, restore.left + 8, restore.top + 5), clBlack);
    const TRect minimize = f.bar->MdiButtonRect(TMdiButton::mbMinimize);
    EXPECT_EQ(PixelAt(image, minimize.left + 7, minimize.bottom - 5), clBlack);

    // Hot under the mouse: the styler's hot fill and border.
    TButtonAppearance& look = f.bar->CurrentStyler()->ButtonAppearance();
    look.SetColorHot(0x00C000);
    look.SetColorHotTo(clNone);
    look.SetBorderHotColor(0xC00000);
    QTest::mouseMove(f.bar, f.Centre(TMdiButton::mbClose));
    EXPECT_TRUE(f.bar->MdiButtonHot(TMdiButton::mbClose));
    const QImage hot = f.bar->PaintedImage();
    EXPECT_EQ(PixelAt(hot, close.left, close.top + 9), TColor(0xC00000));
    EXPECT_EQ(PixelAt(hot, close.left + 2, close.top + 2), TColor(0x00C000));
    QTest::mouseMove(f.bar, f.Centre(TMdiButton::mbRestore));
    EXPECT_FALSE(f.bar->MdiButtonHot(TMdiButton::mbClose));
    EXPECT_TRUE(f.bar->MdiButtonHot(TMdiButton::mbRestore));

    // No active child: no rectangles.
    f.plain->close();
    f.noMinimize->close();
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbClose), TRect{});
}

TEST(MdiButtonsTest, ReleasingActsLikeACaptionButton) {
    MdiForm f;
    f.bar->SetAutoMDIButtons(true);
    // Restore and minimise act wherever the button is released.
    f.Maximize(f.plain);
    QTest::mousePress(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbRestore));
    EXPECT_TRUE(f.bar->MdiButtonDown(TMdiButton::mbRestore));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_FALSE(f.bar->MdiButtonDown(TMdiButton::mbRestore));
    EXPECT_FALSE(f.plain->isMaximized());
    EXPECT_FALSE(f.plain->isMinimized());

    f.Maximize(f.plain);
    QTest::mousePress(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbMinimize));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_TRUE(f.plain->isMinimized());

    // Close only when released on it.
    f.Maximize(f.plain);
    QTest::mousePress(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbClose));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(f.area->subWindowList().size(), 2);
    EXPECT_TRUE(f.plain->isMaximized());
    QTest::mousePress(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbClose));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbClose));
    EXPECT_TRUE(f.plain->isHidden());
}

TEST(MdiButtonsTest, AChildWithoutMinimiseShowsItGreyAndIgnoresIt) {
    MdiForm f;
    f.bar->SetAutoMDIButtons(true);
    f.Maximize(f.noMinimize);
    const QImage image = f.bar->PaintedImage();
    const TRect minimize = f.bar->MdiButtonRect(TMdiButton::mbMinimize);
    EXPECT_EQ(PixelAt(image, minimize.left + 7, minimize.bottom - 5), TColor(0x808080));
    EXPECT_FALSE(
        f.bar->MdiButtonHit(TMdiButton::mbMinimize, {minimize.left + 7, minimize.top + 7}));
    QTest::mousePress(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbMinimize));
    EXPECT_FALSE(f.bar->MdiButtonDown(TMdiButton::mbMinimize));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, f.Centre(TMdiButton::mbMinimize));
    EXPECT_TRUE(f.noMinimize->isMaximized());
    f.bar->MdiMinimize();
    EXPECT_TRUE(f.noMinimize->isMaximized());
}

TEST(MdiButtonsTest, TheBarFollowsTheChildrenAndFloatsWithoutButtons) {
    MdiForm f;
    f.bar->SetAutoMDIButtons(true);
    f.area->setActiveSubWindow(f.plain);
    f.plain->showNormal();
    f.form.repaint();  // no paint left pending
    ASSERT_FALSE(f.bar->MdiButtonsShown());
    // Maximising the child repaints the bar by itself.
    f.plain->showMaximized();
    VX_WAIT_TRUE(f.bar->MdiButtonsShown(), test::kStateWaitMs);
    f.plain->showNormal();
    VX_WAIT_TRUE(!f.bar->MdiButtonsShown(), test::kStateWaitMs);

    f.Maximize(f.plain);
    ASSERT_TRUE(f.bar->MdiButtonsShown());
    auto* window = new TFloatingWindow(&f.form);
    f.bar->setParent(window);
    ASSERT_EQ(f.bar->State(), TToolBarState::tsFloating);
    EXPECT_EQ(f.bar->MdiArea(), f.area);  // through the panel it last docked in
    f.bar->PaintedImage();
    EXPECT_FALSE(f.bar->MdiButtonsShown());
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbRestore), TRect{});
    EXPECT_EQ(f.bar->MdiButtonRect(TMdiButton::mbMinimize), TRect{});
    f.bar->MdiClose();
    EXPECT_TRUE(f.plain->isVisible());
    // The close rectangle still stands, under the floating caption's own
    // buttons: a press there is not taken.
    const TRect close = f.bar->MdiButtonRect(TMdiButton::mbClose);
    ASSERT_FALSE(close.IsEmpty());
    QTest::mousePress(f.bar, Qt::LeftButton, {}, QPoint(close.left + 9, close.top + 9));
    EXPECT_FALSE(f.bar->MdiButtonDown(TMdiButton::mbClose));
    QTest::mouseRelease(f.bar, Qt::LeftButton, {}, QPoint(close.left + 9, close.top + 9));
}

}  // namespace
}  // namespace vx
