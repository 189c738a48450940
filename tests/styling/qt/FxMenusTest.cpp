#include "styling/qt/FxMenus.h"

#include <gtest/gtest.h>

#include <memory>

#include "styling/menus/FxMenuStylers.h"

namespace vx {
namespace {

TEST(StyledMenus, TakeTheStylersColoursOnEveryChangeAndOutliveIt) {
    auto styler = std::make_unique<TFxMenuOfficeStyler>();
    TFxMainMenu bar;
    TFxPopupMenu popup;
    bar.SetMenuStyler(styler.get());
    popup.SetMenuStyler(styler.get());
    EXPECT_EQ(bar.palette().color(QPalette::Window), ToQColor(0xF5BE9E));
    styler->SetStyle(TOfficeStyle::osOffice2003Olive);
    EXPECT_EQ(bar.palette().color(QPalette::Window), ToQColor(0xA8D9D9));
    styler->SelectedItem().SetCheckColor(0, 1);  // any change recolours
    styler->Background().SetColor(0x00FF00);
    styler->SelectedItem().SetCheckColor(0, 2);
    EXPECT_EQ(popup.palette().color(QPalette::Window), ToQColor(0x00FF00));
    styler.reset();
    popup.SetMenuStyler(nullptr);  // no link to the freed styler is left
    EXPECT_EQ(bar.palette().color(QPalette::Window), ToQColor(0xA8D9D9));
}

}  // namespace
}  // namespace vx
