// A picture of docking for review: the dock test window with a form docked
// into each size panel, the panel along the top and the page control, one
// form dragged out to float and one docked back; written as PNG files into
// the folder given on the command line.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdlib>

#include "DockTestWindow.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    using namespace vx;
    using vx::test::DockTestWindow;
    DockTestWindow w;
    w.Show();
    const TColor colours[] = {RGBColor(255, 235, 235), RGBColor(255, 255, 200),
                              RGBColor(220, 255, 220), RGBColor(220, 235, 255),
                              RGBColor(245, 225, 255), RGBColor(255, 240, 210)};
    TCustomControl* sites[] = {w.top, w.bottom, w.left, w.right, w.panel, w.pages};
    const char* names[] = {"Top", "Bottom", "Left", "Right", "Panel", "Pages"};
    for (int i = 0; i < 6; ++i)
        w.Form(QString::fromLatin1(names[i]) + " form", colours[i])->ManualDock(sites[i]);
    // A second client in the left panel and the panel, one of them active.
    auto* second = w.Form(QStringLiteral("Left second"), clWhite);
    second->ManualDock(w.left);
    w.Form(QStringLiteral("Panel second"), clWhite)->ManualDock(w.panel);
    // One dragged out of the right panel to float, one dragged out of the
    // bottom panel and back into it.
    auto* right = static_cast<TCustomControl*>(w.right->DockClients()[0]);
    const TRect bar = w.right->DockManager()->GrabberOf(*right);
    DockTestWindow::Drag(w.right, QPoint(bar.left + 20, bar.top + 5),
                         w.window->mapToGlobal(QPoint(900, 300)));
    auto* bottom = static_cast<TCustomControl*>(w.bottom->DockClients()[0]);
    const TRect bottomBar = w.bottom->DockManager()->GrabberOf(*bottom);
    DockTestWindow::Drag(w.bottom, QPoint(bottomBar.left + 5, bottomBar.bottom - 5),
                         w.window->mapToGlobal(QPoint(900, 100)));
    DockTestWindow::Drag(bottom->FloatingDockWindow(), QPoint(30, 8),
                         DockTestWindow::CentreOf(w.bottom));
    second->edit->setFocus();
    QApplication::processEvents();
    // The window, with the floating one drawn over its middle.
    QImage shot = w.window->grab().toImage();
    if (TFloatingDockWindow* floating = right->FloatingDockWindow()) {
        QPainter painter(&shot);
        painter.drawPixmap(QPoint(420, 270), floating->grab());
    }
    shot.save(folder + "/docking.png");
    return right->Floating() && bottom->HostDockSite() == w.bottom ? 0 : 1;
}
