// Rounded rectangles and ellipses: outline in the pen, inside in the brush,
// within the rectangle less its right and bottom edges, never smoothed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/paint/CanvasImage.h"

namespace vx {
namespace {

using test::CanvasImage;

// The picture as rows of characters: '#' black (the pen), 'o' red (the
// brush), '.' white, '?' anything else.
std::vector<std::string> Rows(const CanvasImage& img, int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const QRgb p = img.At(x, y);
            row += p == qRgb(0, 0, 0)         ? '#'
                   : p == qRgb(255, 0, 0)     ? 'o'
                   : p == qRgb(255, 255, 255) ? '.'
                                              : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct ShapeCase {
    const char* what;
    std::function<void(Canvas&)> draw;
    std::vector<std::string> rows;
};

TEST(CanvasShapesTest, OutlineAndInsideByRows) {
    const auto penAndBrush = [](Canvas& c) {
        c.pen.color = clBlack;
        c.brush.color = clRed;
    };
    const ShapeCase cases[] = {
        {"a 10 x 8 ellipse",
         [&](Canvas& c) {
             penAndBrush(c);
             c.Ellipse(1, 1, 11, 9);
         },
         {
             "............",
             "....####....",
             "..##oooo##..",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             "..##oooo##..",
             "....####....",
             "............",
         }},
        {"a clear brush leaves the inside",
         [&](Canvas& c) {
             penAndBrush(c);
             c.brush.style = BrushStyle::Clear;
             c.Ellipse(TRect{1, 1, 11, 9});
         },
         {
             "............",
             "....####....",
             "..##....##..",
             ".#........#.",
             ".#........#.",
             ".#........#.",
             ".#........#.",
             "..##....##..",
             "....####....",
             "............",
         }},
        {"without a pen the fill is one less each way",
         [&](Canvas& c) {
             penAndBrush(c);
             c.pen.style = PenStyle::Clear;
             c.Ellipse(1, 1, 11, 9);
         },
         {
             "............",
             "...ooooo....",
             "..ooooooo...",
             ".ooooooooo..",
             ".ooooooooo..",
             ".ooooooooo..",
             "..ooooooo...",
             "...ooooo....",
             "............",
             "............",
         }},
        {"rounded corners of 4 x 4",
         [&](Canvas& c) {
             penAndBrush(c);
             c.RoundRect(1, 1, 11, 9, 4, 4);
         },
         {
             "............",
             "..########..",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             ".#oooooooo#.",
             "..########..",
             "............",
         }},
        {"a thin ellipse touches every side",
         [&](Canvas& c) {
             penAndBrush(c);
             c.Ellipse(1, 1, 4, 9);
         },
         {
             "............",
             "..#.........",
             ".#o#........",
             ".#o#........",
             ".#o#........",
             ".#o#........",
             ".#o#........",
             ".#o#........",
             "..#.........",
             "............",
         }},
        {"a three-pixel pen strokes centred on the outline",
         [&](Canvas& c) {
             penAndBrush(c);
             c.pen.width = 3;
             c.Ellipse(2, 2, 10, 8);
         },
         {
             "............",
             "....####....",
             "..########..",
             ".##########.",
             ".###oooo###.",
             ".###oooo###.",
             ".##########.",
             "..########..",
             "....####....",
             "............",
         }},
    };
    for (const ShapeCase& c : cases) {
        CanvasImage img(12, 10);
        img.Paint(c.draw);
        EXPECT_EQ(Rows(img, 12, 10), c.rows) << c.what;
    }
}

TEST(CanvasShapesTest, SquareCornersDrawWhatRectangleDraws) {
    const CanvasPen pens[] = {
        {clBlack, 1, PenStyle::Solid},
        {clBlack, 4, PenStyle::Solid},
        {clBlack, 3, PenStyle::InsideFrame},
        {clBlack, 1, PenStyle::Clear},
    };
    for (const CanvasPen& pen : pens) {
        CanvasImage round(20, 20), square(20, 20);
        round.Paint([&](Canvas& c) {
            c.pen = pen;
            c.brush.color = clRed;
            c.RoundRect(4, 5, 15, 13, 0, 0);
        });
        square.Paint([&](Canvas& c) {
            c.pen = pen;
            c.brush.color = clRed;
            c.Rectangle(4, 5, 15, 13);
        });
        EXPECT_EQ(round.Image(), square.Image()) << "pen width " << pen.width;
    }
}

TEST(CanvasShapesTest, XorModeDrawsEveryPixelOnceAndUndoesItself) {
    CanvasImage img(40, 30, qRgb(10, 200, 30));
    const auto draw = [](Canvas& c) {
        c.pen.mode = PenMode::Xor;
        c.pen.color = clBlue;
        c.brush.color = clRed;
        c.RoundRect(3, 2, 37, 28, 9, 7);
        c.Ellipse(5, 5, 20, 25);
    };
    img.Paint(draw);
    EXPECT_EQ(img.At(3, 10), qRgb(10, 200, 255 ^ 30)) << "outline: green XOR blue";
    EXPECT_EQ(img.At(30, 10), qRgb(255 ^ 10, 200, 30)) << "inside: green XOR red";
    img.Paint(draw);
    EXPECT_EQ(img.CountNot(qRgb(10, 200, 30)), 0);
}

TEST(CanvasShapesTest, RowInsetsAreSymmetricAndReachEverySide) {
    for (int w = 1; w <= 40; w += 3) {
        for (int h = 1; h <= 40; h += 5) {
            const std::vector<int> rows = RoundRectInsets(w, h, w, h);
            ASSERT_EQ(static_cast<int>(rows.size()), h);
            int least = w;
            for (int y = 0; y < h; ++y) {
                EXPECT_EQ(rows[y], rows[h - 1 - y]) << w << "x" << h;
                EXPECT_LE(2 * rows[y], w - 1) << "every row has a pixel";
                if (y > 0 && y <= h / 2) {
                    EXPECT_LE(rows[y], rows[y - 1]) << "no dents";
                }
                least = std::min(least, rows[y]);
            }
            EXPECT_EQ(least, 0) << w << "x" << h << " touches the sides";
        }
    }
    EXPECT_EQ(RoundRectInsets(6, 4, 0, 4), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(RoundRectInsets(6, 4, 100, 100), RoundRectInsets(6, 4, 6, 4)) << "clamped";
}

}  // namespace
}  // namespace vx
