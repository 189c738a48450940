#include "styling/gdiplus/FxGDIP.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <functional>

namespace vx {
namespace {

constexpr ARGB kBlack = 0xFF000000;
constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kBlue = 0xFF0000FF;

// The layer started for each case, and a white 40 x 40 image to draw on.
class GdipTest : public testing::Test {
  protected:
    GdipTest() : image_(40, 40, QImage::Format_RGB32) { image_.fill(Qt::white); }
    void SetUp() override { ASSERT_EQ(GdiplusStartup(&token_), TStatus::Ok); }
    void TearDown() override { GdiplusShutdown(token_); }

    void Paint(const std::function<void(TGPGraphics&)>& draw) {
        QPainter painter(&image_);
        TGPGraphics g(&painter);
        ASSERT_EQ(g.GetLastStatus(), TStatus::Ok);
        draw(g);
    }
    bool White(int x, int y) const { return image_.pixel(x, y) == qRgb(255, 255, 255); }
    QRgb At(int x, int y) const { return image_.pixel(x, y); }
    bool InkNear(int x, int y) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (!White(x + dx, y + dy)) return true;
            }
        }
        return false;
    }

    std::uintptr_t token_ = 0;
    QImage image_;
};

TEST(GdipStartup, NothingIsMadeBeforeStartUpOrAfterShutDown) {
    EXPECT_EQ(TGPPen(kBlack).GetLastStatus(), TStatus::GdiplusNotInitialized);
    std::uintptr_t token = 0;
    ASSERT_EQ(GdiplusStartup(&token), TStatus::Ok);
    EXPECT_NE(token, 0u);
    EXPECT_EQ(TGPPen(kBlack).GetLastStatus(), TStatus::Ok);
    GdiplusShutdown(token);
    TGPSolidBrush late(kBlack);
    EXPECT_EQ(late.GetLastStatus(), TStatus::GdiplusNotInitialized);
    EXPECT_EQ(late.Handle(), nullptr);
}

TEST_F(GdipTest, FailuresStayRecordedAndNullArgumentsAreRefused) {
    TGPPen pen(kBlack, -1);  // a failed creation: null handle, freed without harm
    EXPECT_EQ(pen.Handle(), nullptr);
    EXPECT_EQ(pen.GetLastStatus(), TStatus::InvalidParameter);

    TGPStringFormat format;
    EXPECT_EQ(format.SetAlignment(7), TStatus::InvalidParameter);
    EXPECT_EQ(format.SetAlignment(StringAlignmentCenter), TStatus::Ok);
    EXPECT_EQ(format.GetLastStatus(), TStatus::InvalidParameter);

    TGPGraphicsPath path;
    EXPECT_EQ(path.AddEllipse(0, 0, 10, 10), TStatus::Ok);
    TGPPathGradientBrush brush(&path);
    EXPECT_EQ(brush.GetPointCount(), 13);  // a start point and four curves
    const ARGB colors[14] = {};
    int count = 14;
    EXPECT_EQ(brush.SetSurroundColors(colors, &count), TStatus::InvalidParameter);
    EXPECT_EQ(count, 14);
    count = 1;
    EXPECT_EQ(brush.SetSurroundColors(nullptr, &count), TStatus::InvalidParameter);
    EXPECT_EQ(brush.SetSurroundColors(colors, &count), TStatus::Ok);
    EXPECT_EQ(brush.GetLastStatus(), TStatus::InvalidParameter);
    EXPECT_EQ(brush.SetCenterColor(kBlack), TStatus::InvalidParameter);  // the last status

    TGPPathGradientBrush noPath(nullptr);
    EXPECT_EQ(noPath.GetLastStatus(), TStatus::InvalidParameter);
    Paint([&](TGPGraphics& g) {
        EXPECT_EQ(g.DrawPath(nullptr, &path), TStatus::InvalidParameter);
        EXPECT_EQ(g.FillRectangle(&noPath, 0, 0, 5, 5), TStatus::InvalidParameter);
        EXPECT_EQ(g.SetSmoothingMode(SmoothingModeAntiAlias), TStatus::Ok);
        EXPECT_EQ(g.GetLastStatus(), TStatus::InvalidParameter);
    });
    EXPECT_TRUE(White(2, 2));
    Paint([&](TGPGraphics& g) {
        EXPECT_EQ(g.SetSmoothingMode(99), TStatus::InvalidParameter);
        EXPECT_EQ(g.SetSmoothingMode(SmoothingModeAntiAlias), TStatus::Ok);
        EXPECT_EQ(g.GetLastStatus(), TStatus::InvalidParameter);
    });
    TGPGraphics unpainted(nullptr);
    EXPECT_EQ(unpainted.GetLastStatus(), TStatus::InvalidParameter);
}

