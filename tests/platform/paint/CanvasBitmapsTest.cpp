// Bitmaps on the canvas: copy modes, stretching and mirroring, copies within
// one canvas, tiling, reading pixels back.
#include <gtest/gtest.h>

#include <QPixmap>
#include <functional>
#include <optional>

#include "platform/paint/CanvasImage.h"

namespace vx {
namespace {

using test::CanvasImage;

constexpr QRgb kWhite = qRgb(255, 255, 255);

// A 3 x 2 picture with a different colour in every pixel.
QImage Picture() {
    QImage p(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            p.setPixel(x, y, qRgb(10 + 40 * x, 20 + 100 * y, 200));
    }
    return p;
}
QRgb PictureAt(int x, int y) {
    return qRgb(10 + 40 * x, 20 + 100 * y, 200);
}

TEST(CanvasBitmapTest, CopyStretchesEachPixelOverItsShare) {
    CanvasImage img(20, 20);
    img.Paint([](Canvas& c) { c.CopyRect({4, 4, 10, 8}, Picture(), {0, 0, 3, 2}); });
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(img.At(4 + x, 4 + y), PictureAt(x / 2, y / 2)) << x << "," << y;
    }
    EXPECT_EQ(img.InkBox(), QRect(4, 4, 6, 4));
}

TEST(CanvasBitmapTest, NegativeExtentsMirror) {
    CanvasImage img(20, 10);
    img.Paint([](Canvas& c) {
        c.CopyRect({3, 0, 0, 2}, Picture(), {0, 0, 3, 2});    // mirrored left to right
        c.CopyRect({10, 5, 13, 3}, Picture(), {0, 0, 3, 2});  // mirrored top to bottom
    });
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(img.At(x, 0), PictureAt(2 - x, 0));
        EXPECT_EQ(img.At(x, 1), PictureAt(2 - x, 1));
        EXPECT_EQ(img.At(10 + x, 3), PictureAt(x, 1));
        EXPECT_EQ(img.At(10 + x, 4), PictureAt(x, 0));
    }
    EXPECT_EQ(img.At(3, 0), kWhite);
    EXPECT_EQ(img.At(10, 5), kWhite);
}

