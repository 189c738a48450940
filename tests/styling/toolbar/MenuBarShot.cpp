// A picture of a tool bar standing in for a menu bar with a drop-down open,
// for review: run under a virtual display, it writes the screen to the file
// named on its command line.
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarMenuBar.h"

int main(int argc, char** argv) {
    using namespace vx;
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    QWidget form;
    form.setWindowTitle("Menu-bar tool bar");
    form.setGeometry(40, 40, 560, 300);
    TAlignHost::Attach(&form);
    TFxToolBar* bar = nullptr;
    {
        TLoadingScope scope;
        auto* panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 560, 30);
        bar = new TFxToolBar(panel);
        bar->SetBounds(3, 1, 300, 26);
    }
    auto* menu = new TFxMainMenu(&form);
    menu->hide();
    QMenu* fileMenu = menu->addMenu("&File");
    fileMenu->addAction("&Open...");
    fileMenu->addAction("&Save");
    fileMenu->addSeparator();
    QMenu* recent = fileMenu->addMenu("&Recent");
    recent->addAction("a.vxp");
    fileMenu->addAction("E&xit");
    menu->addMenu("&Edit")->addAction("&Copy");
    menu->addMenu("&View")->addAction("&Tool bar");
    menu->actions()[2]->setEnabled(false);
    menu->addMenu("&Help")->addAction("&About");
    // File, Edit and Help show pictures of the menu's image list; View none.
    TImageList pictures(16, 16);
    for (const QColor& colour : {QColor(230, 170, 30), QColor(40, 120, 220), QColor(30, 160, 60)}) {
        QPixmap picture(16, 16);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.setBrush(colour);
        painter.drawEllipse(1, 1, 13, 13);
        painter.end();
        pictures.Add(picture);
    }
    const int pictureOf[] = {0, 1, -1, 2};
    for (int i = 0; i < 4; ++i)
        if (pictureOf[i] >= 0) menu->actions()[i]->setProperty(kMenuItemImageIndex, pictureOf[i]);
    menu->SetImages(&pictures);
    bar->SetMenu(menu);
    form.show();
    QTimer::singleShot(400, [bar] {
        TFxToolBarMenuBar* mode = bar->MenuBarMode();
        TFxToolBarMenuButton* button = mode->MenuButtons().at(0);
        if (mode->DropDown(button)) button->ShowDropped(true);
    });
    QTimer::singleShot(1200, [&file] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        QApplication::quit();
    });
    return app.exec();
}