TEST_F(GdipTest, OnePixelOutlineCoversOnePixelAntialiasedOrNot) {
    for (int mode : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        image_.fill(Qt::white);
        Paint([&](TGPGraphics& g) {
            g.SetSmoothingMode(mode);
            TGPPen pen(kBlack, 1);
            TGPGraphicsPath path;
            path.AddLine(5, 5, 30, 5);
            path.AddLine(30, 5, 30, 20);
            path.AddLine(30, 20, 5, 20);
            path.CloseFigure();
            EXPECT_EQ(g.DrawPath(&pen, &path), TStatus::Ok);
        });
        for (const auto& [x, y] :
             {std::pair{10, 5}, {30, 12}, {10, 20}, {5, 12}, {5, 5}, {30, 5}, {30, 20}, {5, 20}})
            EXPECT_EQ(At(x, y), qRgb(0, 0, 0)) << mode << " at " << x << "," << y;
        for (const auto& [x, y] : {std::pair{10, 4}, {10, 6}, {29, 12}, {31, 12}, {4, 12}})
            EXPECT_TRUE(White(x, y)) << mode << " at " << x << "," << y;
    }
}

TEST_F(GdipTest, DottedPenAlternatesOnAndOff) {
    Paint([](TGPGraphics& g) {
        TGPPen pen(kBlack, 1);
        pen.SetDashStyle(DashStyleDot);
        TGPGraphicsPath path;
        path.AddLine(4, 10, 24, 10);
        g.DrawPath(&pen, &path);
    });
    for (int x = 4; x < 24; ++x)
        EXPECT_EQ(White(x, 10), (x - 4) % 2 == 1) << x;
}

TEST_F(GdipTest, ArcsTurnClockwise) {
    Paint([](TGPGraphics& g) {
        TGPPen pen(kBlack, 1);
        TGPGraphicsPath path;
        path.AddArc(0, 0, 20, 20, 0, 90);  // from 3 o'clock down to 6 o'clock
        g.DrawPath(&pen, &path);
    });
    EXPECT_TRUE(InkNear(20, 10));
    EXPECT_TRUE(InkNear(17, 17));
    EXPECT_TRUE(InkNear(10, 20));
    EXPECT_FALSE(InkNear(17, 3));
    EXPECT_FALSE(InkNear(3, 17));
    EXPECT_FALSE(InkNear(5, 5));  // no line from the origin to the arc
}

TEST_F(GdipTest, LinearGradientModesAndTiling) {
    // Black to white over the 10 x 10 square at the origin, tiled over a fill
    // twice as high and four times as wide: every mode repeats after 20 pixels
    // across, the horizontal one after 10 and the vertical one after 10 down.
    const auto gray = [this](int x, int y) { return qRed(At(x, y)); };
    for (int mode : {LinearGradientModeHorizontal, LinearGradientModeVertical,
                     LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal}) {
        image_.fill(Qt::white);
        Paint([&](TGPGraphics& g) {
            TGPLinearGradientBrush brush(MakeRect(0, 0, 10, 10), kBlack, kWhite, mode);
            EXPECT_EQ(g.FillRectangle(&brush, 0, 0, 40, 20), TStatus::Ok);
        });
        // (At a whole number of periods the two ends of a band meet.)
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                if (gray(x, y) > 3 && gray(x, y) < 252) {
                    EXPECT_NEAR(gray(x, y), gray(x + 20, y), 2) << mode << " at " << x << "," << y;
                }
            }
        }
        switch (mode) {
            case LinearGradientModeHorizontal:
                EXPECT_EQ(gray(0, 7), 0);
                EXPECT_EQ(gray(5, 0), gray(5, 9));
                EXPECT_LT(gray(3, 4), gray(6, 4));
                EXPECT_NEAR(gray(3, 4), gray(13, 4), 2);
                break;
            case LinearGradientModeVertical:
                EXPECT_EQ(gray(7, 0), 0);
                EXPECT_EQ(gray(0, 5), gray(9, 5));
                EXPECT_LT(gray(4, 3), gray(4, 6));
                EXPECT_NEAR(gray(4, 3), gray(4, 13), 2);
                break;
            case LinearGradientModeForwardDiagonal:
                EXPECT_EQ(gray(0, 0), 0);
                EXPECT_EQ(gray(2, 6), gray(6, 2));
                EXPECT_LT(gray(3, 3), gray(6, 6));
                break;
            case LinearGradientModeBackwardDiagonal:
                EXPECT_LT(gray(9, 0), 20);
                EXPECT_LT(gray(8, 1), gray(1, 8));
                EXPECT_EQ(gray(3, 3), gray(6, 6));
                break;
        }
    }
}

