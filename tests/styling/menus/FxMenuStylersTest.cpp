#include "styling/menus/qt/FxMenuStylers.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingMenu.h"

namespace vx {
namespace {

using menus::TGradientDirection;

struct SetRow {
    const char* name;
    std::function<TColor(const TFxMenuOfficeStyler&)> read;
    TColor blue, silver, olive;
};

TEST(MenuOfficeStyler, TheThreeLooksWriteTheirWholeSets) {
    const std::vector<SetRow> rows = {
        {"Background.Color", [](auto& s) { return s.Background().Color(); }, 0xF6F6F6, 0xF6F6F6,
         0xF6F6F6},
        {"Background.ColorTo", [](auto& s) { return s.Background().ColorTo(); }, 0xF6F6F6, 0xF6F6F6,
         0xF6F6F6},
        {"MenuBorderColor", [](auto& s) { return s.MenuBorderColor(); }, 0x962D00, 0x5E8D75,
         0x5E8D75},
        {"RootItem.Color", [](auto& s) { return s.RootItem().Color(); }, 0xF5BE9E, 0xE5D7D7,
         0xA8D9D9},
        {"RootItem.ColorTo", [](auto& s) { return s.RootItem().ColorTo(); }, 0xF7CDB2, 0xF7F3F3,
         0xE4F0F2},
        {"RootItem.SelectedColor", [](auto& s) { return s.RootItem().SelectedColor(); }, 0xFFEFE3,
         0xF1E9E8, 0xD5F0EC},
        {"RootItem.SelectedColorTo", [](auto& s) { return s.RootItem().SelectedColorTo(); },
         0xE7B593, 0xCDB9BA, 0x9FCEC2},
        {"RootItem.SelectedBorderColor", [](auto& s) { return s.RootItem().SelectedBorderColor(); },
         0x962D00, 0x947C7C, 0x5E8D75},
        {"RootItem.SelectedColorMirror", [](auto& s) { return s.RootItem().SelectedColorMirror(); },
         clNone, clNone, clNone},
        {"RootItem.HoverColor", [](auto& s) { return s.RootItem().HoverColor(); }, 0xCCF4FF,
         0xCCF4FF, 0xCCF4FF},
        {"RootItem.HoverColorTo", [](auto& s) { return s.RootItem().HoverColorTo(); }, 0x9AD6FF,
         0x9AD6FF, 0x9AD6FF},
        {"RootItem.HoverColorMirrorTo", [](auto& s) { return s.RootItem().HoverColorMirrorTo(); },
         clNone, clNone, clNone},
        {"RootItem.HoverBorderColor", [](auto& s) { return s.RootItem().HoverBorderColor(); },
         0x6F4B4B, 0x6F4B4B, 0x6F4B4B},
        {"RootItem.HoverTextColor", [](auto& s) { return s.RootItem().HoverTextColor(); },
         clWindowText, clWindowText, clWindowText},
        {"SelectedItem.Color", [](auto& s) { return s.SelectedItem().Color(); }, 0xC2EEFF, 0xC2EEFF,
         0xC2EEFF},
        {"SelectedItem.ColorTo", [](auto& s) { return s.SelectedItem().ColorTo(); }, clNone, clNone,
         clNone},
        {"SelectedItem.BorderColor", [](auto& s) { return s.SelectedItem().BorderColor(); },
         0x800000, 0x080000, 0x385D3F},
        {"SelectedItem.CheckColor", [](auto& s) { return s.SelectedItem().CheckColor(); }, 0x3E80FE,
         0x3E80FE, 0x3E80FE},
        {"SelectedItem.RadioColorTo", [](auto& s) { return s.SelectedItem().RadioColorTo(); },
         clNone, clNone, clNone},
        {"SelectedItem.CheckBorder", [](auto& s) { return s.SelectedItem().CheckBorder(); },
         0x800000, 0x6F4B4B, 0x385D3F},
        {"SelectedItem.RadioBorder", [](auto& s) { return s.SelectedItem().RadioBorder(); },
         0x800000, 0x6F4B4B, 0x385D3F},
        {"SelectedItem.ColorMirror", [](auto& s) { return s.SelectedItem().ColorMirror(); }, clNone,
         clNone, clNone},
        {"IconBar.Color", [](auto& s) { return s.IconBar().Color(); }, 0xFFEFE3, 0xFFF9F9,
         0xEDFFFF},
        {"IconBar.ColorTo", [](auto& s) { return s.IconBar().ColorTo(); }, 0xE4AD87, 0xB99D9F,
         0x92C7B8},
        {"IconBar.Size", [](auto& s) { return s.IconBar().Size(); }, 24, 24, 24},
        {"IconBar.RadioColor", [](auto& s) { return s.IconBar().RadioColor(); }, 0x6FC0FF, 0x6FC0FF,
         0x6FC0FF},
        {"IconBar.CheckColorTo", [](auto& s) { return s.IconBar().CheckColorTo(); }, clNone, clNone,
         clNone},
        {"IconBar.CheckBorder", [](auto& s) { return s.IconBar().CheckBorder(); }, 0x800000,
         0x6F4B4B, 0x385D3F},
        {"IconBar.RadioBorder", [](auto& s) { return s.IconBar().RadioBorder(); }, 0x800000,
         0x6F4B4B, 0x385D3F},
        {"Separator.Color", [](auto& s) { return s.Separator().Color(); }, 0xCB8C6A, 0x8F6D6E,
         0x588060},
        {"Separator.ColorTo", [](auto& s) { return s.Separator().ColorTo(); }, clNone, clNone,
         clNone},
    };
    // Each look is reached from another one, so nothing is left over.
    TFxMenuOfficeStyler s;
    s.SetStyle(TOfficeStyle::osOffice2007Obsidian);
    for (TOfficeStyle look : {TOfficeStyle::osOffice2003Olive, TOfficeStyle::osOffice2003Silver,
                              TOfficeStyle::osOffice2003Blue}) {
        s.SetStyle(look);
        for (const SetRow& r : rows) {
            const TColor expected = look == TOfficeStyle::osOffice2003Blue     ? r.blue
                                    : look == TOfficeStyle::osOffice2003Silver ? r.silver
                                                                               : r.olive;
            EXPECT_EQ(r.read(s), expected) << r.name << " in look " << static_cast<int>(look);
        }
        EXPECT_EQ(s.RootItem().GradientDirection(), TGradientDirection::gdHorizontal);
    }
    // A new styler has the blue set.
    const TFxMenuOfficeStyler fresh;
    EXPECT_EQ(fresh.Style(), TOfficeStyle::osOffice2003Blue);
    for (const SetRow& r : rows)
        EXPECT_EQ(r.read(fresh), r.blue) << r.name;
}

TEST(MenuOfficeStyler, XpAnd2007SetsTakeTheirOwnColours) {
    TFxMenuOfficeStyler s;
    s.SetStyle(TOfficeStyle::osOfficeXP);
    EXPECT_EQ(s.Background().Color(), clWindow);
    EXPECT_EQ(s.RootItem().Color(), clBtnFace);
    EXPECT_EQ(s.RootItem().SelectedColorTo(), clNone);
    EXPECT_EQ(s.SelectedItem().BorderColor(), 0xC66931);
    EXPECT_EQ(s.IconBar().CheckBorder(), clBtnFace);
    EXPECT_EQ(s.IconBar().RadioBorder(), 0x800000);  // the XP set leaves the radio colours
    EXPECT_EQ(s.Separator().Color(), 0x7A868A);

    const std::vector<std::tuple<TOfficeStyle, TColor, TColor, TColor>> sets = {
        // style, menu bar colour, background, icon bar
        {TOfficeStyle::osOffice2007Luna, 0xF2DAC2, 0xF6F6F6, 0xEEEEE9},
        {TOfficeStyle::osOffice2007Obsidian, 0xB8B8B6, 0xF6F6F6, 0xEEEEE9},
        {TOfficeStyle::osOffice2007Silver, 0xF2DAC2, 0xFAFAFA, 0xEFEFEF},
    };
    for (auto [style, bar, background, icon] : sets) {
        s.SetStyle(style);
        EXPECT_EQ(s.RootItem().Color(), bar);
        EXPECT_EQ(s.Background().ColorTo(), background);
        EXPECT_EQ(s.IconBar().ColorTo(), icon);
        EXPECT_EQ(s.RootItem().GradientDirection(), TGradientDirection::gdVertical);
        EXPECT_EQ(s.RootItem().SelectedColorMirror(), 0x0E72F1);
        EXPECT_EQ(s.SelectedItem().ColorMirrorTo(), 0x96E4FF);
        EXPECT_EQ(s.IconBar().SeparatorColor(), 0xC5C5C5);
    }
    EXPECT_EQ(s.MenuBorderColor(), 0x868686);
}

TEST(MenuOfficeStyler, CustomKeepsEveryColourAndRedrawsTheMenuBar) {
    TFxMenuOfficeStyler s;
    test::RecordingMenu bar(true), popup(false);
    bar.Attach(s);
    popup.Attach(s);
    s.SetStyle(TOfficeStyle::osOffice2003Olive);
    s.RootItem().SetColor(0x123456);
    bar.calls.clear();
    popup.calls.clear();
    s.SetStyle(TOfficeStyle::osCustom);
    EXPECT_EQ(s.Style(), TOfficeStyle::osCustom);
    EXPECT_EQ(s.RootItem().Color(), 0x123456);
    EXPECT_EQ(s.IconBar().Color(), 0xEDFFFF);
    EXPECT_EQ(bar.calls, std::vector<std::string>{"draw menu bar"});
    EXPECT_TRUE(popup.calls.empty());
    // A set that changes indexed colours also tells every menu.
    s.SetStyle(TOfficeStyle::osOffice2003Blue);
    EXPECT_NE(std::find(popup.calls.begin(), popup.calls.end(), "changed+rebuild"),
              popup.calls.end());
}

TEST(MenuOfficeStyler, StyleCodesMapToSets) {
    const std::vector<std::pair<int, TOfficeStyle>> codes = {
        {0, TOfficeStyle::osOffice2003Blue},
        {1, TOfficeStyle::osOffice2003Silver},
        {2, TOfficeStyle::osOffice2003Olive},
        {3, TOfficeStyle::osOfficeXP},
        {4, TOfficeStyle::osOffice2007Luna},
        {5, TOfficeStyle::osOffice2007Obsidian},
        {6, TOfficeStyle::osOfficeXP},
        {7, TOfficeStyle::osOfficeXP},
        {8, TOfficeStyle::osCustom},  // nothing: stays as it was
        {9, TOfficeStyle::osOffice2007Silver},
        {10, TOfficeStyle::osCustom},
        {130, TOfficeStyle::osOffice2003Olive},
    };
    for (auto [code, style] : codes) {
        TFxMenuOfficeStyler s;
        s.SetStyle(TOfficeStyle::osCustom);
        static_cast<IComponentStyle&>(s).SetComponentStyle(code);
        EXPECT_EQ(s.Style(), style) << code;
    }
}

TEST(MenuOfficeStyler, ThemeAdaptationFollowsTheDesktopWhenAsked) {
    struct Case {
        int theme;
        bool adapt;
        TOfficeStyle expected;
    };
    const std::vector<Case> cases = {
        {1, true, TOfficeStyle::osOffice2003Blue},   {2, true, TOfficeStyle::osOffice2003Olive},
        {3, true, TOfficeStyle::osOffice2003Silver}, {0, true, TOfficeStyle::osOfficeXP},
        {3, false, TOfficeStyle::osCustom},
    };
    for (const Case& c : cases) {
        SetDesktopThemeAnswer([&] { return c.theme; });
        TFxMenuOfficeStyler s;
        s.BeginLoading();
        s.SetStyle(TOfficeStyle::osCustom);
        s.SetAutoThemeAdapt(c.adapt);
        s.EndLoading();  // loaded: adapts
        EXPECT_EQ(s.Style(), c.expected) << c.theme;
    }
    SetDesktopThemeAnswer({});
    // This desktop reports no visual styles: the XP set.
    EXPECT_EQ(DetectDesktopTheme(), 0);
    TFxMenuOfficeStyler s;
    s.SetAutoThemeAdapt(true);
    s.ThemeChanged();
    EXPECT_EQ(s.Style(), TOfficeStyle::osOfficeXP);
}

}  // namespace
}  // namespace vx
