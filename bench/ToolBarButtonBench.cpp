// Paints tool-bar buttons many times and prints the time per call: one
// button up over the bar, hot, checked with the office styler, and a bar of
// twelve buttons painted whole (the bar, then each button over it).
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchTiming.h"
#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"

using namespace vx;

using bench::MicrosecondsPerCall;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::uintptr_t token = 0;
    GdiplusStartup(&token);
    {
        QWidget form;
        form.resize(600, 60);
        TAlignHost::Attach(&form);
        auto* styler = new TFxToolBarOfficeStyler(&form);
        TImageList images(16, 16);
        QPixmap picture(16, 16);
        picture.fill(Qt::darkBlue);
        images.Add(picture);
        TFxToolBar* bar = nullptr;
        std::vector<TFxToolBarButton*> buttons;
        {
            TLoadingScope scope;
            auto* panel = new TFxDockPanel(&form);
            panel->SetToolBarStyler(styler);
            panel->SetBounds(0, 0, 600, 43);
            bar = new TFxToolBar(panel);
            bar->SetBounds(3, 1, 331, 28);
            bar->SetImages(&images);
            for (int i = 0; i < 12; ++i) {
                auto* button = new TFxToolBarButton(bar);
                button->SetImageIndex(0);
                buttons.push_back(button);
            }
        }
        form.show();
        QApplication::processEvents();
        TFxToolBarButton& b = *buttons[0];
        const double up = MicrosecondsPerCall(2000, [&] { b.repaint(); });
        b.SetHot(true);
        const double hot = MicrosecondsPerCall(2000, [&] { b.repaint(); });
        b.SetStyle(TFxToolButtonStyle::tasCheck);
        b.SetDown(true);
        const double checked = MicrosecondsPerCall(2000, [&] { b.repaint(); });
        const double whole = MicrosecondsPerCall(200, [&] { bar->repaint(); });
        std::printf("one button, up over the bar:        %8.1f us per call\n", up);
        std::printf("one button, hot:                    %8.1f us per call\n", hot);
        std::printf("one button, checked:                %8.1f us per call\n", checked);
        std::printf("bar of 12 buttons, painted whole:   %8.1f us per call\n", whole);
    }
    GdiplusShutdown(token);
    return 0;
}
