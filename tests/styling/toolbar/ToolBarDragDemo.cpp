// A form with a top dock panel of three tool bars for dragging by a real
// mouse on an X server (ToolBarDrag.sh). It prints where each bar's grip is,
// and each bar's state whenever it docks or floats, with the screen point of
// a floating bar's caption.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

using namespace vx;

namespace {

QString Report(TFxToolBar* bar) {
    const QString name = bar->objectName();
    const QString dragging = bar->Dragging() ? QStringLiteral(" dragging") : QString();
    if (bar->State() == TToolBarState::tsFloating) {
        const TRect drag = bar->FloatingDragRect();
        const QPoint at = bar->mapToGlobal(QPoint(drag.left + 4, (drag.top + drag.bottom) / 2));
        return QString("%1 floating caption %2 %3%4")
            .arg(name)
            .arg(at.x())
            .arg(at.y())
            .arg(dragging);
    }
    if (bar->DockPanel()) {
        const QPoint grip = bar->mapToGlobal(QPoint(3, bar->height() / 2));
        return QString("%1 docked %2 row %3 grip %4 %5%6")
            .arg(name, bar->DockPanel()->objectName())
            .arg(bar->RowIndex())
            .arg(grip.x())
            .arg(grip.y())
            .arg(dragging);
    }
    return name + " free";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget form;
    form.setWindowTitle("Tool bar drag");
    form.setGeometry(40, 40, 800, 400);
    TAlignHost::Attach(&form);
    TFxToolBar* bars[3] = {};
    {
        TLoadingScope scope;
        auto* panel = new TFxDockPanel(&form);
        panel->setObjectName("TopPanel");
        panel->SetBounds(0, 0, 800, 30);
        for (int i = 0; i < 3; ++i) {
            bars[i] = new TFxToolBar(panel);
            bars[i]->setObjectName(QString("FxToolBar%1").arg(i + 1));
            bars[i]->SetBounds(3 + 250 * i, 1, 200, 28);
            for (int k = 0; k < 5; ++k)
                (new TFxToolBarButton(bars[i]))->SetCaption(QString("B%1").arg(k));
        }
    }
    form.show();
    // Each bar's place, printed when it changes.
    QString last[3];
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        for (int i = 0; i < 3; ++i) {
            const QString now = Report(bars[i]);
            if (now == last[i]) continue;
            last[i] = now;
            std::printf("%s\n", qPrintable(now));
            std::fflush(stdout);
        }
    });
    poll.start(50);
    return app.exec();
}
