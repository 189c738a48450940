// The main window as window tests begin with it: shown, and past its start
// (the start timer enables it), for test programs that link the main window.
#pragma once

#include <gtest/gtest.h>

#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <functional>
#include <initializer_list>
#include <memory>

#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "support/QtWait.h"

namespace vx::test {

// Shows the window and waits for its start; false when it never came.
inline bool ShowAndStart(TMainFrm& frm) {
    QSignalSpy started(&frm, &TMainFrm::StartTimerFired);
    frm.show();
    return started.wait(kStateWaitMs);
}

// A new main window with no start page and a system parameter dialog that
// answers OK at once; `prepare` sets up more before it is shown.
inline std::unique_ptr<TMainFrm> StartedMainWindow(
    const std::function<void(TMainFrm&)>& prepare = {}) {
    auto frm = std::make_unique<TMainFrm>();
    frm->Dialogs().startPage = [] {};
    frm->Dialogs().systemParameters = [](LadderProgram&) { return true; };
    if (prepare) prepare(*frm);
    EXPECT_TRUE(ShowAndStart(*frm)) << "the start timer enables the window";
    return frm;
}

// True when the status panel shows its whole text, nothing cut off.
inline bool ShowsWhole(const QLabel& panel) {
    return panel.fontMetrics().elidedText(panel.text(), Qt::ElideRight,
                                          panel.contentsRect().width()) == panel.text();
}

// A menu item as the user finds it: in its menu, with its caption and
// shortcut, enabled.
struct MenuItemExpected {
    const char* name;
    const char* menu;
    const char* caption;
    QKeySequence key;
};

inline void ExpectMenuItems(TMainFrm& frm, std::initializer_list<MenuItemExpected> items) {
    for (const MenuItemExpected& e : items) {
        SCOPED_TRACE(e.name);
        QAction* item = frm.Item(e.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString(e.caption));
        EXPECT_EQ(item->shortcut(), e.key);
        EXPECT_TRUE(item->isEnabled());
        auto* menu = frm.findChild<QMenu*>(e.menu);
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(item));
    }
}

}  // namespace vx::test
