// The progress bar: its properties' rules, and each bar style and
// orientation by pixels, with the percentage text's place and colours.
#include "widgets/qt/WgPrgres.h"

#include <gtest/gtest.h>

#include "platform/DesktopTheme.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgFrameController.h"

namespace vx {
namespace {

using enum TBarStyle;
using enum TFrameStyle;

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}
QRgb Px(const QImage& img, int x, int y) {
    return img.pixel(x, y) | 0xFF000000u;
}
// The bounding box of the pixels of one colour (within an area).
QRect BoxOf(const QImage& img, QRgb rgb, QRect within = QRect()) {
    if (within.isNull()) within = img.rect();
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (Px(img, x, y) == rgb) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class WgPrgresTest : public testing::Test {
  protected:
    void SetUp() override {
        SetSystemColors(DefaultSystemColors());
        SetVisualStylesActive(false);
    }
};

TEST_F(WgPrgresTest, ShapeDecidesOrientationAndPartsGiveThePercentage) {
    TWgProgressBar bar;
    EXPECT_EQ(bar.size(), QSize(200, 24));
    bar.SetBounds(0, 0, 339, 28);
    EXPECT_EQ(bar.Orientation(), TOrientation::orHorizontal);
    bar.SetBounds(0, 0, 33, 380);
    EXPECT_EQ(bar.Orientation(), TOrientation::orVertical);

    std::vector<int> changes;
    bar.OnChange = [&](TWgCustomProgressBar&, int p) { changes.push_back(p); };
    bar.SetTotalParts(4);
    bar.SetPartsComplete(3);
    EXPECT_EQ(bar.Percent(), 75);
    bar.SetPartsComplete(9);
    EXPECT_EQ(bar.PartsComplete(), 4u);
    EXPECT_EQ(bar.Percent(), 100);
    bar.SetPercent(100);
    bar.SetTotalParts(10);
    EXPECT_EQ(bar.PartsComplete(), 0u);
    EXPECT_EQ(bar.Percent(), 0);
    EXPECT_EQ(changes, (std::vector<int>{75, 100, 0}));
}

TEST_F(WgPrgresTest, BarStyleSwitchesThePercentTextAndTheLedRing) {
    TWgProgressBar bar;
    EXPECT_TRUE(bar.ShowPercent());
    bar.SetBarStyle(bsLED);
    EXPECT_FALSE(bar.ShowPercent());
    EXPECT_EQ(bar.InteriorOffset(), 1);
    bar.SetBarStyle(bsGradient);
    EXPECT_TRUE(bar.ShowPercent());
    EXPECT_EQ(bar.InteriorOffset(), 0);
    bar.SetBarColor(clRed);
    EXPECT_EQ(bar.Font().color, clRed);
}

TEST_F(WgPrgresTest, SolidBarInsideALoweredFrame) {
    TWgProgressBar bar;
    bar.resize(104, 20);
    bar.SetShowPercent(false);
    bar.SetBarColor(clNavy);
    bar.SetPercent(50);
    const QImage img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 0, 10), Rgb(clBtnShadow));
    EXPECT_EQ(Px(img, 1, 10), Rgb(cl3DDkShadow));
    EXPECT_EQ(Px(img, 103, 10), Rgb(clBtnHighlight));
    // The interior is 100 wide from x = 2: half of it is the bar.
    EXPECT_EQ(Px(img, 2, 4), Rgb(clNavy));
    EXPECT_EQ(Px(img, 51, 4), Rgb(clNavy));
    EXPECT_EQ(Px(img, 52, 4), Rgb(clWhite));
    EXPECT_EQ(Px(img, 101, 4), Rgb(clWhite));
}

