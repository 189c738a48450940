// Pen modes, the halftone brush, the saved drawing state, clip regions and
// the origin.
#include <gtest/gtest.h>

#include "platform/paint/CanvasImage.h"

namespace vx {
namespace {

using test::CanvasImage;

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

TEST(CanvasPenModeTest, XorCombinesWithWhatIsThereAndUndoesItself) {
    CanvasImage img(20, 10);
    img.Paint([](Canvas& c) {
        c.pen.mode = PenMode::Xor;
        c.pen.color = clRed;
        c.MoveTo(2, 5);
        c.LineTo(12, 5);
    });
    EXPECT_EQ(img.At(2, 5), qRgb(0, 255, 255)) << "white XOR red";
    EXPECT_EQ(img.At(11, 5), qRgb(0, 255, 255));
    EXPECT_EQ(img.At(12, 5), kWhite) << "the end point stays out";
    EXPECT_EQ(img.Image().pixel(5, 5) >> 24, 0xFFu) << "the pixel stays opaque";
    img.Paint([](Canvas& c) {
        c.pen.mode = PenMode::Xor;
        c.pen.color = clRed;
        c.MoveTo(2, 5);
        c.LineTo(12, 5);
    });
    EXPECT_EQ(img.CountNot(kWhite), 0);
}

TEST(CanvasPenModeTest, NotInvertsWhateverTheColourAndCoversTheFill) {
    CanvasImage img(20, 20, qRgb(10, 200, 30));
    img.Paint([](Canvas& c) {
        c.pen.mode = PenMode::Not;
        c.pen.color = clBlue;
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(2, 2, 10, 10);
    });
    EXPECT_EQ(img.At(2, 2), qRgb(245, 55, 225));
    EXPECT_EQ(img.At(9, 5), qRgb(245, 55, 225));
    EXPECT_EQ(img.At(5, 5), qRgb(10, 200, 30)) << "clear brush: inside untouched";
    img.Paint([](Canvas& c) {
        c.pen.mode = PenMode::Copy;
        c.pen.color = clBlue;
        c.MoveTo(0, 15);
        c.LineTo(5, 15);
    });
    EXPECT_EQ(img.At(0, 15), qRgb(0, 0, 255)) << "the next call draws in copy mode again";
}

TEST(CanvasBrushTest, HalftoneIsABlackAndWhiteCheckerboard) {
    CanvasImage img(12, 12, qRgb(0, 128, 0));
    img.Paint([](Canvas& c) {
        c.brush.style = BrushStyle::Halftone;
        c.FillRect({2, 2, 10, 10});
    });
    int white = 0, black = 0;
    for (int y = 2; y < 10; ++y) {
        for (int x = 2; x < 10; ++x) {
            const QRgb p = img.At(x, y);
            ASSERT_TRUE(p == kWhite || p == kBlack) << x << "," << y;
            (p == kWhite ? white : black)++;
            if (x > 2) {
                EXPECT_NE(p, img.At(x - 1, y));
            }
            if (y > 2) {
                EXPECT_NE(p, img.At(x, y - 1));
            }
        }
    }
    EXPECT_EQ(white, 32);
    EXPECT_EQ(black, 32);
    EXPECT_EQ(img.At(1, 5), qRgb(0, 128, 0));
}

TEST(CanvasBrushTest, PatInvertWithHalftoneInvertsEveryOtherPixelAndUndoesItself) {
    CanvasImage img(16, 8, qRgb(40, 50, 60));
    auto bar = [](Canvas& c) {
        c.brush.style = BrushStyle::Halftone;
        c.PatBlt({4, 1, 12, 7}, CopyMode::PatInvert);
    };
    img.Paint(bar);
    int inverted = 0;
    for (int y = 1; y < 7; ++y) {
        for (int x = 4; x < 12; ++x) {
            const bool flipped = img.At(x, y) == qRgb(215, 205, 195);
            inverted += flipped;
            if (x > 4) {
                EXPECT_NE(flipped, img.At(x - 1, y) == qRgb(215, 205, 195));
            }
        }
    }
    EXPECT_EQ(inverted, 24);
    EXPECT_EQ(img.At(3, 3), qRgb(40, 50, 60));
    img.Paint(bar);
    EXPECT_EQ(img.Count(qRgb(40, 50, 60)), 16 * 8) << "drawn twice, the bar is gone";
}

TEST(CanvasBrushTest, PatBltModes) {
    CanvasImage img(10, 4, qRgb(0, 0, 255));
    img.Paint([](Canvas& c) {
        c.brush.color = clRed;
        c.PatBlt({0, 0, 3, 4}, CopyMode::PatCopy);
        c.PatBlt({3, 0, 6, 4}, CopyMode::PatInvert);
        c.PatBlt({6, 0, 9, 4}, CopyMode::DstInvert);
    });
    EXPECT_EQ(img.At(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(img.At(3, 0), qRgb(255, 0, 255));
    EXPECT_EQ(img.At(6, 0), qRgb(255, 255, 0));
    EXPECT_EQ(img.At(9, 0), qRgb(0, 0, 255));
}

TEST(CanvasStateTest, RestoreBringsBackPenBrushFontOriginAndClip) {
    CanvasImage img(40, 40);
    int depth1 = 0, depth2 = 0;
    TPoint originAfter;
    CanvasPen penAfter;
    img.Paint([&](Canvas& c) {
        c.pen.color = clRed;
        c.textAlign = TextAlign::Right;
        depth1 = c.SaveState();
        c.pen = {clBlue, 3, PenStyle::Dot, PenMode::Xor};
        c.brush.color = clLime;
        c.font.bold = true;
        c.textAlign = TextAlign::Center;
        c.MoveOrigin(5, 5);
        c.SetClipRect({0, 0, 2, 2});
        depth2 = c.SaveState();
        c.RestoreState();
        c.RestoreState();
        c.RestoreState();  // nothing left: no effect
        penAfter = c.pen;
        originAfter = c.Origin();
        EXPECT_EQ(c.brush.color, clWhite);
        EXPECT_FALSE(c.font.bold);
        EXPECT_EQ(c.textAlign, TextAlign::Right);
        c.brush.color = clBlack;
        c.FillRect({10, 10, 20, 20});
    });
    EXPECT_EQ(depth1, 1);
    EXPECT_EQ(depth2, 2);
    EXPECT_EQ(penAfter.color, clRed);
    EXPECT_EQ(penAfter.mode, PenMode::Copy);
    EXPECT_EQ(originAfter, (TPoint{0, 0}));
    EXPECT_EQ(img.InkBox(), QRect(10, 10, 10, 10)) << "no origin shift, no clip";
}

TEST(CanvasStateTest, FontIsAppliedAgainAfterRestore) {
    CanvasImage a(80, 30), b(80, 30);
    a.Paint([](Canvas& c) {
        c.font.color = clBlack;
        c.brush.style = BrushStyle::Clear;
        c.SaveState();
        c.font.size = 20;
        c.TextOut(0, 0, "W");
        c.RestoreState();
        c.FillRect({0, 0, 80, 30});  // clear brush: nothing
        c.brush.style = BrushStyle::Solid;
        c.brush.color = clWhite;
        c.FillRect({0, 0, 80, 30});
        c.brush.style = BrushStyle::Clear;
        c.TextOut(0, 0, "W");
    });
    b.Paint([](Canvas& c) {
        c.font.color = clBlack;
        c.brush.style = BrushStyle::Clear;
        c.TextOut(0, 0, "W");
    });
    EXPECT_EQ(a.Image(), b.Image()) << "the restored font, not the larger one";
}

TEST(CanvasClipTest, RegionsExcludedAndIntersected) {
    CanvasImage img(30, 30);
    TRect box;
    img.Paint([&](Canvas& c) {
        c.SelectClipRegion(QRegion(0, 0, 20, 20));
        c.ExcludeClipRect({5, 5, 10, 10});
        c.IntersectClipRect({0, 0, 15, 30});
        box = c.ClipBox();
        c.brush.color = clBlack;
        c.FillRect({0, 0, 30, 30});
    });
    EXPECT_EQ(box, (TRect{0, 0, 15, 20}));
    EXPECT_EQ(img.Count(kBlack), 15 * 20 - 25);
    EXPECT_EQ(img.At(7, 7), kWhite);
    EXPECT_EQ(img.At(14, 19), kBlack);
    EXPECT_EQ(img.At(15, 5), kWhite);
}

TEST(CanvasClipTest, ExcludeWithoutAClipStartsFromTheWholeSurface) {
    CanvasImage img(20, 10);
    TRect before;
    img.Paint([&](Canvas& c) {
        before = c.ClipBox();
        c.ExcludeClipRect({0, 0, 20, 5});
        c.brush.color = clBlack;
        c.FillRect({0, 0, 20, 10});
    });
    EXPECT_EQ(before, (TRect{0, 0, 20, 10}));
    EXPECT_EQ(img.InkBox(), QRect(0, 5, 20, 5));
}

TEST(CanvasClipTest, PolygonRegionFillsByTheAlternateRule) {
    // Two overlapping squares as one outline: the overlap is outside.
    const QRegion region = Canvas::PolygonRegion(
        {{0, 0}, {10, 0}, {10, 10}, {5, 10}, {5, 5}, {15, 5}, {15, 15}, {0, 15}, {0, 0}});
    EXPECT_TRUE(region.contains(QPoint(2, 2)));
    EXPECT_TRUE(region.contains(QPoint(12, 12)));
    EXPECT_FALSE(region.contains(QPoint(7, 7)));
    EXPECT_FALSE(region.contains(QPoint(20, 20)));
}

TEST(CanvasOriginTest, MovingTheOriginShiftsDrawingButNotTheClip) {
    CanvasImage img(30, 30);
    TRect box;
    TColor seen = clNone;
    img.Paint([&](Canvas& c) {
        c.SetClipRect({0, 0, 12, 30});
        c.MoveOrigin(-5, 3);
        box = c.ClipBox();
        c.brush.color = clBlack;
        c.FillRect({5, 0, 25, 2});
        seen = c.Pixel(5, 0);
    });
    EXPECT_EQ(box, (TRect{5, -3, 17, 27}));
    EXPECT_EQ(img.InkBox(), QRect(0, 3, 12, 2));
    EXPECT_EQ(seen, clBlack);
}

}  // namespace
}  // namespace vx
