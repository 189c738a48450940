// Pictures of the device memory monitor and the analog and encoder monitor
// for review, written as PNG files into the folder given on the command line
// (the windows are shown without a link: their timers stay off). A language
// file given after the folder (data/kzeng.ini) gives the monitor's group and
// tab captions its texts first. The program and Windows folders should point
// at temporary folders.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextStream>

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
    if (argc > 2) {
        // "MonitorFrm.<owner>.<component>.Caption=<text>" lines.
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (file.open(QIODevice::ReadOnly)) {
            QTextStream in(&file);
            while (!in.atEnd()) {
                const QString line = in.readLine();
                const qsizetype eq = line.indexOf('=');
                const QStringList name = line.left(eq).split('.');
                if (eq < 0 || name.size() != 4 || name[0] != "MonitorFrm" || name[3] != "Caption")
                    continue;
                if (QObject* component = monitor.findChild<QObject*>(name[2]))
                    component->setProperty("Caption", line.mid(eq + 1));
            }
        }
    }
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
