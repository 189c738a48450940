// A picture sheet of the tool-bar family's drawing routines for review:
// glass faces in every gradient, rounded and square, focused, with captions
// and drop-down parts; rounded outlines; gradient bands; 3-D lines, arrows,
// accelerator captions and the caption-button glyphs. Written as one PNG
// file into the folder given on the command line.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/FxToolBarDraw.h"

using namespace vx;

namespace {

void Label(Canvas& c, int x, int y, const char* text) {
    c.font = CanvasFont{};
    c.font.name = "Tahoma";
    c.font.size = 8;
    c.font.color = clBlack;
    c.brush.style = BrushStyle::Clear;
    c.TextOut(x, y, text);
}

void Sheet(Canvas& c) {
    const TGDIPGradient gradients[] = {TGDIPGradient::ggVertical, TGDIPGradient::ggRadial,
                                       TGDIPGradient::ggDiagonalForward,
                                       TGDIPGradient::ggDiagonalBackward};
    const char* names[] = {"vertical", "radial", "forward", "backward"};
    Label(c, 10, 6, "Glass faces: square, rounded, focused, caption (anti-aliased / none)");
    for (int g = 0; g < 4; ++g) {
        const int y = 24 + g * 40;
        Label(c, 10, y + 10, names[g]);
        for (int v = 0; v < 4; ++v) {
            const TRect r = Bounds(90 + v * 80, y, 70, 30);
            CanvasFont font;
            font.name = "Tahoma";
            font.size = 8;
            font.color = clBlack;
            DrawGlassButtonFace(c, r, 0xF5E5D8, 0xE8C7AE, 0xD9A97F, 0xF0D7BF, 0x8C5A33,
                                gradients[g], gradients[g], v >= 2 ? "&Glass" : "", font,
                                v != 3 || g != 3, v == 2,
                                v == 3 ? TAntiAlias::aaNone : TAntiAlias::aaAntiAlias, v >= 1);
        }
    }
    Label(c, 420, 6, "Drop-down parts");
    TGlassButton drop;
    drop.color = 0xF5E5D8;
    drop.colorTo = 0xE8C7AE;
    drop.colorMirror = 0xD9A97F;
    drop.colorMirrorTo = 0xF0D7BF;
    drop.borderColor = 0x8C5A33;
    drop.rounded = true;
    drop.dropDownButton = true;
    drop.dropDownSplit = true;
    DrawGlassButton(c, Bounds(420, 24, 60, 30), drop);
    drop.dropDownPos = true;
    DrawGlassButton(c, Bounds(490, 24, 40, 50), drop);
    drop.enabled = false;
    drop.dropDownSplit = false;
    drop.dropDownPos = false;
    DrawGlassButton(c, Bounds(420, 64, 60, 30), drop);

    Label(c, 10, 190, "Outlines (GDI+, anti-aliased): rounded radius 3 and 6, square");
    {
        TGPGraphics g(&c.Painter());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        TGPPen pen(ColorToARGB(0x8C5A33), 1);
        DrawRoundRectPath(g, pen, 10, 208, 60, 24, 3);
        DrawRoundRectPath(g, pen, 80, 208, 60, 24, 6);
        DrawRectPath(g, pen, 150, 208, 60, 24);
        TGPPen dots(ColorToARGB(0x808080), 1);
        dots.SetDashStyle(DashStyleDot);
        DrawRoundRectPath(g, dots, 220, 208, 60, 24, 3);
    }

    Label(c, 10, 244, "Stepped gradients: 16, 40, 80 steps vertical; 40 horizontal");
    DrawGradient(c, 0xFEECDD, 0xE2A981, 16, Bounds(10, 262, 60, 60), false);
    DrawGradient(c, 0xFEECDD, 0xE2A981, 40, Bounds(80, 262, 60, 60), false);
    DrawGradient(c, 0xFEECDD, 0xE2A981, 80, Bounds(150, 262, 60, 60), false);
    DrawGradient(c, 0xFFFFFF, 0x6F4B4B, 40, Bounds(220, 262, 180, 60), true);
    for (int p = 0; p <= 4; ++p) {
        c.brush.style = BrushStyle::Solid;
        c.brush.color = BlendColor(0x0000FF, 0xFF0000, p * 25);
        c.FillRect(Bounds(410 + p * 24, 262, 20, 60));
    }

    Label(c, 10, 334, "3-D lines, arrows, accelerator caption (rotated), glyphs");
    Draw3DLinePair(c, {20, 352}, {20, 400}, true, true);
    Draw3DLinePair(c, {30, 352}, {30, 400}, false, true);
    Draw3DLinePair(c, {50, 360}, {150, 360}, true, false);
    Draw3DLinePair(c, {50, 380}, {150, 380}, false, false);
    DrawSmallArrow(c, {170, 360}, clBlack);
    DrawSmallArrow(c, {180, 360}, 0x808080);
    c.font = CanvasFont{};
    c.font.name = "Tahoma";
    c.font.size = 9;
    c.font.color = clBlack;
    c.font.escapement = 2700;
    c.brush.style = BrushStyle::Clear;
    DrawAccelText(c, "&File && Edit", {215, 350});
    c.font.escapement = 0;
    const TRect glyph = Bounds(240, 352, 16, 16);
    DrawCloseGlyph(c, glyph, clBlack, 6);
    DrawRestoreGlyph(c, glyph.Offset(20, 0), clBlack, true);
    DrawMaximizeGlyph(c, glyph.Offset(40, 0), clBlack, true);
    DrawMinimizeGlyph(c, glyph.Offset(60, 0), clBlack, true);
    DrawRestoreGlyph(c, glyph.Offset(80, 0), clBlack, false);
    DrawMaximizeGlyph(c, glyph.Offset(100, 0), clBlack, false);
    DrawMinimizeGlyph(c, glyph.Offset(120, 0), clBlack, false);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    std::uintptr_t token = 0;
    GdiplusStartup(&token);
    QImage image(560, 420, QImage::Format_RGB32);
    image.fill(ToQColor(clBtnFace));
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        Sheet(canvas);
    }
    GdiplusShutdown(token);
    const QString file = QDir(folder).filePath(QStringLiteral("toolbar_drawing.png"));
    if (!image.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}
