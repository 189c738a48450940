#include "styling/toolbar/FxToolBarDraw.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <functional>

#include "platform/paint/ImageList.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/qt/FxToolBarTabList.h"
#include "support/ImagePixel.h"

namespace vx {
namespace {

// The GDI+ layer started, and a white image with a canvas to draw on.
class ToolBarDrawTest : public testing::Test {
  protected:
    ToolBarDrawTest() : image_(60, 40, QImage::Format_RGB32) { image_.fill(Qt::white); }
    void SetUp() override { ASSERT_EQ(GdiplusStartup(&token_), TStatus::Ok); }
    void TearDown() override { GdiplusShutdown(token_); }

    void Paint(const std::function<void(Canvas&)>& draw) {
        QPainter painter(&image_);
        Canvas canvas(painter);
        draw(canvas);
    }
    TColor At(int x, int y) const { return test::PixelAt(image_, x, y); }
    // The pixels of one row (or column) from..to-1, as colours.
    std::vector<TColor> Row(int y, int from, int to) const {
        std::vector<TColor> out;
        for (int x = from; x < to; ++x)
            out.push_back(At(x, y));
        return out;
    }
    std::vector<TColor> Column(int x, int from, int to) const {
        std::vector<TColor> out;
        for (int y = from; y < to; ++y)
            out.push_back(At(x, y));
        return out;
    }

