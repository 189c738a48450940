// Draws the tool-bar family's two costliest surfaces many times and prints
// the time per call: the glass face of the option button and a stepped
// gradient over a 1000-row strip in 80 steps and in 1000 steps.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

#include "BenchTiming.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/FxToolBarDraw.h"

using namespace vx;

namespace {

double MicrosecondsPerCall(QImage& image, int calls, const std::function<void(Canvas&)>& draw) {
    QPainter painter(&image);
    Canvas canvas(painter);
    return bench::MicrosecondsPerCall(calls, [&] { draw(canvas); });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::uintptr_t token = 0;
    GdiplusStartup(&token);

    QImage small(24, 24, QImage::Format_ARGB32_Premultiplied);
    const double face = MicrosecondsPerCall(small, 2000, [](Canvas& c) {
        DrawGlassButtonFace(c, {0, 0, 11, 22}, 0xF5D9C5, 0xEFC8AA, 0xE4B58F, 0xD9A67A, 0x9C613B,
                            TGDIPGradient::ggVertical, TGDIPGradient::ggVertical, "", CanvasFont{},
                            true, false, TAntiAlias::aaClearType, false);
    });
    const double faceRadial = MicrosecondsPerCall(small, 2000, [](Canvas& c) {
        DrawGlassButtonFace(c, {0, 0, 24, 24}, 0xF5D9C5, 0xEFC8AA, 0xE4B58F, 0xD9A67A, 0x9C613B,
                            TGDIPGradient::ggRadial, TGDIPGradient::ggRadial, "Go", CanvasFont{},
                            true, true, TAntiAlias::aaAntiAlias, true);
    });
    QImage tall(200, 1000, QImage::Format_ARGB32_Premultiplied);
    const double steps80 = MicrosecondsPerCall(tall, 200, [](Canvas& c) {
        DrawGradient(c, 0xFEECDD, 0xE2A981, 80, {0, 0, 200, 1000}, false);
    });
    const double steps1000 = MicrosecondsPerCall(tall, 200, [](Canvas& c) {
        DrawGradient(c, 0xFEECDD, 0xE2A981, 1000, {0, 0, 200, 1000}, false);
    });
    std::printf("glass face 11 x 22, vertical, square:             %8.1f us per call\n", face);
    std::printf("glass face 24 x 24, radial, rounded, focus, text: %8.1f us per call\n",
                faceRadial);
    std::printf("stepped gradient 200 x 1000, 80 steps:            %8.1f us per call\n", steps80);
    std::printf("stepped gradient 200 x 1000, 1000 steps:          %8.1f us per call\n", steps1000);
    GdiplusShutdown(token);
    return 0;
}
