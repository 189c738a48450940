// A picture of a tool bar's option window with its options menu open beside
// the options entry, for review: run under a virtual display, it writes the
// screen to the file named on its command line, in Chinese ("zh", the
// default) or English ("en").
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

int main(int argc, char** argv) {
    using namespace vx;
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString file = QString::fromLocal8Bit(argv[1]);
    const bool english = argc > 2 && QString::fromLocal8Bit(argv[2]) == "en";
    auto text = [english](const char* zh, const char* en) {
        return QString::fromUtf8(english ? en : zh);
    };
    QWidget form;
    form.setWindowTitle(text("选项菜单", "Options menu"));
    form.setGeometry(40, 40, 560, 300);
    TAlignHost::Attach(&form);
    auto* menuStyler = new TFxMenuOfficeStyler(&form);
    auto* styler = new TFxToolBarOfficeStyler(&form);
    styler->SetFxMenuStyler(menuStyler);
    styler->SetStyle(TToolBarStyle::bsOffice2003Blue);
    TImageList images(16, 16);
    for (QColor c : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::darkGreen),
                     QColor(Qt::darkYellow), QColor(Qt::magenta), QColor(Qt::cyan)}) {
        QPixmap p(16, 16);
        p.fill(c);
        images.Add(p);
    }
    TFxToolBar* bar = nullptr;
    {
        TLoadingScope scope;
        auto* panel = new TFxDockPanel(&form);
        panel->SetBounds(0, 0, 560, 30);
        panel->SetToolBarStyler(styler);
        bar = new TFxToolBar(panel);
        bar->SetCaption(text("标准工具栏", "Standard"));
        bar->SetImages(&images);
        bar->SetAutoOptionMenu(true);
        bar->SetTextAutoOptionMenu(text("添加或移动按钮", "Add or Remove Buttons"));
        for (int i = 0; i < 6; ++i) {
            auto* b = new TFxToolBarButton(bar);
            b->SetImageIndex(i);
            if (i == 2) new TFxToolBarSeparator(bar);
        }
    }
    auto* options = new TFxPopupMenu(&form);
    options->addAction(text("自定义(&C)...", "&Customize..."));
    options->addAction(text("重置工具栏(&R)", "&Reset the bar"));
    options->addSeparator();
    options->addAction(text("锁定工具栏(&L)", "&Lock the bar"))->setCheckable(true);
    bar->SetOptionMenu(options);
    form.show();
    bar->SetBounds(3, 1, 120, 28);  // the last buttons go to the overflow
    QTimer::singleShot(400, [bar] { bar->OptionClick(); });
    QTimer::singleShot(800, [bar] {
        TControlSelectorPanel* panel = bar->OptionWindow()->OptionsPanel();
        const TRect entry = panel->OptionsEntry().rect;
        const QPoint at(entry.left + 30, entry.top + 8);
        QMouseEvent move(QEvent::MouseMove, at, panel->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
    });
    QTimer::singleShot(1600, [&file] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        QApplication::quit();
    });
    return app.exec();
}
