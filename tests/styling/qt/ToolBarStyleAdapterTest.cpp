#include "styling/qt/ToolBarStyleAdapter.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/qt/Canvas.h"
#include "styling/qt/FxToolBar.h"

namespace vx {
namespace {

TEST(ToolBarStyleAdapter, RecoloursItsBarOnEveryChangeAndLeavesWithIt) {
    TFxToolBarOfficeStyler styler;
    auto bar = std::make_unique<TFxToolBar>("standard");
    new TToolBarStyleAdapter(bar.get(), &styler);
    EXPECT_EQ(styler.ControlCount(), 1);
    EXPECT_EQ(bar->palette().color(QPalette::Window), ToQColor(0xFDEADA));
    EXPECT_EQ(bar->palette().color(QPalette::Mid), ToQColor(0xE4AE88));

    styler.SetStyle(TToolBarStyle::bsOffice2003Olive);
    EXPECT_EQ(bar->palette().color(QPalette::Window), ToQColor(0xCFF0EA));
    styler.Color().SetColorTo(0x102030);
    EXPECT_EQ(bar->palette().color(QPalette::Mid), ToQColor(0x102030));

    bar.reset();
    EXPECT_EQ(styler.ControlCount(), 0);
    styler.SetStyle(TToolBarStyle::bsOffice2003Blue);
}

TEST(ToolBarStyleAdapter, OutlivesItsStyler) {
    TFxToolBar bar("standard");
    {
        TFxToolBarOfficeStyler styler;
        new TToolBarStyleAdapter(&bar, &styler);
    }
    bar.update();  // the adapter goes with the bar later, without its styler
}

}  // namespace
}  // namespace vx
