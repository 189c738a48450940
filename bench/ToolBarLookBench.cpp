// The main window's tool bars: one full repaint of the dock with its three
// bars (painted into an image), one of a single button, and the look switch
// (the tool-bar and menu stylers set to look 0, 1 or 2, then the bars, the
// menu bar and every drop-down menu painted again), each per call. Goals:
// the bars under 2 ms, the look switch under 50 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "editor/qt/Main.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"

using namespace vx;

namespace {

using bench::Median;
using bench::Timed;

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("%s: median %.3f ms, worst %.3f ms (%zu calls)\n", what, Median(ms),
                *std::max_element(ms.begin(), ms.end()), ms.size());
}

void Paint(QWidget* widget, QImage& image) {
    if (image.size() != widget->size())
        image = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
    widget->render(&image);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's folders in a scratch folder, never the user's.
    QTemporaryDir folders;
    setenv("VXTORVIN_WINDIR", qPrintable(folders.path()), 1);
    setenv("VXTORVIN_PROGDIR", qPrintable(folders.path()), 1);
    for (const char* file : {"kzchs.ini", "kzeng.ini"})
        QFile::copy(QStringLiteral(VX_DATA_DIR "/") + file, folders.filePath(file));
    QApplication app(argc, argv);
    TMainFrm frm;
    frm.Dialogs().startPage = [] {};
    frm.show();
    frm.showNormal();
    frm.resize(1066, 650);
    QApplication::processEvents();

    auto* panel = frm.findChild<TFxDockPanel*>(QStringLiteral("FxDockPanel1"));
    QWidget* button = frm.Button(QStringLiteral("OpenToolButton"));
    const char* looks[] = {"N56", "N57", "N58"};
    if (panel == nullptr || button == nullptr)
        return bench::CannotMeasure(
            "toolbar_look_bench", "the main window has no dock FxDockPanel1 or no OpenToolButton");
    for (const char* look : looks) {
        if (frm.Item(look) == nullptr)
            return bench::CannotMeasure("toolbar_look_bench",
                                        std::string("the main window has no look item ") + look);
    }
    std::vector<QWidget*> menus{frm.menuBar()};
    for (auto* menu : frm.menuBar()->findChildren<TFxDropDownMenu*>()) {
        menu->resize(menu->sizeHint());
        menus.push_back(menu);
    }
    std::printf("dock %dx%d, button %dx%d, %zu menus, platform %s\n", panel->width(),
                panel->height(), button->width(), button->height(), menus.size() - 1,
                qPrintable(QGuiApplication::platformName()));

    QImage dockImage, buttonImage;
    std::vector<QImage> menuImages(menus.size());
    Paint(panel, dockImage);  // the first painting renders the pictures once
    Print("dock with its three bars, one full repaint",
          Timed(400, [&](int) { Paint(panel, dockImage); }));
    Print("one button, one full repaint", Timed(2000, [&](int) { Paint(button, buttonImage); }));

    Print("look switch with the bars and all menus repainted", Timed(60, [&](int i) {
              frm.Item(looks[i % 3])->trigger();
              Paint(panel, dockImage);
              for (std::size_t m = 0; m < menus.size(); ++m)
                  Paint(menus[m], menuImages[m]);
          }));
    return 0;
}
