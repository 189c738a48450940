// Pictures of styled main menus for review: run under a virtual display, it
// writes the screen to the files named on its command line. The first shows
// a menu's first drop-down open with the mouse over a later item, the side
// bar with its caption down the drop-down's left; the second (when named) a
// first drop-down taller than the screen, laid out in columns with the side
// bar down the first.
#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"

namespace {

using namespace vx;

// A form with a styled main menu whose styler shows the side bar.
TFxMainMenu* StyledMenu(QMainWindow& form) {
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
    return main;
}

void Open(TFxMainMenu* main, TFxDropDownMenu* menu) {
    const QRect item = main->actionGeometry(menu->menuAction());
    menu->popup(main->mapToGlobal(item.bottomLeft()));
}

// The mouse passes over the items down to the given one.
void HoverDownTo(TFxDropDownMenu* menu, QAction* last) {
    for (QAction* action : menu->actions()) {
        const QPoint at = menu->actionGeometry(action).center();
        QMouseEvent move(QEvent::MouseMove, at, menu->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(menu, &move);
        QApplication::processEvents();
        if (action == last) break;
    }
}

void SaveScreen(const QString& file) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    const QString longFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QMainWindow form;
    form.setWindowTitle(QStringLiteral("Side bar"));
    TFxMainMenu* main = StyledMenu(form);
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

    QMainWindow longForm;
    longForm.setWindowTitle(QStringLiteral("Columns"));
    TFxMainMenu* longMain = StyledMenu(longForm);
    TFxDropDownMenu* devices = longMain->addMenu(QStringLiteral("软元件(&D)"));
    for (int i = 0; i < 56; ++i) {
        if (i % 9 == 8) devices->addSeparator();
        devices->addAction(QStringLiteral("数据寄存器 D%1").arg(i * 100));
    }
    QAction* later = devices->actions().at(devices->actions().size() - 2);

    QTimer::singleShot(400, [main, project] { Open(main, project); });
    QTimer::singleShot(800, [project, print] { HoverDownTo(project, print); });
    QTimer::singleShot(1400, [&] {
        SaveScreen(file);
        if (longFile.isEmpty()) {
            QApplication::quit();
            return;
        }
        form.hide();
        longForm.show();
        QTimer::singleShot(400, [&] { Open(longMain, devices); });
        QTimer::singleShot(800, [&] { HoverDownTo(devices, later); });
        QTimer::singleShot(1400, [&] {
            SaveScreen(longFile);
            QApplication::quit();
        });
    });
    return app.exec();
}
