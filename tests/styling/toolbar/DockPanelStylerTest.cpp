#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>

#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"

namespace vx {
namespace {

// Only the panel's linked styler's end switches its bars over: a styler it
// let go of, or linked more than once, says so once at most.
TEST(DockPanelStylerTest, OnlyTheLinkedStylerGoingSwitches) {
    QWidget form;
    TFxDockPanel panel(&form);
    auto* first = new TCustomFxToolBarStyler(&form);
    auto* second = new TCustomFxToolBarStyler(&form);
    panel.SetToolBarStyler(first);
    panel.SetToolBarStyler(nullptr);
    panel.SetToolBarStyler(first);
    panel.SetToolBarStyler(second);
    QSignalSpy switched(&panel, &TFxDockPanel::StylerSwitched);
    delete first;
    EXPECT_EQ(switched.count(), 0);
    EXPECT_EQ(panel.CurrentStyler(), second);

    panel.SetToolBarStyler(nullptr);
    panel.SetToolBarStyler(second);
    switched.clear();
    delete second;
    EXPECT_EQ(switched.count(), 1);
    EXPECT_EQ(panel.CurrentStyler(), panel.InternalStyler());
}

// The panel's pop-up menu takes the menu styler of the panel's styler when
// it is given, when the styler changes its menu styler and when the panel
// takes another styler; a right click opens it.
TEST(DockPanelStylerTest, ThePopupMenuFollowsTheMenuStyler) {
    QWidget form;
    TFxDockPanel panel(&form);
    auto* styler = new TCustomFxToolBarStyler(&form);
    panel.SetToolBarStyler(styler);
    TFxPopupMenu popup;
    popup.addAction("Customize");
    panel.SetPopupMenu(&popup);
    EXPECT_EQ(popup.MenuStyler(), styler->InternalMenuStyler());
    TFxMenuOfficeStyler menuStyler;
    styler->SetFxMenuStyler(&menuStyler);
    EXPECT_EQ(popup.MenuStyler(), &menuStyler);
    panel.SetToolBarStyler(nullptr);
    EXPECT_EQ(popup.MenuStyler(), panel.InternalStyler()->InternalMenuStyler());
    panel.SetToolBarStyler(styler);
    delete styler;  // the internal styler is the panel's again
    EXPECT_EQ(popup.MenuStyler(), panel.InternalStyler()->InternalMenuStyler());

    int shown = 0;
    QObject::connect(&popup, &QMenu::aboutToShow, &popup, [&] {
        ++shown;
        QTimer::singleShot(0, &popup, &QMenu::close);
    });
    form.show();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            panel.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&panel, &click);
    EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace vx
