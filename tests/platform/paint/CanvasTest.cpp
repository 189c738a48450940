#include "platform/paint/Canvas.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>

namespace vx {
namespace {

// A white 64 x 64 image to draw on, read back pixel by pixel.
class CanvasTest : public testing::Test {
  protected:
    CanvasTest() : image_(64, 64, QImage::Format_RGB32) { image_.fill(Qt::white); }

    template <typename Draw>
    void Paint(Draw draw) {
        QPainter painter(&image_);
        Canvas canvas(painter);
        draw(canvas);
    }
    bool Inked(int x, int y) const { return image_.pixel(x, y) != qRgb(255, 255, 255); }
    QRgb At(int x, int y) const { return image_.pixel(x, y); }
    int InkedCount() const {
        int n = 0;
        for (int y = 0; y < image_.height(); ++y) {
            for (int x = 0; x < image_.width(); ++x)
                n += Inked(x, y);
        }
        return n;
    }

    QImage image_;
};

TEST_F(CanvasTest, OnePixelLineStopsShortOfItsEndPoint) {
    Paint([](Canvas& c) {
        c.MoveTo(2, 5);
        c.LineTo(10, 5);
        c.MoveTo(20, 2);
        c.LineTo(20, 12);
    });
    for (int x = 2; x < 10; ++x)
        EXPECT_TRUE(Inked(x, 5)) << x;
    EXPECT_FALSE(Inked(10, 5));
    EXPECT_FALSE(Inked(1, 5));
    EXPECT_TRUE(Inked(20, 11));
    EXPECT_FALSE(Inked(20, 12));
    EXPECT_EQ(InkedCount(), 8 + 10);
}

TEST_F(CanvasTest, DiagonalLineAndPenPosition) {
    TPoint end;
    Paint([&](Canvas& c) {
        c.MoveTo(37, 21);  // the slash of a normally closed contact
        c.LineTo(22, 35);
        end = c.PenPos();
    });
    EXPECT_EQ(end, (TPoint{22, 35}));
    EXPECT_TRUE(Inked(37, 21));
    EXPECT_FALSE(Inked(22, 35));
    EXPECT_EQ(InkedCount(), 15) << "one pixel per step of the longer axis";
}

TEST_F(CanvasTest, PenColourAndClearPen) {
    Paint([](Canvas& c) {
        c.pen.color = RGBColor(0, 255, 0);
        c.MoveTo(0, 0);
        c.LineTo(5, 0);
        c.pen.style = PenStyle::Clear;
        c.LineTo(5, 30);
    });
    EXPECT_EQ(At(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(InkedCount(), 5);
}

TEST_F(CanvasTest, WidePenCoversItsEndPoints) {
    Paint([](Canvas& c) {
        c.pen.width = 3;
        c.MoveTo(10, 20);
        c.LineTo(30, 20);
    });
    EXPECT_TRUE(Inked(30, 20));
    EXPECT_TRUE(Inked(20, 19));
    EXPECT_TRUE(Inked(20, 21));
    EXPECT_FALSE(Inked(20, 23));
}

TEST_F(CanvasTest, DottedPenLeavesGaps) {
    Paint([](Canvas& c) {
        c.pen.style = PenStyle::Dot;
        c.MoveTo(0, 3);
        c.LineTo(12, 3);
    });
    EXPECT_TRUE(Inked(0, 3));
    EXPECT_TRUE(Inked(2, 3));
    EXPECT_FALSE(Inked(3, 3));
    EXPECT_FALSE(Inked(5, 3));
    EXPECT_TRUE(Inked(6, 3));
}

TEST_F(CanvasTest, RectangleRightAndBottomEdgesAreExclusive) {
    Paint([](Canvas& c) {
        c.brush.color = clRed;
        c.Rectangle(10, 10, 20, 16);
    });
    EXPECT_EQ(At(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(At(19, 15), qRgb(0, 0, 0));
    EXPECT_FALSE(Inked(20, 15));
    EXPECT_FALSE(Inked(19, 16));
    EXPECT_EQ(At(11, 11), qRgb(255, 0, 0)) << "inside filled with the brush";
    EXPECT_EQ(At(18, 14), qRgb(255, 0, 0));
    EXPECT_EQ(InkedCount(), 10 * 6);
}

TEST_F(CanvasTest, RectangleWithoutPenIsOneSmallerAndClearBrushFillsNothing) {
    Paint([](Canvas& c) {
        c.pen.style = PenStyle::Clear;
        c.brush.color = clBlue;
        c.Rectangle(0, 0, 10, 10);
        c.pen.style = PenStyle::Solid;
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(30, 30, 40, 40);
    });
    EXPECT_TRUE(Inked(8, 8));
    EXPECT_FALSE(Inked(9, 9));
    EXPECT_FALSE(Inked(35, 35));
    EXPECT_TRUE(Inked(39, 39));
    EXPECT_EQ(InkedCount(), 81 + 36);
}

TEST_F(CanvasTest, InsideFramePenStaysInsideTheRectangle) {
    Paint([](Canvas& c) {
        c.pen.width = 3;
        c.pen.style = PenStyle::InsideFrame;
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(10, 10, 30, 30);
    });
    EXPECT_TRUE(Inked(10, 10));
    EXPECT_TRUE(Inked(12, 20));
    EXPECT_FALSE(Inked(13, 20));
    EXPECT_TRUE(Inked(29, 29));
    EXPECT_FALSE(Inked(30, 29));
    EXPECT_FALSE(Inked(9, 10));
}

TEST_F(CanvasTest, FillAndFrameUseTheBrush) {
    Paint([](Canvas& c) {
        c.brush.color = clYellow;
        c.FillRect({0, 0, 4, 3});
        c.brush.color = clBlack;
        c.FrameRect({10, 10, 15, 15});
        c.brush.color = clNone;
        c.FillRect({40, 40, 50, 50});
    });
    EXPECT_EQ(At(3, 2), qRgb(255, 255, 0));
    EXPECT_FALSE(Inked(4, 2));
    EXPECT_TRUE(Inked(14, 14));
    EXPECT_FALSE(Inked(12, 12));
    EXPECT_EQ(InkedCount(), 12 + 16);
}

TEST_F(CanvasTest, TextIsAnchoredAtItsTopLeftCorner) {
    int width = 0, height = 0;
    Paint([&](Canvas& c) {
        c.brush.style = BrushStyle::Clear;
        c.font.size = 9;
        c.font.color = clBlack;
        c.TextOut(20, 30, "X0");
        width = c.TextWidth("X0");
        height = c.TextHeight("X0");
    });
    EXPECT_GT(width, 0);
    EXPECT_EQ(height, QFontMetrics(ToQFont(CanvasFont{})).height());
    int top = 64, left = 64;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (Inked(x, y)) top = std::min(top, y), left = std::min(left, x);
        }
    }
    EXPECT_GE(top, 30);
    EXPECT_LT(top, 30 + height);
    EXPECT_GE(left, 20);
    EXPECT_LT(left, 24);
}

TEST_F(CanvasTest, TextBackgroundIsTheBrushUnlessClear) {
    Paint([](Canvas& c) {
        c.brush.color = clAqua;
        c.TextOut(0, 0, "M");
    });
    EXPECT_EQ(At(0, 0), qRgb(0, 255, 255));
}

TEST_F(CanvasTest, DrawTextCalculatesAndAligns) {
    TRect calc{0, 0, 200, 0};
    TRect box{0, 0, 64, 20};
    int h = 0;
    Paint([&](Canvas& c) {
        using namespace DrawTextFlags;
        h = c.DrawText("Main", calc, kCalcRect | kSingleLine);
        c.font.color = clBlack;
        c.DrawText("I", box, kRight | kSingleLine | kVCenter);
    });
    EXPECT_EQ(calc.bottom, h);
    EXPECT_GT(calc.right, 0);
    EXPECT_LT(calc.right, 200);
    bool leftHalf = false, rightHalf = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (Inked(x, y)) (x < 32 ? leftHalf : rightHalf) = true;
        }
    }
    EXPECT_FALSE(leftHalf);
    EXPECT_TRUE(rightHalf);
}

TEST_F(CanvasTest, PrefixAmpersandIsNotShownAndEllipsisFits) {
    TRect a{0, 0, 300, 0}, b{0, 0, 300, 0};
    TRect narrow{0, 0, 30, 20};
    Paint([&](Canvas& c) {
        using namespace DrawTextFlags;
        c.DrawText("&File", a, kCalcRect | kSingleLine);
        c.DrawText("File", b, kCalcRect | kSingleLine);
        c.DrawText("A very long caption", narrow, kSingleLine | kEndEllipsis);
    });
    EXPECT_EQ(a.right, b.right);
    for (int y = 0; y < 20; ++y)
        EXPECT_FALSE(Inked(31, y)) << "nothing beyond the rectangle";
}

TEST_F(CanvasTest, ClippingLimitsDrawing) {
    Paint([](Canvas& c) {
        c.SetClipRect({0, 0, 10, 10});
        c.brush.color = clBlack;
        c.FillRect({0, 0, 64, 64});
        c.ClearClip();
        c.SetPixel(50, 50, clBlack);
    });
    EXPECT_EQ(InkedCount(), 101);
}

TEST(CanvasFonts, ChineseFamiliesMapToTheInstalledCjkFont) {
    EXPECT_EQ(MapFontFamily("宋体"), QStringLiteral("WenQuanYi Micro Hei Mono"));
    EXPECT_EQ(MapFontFamily("黑体"), QStringLiteral("WenQuanYi Micro Hei"));
    EXPECT_EQ(MapFontFamily("Tahoma"), QStringLiteral("Tahoma"));
    CanvasFont bold;
    bold.bold = true;
    bold.size = 12;
    EXPECT_EQ(ToQFont(bold).pixelSize(), 16) << "12 points at 96 pixels per inch";
    EXPECT_TRUE(ToQFont(bold).bold());
    EXPECT_EQ(ToQColor(clInfoBk), QColor(255, 255, 225));
}

TEST(CanvasFonts, HeightInPixelsWinsOverSize) {
    const struct {
        int size, height, pixels;
    } cases[] = {
        {9, 0, 12},    // by size
        {9, -11, 11},  // the characters' height
        {20, -12, 12},
        {8, -16, 16},
    };
    for (const auto& c : cases) {
        CanvasFont font;
        font.size = c.size;
        font.height = c.height;
        EXPECT_EQ(ToQFont(font).pixelSize(), c.pixels) << c.size << " " << c.height;
    }
    // A positive height is the whole cell: the largest face that fits it.
    for (const int cell : {13, 16, 21}) {
        CanvasFont font;
        font.name = "Tahoma";
        font.height = cell;
        QFont f = ToQFont(font);
        EXPECT_LE(QFontMetrics(f).height(), cell);
        f.setPixelSize(f.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(f).height(), cell);
    }
}

TEST(CanvasFonts, TheDesktopsLatinFacesBecomeOneInstalledFace) {
    for (const char* name :
         {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Arial", "Segoe UI"}) {
        CanvasFont font;
        font.name = name;
        const QString expected =
            QFontDatabase::hasFamily(name) ? QString(name) : QStringLiteral("DejaVu Sans");
        EXPECT_EQ(QFontInfo(ToQFont(font)).family(), expected) << name;
    }
    CanvasFont song;
    EXPECT_EQ(QFontInfo(ToQFont(song)).family(), QStringLiteral("WenQuanYi Micro Hei Mono"));
}

// Painted English captions keep their blanks: in the windows' Song face a
// blank is as wide as a letter, plain or bold, as the group and tab captions
// ("T timers", "X inputs") are drawn.
TEST(CanvasFonts, SongFaceBlankIsAsWideAsALetter) {
    QImage image(200, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    Canvas canvas(painter);
    for (const bool bold : {false, true}) {
        canvas.font = CanvasFont{};
        canvas.font.bold = bold;
        const int letter = canvas.TextWidth("T");
        EXPECT_GE(canvas.TextWidth("T timers") - canvas.TextWidth("Ttimers"), letter)
            << (bold ? "bold" : "plain");
        EXPECT_GE(canvas.TextWidth(" "), letter) << (bold ? "bold" : "plain");
    }
}

}  // namespace
}  // namespace vx