TEST_F(GdipTest, PathGradientStaysInsideItsPath) {
    // A red centre to a blue outline, in an ellipse and in a triangle, aliased
    // and antialiased; the fill asked for is the whole image.
    const auto ellipse = [](TGPGraphicsPath& p) { p.AddEllipse(0, 0, 30, 30); };
    const auto triangle = [](TGPGraphicsPath& p) {
        p.AddLine(2, 2, 32, 2);
        p.AddLine(32, 2, 17, 32);
        p.CloseFigure();
    };
    struct Case {
        std::function<void(TGPGraphicsPath&)> shape;
        TGPPoint center;
        std::pair<int, int> nearOutline;
        std::vector<std::pair<int, int>> outside;
    };
    const Case cases[] = {
        {ellipse, {15, 15}, {15, 1}, {{1, 1}, {28, 28}, {35, 15}, {15, 35}, {39, 39}}},
        {triangle, {17, 12}, {17, 3}, {{1, 1}, {5, 20}, {30, 20}, {17, 34}, {39, 39}}},
    };
    for (int i = 0; i < 4; ++i) {
        const Case& c = cases[i % 2];
        image_.fill(Qt::white);
        Paint([&](TGPGraphics& g) {
            g.SetSmoothingMode(i < 2 ? SmoothingModeNone : SmoothingModeAntiAlias);
            TGPGraphicsPath path;
            c.shape(path);
            TGPPathGradientBrush brush(&path);
            brush.SetCenterPoint(c.center);
            brush.SetCenterColor(kRed);
            ARGB surround = kBlue;
            int count = 1;
            EXPECT_EQ(brush.SetSurroundColors(&surround, &count), TStatus::Ok);
            EXPECT_EQ(count, 1);
            EXPECT_EQ(g.FillRectangle(&brush, 0, 0, 40, 40), TStatus::Ok);
        });
        const QRgb centre = At(c.center.X, c.center.Y);
        EXPECT_GT(qRed(centre), 240) << c.center.X;
        EXPECT_LT(qBlue(centre), 15) << c.center.X;
        const QRgb edge = At(c.nearOutline.first, c.nearOutline.second);
        EXPECT_GT(qBlue(edge), 3 * qRed(edge)) << c.center.X;
        for (const auto& [x, y] : c.outside)
            EXPECT_TRUE(White(x, y)) << c.center.X << ": " << x << "," << y;
    }

    // One colour for each corner of the triangle: each corner shows its own.
    image_.fill(Qt::white);
    Paint([&](TGPGraphics& g) {
        TGPGraphicsPath path;
        triangle(path);
        TGPPathGradientBrush brush(&path);
        brush.SetCenterPoint(MakePoint(17, 12));
        brush.SetCenterColor(kWhite);
        const ARGB corners[] = {kRed, 0xFF00FF00, kBlue};
        int count = 3;
        EXPECT_EQ(brush.SetSurroundColors(corners, &count), TStatus::Ok);
        g.FillRectangle(&brush, 0, 0, 40, 40);
    });
    EXPECT_GT(qRed(At(4, 3)), 200);
    EXPECT_LT(qGreen(At(4, 3)), 120);
    EXPECT_GT(qGreen(At(30, 3)), 200);
    EXPECT_LT(qRed(At(30, 3)), 120);
    EXPECT_GT(qBlue(At(17, 30)), 200);
    EXPECT_LT(qRed(At(17, 30)), 120);
}

