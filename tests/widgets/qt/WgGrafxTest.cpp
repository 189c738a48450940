// The widget family's drawing on a canvas, checked by pixels: frames,
// gradients in each direction, themed bands.
#include "widgets/qt/WgGrafx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/paint/CanvasImage.h"

namespace vx {
namespace {

using enum TGradientDirection;
using test::CanvasImage;

constexpr QRgb kGround = qRgb(1, 2, 3);

QRgb Rgb(TColor c) {
    return ToQColor(c).rgb();
}

class WgGrafxTest : public testing::Test {
  protected:
    void SetUp() override { SetSystemColors(DefaultSystemColors()); }
};

TEST_F(WgGrafxTest, FramesDrawInSystemColoursWhateverTheBrush) {
    CanvasImage img(20, 20, kGround);
    TRect inner;
    img.Paint([&](Canvas& c) {
        c.brush.color = clRed;
        c.MoveOrigin(3, 4);
        inner = FrameAllSides(c, {0, 0, 10, 8}, TFrameStyle::fsRaised);
    });
    EXPECT_EQ(inner, (TRect{2, 2, 8, 6}));
    EXPECT_EQ(img.At(3, 4), Rgb(cl3DLight));
    EXPECT_EQ(img.At(12, 11), Rgb(cl3DDkShadow));
    EXPECT_EQ(img.At(4, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(img.At(11, 10), Rgb(clBtnShadow));
    EXPECT_EQ(img.At(6, 7), kGround) << "a frame leaves its inside alone";
    EXPECT_EQ(img.InkBox(kGround), QRect(3, 4, 10, 8));
}

TEST_F(WgGrafxTest, ProgressBarFrameWithAFullInnerOutline) {
    // A lowered frame, a band of the border colour, then a flat outline.
    TFrameStyleParams p;
    p.outer = TFrameStyle::fsLowered;
    p.inner = TFrameStyle::fsFlat;
    p.borderWidth = 1;
    p.borderColor = clYellow;
    p.flatColor = clBlack;
    p.flatColorAdjustment = 0;
    p.fullRect = true;
    CanvasImage img(12, 12, kGround);
    TRect inner;
    img.Paint([&](Canvas& c) { inner = PaintFrameStyle(c, {0, 0, 12, 12}, p); });
    EXPECT_EQ(inner, (TRect{4, 4, 8, 8}));
    EXPECT_EQ(img.At(0, 5), Rgb(clBtnShadow));
    EXPECT_EQ(img.At(11, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(img.At(1, 5), Rgb(cl3DDkShadow));
    EXPECT_EQ(img.At(2, 5), Rgb(clYellow));
    EXPECT_EQ(img.At(3, 5), Rgb(clBlack));
    EXPECT_EQ(img.At(8, 5), Rgb(clBlack));
    EXPECT_EQ(img.At(5, 5), kGround);
}

// The colours of a gradient painted at (offset, offset) in an image of the
// ground colour.
struct Painted {
    CanvasImage img;
    int offset;
    QRgb At(int x, int y) const { return img.At(offset + x, offset + y); }
};
Painted Gradient(int w, int h, TGradientDirection d, TColor start, TColor stop, int smooth = 1) {
    Painted p{CanvasImage(w + 8, h + 8, kGround), 4};
    p.img.Paint(
        [&](Canvas& c) { PaintTwoColorGradient(c, Bounds(4, 4, w, h), d, smooth, start, stop); });
    return p;
}

TEST_F(WgGrafxTest, HorizontalEndRowsRunFromStartToStop) {
    const Painted g = Gradient(100, 30, gdHorizontalEnd, clBlack, clRed);
    EXPECT_EQ(g.img.InkBox(kGround), QRect(4, 4, 100, 30)) << "exactly the rectangle";
    EXPECT_EQ(g.At(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(g.At(99, 29), qRgb(238, 0, 0));
    int previous = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 1; x < 100; ++x)
            ASSERT_EQ(g.At(x, y), g.At(0, y)) << "the strip is copied across: " << x << "," << y;
        EXPECT_GT(qRed(g.At(0, y)), previous);
        previous = qRed(g.At(0, y));
    }
}

TEST_F(WgGrafxTest, VerticalEndColumnsRunFromStartToStop) {
    const Painted g = Gradient(40, 23, gdVerticalEnd, clWhite, clBlue);
    EXPECT_EQ(g.At(0, 0), qRgb(255, 255, 255));
    int previous = 256;
    for (int x = 0; x < 40; ++x) {
        for (int y = 1; y < 23; ++y)
            ASSERT_EQ(g.At(x, y), g.At(x, 0)) << x << "," << y;
        EXPECT_LT(qRed(g.At(x, 0)), previous);
        previous = qRed(g.At(x, 0));
        EXPECT_EQ(qBlue(g.At(x, 0)), 255);
    }
}

TEST_F(WgGrafxTest, CentreDirectionsTurnInTheMiddle) {
    const Painted h = Gradient(10, 40, gdHorizontalCenter, clBlack, clLime);
    EXPECT_EQ(h.At(5, 0), qRgb(0, 0, 0));
    EXPECT_EQ(h.At(5, 20), qRgb(0, 255, 0)) << "the stop colour where the halves meet";
    // Twenty positions back: 255 x 2/21 short of the start colour.
    EXPECT_EQ(h.At(5, 39), qRgb(0, 24, 0)) << "back near the start colour at the bottom edge";
    const Painted v = Gradient(40, 10, gdVerticalCenter, clBlack, clLime);
    EXPECT_EQ(v.At(20, 5), qRgb(0, 255, 0));
    EXPECT_EQ(v.At(0, 9), qRgb(0, 0, 0));
}

bool MirrorSymmetric(const Painted& g, int w, int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (g.At(x, y) != g.At(w - 1 - x, y) || g.At(x, y) != g.At(x, h - 1 - y)) return false;
        }
    }
    return true;
}

TEST_F(WgGrafxTest, BoxDirectionsAreSymmetricWithTheStopColourInTheMiddle) {
    for (TGradientDirection d : {gdSquareBox, gdBigSquareBox, gdHorizontalBox, gdVerticalBox}) {
        for (auto [w, h] : {std::pair{21, 11}, std::pair{40, 30}, std::pair{9, 6}}) {
            const Painted g = Gradient(w, h, d, clBlack, clWhite);
            EXPECT_TRUE(MirrorSymmetric(g, w, h)) << int(d) << " " << w << "x" << h;
            EXPECT_EQ(g.At(0, 0), qRgb(0, 0, 0)) << int(d);
            int lightest = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x)
                    lightest = std::max(lightest, qRed(g.At(x, y)));
            }
            EXPECT_EQ(qRed(g.At((w - 1) / 2, (h - 1) / 2)), lightest) << int(d);
            EXPECT_GT(lightest, 100) << int(d);
            EXPECT_EQ(g.img.InkBox(kGround), QRect(4, 4, w, h));
        }
    }
    // The middle's shape: a bar along the width, one down the height.
    const Painted hb = Gradient(41, 21, gdHorizontalBox, clBlack, clWhite);
    EXPECT_EQ(hb.At(12, 10), hb.At(20, 10)) << "the middle bar spans a half of the width";
    EXPECT_NE(hb.At(20, 9), hb.At(20, 10));
    const Painted vb = Gradient(21, 41, gdVerticalBox, clBlack, clWhite);
    EXPECT_EQ(vb.At(10, 12), vb.At(10, 20));
    EXPECT_NE(vb.At(9, 20), vb.At(10, 20));
}

TEST_F(WgGrafxTest, SmallOrEqualBoxesAreSolid) {
    const Painted low = Gradient(30, 4, gdSquareBox, clNavy, clWhite);
    EXPECT_EQ(low.img.Count(Rgb(clNavy)), 30 * 4);
    const Painted same = Gradient(30, 20, gdVerticalBox, clTeal, clTeal);
    EXPECT_EQ(same.img.Count(Rgb(clTeal)), 30 * 20);
}

TEST_F(WgGrafxTest, DiagonalsStartInTheirCorner) {
    const Painted up = Gradient(30, 20, gdDiagonalUp, clBlack, clWhite);
    EXPECT_EQ(up.At(0, 0), qRgb(0, 0, 0));
    EXPECT_GT(qRed(up.At(29, 19)), 230);
    EXPECT_GT(qRed(up.At(29, 0)), 60);
    EXPECT_LT(qRed(up.At(29, 0)), 200);
    const Painted down = Gradient(30, 20, gdDiagonalDown, clBlack, clWhite);
    EXPECT_EQ(down.At(29, 0), qRgb(0, 0, 0));
    EXPECT_GT(qRed(down.At(0, 19)), 230);
    EXPECT_EQ(down.img.InkBox(kGround), QRect(4, 4, 30, 20));
    const Painted same = Gradient(30, 20, gdDiagonalDown, clMaroon, clMaroon);
    EXPECT_EQ(same.img.Count(Rgb(clMaroon)), 30 * 20) << "equal colours: one solid fill";
}

TEST_F(WgGrafxTest, EmptyRectanglesPaintNothing) {
    CanvasImage img(20, 20, kGround);
    img.Paint([](Canvas& c) {
        PaintTwoColorGradient(c, {5, 5, 5, 15}, gdHorizontalEnd, 1, clBlack, clRed);
        PaintTwoColorGradient(c, {5, 5, 15, 5}, gdSquareBox, 1, clBlack, clRed);
        PaintTwoColorGradient(c, {5, 5, 15, 15}, gdDiagonalUp, 1, clBlack, clRed);
    });
    EXPECT_EQ(img.InkBox(kGround), QRect(5, 5, 10, 10));
    CanvasImage none(20, 20, kGround);
    none.Paint([](Canvas& c) {
        PaintTwoColorGradient(c, {5, 5, 5, 15}, gdVerticalCenter, 1, clBlack, clRed);
    });
    EXPECT_EQ(none.CountNot(kGround), 0);
}

TEST_F(WgGrafxTest, SmoothFactorWidensTheBands) {
    const Painted g = Gradient(8, 40, gdHorizontalEnd, clBlack, clWhite, 9);
    std::set<QRgb> colours;
    for (int y = 0; y < 40; ++y)
        colours.insert(g.At(0, y));
    EXPECT_EQ(colours.size(), 2u);
}

TEST_F(WgGrafxTest, ThemedBandByVisualStyle) {
    const TRect band{0, 0, 6, 40};
    auto paint = [&](TWgVisualStyle vs, TWgGradientColorStyle cs, bool reversed,
                     TWgColorContext ctx) {
        CanvasImage img(6, 40, kGround);
        img.Paint(
            [&](Canvas& c) { PaintThemedBand(c, band, vs, cs, reversed, clRed, clBlue, ctx); });
        return img;
    };
    using enum TWgVisualStyle;
    using enum TWgGradientColorStyle;
    const TWgColorContext plain{0, false, true};
    EXPECT_EQ(paint(vsClassic, gcsCustom, false, plain).CountNot(kGround), 0);
    EXPECT_EQ(paint(vsGradient, gcsCustom, false, {0, false, false}).CountNot(kGround), 0)
        << "nothing on a palette display";
    const CanvasImage custom = paint(vsGradient, gcsCustom, false, plain);
    EXPECT_EQ(custom.At(3, 0), qRgb(255, 0, 0));
    EXPECT_GT(qBlue(custom.At(3, 39)), 200);
    const CanvasImage reversed = paint(vsWinXP, gcsCustom, true, plain);
    EXPECT_EQ(reversed.At(3, 0), qRgb(0, 0, 255));
    const CanvasImage caption = paint(vsGradient, gcsSystem, false, plain);
    EXPECT_EQ(caption.At(0, 0), qRgb(199, 196, 182));
    const CanvasImage themed = paint(vsWinXP, gcsSystem, false, {1, true, true});
    EXPECT_EQ(themed.At(0, 0), qRgb(255, 255, 237)) << "the theme's band";
}

TEST(WgFontsTest, TheDefaultFaceIsAnOutlineFace) {
    EXPECT_TRUE(IsTrueTypeFont(CanvasFont{}));
}

TEST_F(WgGrafxTest, TextInARectAndTurnedFonts) {
    using namespace DrawTextFlags;
    CanvasImage img(100, 60, kGround);
    TRect r{10, 10, 90, 50}, measured{10, 10, 90, 50};
    int height = 0;
    img.Paint([&](Canvas& c) {
        c.brush.style = BrushStyle::Clear;
        DrawTextInRect(c, "Wide", measured, kCalcRect | kSingleLine);
        height = DrawTextInRect(c, "Wide", r, kCenter | kVCenter | kSingleLine);
    });
    EXPECT_EQ(measured.Height(), height);
    EXPECT_GT(measured.Width(), 10);
    EXPECT_LT(measured.Width(), 80) << "measured to the text, not the rect";
    const QRect ink = img.InkBox(kGround);
    ASSERT_FALSE(ink.isEmpty()) << "measuring paints nothing, drawing does";
    EXPECT_NEAR(ink.center().x(), 50, 2);
    EXPECT_NEAR(ink.center().y(), 30, 3);

    CanvasFont font;
    font.bold = font.italic = font.underline = font.strikeOut = true;
    font.height = -14;
    const CanvasFont turned = CreateRotatedFont(font, 90);
    EXPECT_EQ(turned.escapement, 900);
    CanvasFont rest = turned;
    rest.escapement = 0;
    EXPECT_EQ(rest, font) << "style, height and face kept";
    CanvasImage up(60, 100, kGround);
    up.Paint([&](Canvas& c) {
        c.font = turned;
        c.TextOut(20, 90, "Wide");
    });
    const QRect column = up.InkBox(kGround);
    EXPECT_GT(column.height(), column.width()) << "the text runs upwards";
    EXPECT_LE(column.bottom(), 90);
}

}  // namespace
}  // namespace vx
