#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QWidget>

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

}  // namespace
}  // namespace vx
