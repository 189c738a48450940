// The GDI+ layer and the canvas on one painter: a GDI+ call between canvas
// calls leaves the canvas's pen, brush, font, clip and smoothing as they were.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/paint/Canvas.h"
#include "styling/gdiplus/FxGDIP.h"

namespace vx {
namespace {

// The canvas drawing, with the GDI+ drawing in the middle or not. GDI+ draws
// inside kGdipArea only.
constexpr QRect kGdipArea(40, 0, 30, 30);

QImage Drawn(bool withGdip) {
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter);
    canvas.SetClipRect({0, 0, 70, 40});
    canvas.font.bold = true;
    canvas.font.color = clBlue;
    canvas.brush.style = BrushStyle::Clear;
    canvas.TextOut(2, 2, "Ab");
    if (withGdip) {
        TGPGraphics g(&canvas.Painter());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        g.SetTextRenderingHint(TextRenderingHintAntiAlias);
        TGPPen pen(0xFFFF0000, 2);
        pen.SetDashStyle(DashStyleDot);
        TGPGraphicsPath path;
        path.AddEllipse(44, 3, 20, 14);
        g.DrawPath(&pen, &path);
        TGPFontFamily family(u"Tahoma");
        TGPFont font(&family, 10, FontStyleItalic);
        TGPStringFormat format(StringFormatFlagsNoWrap);
        TGPSolidBrush green(0xFF00A000);
        g.DrawString(u"Xy", -1, &font, MakeRect(42, 16, 26, 12), &format, &green);
        EXPECT_EQ(g.GetLastStatus(), TStatus::Ok);
    }
    canvas.TextOut(2, 20, "Ab");
    canvas.pen.color = clBlack;
    canvas.MoveTo(0, 38);
    canvas.LineTo(100, 38);
    canvas.brush = {clYellow, BrushStyle::Solid};
    canvas.Rectangle(30, 31, 90, 37);
    canvas.Polygon({{2, 29}, {25, 35}, {4, 36}});
    return image;
}

TEST(SharedPainterTest, GdipBetweenCanvasCallsLeavesTheCanvasAsItWas) {
    std::uintptr_t token = 0;
    ASSERT_EQ(GdiplusStartup(&token), TStatus::Ok);
    const QImage canvasOnly = Drawn(false), shared = Drawn(true);
    GdiplusShutdown(token);
    int gdipInk = 0;
    for (int y = 0; y < canvasOnly.height(); ++y) {
        for (int x = 0; x < canvasOnly.width(); ++x) {
            if (kGdipArea.contains(x, y)) {
                gdipInk += canvasOnly.pixel(x, y) != shared.pixel(x, y);
            } else {
                ASSERT_EQ(shared.pixel(x, y), canvasOnly.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(gdipInk, 20) << "GDI+ drew between the canvas calls";
}

}  // namespace
}  // namespace vx