TEST(CanvasBitmapTest, RasterCopyModes) {
    CanvasImage img(10, 2, qRgb(0xF0, 0x0F, 0x33));
    QImage src(2, 1, QImage::Format_RGB32);
    src.fill(qRgb(0xFF, 0xFF, 0x0F));
    img.Paint([&](Canvas& c) {
        c.CopyRect({0, 0, 2, 1}, src, {0, 0, 2, 1}, CopyMode::SrcInvert);
        c.CopyRect({2, 0, 4, 1}, src, {0, 0, 2, 1}, CopyMode::SrcAnd);
        c.CopyRect({4, 0, 6, 1}, src, {0, 0, 2, 1}, CopyMode::SrcPaint);
        c.CopyRect({6, 0, 8, 1}, src, {0, 0, 2, 1}, CopyMode::NotSrcCopy);
        c.CopyRect({8, 0, 10, 1}, src, {0, 0, 2, 1}, CopyMode::DstInvert);
    });
    EXPECT_EQ(img.At(0, 0), qRgb(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(img.At(2, 0), qRgb(0xF0, 0x0F, 0x03));
    EXPECT_EQ(img.At(4, 0), qRgb(0xFF, 0xFF, 0x3F));
    EXPECT_EQ(img.At(6, 0), qRgb(0x00, 0x00, 0xF0));
    EXPECT_EQ(img.At(8, 0), qRgb(0x0F, 0xF0, 0xCC));
    EXPECT_EQ(img.At(0, 1), qRgb(0xF0, 0x0F, 0x33));
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(img.Image().pixel(x, 0) >> 24, 0xFFu) << "opaque after mode " << x / 2;
}

TEST(CanvasBitmapTest, CopyWithinOneCanvasReadsBeforeWriting) {
    CanvasImage img(10, 1);
    img.Paint([](Canvas& c) {
        for (int x = 0; x < 4; ++x)
            c.SetPixel(x, 0, RGBColor(x * 50, 0, 0));
        // Overlapping: the source is taken whole first.
        c.CopyRect({2, 0, 6, 1}, c, {0, 0, 4, 1});
    });
    for (int x = 0; x < 2; ++x)
        EXPECT_EQ(img.At(x, 0), qRgb(x * 50, 0, 0));
    for (int x = 2; x < 6; ++x)
        EXPECT_EQ(img.At(x, 0), qRgb((x - 2) * 50, 0, 0)) << x;
}

TEST(CanvasBitmapTest, CopyFromAnotherCanvasThroughItsOrigin) {
    CanvasImage from(10, 10, qRgb(1, 2, 3));
    CanvasImage to(10, 10);
    from.Paint([&](Canvas& src) {
        src.SetPixel(6, 7, clRed);
        src.MoveOrigin(5, 5);
        to.Paint([&](Canvas& dst) { dst.CopyRect({0, 0, 2, 3}, src, {0, 0, 2, 3}); });
    });
    EXPECT_EQ(to.At(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(to.At(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(to.InkBox(), QRect(0, 0, 2, 3));
}

TEST(CanvasBitmapTest, TilingCutsTheLastColumnAndRow) {
    CanvasImage img(20, 12);
    img.Paint([](Canvas& c) { c.TileDraw({2, 1, 10, 6}, Picture()); });
    for (int y = 1; y < 6; ++y) {
        for (int x = 2; x < 10; ++x)
            EXPECT_EQ(img.At(x, y), PictureAt((x - 2) % 3, (y - 1) % 2)) << x << "," << y;
    }
    EXPECT_EQ(img.InkBox(), QRect(2, 1, 8, 5));
}

TEST(CanvasBitmapTest, DrawBlendsTransparencyAndStretchDrawScales) {
    QImage spot(2, 1, QImage::Format_ARGB32);
    spot.setPixel(0, 0, qRgba(255, 0, 0, 255));
    spot.setPixel(1, 0, qRgba(0, 0, 0, 0));
    CanvasImage img(10, 10);
    img.Paint([&](Canvas& c) {
        c.Draw(1, 1, spot);
        c.StretchDraw({4, 4, 8, 6}, spot);
    });
    EXPECT_EQ(img.At(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(img.At(2, 1), kWhite) << "the transparent pixel shows what was there";
    EXPECT_EQ(img.At(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(img.At(6, 5), kWhite);
    EXPECT_EQ(img.InkBox(), QRect(1, 1, 5, 5));
}

TEST(CanvasBitmapTest, TransparentByTheBottomLeftPixelOrAGivenColour) {
    QImage picture = Picture();
    picture.setPixel(2, 0, PictureAt(0, 1));  // the bottom-left colour twice
    struct Case {
        const char* what;
        std::function<void(Canvas&)> draw;
        QRgb leftOut;  // the colour that lets the background through
        std::optional<QRgb> ink;
    };
    const Case cases[] = {
        {"bottom-left", [&](Canvas& c) { c.DrawTransparent(2, 3, picture); }, PictureAt(0, 1), {}},
        {"given colour",
         [&](Canvas& c) { c.DrawTransparent(2, 3, picture, RGBColor(50, 20, 200)); },
         PictureAt(1, 0),
         {}},
        {"inked",
         [&](Canvas& c) { c.DrawTransparent(2, 3, picture, RGBColor(10, 120, 200), clRed); },
         PictureAt(0, 1), qRgb(255, 0, 0)},
    };
    for (const Case& c : cases) {
        CanvasImage img(8, 8);
        img.Paint(c.draw);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                const QRgb source = picture.pixel(x, y);
                const QRgb expected = source == c.leftOut ? kWhite : c.ink.value_or(source);
                EXPECT_EQ(img.At(2 + x, 3 + y), expected) << c.what << " " << x << "," << y;
            }
        }
        EXPECT_EQ(img.InkBox().united(QRect(2, 3, 3, 2)), QRect(2, 3, 3, 2)) << c.what;
    }
}

TEST(CanvasBitmapTest, BrushCopyPutsTheBrushInPlaceOfOneColour) {
    QImage picture = Picture();
    picture.setPixel(2, 0, PictureAt(0, 1));
    const TColor key = RGBColor(10, 120, 200);  // PictureAt(0, 1)
    const struct {
        BrushStyle style;
        std::function<bool(QRgb shown, int x, int y)> keyShows;
    } cases[] = {
        {BrushStyle::Solid, [](QRgb p, int, int) { return p == qRgb(255, 0, 0); }},
        {BrushStyle::Clear, [](QRgb p, int, int) { return p == qRgb(0, 128, 0); }},
        {BrushStyle::Halftone,
         [](QRgb p, int x, int y) { return p == ((x + y) % 2 ? kWhite : qRgb(0, 0, 0)); }},
    };
    for (const auto& c : cases) {
        CanvasImage img(12, 8, qRgb(0, 128, 0));
        img.Paint([&](Canvas& canvas) {
            canvas.brush = {clRed, c.style};
            canvas.BrushCopy({2, 1, 8, 5}, picture, {0, 0, 3, 2}, key);
        });
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                const QRgb source = picture.pixel(x / 2, y / 2);
                const QRgb shown = img.At(2 + x, 1 + y);
                if (source == PictureAt(0, 1)) {
                    EXPECT_TRUE(c.keyShows(shown, 2 + x, 1 + y)) << x << "," << y;
                } else {
                    EXPECT_EQ(shown, source) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(img.InkBox(qRgb(0, 128, 0)).united(QRect(2, 1, 6, 4)), QRect(2, 1, 6, 4));
    }
}

TEST(CanvasBitmapTest, PixelsReadBackOnlyFromImages) {
    CanvasImage img(4, 4, qRgb(9, 8, 7));
    img.Paint([](Canvas& c) {
        EXPECT_EQ(c.Pixel(0, 0), RGBColor(9, 8, 7));
        EXPECT_EQ(c.Pixel(4, 0), clNone);
        EXPECT_EQ(c.Pixel(-1, 2), clNone);
        EXPECT_TRUE(c.Snapshot({0, 0, 0, 3}).isNull());
        EXPECT_EQ(c.Snapshot({1, 1, 3, 4}).size(), QSize(2, 3));
    });
    QPixmap pixmap(4, 4);
    QPainter painter(&pixmap);
    Canvas onPixmap(painter);
    EXPECT_EQ(onPixmap.Pixel(0, 0), clNone);
    EXPECT_TRUE(onPixmap.Snapshot({0, 0, 2, 2}).isNull());
}

}  // namespace
}  // namespace vx
