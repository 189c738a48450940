// Pictures of the device memory monitor and the analog and encoder monitor
// for review, written as PNG files into the folder given on the command line
// (the windows are shown without a link: their timers stay off). The
// program and Windows folders should point at temporary folders.
#include <QApplication>
#include <QDir>
#include <QTest>

#include "online/qt/AD_EN_Show.h"
#include "online/qt/MonitorFrm.h"
#include "widgets/qt/WgPageControl.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    auto grab = [&](QWidget& window, const QString& name) {
        (void)QTest::qWaitForWindowExposed(&window);
        QTest::qWait(300);
        window.grab().save(folder + "/" + name + ".png");
    };

    vx::TMonitorFrm monitor;
    monitor.show();
    grab(monitor, "monitor-x");
    monitor.PageControl1()->SetActivePageIndex(6);
    grab(monitor, "monitor-d");
    monitor.close();

    vx::TAD_EN_Frm analog;
    analog.show();
    grab(analog, "analog-ad12");
    analog.WgPageControl1()->SetActivePageIndex(2);
    grab(analog, "analog-encoder");
    analog.close();
    return 0;
}
