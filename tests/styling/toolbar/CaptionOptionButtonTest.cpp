#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "platform/qt/AlignHost.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/OptionPanelLayout.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOption.h"
#include "support/ImagePixel.h"

namespace vx {
namespace {

// A docked bar with a caption and no right handle: the caption's option
// button is a glass face that fades in under the mouse, shows the option
// picture and tells the bar's owner when pressed.
TEST(CaptionOptionButtonTest, PaintsFadesAndTellsTheOwner) {
    struct GdiplusScope {  // the pictures are decoded by the drawing layer
        std::uintptr_t token = 0;
        GdiplusScope() { GdiplusStartup(&token); }
        ~GdiplusScope() { GdiplusShutdown(token); }
    } gdiplus;
    QWidget form;
    form.resize(600, 200);
    TAlignHost::Attach(&form);
    auto* panel = new TFxDockPanel(&form);
    panel->SetBounds(0, 0, 600, 60);
    auto* bar = new TFxToolBar(panel);
    bar->SetBounds(3, 1, 300, 28);
    bar->SetShowRightHandle(false);
    bar->SetShowCaption(true);
    bar->SetAutoOptionMenu(true);  // an option window would have an item
    new TFxToolBarButton(bar);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TRect r = bar->CaptionOptionButtonRect();
    ASSERT_FALSE(r.IsEmpty());
    const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
    auto pixel = [&](int x, int y) { return test::PixelAt(bar->grab().toImage(), x, y); };
    const TColor normal = pixel(cx, cy);
    EXPECT_NE(normal, pixel(r.left - 4, cy));  // not the caption band's gradient

    // Entering fades the hot look in, 20 per tick, then the timer stops.
    QTest::mouseMove(bar, QPoint(cx, cy));
    ASSERT_TRUE(bar->CaptionOptionHot());
    for (int i = 0; i < 10 && bar->CaptionOptionFading(); ++i) {
        const int before = bar->CaptionOptionHotLevel();
        bar->CaptionOptionFadeTick();
        if (bar->CaptionOptionFading()) {
            EXPECT_EQ(bar->CaptionOptionHotLevel(), before + 20);
        }
    }
    EXPECT_FALSE(bar->CaptionOptionFading());
    EXPECT_EQ(bar->CaptionOptionHotLevel(), 100);
    EXPECT_NE(pixel(cx, cy), normal);
    // Leaving fades it out and clears the hot state.
    QTest::mouseMove(bar, QPoint(r.left - 20, cy));
    for (int i = 0; i < 10 && bar->CaptionOptionFading(); ++i)
        bar->CaptionOptionFadeTick();
    EXPECT_FALSE(bar->CaptionOptionHot());
    EXPECT_EQ(bar->CaptionOptionHotLevel(), 0);
    EXPECT_EQ(pixel(cx, cy), normal);

    // The option picture sits centred on the face.
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QBuffer data;
    data.open(QIODevice::WriteOnly);
    red.save(&data, "PNG");
    data.close();
    data.open(QIODevice::ReadOnly);
    bar->OptionPicture().LoadFromStream(&data);
    EXPECT_EQ(pixel(cx, cy), clRed);

    // A press tells the bar's owner, with the point under the bar's end,
    // and opens no window.
    QSignalSpy clicks(bar, &TFxCustomToolBar::OptionClicked);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(cx, cy));
    EXPECT_TRUE(bar->CaptionOptionDown());
    ASSERT_EQ(clicks.count(), 1);
    const TPoint anchor = DockedOptionAnchor(bar->DockBounds());
    EXPECT_EQ(clicks[0][1].toPoint(), QPoint(anchor.x, anchor.y));
    EXPECT_EQ(clicks[0][2].toPoint(), panel->mapToGlobal(QPoint(anchor.x, anchor.y)));
    EXPECT_FALSE(bar->OptionWindowShowing());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(cx, cy));
}

}  // namespace
}  // namespace vx
