// A picture of a styled main menu with its first drop-down open and the
// mouse over a later item, the side bar with its caption down the
// drop-down's left, for review: run under a virtual display, it writes the
// screen to the file named on its command line.
#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"

int main(int argc, char** argv) {
    using namespace vx;
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    QMainWindow form;
    form.setWindowTitle(QStringLiteral("Side bar"));
    form.setGeometry(40, 40, 420, 320);
    auto* main = new TFxMainMenu(&form);
    form.setMenuBar(main);
    auto* styler = new TFxMenuOfficeStyler(&form);
    styler->SideBar().SetVisible(true);
    styler->SideBar().SetCaption("vxTorvin");
    styler->SideBar().Background().SetColor(0x800000);
    styler->SideBar().Background().SetColorTo(0xF0B080);
    styler->SideBar().Image().SetColor(clNone);
    main->SetMenuStyler(styler);
    TFxDropDownMenu* project = main->addMenu(QStringLiteral("工程(&F)"));
    project->addAction(QStringLiteral("新建(&N)"))->setShortcut(QKeySequence::New);
    project->addAction(QStringLiteral("打开(&O)..."))->setShortcut(QKeySequence::Open);
    project->addSeparator();
    project->addAction(QStringLiteral("保存(&S)"))->setShortcut(QKeySequence::Save);
    project->addAction(QStringLiteral("另存为(&A)..."));
    project->addSeparator();
    QAction* print = project->addAction(QStringLiteral("打印(&P)..."));
    project->addAction(QStringLiteral("退出(&X)"));
    main->addMenu(QStringLiteral("编辑(&E)"))->addAction(QStringLiteral("撤消(&U)"));
    form.show();
    QTimer::singleShot(400, [main, project] {
        const QRect item = main->actionGeometry(project->menuAction());
        project->popup(main->mapToGlobal(item.bottomLeft()));
    });
    // The mouse passes over the items down to a later one.
    QTimer::singleShot(800, [project, print] {
        for (QAction* action : project->actions()) {
            const QPoint at = project->actionGeometry(action).center();
            QMouseEvent move(QEvent::MouseMove, at, project->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(project, &move);
            QApplication::processEvents();
            if (action == print) break;
        }
    });
    QTimer::singleShot(1400, [&file] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        QApplication::quit();
    });
    return app.exec();
}