    std::uintptr_t token_ = 0;
    QImage image_;
};

TEST(ToolBarColours, BlendsCentringAndGdiplusColours) {
    const struct {
        TColor c1, c2;
        int percent;
        TColor blend;
    } blends[] = {
        {0x0000FF, 0xFF0000, 50, 0x800080},  // round(127.5) = 128
        {0x0000FF, 0xFF0000, 100, 0x0000FF}, {0x0000FF, 0xFF0000, 150, 0x0000FF},
        {0x0000FF, 0xFF0000, 0, 0xFF0000},   {0x0000FF, 0xFF0000, -5, 0xFF0000},
        {clWhite, clBlack, 25, 0x404040},    {clBtnFace, clWhite, 100, clBtnFace},
    };
    for (const auto& b : blends)
        EXPECT_EQ(BlendColor(b.c1, b.c2, b.percent), b.blend) << std::hex << b.c1 << " " << b.c2;
    EXPECT_EQ(BlendColor(clWhite, clBtnShadow, 50),
              BlendColor(clWhite, ColorToRGB(clBtnShadow), 50));

    EXPECT_EQ(ColorToARGB(0x0000FF), 0xFFFF0000u);
    EXPECT_EQ(ColorToARGB(0xFF0000), 0xFF0000FFu);
    EXPECT_EQ(ColorToARGB(0x123456), 0xFF563412u);
    EXPECT_EQ(ColorToARGB(clWindow), 0xFFFFFFFFu);

    const struct {
        TRect in;
        int w, h;
        TRect out;
    } centres[] = {
        {{0, 0, 11, 11}, 4, 4, {3, 3, 7, 7}},
        {{10, 20, 30, 30}, 6, 2, {17, 24, 23, 26}},
        {{0, 0, 3, 3}, 8, 8, {-3, -3, 5, 5}},
        {{-5, -5, 0, 0}, 2, 2, {-3, -3, -1, -1}},  // halves truncate toward zero
    };
    for (const auto& c : centres) {
        TRect r = c.in;
        CenterRect(r, c.w, c.h);
        EXPECT_EQ(r, c.out) << c.in.left << "," << c.in.top;
    }
}

TEST_F(ToolBarDrawTest, GradientBandsOverlapByOnePixelAndRoundHalvesToEven) {
    // Black to white in two vertical steps on 10 x 10: rows 0..4 black, 4..8
    // grey 0x808080; the last row is left out.
    Paint([](Canvas& c) { DrawGradient(c, clBlack, clWhite, 2, {0, 0, 10, 10}, false); });
    // (the second band starts on the first one's last row and covers it).
    std::vector<TColor> expected(4, clBlack);
    expected.insert(expected.end(), 5, 0x808080);
    expected.push_back(clWhite);
    EXPECT_EQ(Column(3, 0, 10), expected);
    EXPECT_EQ(Row(9, 0, 10), std::vector<TColor>(10, clWhite));

    // Steps 0 is one band of the from colour over the whole rectangle.
    image_.fill(Qt::white);
    Paint([](Canvas& c) { DrawGradient(c, 0x0000FF, clWhite, 0, {20, 0, 30, 5}, true); });
    std::vector<TColor> red(10, 0x0000FF);
    red.push_back(clWhite);
    EXPECT_EQ(Row(2, 20, 31), red);
    EXPECT_EQ(Row(5, 20, 31), std::vector<TColor>(11, clWhite));

    // Four horizontal steps on a 41-wide strip: bands of 10, each colour a
    // quarter further, no gaps.
    image_.fill(Qt::white);
    Paint([](Canvas& c) { DrawGradient(c, clBlack, 0xFF8040, 4, {0, 10, 41, 12}, true); });
    for (int x = 0; x < 40; ++x)
        EXPECT_NE(At(x, 10), clWhite) << x;
    EXPECT_EQ(At(5, 10), clBlack);
    EXPECT_EQ(At(15, 10), RGBColor(16, 32, 64));
    EXPECT_EQ(At(35, 11), RGBColor(48, 96, 191));  // round(191.25)

    // Band sizes that round otherwise than they truncate. Black to white:
    // four steps of 0, round(63.75), round(127.5), round(191.25); two of 0
    // and round(127.5).
    const TColor g1 = 0x404040, g2 = 0x808080, g3 = 0xBFBFBF;
    const struct {
        TRect r;
        int steps;
        bool horizontal;
        std::vector<TColor> line;  // from the near edge to one past the far one
    } bands[] = {
        // 11 / 4 = 2.75: bands 3 wide (4 with the overlap) at round(i x 2.75)
        // = 0, 3, 6 (5.5 to even), 8.
        {{0, 20, 12, 22}, 4, true, {0, 0, 0, g1, g1, g1, g2, g2, g3, g3, g3, g3, clWhite}},
        // 7 / 2 = 3.5: bands 4 high (5 with the overlap) at 0 and 4.
        {{30, 20, 32, 28}, 2, false, {0, 0, 0, 0, g2, g2, g2, g2, g2, clWhite}},
    };
    for (const auto& b : bands) {
        image_.fill(Qt::white);
        Paint([&](Canvas& c) { DrawGradient(c, clBlack, clWhite, b.steps, b.r, b.horizontal); });
        const int end = static_cast<int>(b.line.size());
        EXPECT_EQ(b.horizontal ? Row(b.r.top, b.r.left, b.r.left + end)
                               : Column(b.r.left, b.r.top, b.r.top + end),
                  b.line)
            << b.r.Width() << " x " << b.r.Height();
    }
}

TEST_F(ToolBarDrawTest, LinesArrowsAndGlyphsLandOnTheirPixels) {
    Paint([](Canvas& c) {
        DrawSmallArrow(c, {2, 2}, clBlack);
        Draw3DLinePair(c, {20, 2}, {20, 10}, true, true);
        Draw3DLinePair(c, {30, 20}, {40, 20}, false, false);
        DrawCloseGlyph(c, {2, 20, 14, 32}, 0x0000FF, 6);
    });
    const TColor shadow = ColorToRGB(clBtnShadow);
    image_.setPixel(0, 0, qRgb(255, 255, 255));
    // The arrow: 5, 3 and 1 pixels.
    EXPECT_EQ(Row(2, 1, 8), (std::vector<TColor>{clWhite, 0, 0, 0, 0, 0, clWhite}));
    EXPECT_EQ(Row(3, 1, 8), (std::vector<TColor>{clWhite, clWhite, 0, 0, 0, clWhite, clWhite}));
    EXPECT_EQ(Row(4, 3, 6), (std::vector<TColor>{clWhite, 0, clWhite}));
    EXPECT_EQ(At(4, 5), clWhite);
    // Along y, light first: the left line in white is invisible on white, the
    // right one in the shadow colour runs from the bottom up.
    EXPECT_EQ(Column(21, 2, 11), std::vector<TColor>(9, shadow));
    EXPECT_EQ(At(21, 1), clWhite);
    // Along x, shadow first: the left end and the top line in shadow.
    EXPECT_EQ(Row(19, 29, 41), std::vector<TColor>(12, shadow));
    EXPECT_EQ(Column(29, 19, 23), (std::vector<TColor>{shadow, shadow, shadow, clWhite}));
    // The close glyph is an X two pixels thick: dx = dy = (12 - 6) / 3 = 2.
    EXPECT_EQ(At(4, 23), 0x0000FF);
    EXPECT_EQ(At(5, 23), 0x0000FF);
    EXPECT_EQ(At(4 + 6, 22 + 6), 0x0000FF);
    EXPECT_EQ(At(7, 25), 0x0000FF);  // where the strokes cross
    EXPECT_EQ(At(7, 22), clWhite);
}

// The caption buttons' restore, maximise and minimise glyphs, with the flag
// set (centred) and clear (from the rectangle's edge): pixels on each stroke
// and just past it.
TEST_F(ToolBarDrawTest, CaptionButtonGlyphsLandOnTheirPixels) {
    Paint([](Canvas& c) {
        DrawRestoreGlyph(c, {0, 0, 14, 14}, 0x0000FF, true);
        DrawRestoreGlyph(c, {20, 0, 34, 14}, 0x0000FF, false);
        DrawMaximizeGlyph(c, {40, 0, 54, 14}, 0x0000FF, true);
        DrawMinimizeGlyph(c, {0, 20, 14, 34}, 0x0000FF, true);
        DrawMinimizeGlyph(c, {20, 20, 34, 34}, 0x0000FF, false);
    });
    // Restore set (dx = dy = 2: the back window's top and right, the front
    // one), restore clear (from the right edge 34), maximise set (a two-pixel
    // top, then the frame), minimise set (a bar at half the height) and clear
    // (two columns at the corner).
    const std::vector<TPoint> strokes = {
        {4, 2},  {9, 3},  {10, 7}, {2, 5},   {8, 6},  {2, 9},  {7, 10}, {8, 7},   {29, 2},
        {28, 2}, {28, 7}, {29, 8}, {24, 8},  {26, 0}, {25, 1}, {25, 6}, {21, 3},  {24, 6},
        {42, 3}, {50, 4}, {42, 9}, {49, 10}, {50, 5}, {2, 27}, {7, 28}, {20, 25}, {21, 20}};
    const std::vector<TPoint> gaps = {{11, 2}, {10, 8},  {3, 7},  {9, 6},  {23, 8},
                                      {22, 3}, {51, 3},  {46, 7}, {8, 27}, {2, 29},
                                      {2, 26}, {20, 26}, {22, 20}};
    for (const TPoint& p : strokes)
        EXPECT_EQ(At(p.x, p.y), 0x0000FFu) << p.x << "," << p.y;
    for (const TPoint& p : gaps)
        EXPECT_EQ(At(p.x, p.y), clWhite) << p.x << "," << p.y;
}

TEST_F(ToolBarDrawTest, AcceleratorIsUnderlinedAloneAndDoubleAmpersandsAreLiteral) {
    // Drawn upright here: the line stands left of the text, beside the
    // accelerator's extent along y.
    CanvasFont font;
    font.color = 0x0000FF;
    QImage plain(image_.size(), QImage::Format_RGB32);
    auto draw = [&](QImage& on, std::string_view text, auto extra) {
        on.fill(Qt::white);
        QPainter painter(&on);
        Canvas c(painter);
        c.font = font;
        c.brush.style = BrushStyle::Clear;
        extra(c, text);
    };
    const auto accel = [](Canvas& c, std::string_view t) { DrawAccelText(c, t, {30, 5}); };
    const auto text = [](Canvas& c, std::string_view t) { c.TextOut(30, 5, t); };

    draw(image_, "A&&B", accel);
    draw(plain, "A&B", text);
    EXPECT_EQ(image_, plain);

    draw(image_, "E&xit", accel);
    draw(plain, "Exit", text);
    int lineX = 0, y1 = 0, y2 = 0;
    {
        QPainter painter(&plain);
        Canvas c(painter);
        c.font = font;
        lineX = 30 - c.TextHeight("E&xit") + 1;
        y1 = 5 + c.TextWidth("E");
        y2 = y1 + c.TextWidth("x");
    }
    for (int y = 0; y < image_.height(); ++y) {
        const bool onLine = y >= y1 && y < y2;
        EXPECT_EQ(At(lineX, y), onLine ? 0x0000FF : clWhite) << y;
    }
    for (int x = lineX + 1; x < image_.width(); ++x)
        for (int y = 0; y < image_.height(); ++y)
            ASSERT_EQ(image_.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
}

TEST_F(ToolBarDrawTest, RoundedOutlineCoversOnePixelAndCutsItsCorners) {
    Paint([](Canvas& c) {
        TGPGraphics g(&c.Painter());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen pen(0xFF000000, 1);
        DrawRoundRectPath(g, pen, 5, 5, 30, 20, 3);
        DrawRectPath(g, pen, 40, 5, 10, 10);
    });
    // Straight runs are one solid pixel wide; the corners are rounded off.
    for (int x = 12; x < 28; ++x) {
        EXPECT_EQ(At(x, 5), clBlack) << x;
        EXPECT_EQ(At(x, 4), clWhite) << x;
        EXPECT_EQ(At(x, 6), clWhite) << x;
        EXPECT_EQ(At(x, 25), clBlack) << x;
    }
    EXPECT_EQ(Column(35, 10, 20), std::vector<TColor>(10, clBlack));
    EXPECT_EQ(At(5, 5), clWhite);
    EXPECT_EQ(At(35, 25), clWhite);
    // The plain outline has square corners.
    for (const TPoint p : {TPoint{40, 5}, {50, 5}, {50, 15}, {40, 15}, {45, 5}})
        EXPECT_EQ(At(p.x, p.y), clBlack) << p.x << "," << p.y;
}

TEST_F(ToolBarDrawTest, GlassFacesStayInTheirRectangleWhereverItStands) {
    // Upper half red to red, lower half blue to blue, a black square border,
    // on a rectangle away from the origin.
    const TRect r{10, 8, 40, 28};  // 30 x 20, hh = 10
    for (const TGDIPGradient g :
         {TGDIPGradient::ggVertical, TGDIPGradient::ggRadial, TGDIPGradient::ggDiagonalForward}) {
        image_.fill(Qt::white);
        Paint([&](Canvas& c) {
            DrawGlassButtonFace(c, r, 0x0000FF, 0x0000FF, 0xFF0000, 0xFF0000, clBlack, g, g, "",
                                CanvasFont{}, true, false, TAntiAlias::aaClearType, false);
        });
        const int gi = static_cast<int>(g);
        // Outside the rectangle nothing is touched.
        for (int x = 0; x < image_.width(); ++x) {
            EXPECT_EQ(At(x, 7), clWhite) << gi << " x " << x;
            EXPECT_EQ(At(x, 28), clWhite) << gi << " x " << x;
        }
        EXPECT_EQ(Column(9, 8, 28), std::vector<TColor>(20, clWhite)) << gi;
        EXPECT_EQ(Column(40, 8, 28), std::vector<TColor>(20, clWhite)) << gi;
        // The border: one pixel on left, top, and at w - 1 and h - 1.
        EXPECT_EQ(Row(8, 10, 40), std::vector<TColor>(30, clBlack)) << gi;
        EXPECT_EQ(Row(27, 10, 40), std::vector<TColor>(30, clBlack)) << gi;
        EXPECT_EQ(Column(39, 8, 28), std::vector<TColor>(20, clBlack)) << gi;
        // Inside: the upper half red, the lower blue.
        EXPECT_EQ(Column(25, 9, 18), std::vector<TColor>(9, 0x0000FF)) << gi;
        EXPECT_EQ(Column(25, 18, 27), std::vector<TColor>(9, 0xFF0000)) << gi;
    }

    // A vertical gradient runs from its colour at the top to its colour-to
    // at the middle; with a focus frame and rounded corners.
    image_.fill(Qt::white);
    Paint([&](Canvas& c) {
        DrawGlassButtonFace(c, r, clWhite, clBlack, 0x00FF00, 0x00FF00, clNone,
                            TGDIPGradient::ggVertical, TGDIPGradient::ggVertical, "", CanvasFont{},
                            true, true, TAntiAlias::aaAntiAlias, true);
    });
    EXPECT_GT(RedOf(At(25, 11)), RedOf(At(25, 16)));
    EXPECT_EQ(At(25, 8), clWhite);               // no border: the plain upper colour
    EXPECT_EQ(At(25, 9), ColorToRGB(0xE4AD89));  // the focus frame, one pixel in
    EXPECT_EQ(At(25, 22), 0x00FF00);
}

TEST_F(ToolBarDrawTest, DropDownPartTakesThirteenPixelsWithItsArrow) {
    TGlassButton b;
    b.color = b.colorTo = 0xC0C0C0;
    b.colorMirror = b.colorMirrorTo = 0xC0C0C0;
    b.borderColor = 0x0000FF;
    b.dropDownButton = true;
    b.dropDownSplit = true;
    Paint([&](Canvas& c) { DrawGlassButton(c, {0, 0, 40, 20}, b); });
    // The face ends at x = 27 (its border at 26); the split line at 27; the
    // arrow at (27 + 4, 0 + 8 + 1).
    EXPECT_EQ(At(26, 10), 0x0000FF);
    EXPECT_EQ(Column(27, 0, 20), std::vector<TColor>(20, 0x0000FF));
    EXPECT_EQ(Row(9, 31, 36), std::vector<TColor>(5, clBlack));
    EXPECT_EQ(At(33, 11), clBlack);
    EXPECT_EQ(At(33, 12), clWhite);
    // Disabled, the arrow is grey.
    b.enabled = false;
    Paint([&](Canvas& c) { DrawGlassButton(c, {0, 20, 40, 40}, b); });
    EXPECT_EQ(Row(29, 31, 36), std::vector<TColor>(5, 0x808080));
}

TEST_F(ToolBarDrawTest, ImagesStandCentredWithoutACaptionAndBesideOne) {
    TImageList images(8, 8);
    QPixmap square(8, 8);
    square.fill(Qt::red);
    images.Add(square);
    TGlassButton b;
    b.color = b.colorTo = b.colorMirror = b.colorMirrorTo = clWhite;
    b.images = &images;
    b.imageIndex = 0;
    // Centred in the face (40 x 20 at (10, 10)): top-left (26, 16).
    Paint([&](Canvas& c) { DrawGlassButton(c, {10, 10, 50, 30}, b); });
    EXPECT_EQ(At(26, 16), 0x0000FF);
    EXPECT_EQ(At(33, 23), 0x0000FF);
    EXPECT_EQ(At(25, 16), clWhite);
    EXPECT_EQ(At(34, 23), clWhite);
    // Above a caption: centred across, and starting at least two rows down.
    b.caption = "Go";
    b.glyphPosition = TGlyphPosition::gpTop;
    b.antiAlias = TAntiAlias::aaNone;
    image_.fill(Qt::white);
    Paint([&](Canvas& c) { DrawGlassButton(c, {10, 10, 50, 40}, b); });
    int top = -1;
    for (int y = 10; y < 40 && top < 0; ++y)
        if (At(26, y) == 0x0000FF) top = y;
    EXPECT_GE(top, 12);
    EXPECT_EQ(At(26, top + 7), 0x0000FF);
    EXPECT_EQ(At(25, top), clWhite);
}

TEST(ToolBarTabList, HintWindowsAndControlsThatCannotTakeTheFocusAreDropped) {
    QWidget form;
    QWidget shown(&form), disabled(&form), hidden(&form);
    disabled.setEnabled(false);
    hidden.hide();
    QWidget hint(nullptr, Qt::ToolTip);
    std::vector<QWidget*> list{&shown, &disabled, &hint, &hidden, nullptr};
    FilterTabList(&list);
    EXPECT_EQ(list, (std::vector<QWidget*>{&shown, nullptr}));
    FilterTabList(nullptr);
}

}  // namespace
}  // namespace vx