TEST_F(WgPrgresTest, PercentTextReadsInTheOtherColourOnEitherSide) {
    TWgProgressBar bar;
    bar.resize(204, 24);
    bar.SetBarColor(clNavy);
    bar.SetBackColor(clWhite);
    // 0 %: the text in the bar colour on the background, centred.
    QImage img = bar.PaintedImage();
    QRect text = BoxOf(img, Rgb(clNavy));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), 202 / 2, 3);
    EXPECT_NEAR(text.center().y(), 12, 3);
    // 100 %: the whole interior is bar, the text in the background colour.
    bar.SetPercent(100);
    img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 3, 3), Rgb(clNavy));
    EXPECT_EQ(Px(img, 200, 20), Rgb(clNavy));
    text = BoxOf(img, Rgb(clWhite), QRect(2, 2, 200, 20));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), 202 / 2, 3);
    // Vertically the same anchor: half the right edge across.
    TWgProgressBar tall;
    tall.SetBounds(0, 0, 60, 200);
    tall.SetBarColor(clNavy);
    tall.SetPercent(10);
    img = tall.PaintedImage();
    text = BoxOf(img, Rgb(clNavy), QRect(2, 2, 56, 150));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), 58 / 2, 3);
    EXPECT_NEAR(text.center().y(), 100, 4);
}

TEST_F(WgPrgresTest, GradientBarRunsFromItsColoursOnBothSides) {
    // The updater's bar: white to lime on the bar, sky blue to cream beside it.
    TWgProgressBar bar;
    bar.resize(339, 28);
    bar.SetBarStyle(bsGradient);
    bar.SetGradientDirection(TGradientDirection::gdHorizontalEnd);
    bar.SetBackColor(RGBColor(166, 202, 240));
    bar.SetBackColorStop(RGBColor(255, 251, 240));
    bar.SetBarColor(clWhite);
    bar.SetBarColorStop(clLime);
    bar.SetShowPercent(false);
    bar.SetPercent(40);
    const QImage img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 20, 2), Rgb(clWhite));
    EXPECT_LE(qRed(Px(img, 20, 25)), 25);
    EXPECT_EQ(qGreen(Px(img, 20, 25)), 255);
    EXPECT_EQ(Px(img, 300, 2), Rgb(RGBColor(166, 202, 240)));
    EXPECT_GT(qRed(Px(img, 300, 25)), 240);
}

TEST_F(WgPrgresTest, VerticalGradientBarGrowsFromTheBottom) {
    TWgProgressBar bar;
    bar.SetBounds(0, 0, 33, 380);
    bar.SetBarStyle(bsGradient);
    bar.SetGradientDirection(TGradientDirection::gdVerticalEnd);
    bar.SetBackColor(clWindow);
    bar.SetBackColorStop(RGBColor(164, 160, 160));
    bar.SetBarColor(clBlack);
    bar.SetBarColorStop(clRed);
    bar.SetShowPercent(false);
    bar.SetPercent(60);
    const QImage img = bar.PaintedImage();
    // Interior 2..378: the bar covers round(0.6 × 376) = 226 rows from the bottom.
    EXPECT_EQ(Px(img, 2, 370), Rgb(clBlack));
    EXPECT_EQ(Px(img, 2, 152), Rgb(clBlack));
    EXPECT_EQ(Px(img, 2, 151), Rgb(clWindow));
    EXPECT_GT(qRed(Px(img, 30, 370)), 200);
}

TEST_F(WgPrgresTest, LedSegmentsWithGapsAndNoneLitPastTheRow) {
    TWgProgressBar bar;
    bar.resize(84, 20);
    bar.SetBarStyle(bsLED);
    bar.SetBarColor(clNavy);
    // Interior 2..82 less the ring: 78 long, so 10 segments of 7 and one more
    // from what is left, from x = 3.
    bar.SetPercent(30);  // 3 of 11
    QImage img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 8, 10), Rgb(clNavy));  // inside segment 1
    EXPECT_EQ(Px(img, 9, 10), Rgb(clWhite)) << "segment 1's outline";
    EXPECT_EQ(Px(img, 10, 10), Rgb(clWhite)) << "segment 2's outline";
    EXPECT_EQ(Px(img, 11, 10), Rgb(clNavy));
    EXPECT_EQ(Px(img, 20, 10), Rgb(clNavy));   // segment 3
    EXPECT_EQ(Px(img, 27, 10), Rgb(clWhite));  // segment 4 is not lit
    bar.SetPercent(150);
    img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 76, 10), Rgb(clNavy));  // the last segment
    EXPECT_EQ(Px(img, 80, 10), Rgb(clWhite)) << "the margin after the row";
    EXPECT_EQ(Px(img, 82, 10), Rgb(cl3DLight)) << "the lowered frame";
}

