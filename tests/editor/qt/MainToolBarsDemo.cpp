// The real main window on an X server, for driving its tool bars with a
// real mouse (MainToolBars.sh). It prints, one line per change, where each
// bar is (docked with its row, grip and right handle, or floating with its
// caption), the option window a bar opened (the buttons it lent, the
// add-or-remove entry), the cascade of that entry, the View menu's bar
// checks, a button's click and the menu command it ran, and whether every
// button sits on exactly one bar. With VX_DEMO_ENGLISH=1 in its
// environment it switches the interface to English first (an argument
// would be taken for a project to open).
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <cstdio>

#include "editor/qt/Main.h"
#include "platform/qt/QtMessagePresenter.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/toolbar/qt/FTBPopup.h"
#include "styling/toolbar/qt/FloatingWindow.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

using namespace vx;

namespace {

const char* const kBars[] = {"FxToolBar1", "FxToolBar2", "FxToolBar3"};

void Print(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString Point(const QPoint& p) {
    return QString("%1 %2").arg(p.x()).arg(p.y());
}

QString Box(const QWidget* w) {
    const QRect r = w->frameGeometry();
    return QString("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QPoint Middle(const QWidget* w, const TRect& r) {
    return w->mapToGlobal(QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

QString BarState(TFxToolBar* bar) {
    // A line ends with " dragging" while the mouse still holds the bar.
    const QString overflow = QString(" overflow %1%2")
                                 .arg(bar->Overflow().Count())
                                 .arg(bar->Dragging() ? " dragging" : "");
    // Hidden itself, or shown in a window that is not.
    if (bar->isHidden()) return bar->objectName() + " hidden";
    if (!bar->isVisible()) return bar->objectName() + " unseen";
    if (bar->State() == TToolBarState::tsFloating) {
        const TRect drag = bar->FloatingDragRect();
        const QPoint at = bar->mapToGlobal(QPoint(drag.left + 4, (drag.top + drag.bottom) / 2));
        QString line = bar->objectName() + " floating caption " + Point(at);
        if (TFloatingWindow* w = bar->FloatingWindow()) line += " window " + Box(w);
        line += " close " + Point(Middle(bar, bar->CloseButtonRect()));
        return line + overflow;
    }
    if (bar->DockPanel() == nullptr) return bar->objectName() + " free";
    return QString("%1 docked %2 row %3 grip %4 handle %5%6")
        .arg(bar->objectName(), bar->DockPanel()->objectName())
        .arg(bar->RowIndex())
        .arg(Point(bar->mapToGlobal(QPoint(3, bar->height() / 2))),
             Point(Middle(bar, bar->RightHandleHitRect())), overflow);
}

QString OptionState(TFxToolBar* bar) {
    if (!bar->OptionWindowShowing()) return bar->objectName() + " option closed";
    TOptionSelectorWindow* window = bar->OptionWindow();
    TControlSelectorPanel* panel = window->OptionsPanel();
    QString line = QString("%1 option open window %2 entry %3 lent")
                       .arg(bar->objectName(), Box(window),
                            Point(Middle(panel, panel->AddRemoveEntry().rect)));
    for (int i = 0; i < panel->ItemCount(); ++i) {
        auto* button = qobject_cast<TFxCustomToolBarButton*>(panel->Item(i));
        if (button == nullptr || button->isHidden()) continue;
        line +=
            " " + button->objectName() + " " + Point(button->mapToGlobal(button->rect().center()));
    }
    return line;
}

QString CascadeState(TFxToolBar* bar) {
    TOptionSelectorWindow* window = bar->OptionWindow();
    TFTBPopupWindow* popup = window != nullptr ? window->OptionsPanel()->AddRemovePopup() : nullptr;
    if (popup == nullptr || !popup->isVisible()) return bar->objectName() + " cascade closed";
    TFTBPopupPanel* first = popup->PopupPanel();
    QString line = QString("%1 cascade window %2 row %3")
                       .arg(bar->objectName(), Box(popup),
                            Point(first->mapToGlobal(QPoint(first->width() / 2, 12))));
    if (TFTBPopupWindow* sub = first->SubPopup(); sub != nullptr && sub->isVisible())
        line += " sub " + Box(sub);
    return line;
}

// Every button of the window counted on the bar that lists it; a button
// listed by no bar or by two, or whose parent is not its bar (while no
// option window borrows it), is misplaced.
QString Placement(TMainFrm& frm, TFxToolBar* const bars[3]) {
    int onBar[3] = {};
    int misplaced = 0;
    bool lending = false;
    for (int b = 0; b < 3; ++b)
        lending = lending || bars[b]->OptionWindowShowing();
    for (TFxCustomToolBarButton* button : frm.findChildren<TFxCustomToolBarButton*>()) {
        int listed = 0;
        int at = -1;
        for (int b = 0; b < 3; ++b) {
            if (bars[b]->IndexOfFTBControl(button) >= 0) {
                ++listed;
                at = b;
            }
        }
        if (listed != 1 || (!lending && button->parentWidget() != bars[at])) {
            ++misplaced;
            continue;
        }
        ++onBar[at];
    }
    return QString("buttons %1 %2 %3 misplaced %4")
        .arg(onBar[0])
        .arg(onBar[1])
        .arg(onBar[2])
        .arg(misplaced);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetMessagePresenter(PresentWithQMessageBox);
    const bool english = qEnvironmentVariable("VX_DEMO_ENGLISH") == "1";
    std::uintptr_t gdiplusToken = 0;
    GdiplusStartup(&gdiplusToken);
    int result = 0;
    {
        TMainFrm frm;
        frm.Dialogs().startPage = [] {};
        frm.Dialogs().systemParameters = [](LadderProgram&) { return true; };
        TFxToolBar* bars[3] = {};
        for (int b = 0; b < 3; ++b)
            bars[b] = frm.findChild<TFxToolBar*>(kBars[b]);
        for (TFxCustomToolBarButton* button : frm.findChildren<TFxCustomToolBarButton*>()) {
            QObject::connect(button, &TFxCustomToolBarButton::Clicked, &frm,
                             [button] { Print("click " + button->objectName()); });
        }
        QObject::connect(frm.Item("N2"), &QAction::triggered, &frm, [] { Print("command N2"); });
        frm.show();

        // Each state, printed when it changes (and only after the start).
        std::vector<QString> last;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &frm, [&] {
            if (!frm.isEnabled()) return;
            if (last.empty()) {
                // Started: in the asked language, with a new project, whose
                // editing buttons are enabled.
                if (english) frm.Item("English1")->trigger();
                frm.FileNewItemClick();
                Print(QString("main window %1 at %2").arg(frm.winId()).arg(Box(&frm)));
            }
            std::vector<QString> now;
            for (TFxToolBar* bar : bars) {
                now.push_back(BarState(bar));
                now.push_back(OptionState(bar));
                now.push_back(CascadeState(bar));
            }
            now.push_back(QString("view N19 %1 N20 %2 N21 %3")
                              .arg(frm.Item("N19")->isChecked() ? "on" : "off",
                                   frm.Item("N20")->isChecked() ? "on" : "off",
                                   frm.Item("N21")->isChecked() ? "on" : "off"));
            now.push_back(Placement(frm, bars));
            auto* view = frm.findChild<QMenu*>("View1");
            now.push_back(QString("menu View1 %1")
                              .arg(view != nullptr && view->isVisible() ? "open" : "closed"));
            now.push_back(QString("main size %1 %2").arg(frm.width()).arg(frm.height()));
            last.resize(now.size());
            for (size_t i = 0; i < now.size(); ++i) {
                if (now[i] == last[i]) continue;
                last[i] = now[i];
                Print(now[i]);
            }
        });
        poll.start(50);
        result = app.exec();
    }
    GdiplusShutdown(gdiplusToken);
    return result;
}