TEST_F(GdipTest, StringsAreMeasuredAndDrawnInTheirFormat) {
    TGPFontFamily family(u"Tahoma");
    TGPFont font(&family, 9, FontStyleBold, UnitPoint);
    ASSERT_EQ(font.GetLastStatus(), TStatus::Ok);
    TGPStringFormat noWrap(StringFormatFlagsNoWrap);
    TGPStringFormat wrap;
    TGPStringFormat centred(StringFormatFlagsNoWrap);
    centred.SetAlignment(StringAlignmentCenter);
    centred.SetLineAlignment(StringAlignmentCenter);
    TGPStringFormat shown, hidden;
    shown.SetHotkeyPrefix(HotkeyPrefixShow);
    hidden.SetHotkeyPrefix(HotkeyPrefixHide);
    Paint([&](TGPGraphics& g) {
        const auto measure = [&](const std::u16string& text, int length, TGPRectF layout,
                                 const TGPStringFormat& format, int* lines = nullptr) {
            TGPRectF box;
            int fitted = 0;
            EXPECT_EQ(g.MeasureString(text, length, &font, layout, &format, &box, &fitted, lines),
                      TStatus::Ok);
            return box;
        };
        const TGPRectF open = MakeRect(0, 0, 0, 0);
        const TGPRectF ab = measure(u"ab", -1, open, noWrap);
        EXPECT_GT(ab.Width, 0);
        EXPECT_GT(ab.Height, 0);
        EXPECT_FLOAT_EQ(measure(u"abcd", 2, open, noWrap).Width, ab.Width);
        EXPECT_FLOAT_EQ(measure(std::u16string(u"ab\0cd", 5), -1, open, noWrap).Width, ab.Width);
        EXPECT_FLOAT_EQ(measure(u"&ab", -1, open, shown).Width, ab.Width);
        EXPECT_FLOAT_EQ(measure(u"&ab", -1, open, hidden).Width, ab.Width);
        EXPECT_GT(measure(u"&ab", -1, open, noWrap).Width, ab.Width);

        int lines = 0;
        const TGPRectF narrow = MakeRect(0, 0, ab.Width * 2, 200);
        measure(u"ab ab ab ab", -1, narrow, wrap, &lines);
        EXPECT_GT(lines, 1);
        measure(u"ab ab ab ab", -1, narrow, noWrap, &lines);
        EXPECT_EQ(lines, 1);

        const TGPRectF box = measure(u"ab", -1, MakeRect(0, 0, 40, 40), centred);
        EXPECT_NEAR(box.X + box.Width / 2, 20, 1);
        EXPECT_NEAR(box.Y + box.Height / 2, 20, 1);

        TGPSolidBrush black(kBlack);
        EXPECT_EQ(g.DrawString(u"ab", -1, &font, MakeRect(0, 0, 40, 40), &centred, &black),
                  TStatus::Ok);
    });
    bool leftTop = false, middle = false;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (White(x, y)) continue;
            leftTop |= x < 8 && y < 8;
            middle |= x >= 12 && x < 28 && y >= 12 && y < 28;
        }
    }
    EXPECT_TRUE(middle);
    EXPECT_FALSE(leftTop);
}