TEST_F(WgPrgresTest, ThemedLedChunksStopAtTheBar) {
    SetVisualStylesActive(true);
    TWgProgressBar bar;
    bar.resize(104, 20);
    bar.SetBarStyle(bsLED);
    bar.SetPercent(300);
    const QImage img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 50, 10), Rgb(clHighlight));
    EXPECT_EQ(Px(img, 3, 10), Rgb(clHighlight));
    EXPECT_EQ(Px(img, 100, 10), Rgb(clHighlight));
    EXPECT_EQ(Px(img, 101, 10), Rgb(clWindow)) << "nothing past the bar";
    SetVisualStylesActive(false);
}

TEST_F(WgPrgresTest, ThemedTrackHoldsSolidAndGradientBarsThreePixelsIn) {
    SetVisualStylesActive(true);
    const QRgb track = Rgb(clWindow);
    for (TBarStyle style : {bsTraditional, bsGradient}) {
        TWgProgressBar bar;
        bar.resize(104, 20);
        bar.SetBarStyle(style);
        bar.SetShowPercent(false);
        bar.SetBarColor(clNavy);
        bar.SetBarColorStop(clRed);
        bar.SetPercent(100);
        const QImage img = bar.PaintedImage();
        EXPECT_EQ(Px(img, 0, 3), Rgb(ThemePartColor(CurrentColorContext(), 0))) << int(style);
        EXPECT_EQ(Px(img, 2, 3), track) << int(style);
        EXPECT_EQ(Px(img, 50, 2), track) << int(style);
        EXPECT_EQ(Px(img, 3, 3), Rgb(clNavy)) << int(style);
        EXPECT_EQ(Px(img, 100, 3), Rgb(clNavy)) << int(style);
        EXPECT_EQ(Px(img, 101, 3), track) << int(style);
    }
    SetVisualStylesActive(false);
}

TEST_F(WgPrgresTest, FrameControllerSettingsReachTheBarWhileItsFrameShows) {
    using enum TWgFrameControllerNotification;
    TWgFrameController controller;
    TWgProgressBar bar;
    bar.SetFrameController(&controller);
    controller.SetFrameStyle(fsFlat);
    EXPECT_EQ(bar.BorderOuter(), fsLowered) << "the controller's frame is not visible";
    controller.SetFrameVisible(true);
    EXPECT_EQ(bar.BorderOuter(), fsFlat);
    controller.SetColor(clYellow);
    EXPECT_EQ(bar.BackColor(), clYellow);
    controller.SetFrameColor(clRed);
    EXPECT_EQ(bar.FlatColor(), clRed);
    EXPECT_EQ(bar.FlatColorAdjustment(), 0);
    // The flat frame is drawn in the controller's colour, the bar's rest in its colour.
    bar.resize(104, 20);
    const QImage img = bar.PaintedImage();
    EXPECT_EQ(Px(img, 0, 10), Rgb(clRed));
    EXPECT_EQ(Px(img, 101, 10), Rgb(clYellow));
    bar.SetFrameControllerNotifications(FcpBit(fcpFrameStyle));
    controller.SetColor(clLime);
    EXPECT_EQ(bar.BackColor(), clYellow) << "a setting the bar does not take";
    {
        TWgProgressBar gone;
        gone.SetFrameController(&controller);
    }
    EXPECT_EQ(controller.LinkedCount(), 1u);
}

}  // namespace
}  // namespace vx
