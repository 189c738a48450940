#include "styling/menus/FxMenuAppearance.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordingMenu.h"

namespace vx {
namespace {

using menus::TGradientDirection;

struct ColorDefault {
    const char* name;
    std::function<TColor(const TCustomFxMenuStyler&)> read;
    TColor expected;
};

TEST(MenuAppearance, NewStylerHoldsTheInitialValues) {
    const TFxMenuStyler s;
    const std::vector<ColorDefault> colours = {
        {"IconBar.Color", [](auto& s) { return s.IconBar().Color(); }, 0xFFF9F9},
        {"IconBar.ColorTo", [](auto& s) { return s.IconBar().ColorTo(); }, 0xBBA0A1},
        {"IconBar.CheckColor", [](auto& s) { return s.IconBar().CheckColor(); }, 0x6FC0FF},
        {"IconBar.CheckColorTo", [](auto& s) { return s.IconBar().CheckColorTo(); }, clNone},
        {"IconBar.CheckBorder", [](auto& s) { return s.IconBar().CheckBorder(); }, 0x6F4B4B},
        {"IconBar.RadioColor", [](auto& s) { return s.IconBar().RadioColor(); }, 0x6FC0FF},
        {"IconBar.RadioBorder", [](auto& s) { return s.IconBar().RadioBorder(); }, 0x6F4B4B},
        {"IconBar.SeparatorColor", [](auto& s) { return s.IconBar().SeparatorColor(); }, clNone},
        {"SelectedItem.Color", [](auto& s) { return s.SelectedItem().Color(); }, 0xC2EEFF},
        {"SelectedItem.ColorTo", [](auto& s) { return s.SelectedItem().ColorTo(); }, clNone},
        {"SelectedItem.ColorMirror", [](auto& s) { return s.SelectedItem().ColorMirror(); },
         clNone},
        {"SelectedItem.BorderColor", [](auto& s) { return s.SelectedItem().BorderColor(); },
         0x6F4B4B},
        {"SelectedItem.CheckColor", [](auto& s) { return s.SelectedItem().CheckColor(); },
         0x3E80FE},
        {"SelectedItem.RadioColor", [](auto& s) { return s.SelectedItem().RadioColor(); },
         0x3E80FE},
        {"SelectedItem.Font.color", [](auto& s) { return s.SelectedItem().Font().color; },
         clWindowText},
        {"RootItem.Color", [](auto& s) { return s.RootItem().Color(); }, 0xE5D7D7},
        {"RootItem.ColorTo", [](auto& s) { return s.RootItem().ColorTo(); }, 0xF7F2F2},
        {"RootItem.SelectedColor", [](auto& s) { return s.RootItem().SelectedColor(); }, 0xF2E8E8},
        {"RootItem.SelectedColorTo", [](auto& s) { return s.RootItem().SelectedColorTo(); },
         0xCDB8B9},
        {"RootItem.SelectedBorderColor", [](auto& s) { return s.RootItem().SelectedBorderColor(); },
         0x947C7C},
        {"RootItem.SelectedTextColor", [](auto& s) { return s.RootItem().SelectedTextColor(); },
         clWindowText},
        {"RootItem.HoverColor", [](auto& s) { return s.RootItem().HoverColor(); }, 0xCFF6FF},
        {"RootItem.HoverColorTo", [](auto& s) { return s.RootItem().HoverColorTo(); }, 0x9DD8FF},
        {"RootItem.HoverColorMirrorTo", [](auto& s) { return s.RootItem().HoverColorMirrorTo(); },
         clNone},
        {"RootItem.HoverBorderColor", [](auto& s) { return s.RootItem().HoverBorderColor(); },
         0x6F4B4B},
        {"Background.Color", [](auto& s) { return s.Background().Color(); }, 0xFFFAFD},
        {"Background.ColorTo", [](auto& s) { return s.Background().ColorTo(); }, clNone},
        {"Separator.Color", [](auto& s) { return s.Separator().Color(); }, 0x8F6D6E},
        {"Separator.ColorTo", [](auto& s) { return s.Separator().ColorTo(); }, clNone},
        {"SideBar.SplitterColor", [](auto& s) { return s.SideBar().SplitterColor(); }, 0x808080},
        {"SideBar.SplitterColorTo", [](auto& s) { return s.SideBar().SplitterColorTo(); }, clBlack},
        {"SideBar.BorderColor", [](auto& s) { return s.SideBar().BorderColor(); }, 0xA19D9D},
        {"SideBar.ShadowColor", [](auto& s) { return s.SideBar().ShadowColor(); }, clNone},
        {"SideBar.Font.color", [](auto& s) { return s.SideBar().Font().color; }, 0xFFFFFF},
        {"SideBar.Image.Color", [](auto& s) { return s.SideBar().Image().Color(); }, 0xFFFAFD},
        {"MenuBorderColor", [](auto& s) { return s.MenuBorderColor(); }, 0x7C7C94},
    };
    for (const ColorDefault& c : colours)
        EXPECT_EQ(c.read(s), c.expected) << c.name;

    EXPECT_EQ(s.IconBar().GradientDirection(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(s.RootItem().GradientDirection(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(s.Separator().GradientDirection(), TGradientDirection::gdHorizontal);
    EXPECT_EQ(s.SelectedItem().GradientDirection(), TGradientDirection::gdVertical);
    EXPECT_EQ(s.RootItem().SelectedGradientDirection(), TGradientDirection::gdVertical);
    EXPECT_EQ(s.Background().GradientDirection(), TGradientDirection::gdVertical);
    EXPECT_EQ(s.IconBar().Size(), 24);
    EXPECT_EQ(s.SideBar().Size(), 24);
    EXPECT_FALSE(s.SideBar().Visible());
    EXPECT_EQ(s.SideBar().VisibleIn(), TSideBarVisibleIn::viFirstVisible);
    EXPECT_EQ(s.SideBar().CaptionMargin(), 6);
    EXPECT_EQ(s.Separator().Width(), 1);
    EXPECT_EQ(s.Separator().Margin(), 2);
    EXPECT_EQ(s.Separator().GradientType(), TGradientType::gtBoth);
    EXPECT_EQ(s.Background().Position(), TBackgroundPosition::bpCenter);
    EXPECT_FALSE(s.Background().HasImage());
    EXPECT_TRUE(s.UseSystemFont());
    EXPECT_EQ(s.Font(), ScreenMenuFont());
    EXPECT_EQ(s.RootItem().Font(), ScreenMenuFont());
    const CanvasFont caption = s.SideBar().Font();
    EXPECT_EQ(caption.name, "Tahoma");
    EXPECT_EQ(caption.size, 14);
    EXPECT_TRUE(caption.bold && caption.italic);
    EXPECT_EQ(s.Glyphs().SubMenu().size(), QSize(4, 7));
    EXPECT_EQ(s.Glyphs().Check().size(), QSize(16, 16));
    EXPECT_EQ(s.Glyphs().Radio().size(), QSize(16, 16));
    EXPECT_EQ(s.Glyphs().Check().format(), QImage::Format_Mono);
    TGradientBar bar;
    EXPECT_EQ(bar.Color(), 0xD8BDAF);
    EXPECT_EQ(bar.ColorTo(), clNone);
}

TEST(MenuAppearance, IndexedColoursRefuseIndicesOutsideTheirGroup) {
    TFxMenuStyler s;
    struct Case {
        const char* name;
        std::function<void()> call;
        int index;
    };
    const std::vector<Case> cases = {
        {"gradient get 2", [&] { s.Background().GetColor(2); }, 2},
        {"gradient set -1", [&] { s.Background().SetColor(-1, 0); }, -1},
        {"icon check get 2", [&] { s.IconBar().GetCheckColor(2); }, 2},
        {"icon radio set 2", [&] { s.IconBar().SetRadioColor(2, 0); }, 2},
        {"selected check set 5", [&] { s.SelectedItem().SetCheckColor(5, 0); }, 5},
        {"selected radio get -1", [&] { s.SelectedItem().GetRadioColor(-1); }, -1},
        {"root selected set 4", [&] { s.RootItem().SetSelectedColor(4, 0); }, 4},
        {"root hover get 4", [&] { s.RootItem().GetHoverColor(4); }, 4},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << " raised nothing";
        } catch (const EInvalidPropertyIndex& e) {
            EXPECT_EQ(e.Index(), c.index) << c.name;
            EXPECT_EQ(std::string(e.what()),
                      "Invalid property index " + std::to_string(c.index) + ".")
                << c.name;
        }
    }
    EXPECT_EQ(s.RootItem().GetHoverColor(3), clNone);
    s.RootItem().SetSelectedColor(3, 0x123456);
    EXPECT_EQ(s.RootItem().SelectedColorMirrorTo(), 0x123456);
}

TEST(MenuAppearance, IconBarIsAtLeastSixteenWide) {
    TIconBar bar;
    const std::vector<std::pair<int, int>> sizes = {{10, 16}, {30, 30}, {16, 16}, {-4, 16}};
    for (auto [in, out] : sizes) {
        bar.SetSize(in);
        EXPECT_EQ(bar.Size(), out) << in;
    }
}

TEST(MenuAppearance, AssignCopiesWhatEachClassShares) {
    // Each object gets the source's values where the class copies them and
    // keeps its own elsewhere.
    TIconBar iconFrom;
    iconFrom.SetColor(1);
    iconFrom.SetCheckColor(0, 2);
    iconFrom.SetRadioBorder(3);
    iconFrom.SetSize(40);
    iconFrom.SetSeparatorColor(4);
    TIconBar icon;
    icon.Assign(iconFrom);
    EXPECT_EQ(icon.Color(), 0xFFF9F9);  // not the gradient-bar part
    EXPECT_EQ(icon.CheckColor(), 2);
    EXPECT_EQ(icon.RadioBorder(), 3);
    EXPECT_EQ(icon.Size(), 40);
    EXPECT_EQ(icon.SeparatorColor(), 4);

    TSelectedItem selFrom;
    selFrom.SetColor(1);
    selFrom.SetColorMirror(2);
    selFrom.SetBorderColor(3);
    selFrom.SetCheckBorder(4);
    selFrom.SetRadioBorder(5);
    selFrom.SetUseSystemFont(false);
    TSelectedItem sel;
    sel.Assign(selFrom);
    EXPECT_EQ(sel.Color(), 0xC2EEFF);
    EXPECT_EQ(sel.ColorMirror(), 2);
    EXPECT_EQ(sel.BorderColor(), 3);
    EXPECT_EQ(sel.CheckBorder(), 0x6F4B4B);  // the check border is not copied
    EXPECT_EQ(sel.RadioBorder(), 5);
    EXPECT_FALSE(sel.UseSystemFont());

    TRootItem rootFrom;
    for (int i = 0; i < 4; ++i) {
        rootFrom.SetSelectedColor(i, 10 + i);
        rootFrom.SetHoverColor(i, 20 + i);
    }
    rootFrom.SetHoverTextColor(7);
    TRootItem root;
    root.Assign(rootFrom);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(root.GetSelectedColor(i), 10 + i) << i;
    EXPECT_EQ(root.HoverColor(), 20);
    EXPECT_EQ(root.HoverColorTo(), 21);
    EXPECT_EQ(root.HoverColorMirror(), clNone);  // the hover mirrors are not copied
    EXPECT_EQ(root.HoverTextColor(), 7);
    EXPECT_EQ(root.Color(), 0xE5D7D7);

    TBackground bgFrom;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    bgFrom.SetImage(picture);
    bgFrom.SetPosition(TBackgroundPosition::bpXY);
    bgFrom.SetOffsetX(3);
    bgFrom.SetMarginX(9);
    bgFrom.SetColor(0x111111);
    TBackground bg;
    bg.Assign(bgFrom);
    EXPECT_TRUE(bg.HasImage());
    EXPECT_EQ(bg.Position(), TBackgroundPosition::bpXY);
    EXPECT_EQ(bg.OffsetX(), 3);
    EXPECT_EQ(bg.MarginX(), 0);
    EXPECT_EQ(bg.Color(), 0xFFFAFD);

    TSeparator sepFrom;
    sepFrom.SetWidth(3);
    sepFrom.SetMargin(5);
    sepFrom.SetColor(0x222222);
    TSeparator sep;
    sep.Assign(sepFrom);
    EXPECT_EQ(sep.Width(), 3);
    EXPECT_EQ(sep.Margin(), 5);
    EXPECT_EQ(sep.Color(), 0x222222);  // the gradient-bar part too

    TSideBar sideFrom;
    sideFrom.SetVisible(true);
    sideFrom.SetSize(30);
    sideFrom.SetSplitterColor(1);
    sideFrom.SetSplitterWidth(2);
    sideFrom.SetVisibleIn(TSideBarVisibleIn::viAnyLevel);
    sideFrom.SetCaption("vx");
    sideFrom.Background().SetOffsetY(4);
    TSideBar side;
    side.Assign(sideFrom);
    EXPECT_TRUE(side.Visible());
    EXPECT_EQ(side.Size(), 30);
    EXPECT_EQ(side.SplitterWidth(), 2);
    EXPECT_EQ(side.SplitterColor(), 0x808080);
    EXPECT_EQ(side.VisibleIn(), TSideBarVisibleIn::viFirstVisible);
    EXPECT_EQ(side.Caption(), "vx");
    EXPECT_EQ(side.Background().OffsetY(), 4);

    // Another gradient bar gives a background only its gradient-bar part.
    TBackground fromBar;
    fromBar.Assign(iconFrom);
    EXPECT_EQ(fromBar.Color(), 1);
    EXPECT_FALSE(fromBar.HasImage());
}

TEST(MenuAppearance, AssignFromAnUnrelatedClassFails) {
    TIconBar icon;
    TMenuGlyphs glyphs;
    TBarCaption caption;
    EXPECT_THROW(icon.Assign(glyphs), EAssignError);
    EXPECT_THROW(glyphs.Assign(icon), EAssignError);
    try {
        caption.Assign(icon);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TIconBar to a TBarCaption.");
    }
}

TEST(MenuAppearance, StylerAssignTakesOnlyAPublishedStyler) {
    TFxMenuStyler from;
    from.IconBar().SetCheckColor(0, 0x010203);
    from.SetUseSystemFont(false);
    from.SetMenuBorderColor(0x445566);
    TFxMenuStyler to;
    to.Assign(from);
    EXPECT_EQ(to.IconBar().CheckColor(), 0x010203);
    EXPECT_FALSE(to.UseSystemFont());
    EXPECT_EQ(to.MenuBorderColor(), 0x7C7C94);  // not copied

    TCustomFxMenuStyler bare;
    EXPECT_THROW(to.Assign(bare), EAssignError);
}

struct Notice {
    const char* name;
    std::function<void(TCustomFxMenuStyler&)> change;
    std::vector<std::string> expected;
};

TEST(MenuAppearance, ChangesReachEveryAttachedMenu) {
    const std::vector<std::string> look = {"changed"};
    const std::vector<std::string> metrics = {"changed+rebuild"};
    const std::vector<std::string> none = {};
    const std::vector<Notice> notices = {
        {"Font", [](auto& s) { s.SetFont(AngledFont(s.Font(), 90)); }, metrics},
        {"UseSystemFont", [](auto& s) { s.SetUseSystemFont(false); }, metrics},
        {"same UseSystemFont", [](auto& s) { s.SetUseSystemFont(true); }, none},
        {"SelectedItem.UseSystemFont", [](auto& s) { s.SelectedItem().SetUseSystemFont(false); },
         metrics},
        {"RootItem.Font", [](auto& s) { s.RootItem().SetFont(s.SideBar().Font()); }, metrics},
        {"RootItem hover 2", [](auto& s) { s.RootItem().SetHoverColor(2, 1); }, metrics},
        {"RootItem selected 0", [](auto& s) { s.RootItem().SetSelectedColor(0, 1); }, metrics},
        {"IconBar.Size", [](auto& s) { s.IconBar().SetSize(30); }, metrics},
        {"SideBar.Font", [](auto& s) { s.SideBar().SetFont(s.Font()); }, metrics},
        {"SideBar.Background", [](auto& s) { s.SideBar().SetBackground(TBackground()); }, metrics},
        {"styler SideBar", [](auto& s) { s.SetSideBar(TSideBar()); }, metrics},
        {"IconBar check 1", [](auto& s) { s.IconBar().SetCheckColor(1, 1); }, look},
        {"SelectedItem radio 0", [](auto& s) { s.SelectedItem().SetRadioColor(0, 1); }, look},
        {"Background.Image", [](auto& s) { s.Background().SetImage(QImage()); }, look},
        {"Glyphs.Check", [](auto& s) { s.Glyphs().SetCheck(QImage()); }, look},
        {"styler Separator", [](auto& s) { s.SetSeparator(TSeparator()); }, look},
        {"styler RootItem", [](auto& s) { s.SetRootItem(TRootItem()); }, look},
        {"Background.Color", [](auto& s) { s.Background().SetColor(1); }, none},
        {"RootItem.ColorTo", [](auto& s) { s.RootItem().SetColorTo(1); }, none},
        {"MenuBorderColor", [](auto& s) { s.SetMenuBorderColor(1); }, none},
        {"SelectedItem.BorderColor", [](auto& s) { s.SelectedItem().SetBorderColor(1); }, none},
        {"Separator.Width", [](auto& s) { s.Separator().SetWidth(2); }, none},
        {"SideBar.Visible (pop-up only)", [](auto& s) { s.SideBar().SetVisible(true); }, none},
    };
    for (const Notice& n : notices) {
        TFxMenuStyler s;
        test::RecordingMenu a(false), b(false);
        a.Attach(s);
        b.Attach(s);
        a.calls.clear();
        b.calls.clear();
        n.change(s);
        EXPECT_EQ(a.calls, n.expected) << n.name;
        EXPECT_EQ(b.calls, n.expected) << n.name;
    }
}

TEST(MenuAppearance, SideBarVisibilityReachesOnlyAMainMenuWithItsWindow) {
    TFxMenuStyler s;
    test::RecordingMenu withWindow(true), withoutWindow(true), popup(false);
    withoutWindow.hasWindow = false;
    withWindow.Attach(s);
    withoutWindow.Attach(s);
    popup.Attach(s);
    EXPECT_EQ(withWindow.calls, std::vector<std::string>{"changed"});  // the attachment
    withWindow.calls.clear();
    withoutWindow.calls.clear();
    popup.calls.clear();
    s.SideBar().SetVisible(true);
    EXPECT_EQ(withWindow.calls, std::vector<std::string>{"changed+rebuild"});
    EXPECT_TRUE(withoutWindow.calls.empty());
    EXPECT_TRUE(popup.calls.empty());
}

TEST(MenuAppearance, NoLinkOutlivesAMenuOrTheStyler) {
    auto styler = std::make_unique<TFxMenuStyler>();
    auto gone = std::make_unique<test::RecordingMenu>(false);
    test::RecordingMenu stays(true);
    gone->Attach(*styler);
    stays.Attach(*styler);
    stays.Attach(*styler);
    EXPECT_EQ(styler->Menus().size(), 2u);
    gone.reset();
    styler->IconBar().SetSize(40);  // would reach the freed menu
    EXPECT_EQ(stays.calls.back(), "changed+rebuild");
    styler.reset();
    EXPECT_EQ(stays.calls.back(), "styler destroyed");
}

}  // namespace
}  // namespace vx