// Whether a drawing left grey pixels (antialiased edges) or black and white only.
TEST_F(GdipTest, SmoothingAndTextHintsDecideAntialiasing) {
    const auto greys = [this] {
        int n = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x)
                n += At(x, y) != qRgb(0, 0, 0) && At(x, y) != qRgb(255, 255, 255);
        }
        return n;
    };
    TGPFontFamily family(u"Tahoma");
    TGPFont font(&family, 12, 0, UnitPixel);
    TGPSolidBrush black(kBlack);
    TGPPen pen(kBlack, 1);
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(4, 4, 30, 20);
    struct Case {
        int smoothing, hint;
        bool shape;  // the ellipse, else a text
        bool grey;
    };
    const Case cases[] = {
        {SmoothingModeNone, TextRenderingHintSystemDefault, true, false},
        {SmoothingModeAntiAlias, TextRenderingHintSystemDefault, true, true},
        {SmoothingModeAntiAlias, TextRenderingHintSingleBitPerPixelGridFit, false, false},
        {SmoothingModeNone, TextRenderingHintAntiAlias, false, true},
        {SmoothingModeNone, TextRenderingHintClearTypeGridFit, false, true},
    };
    for (const Case& c : cases) {
        image_.fill(Qt::white);
        Paint([&](TGPGraphics& g) {
            g.SetSmoothingMode(c.smoothing);
            g.SetTextRenderingHint(c.hint);
            if (c.shape)
                g.DrawPath(&pen, &ellipse);
            else
                g.DrawString(u"Wgx", -1, &font, MakeRect(2, 2, 36, 36), nullptr, &black);
        });
        EXPECT_EQ(greys() > 0, c.grey) << c.smoothing << " " << c.hint;
    }

    // The hot-key prefix: underlined when shown, not when hidden.
    QImage drawn[2];
    for (int prefix : {HotkeyPrefixShow, HotkeyPrefixHide}) {
        image_.fill(Qt::white);
        TGPStringFormat format;
        format.SetHotkeyPrefix(prefix);
        Paint([&](TGPGraphics& g) {
            g.DrawString(u"&Wg", -1, &font, MakeRect(2, 2, 36, 36), &format, &black);
        });
        drawn[prefix - HotkeyPrefixShow] = image_.copy();
    }
    EXPECT_NE(drawn[0], drawn[1]);
}

QByteArray Encoded(const char* format) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST_F(GdipTest, ImagesGiveTheirSizeAndFormatFromTheirBytes) {
    // A 1 x 1 GIF (Qt reads GIF but does not write it).
    const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                 0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
    struct Case {
        QByteArray data;
        int format;
        unsigned width, height;
        TStatus status;
    };
    const Case cases[] = {
        {Encoded("BMP"), ImageFormatBMP, 3, 2, TStatus::Ok},
        {Encoded("PNG"), ImageFormatPNG, 3, 2, TStatus::Ok},
        {Encoded("JPG"), ImageFormatJPEG, 3, 2, TStatus::Ok},
        {Encoded("ICO"), ImageFormatIcon, 3, 2, TStatus::Ok},
        {QByteArray(reinterpret_cast<const char*>(gif), sizeof gif), ImageFormatGIF, 1, 1,
         TStatus::Ok},
        {QByteArray("not an image at all"), ImageFormatUndefined, 0, 0,
         TStatus::UnknownImageFormat},
        {QByteArray(), ImageFormatUndefined, 0, 0, TStatus::InvalidParameter},
    };
    for (const Case& c : cases) {
        TGPImage image(c.data);
        EXPECT_EQ(image.GetLastStatus(), c.status) << c.format;
        EXPECT_EQ(image.GetFormat(), c.format);
        EXPECT_EQ(image.GetWidth(), c.width) << c.format;
        EXPECT_EQ(image.GetHeight(), c.height) << c.format;
    }

    TGPImage png(Encoded("PNG"));
    Paint([&](TGPGraphics& g) { EXPECT_EQ(g.DrawImage(&png, 10, 20, 6, 4), TStatus::Ok); });
    EXPECT_EQ(At(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(At(15, 23), qRgb(255, 0, 0));
    EXPECT_TRUE(White(9, 20));
    EXPECT_TRUE(White(16, 20));
    EXPECT_TRUE(White(10, 24));
}

TEST_F(GdipTest, ThePaintersStateIsLeftAsItWas) {
    QPainter painter(&image_);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.setClipRect(QRect(0, 0, 20, 20));
    {
        TGPGraphics g(&painter);
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen gpen(kBlack, 2);
        TGPGraphicsPath path;
        path.AddEllipse(2, 2, 10, 10);
        g.DrawPath(&gpen, &path);
    }
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
    EXPECT_EQ(painter.clipBoundingRect(), QRectF(0, 0, 20, 20));
    EXPECT_TRUE(painter.transform().isIdentity());
}

}  // namespace
}  // namespace vx
