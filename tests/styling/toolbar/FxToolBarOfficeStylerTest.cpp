#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "RecordingReceiver.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"
#include "support/QtWait.h"

namespace vx {
namespace {

using Codes = std::vector<int>;
using S = TToolBarStyle;
using test::RecordingReceiver;
using toolbar::TGradientDirection;
using Styler = TFxToolBarOfficeStyler;

constexpr int kV = static_cast<int>(TGradientDirection::gdVertical);
constexpr int kH = static_cast<int>(TGradientDirection::gdHorizontal);
constexpr int kGV = static_cast<int>(TGDIPGradient::ggVertical);

struct SetRow {
    const char* name;
    std::function<int(const Styler&)> read;
    int blue, silver, olive;
};

// The three looks of the main window, switched to from a new (blue) styler.
// Where a look keeps a value, the row gives the blue value it keeps.
const std::vector<SetRow>& ThreeLooks() {
    static const std::vector<SetRow> rows = {
        {"ComponentStyleCode", [](auto& s) { return s.ComponentStyleCode(); }, 0, 1, 2},
        {"Color.Color", [](auto& s) { return s.Color().Color(); }, 0xFDEADA, 0xECE2E1, 0xCFF0EA},
        {"Color.ColorTo", [](auto& s) { return s.Color().ColorTo(); }, 0xE4AE88, 0xB39698,
         0x8CC0B1},
        {"Color.Direction", [](auto& s) { return int(s.Color().Direction()); }, kV, kV, kV},
        {"Color.Steps", [](auto& s) { return s.Color().Steps(); }, 16, 16, 16},
        {"DockColor.ColorTo", [](auto& s) { return s.DockColor().ColorTo(); }, 0xFADAC4, 0xF7F3F3,
         0xE4F1F2},
        {"DockColor.Color", [](auto& s) { return s.DockColor().Color(); }, 0xF5BFA0, 0xE6D8D8,
         0xAADADA},
        {"DockColor.Direction", [](auto& s) { return int(s.DockColor().Direction()); }, kH, kH, kH},
        {"DockColor.Steps", [](auto& s) { return s.DockColor().Steps(); }, 128, 128, 128},
        {"RightHandleColor", [](auto& s) { return s.RightHandleColor(); }, 0xF1A675, 0xC8B2B3,
         0x8CC2B0},
        {"RightHandleColorTo", [](auto& s) { return s.RightHandleColorTo(); }, 0x913500, 0x927476,
         0x6B7760},
        {"RightHandleColorHot", [](auto& s) { return s.RightHandleColorHot(); }, 0xD3F8FF, 0xD3F8FF,
         0xD3F8FF},
        {"RightHandleColorHotTo", [](auto& s) { return s.RightHandleColorHotTo(); }, 0x76C1FF,
         0x76C1FF, 0x76C1FF},
        {"RightHandleColorDown (kept)", [](auto& s) { return s.RightHandleColorDown(); }, 0x087FE8,
         0x087FE8, 0x087FE8},
        {"RightHandleColorDownTo (kept)", [](auto& s) { return s.RightHandleColorDownTo(); },
         0x7CDAF7, 0x7CDAF7, 0x7CDAF7},
        {"FloatingWindowBorderColor", [](auto& s) { return s.FloatingWindowBorderColor(); },
         0x913500, 0x927476, 0x6B7760},
        {"FloatingWindowBorderWidth", [](auto& s) { return s.FloatingWindowBorderWidth(); }, 2, 2,
         2},
        {"RoundedEdges", [](auto& s) { return int(s.RoundedEdges()); }, 1, 1, 1},
        {"DragGripStyle", [](auto& s) { return int(s.DragGripStyle()); }, 0, 0, 0},
        {"ToolBarBevel", [](auto& s) { return int(s.ToolBarBevel()); }, 0, 0, 0},
        {"ShowToolBarBevel", [](auto& s) { return int(s.ShowToolBarBevel()); }, 0, 0, 0},
        {"ColorHot.Color", [](auto& s) { return s.ColorHot().Color(); }, 0xFFF1E6, 0xE6D8D8,
         0xCFF0EA},
        {"ColorHot.ColorTo", [](auto& s) { return s.ColorHot().ColorTo(); }, 0xFAEADE, 0xE6D8D8,
         0xCFF0EA},
        {"ColorHot.Direction", [](auto& s) { return int(s.ColorHot().Direction()); }, kV, kV, kV},
        {"BorderColorHot", [](auto& s) { return s.BorderColorHot(); }, 0xE0C7AD, 0xF7F3F3,
         0x8CC0B1},
        {"BorderColor (kept)", [](auto& s) { return s.BorderColor(); }, clNone, clNone, clNone},
        {"Caption.CaptionColor", [](auto& s) { return s.CaptionAppearance().CaptionColor(); },
         clHighlight, clHighlight, clHighlight},
        {"Caption.CaptionColorTo", [](auto& s) { return s.CaptionAppearance().CaptionColorTo(); },
         clHighlight, clHighlight, clHighlight},
        {"Caption.CaptionBorderColor",
         [](auto& s) { return s.CaptionAppearance().CaptionBorderColor(); }, clHighlight,
         clHighlight, 0xFFFFFF},
        {"Caption.CaptionColorHot", [](auto& s) { return s.CaptionAppearance().CaptionColorHot(); },
         0xCCF4FF, 0xCCF4FF, 0xCCF4FF},
        {"Caption.CaptionColorHotTo",
         [](auto& s) { return s.CaptionAppearance().CaptionColorHotTo(); }, 0x91D0FF, 0x91D0FF,
         0x91D0FF},
        {"Caption.CaptionTextColor",
         [](auto& s) { return s.CaptionAppearance().CaptionTextColor(); }, 0xFFFFFF, 0xFFFFFF,
         0xFFFFFF},
        {"Caption.CaptionTextColorHot",
         [](auto& s) { return s.CaptionAppearance().CaptionTextColorHot(); }, 0, 0, 0},
        {"Button.Color", [](auto& s) { return s.ButtonAppearance().Color(); }, 0xFDEADA, 0xECE2E1,
         0xCFF0EA},
        {"Button.ColorTo", [](auto& s) { return s.ButtonAppearance().ColorTo(); }, 0xE4AE88,
         0xB39698, 0x8CC0B1},
        {"Button.ColorDown", [](auto& s) { return s.ButtonAppearance().ColorDown(); }, 0x4E91FE,
         0x4E91FE, 0x4E91FE},
        {"Button.ColorDownTo", [](auto& s) { return s.ButtonAppearance().ColorDownTo(); }, 0x91D3FF,
         0x91D3FF, 0x91D3FF},
        {"Button.ColorHot", [](auto& s) { return s.ButtonAppearance().ColorHot(); }, 0xCCF4FF,
         0xCCF4FF, 0xCCF4FF},
        {"Button.ColorHotTo", [](auto& s) { return s.ButtonAppearance().ColorHotTo(); }, 0x91D0FF,
         0x91D0FF, 0x91D0FF},
        {"Button.ColorChecked", [](auto& s) { return s.ButtonAppearance().ColorChecked(); },
         0x8CD5FF, 0x8CD5FF, 0x8CD5FF},
        {"Button.ColorCheckedTo", [](auto& s) { return s.ButtonAppearance().ColorCheckedTo(); },
         0x58AFFF, 0x58AFFF, 0x58AFFF},
        {"Button.CaptionTextColor", [](auto& s) { return s.ButtonAppearance().CaptionTextColor(); },
         0, 0, 0},
        {"Button.CaptionTextColorChecked",
         [](auto& s) { return s.ButtonAppearance().CaptionTextColorChecked(); }, 0, 0, 0},
        {"Button.CaptionTextColorDown",
         [](auto& s) { return s.ButtonAppearance().CaptionTextColorDown(); }, 0, 0, 0},
        {"Button.CaptionTextColorHot",
         [](auto& s) { return s.ButtonAppearance().CaptionTextColorHot(); }, 0, 0, 0},
        {"Button.BorderDownColor", [](auto& s) { return s.ButtonAppearance().BorderDownColor(); },
         0x800000, 0x6F4B4B, 0x385D3F},
        {"Button.BorderHotColor", [](auto& s) { return s.ButtonAppearance().BorderHotColor(); },
         0x800000, 0x6F4B4B, 0x385D3F},
        {"Button.BorderCheckedColor",
         [](auto& s) { return s.ButtonAppearance().BorderCheckedColor(); }, 0x800000, 0x6F4B4B,
         0x385D3F},
        {"Glow.Color", [](auto& s) { return s.GlowButtonAppearance().Color(); }, 0xEEDBC8, 0xEDD4C0,
         0xCFF0EA},
        {"Glow.ColorTo", [](auto& s) { return s.GlowButtonAppearance().ColorTo(); }, 0xF6DDC9,
         0xE6D8D8, 0xCFF0EA},
        {"Glow.ColorMirror", [](auto& s) { return s.GlowButtonAppearance().ColorMirror(); },
         0xEDD4C0, 0xEDD4C0, 0xCFF0EA},
        {"Glow.ColorMirrorTo", [](auto& s) { return s.GlowButtonAppearance().ColorMirrorTo(); },
         0xF7E1D0, 0xC8B2B3, 0x8CC0B1},
        {"Glow.BorderColor", [](auto& s) { return s.GlowButtonAppearance().BorderColor(); },
         0xE0B99B, 0x927476, 0x8CC0B1},
        {"Glow.Gradient", [](auto& s) { return int(s.GlowButtonAppearance().Gradient()); }, kGV,
         kGV, kGV},
        {"Glow.GradientMirror",
         [](auto& s) { return int(s.GlowButtonAppearance().GradientMirror()); }, kGV, kGV, kGV},
        {"Glow.ColorHot", [](auto& s) { return s.GlowButtonAppearance().ColorHot(); }, 0xEBFDFF,
         0xEBFDFF, 0xEBFDFF},
        {"Glow.ColorHotTo", [](auto& s) { return s.GlowButtonAppearance().ColorHotTo(); }, 0xACECFF,
         0xACECFF, 0xACECFF},
        {"Glow.ColorMirrorHot", [](auto& s) { return s.GlowButtonAppearance().ColorMirrorHot(); },
         0x59DAFF, 0x59DAFF, 0x59DAFF},
        {"Glow.ColorMirrorHotTo",
         [](auto& s) { return s.GlowButtonAppearance().ColorMirrorHotTo(); }, 0xA4E9FF, 0xA4E9FF,
         0xA4E9FF},
        {"Glow.BorderColorHot", [](auto& s) { return s.GlowButtonAppearance().BorderColorHot(); },
         0x99CEDB, 0x99CEDB, 0x99CEDB},
        {"Glow.ColorDown", [](auto& s) { return s.GlowButtonAppearance().ColorDown(); }, 0x76AFF1,
         0x76AFF1, 0x76AFF1},
        {"Glow.ColorDownTo", [](auto& s) { return s.GlowButtonAppearance().ColorDownTo(); },
         0x4190F3, 0x4190F3, 0x4190F3},
        {"Glow.ColorMirrorDown", [](auto& s) { return s.GlowButtonAppearance().ColorMirrorDown(); },
         0x0E72F1, 0x0E72F1, 0x0E72F1},
        {"Glow.ColorMirrorDownTo",
         [](auto& s) { return s.GlowButtonAppearance().ColorMirrorDownTo(); }, 0x4C9FFD, 0x4C9FFD,
         0x4C9FFD},
        {"Glow.BorderColorDown", [](auto& s) { return s.GlowButtonAppearance().BorderColorDown(); },
         0x45667B, 0x45667B, 0x45667B},
        {"Glow.ColorChecked", [](auto& s) { return s.GlowButtonAppearance().ColorChecked(); },
         0xB5DBFB, 0xB5DBFB, 0xB5DBFB},
        {"Glow.ColorCheckedTo", [](auto& s) { return s.GlowButtonAppearance().ColorCheckedTo(); },
         0x78C7FE, 0x78C7FE, 0x78C7FE},
        {"Glow.ColorMirrorChecked",
         [](auto& s) { return s.GlowButtonAppearance().ColorMirrorChecked(); }, 0x9FEBFD, 0x9FEBFD,
         0x9FEBFD},
        {"Glow.ColorMirrorCheckedTo",
         [](auto& s) { return s.GlowButtonAppearance().ColorMirrorCheckedTo(); }, 0x56B4FE,
         0x56B4FE, 0x56B4FE},
        {"Glow.GradientHot", [](auto& s) { return int(s.GlowButtonAppearance().GradientHot()); },
         kGV, kGV, kGV},
        {"Glow.GradientMirrorChecked",
         [](auto& s) { return int(s.GlowButtonAppearance().GradientMirrorChecked()); }, kGV, kGV,
         kGV},
        {"Glow.BorderColorChecked (kept)",
         [](auto& s) { return s.GlowButtonAppearance().BorderColorChecked(); }, 0, 0, 0},
        {"Compact glow = glow",
         [](auto& s) {
             return int(s.CompactGlowButtonAppearance().ColorMirrorTo() ==
                            s.GlowButtonAppearance().ColorMirrorTo() &&
                        s.CompactGlowButtonAppearance().ColorHot() ==
                            s.GlowButtonAppearance().ColorHot());
         },
         1, 1, 1},
    };
    return rows;
}

TEST(OfficeToolBarStyler, TheMainWindowsThreeLooksAsTabled) {
    for (int look = 0; look < 3; ++look) {
        Styler styler;
        styler.SetStyle(static_cast<S>(look));
        for (const SetRow& row : ThreeLooks()) {
            const int expected = look == 0 ? row.blue : look == 1 ? row.silver : row.olive;
            EXPECT_EQ(row.read(styler), expected) << row.name << " in look " << look;
        }
    }
}

TEST(OfficeToolBarStyler, BlueTellingRowsOfThePagerLook) {
    Styler styler;
    const TTabAppearance& tab = styler.TabAppearance();
    const std::vector<std::pair<int, int>> pairs = {
        {tab.BackGround().Color(), 0xE4AE88},
        {tab.BackGround().ColorTo(), 0xFADAC4},
        {tab.ColorSelected(), 0xFEF6F0},
        {tab.ColorSelectedTo(), 0xFAF1E9},
        {tab.BorderColorHot(), clHighlight},
        {tab.TextColorDisabled(), 0x808080},
        {styler.PageAppearance().Color(), 0xFDEADA},
        {styler.PageAppearance().ColorTo(), 0xFADAC4},
        {styler.PageAppearance().BorderColor(), 0xE3B28D},
        {styler.PagerCaption().Color(), 0xE4AE88},
        {styler.PagerCaption().ColorMirrorTo(), 0xE4AE88},
        {styler.PagerCaption().BorderColor(), 0xF0CAAE},
        {styler.GroupAppearance().Color(), 0xFDEADA},
        {styler.GroupAppearance().ColorTo(), 0xF1DECC},
        {styler.GroupAppearance().ColorMirror(), 0xF1DECC},
        {styler.GroupAppearance().ColorMirrorTo(), 0xFDEADA},
        {styler.GroupAppearance().BorderColor(), 0xC2C2C2},
        {int(styler.GroupAppearance().TabAppearance().GradientMirrorHot()), kGV},
    };
    for (std::size_t i = 0; i < pairs.size(); ++i)
        EXPECT_EQ(pairs[i].first, pairs[i].second) << "row " << i;
}

TEST(OfficeToolBarStyler, TellingRowsAndCodesOfTheOtherLooks) {
    struct Row {
        S style;
        int code;
        TColor color, colorTo, dock, dockTo, floatingBorder;
        int floatingWidth;
        bool rounded;
        TDragGripStyle grip;
        int bevel;
        bool showBevel;
        TColor borderColor;  // clDefault: kept (clNone from the XP set under the blue one)
        TColor glowBorderChecked;
    };
    const Row rows[] = {
        {S::bsOffice2003Classic, 8, 0xFFFFFF, 0xC9D1D5, 0xD2BDB6, 0xD2BDB6, 0x828F92, 2, true,
         TDragGripStyle::dsDots, 0, false, clDefault, 0x000000},
        {S::bsOffice2007Luna, 4, 0xEDD8C7, 0xF6E9D9, 0xEDD8C7, 0xFAF1E9, 0xE3B28D, 1, true,
         TDragGripStyle::dsNone, 0, false, 0xDFD2C5, 0x45667B},
        {S::bsOffice2007Obsidian, 5, 0xC5BBB4, 0xECECE5, 0xCFC6C1, 0xC5BBB4, 0xB4B0AE, 1, true,
         TDragGripStyle::dsNone, 0, false, 0xB4B0AE, 0x45667B},
        {S::bsWindowsXP, 6, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight, 2, false,
         TDragGripStyle::dsSingleLine, 2, true, clDefault, 0x000000},
        {S::bsOfficeXP, 6, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight, 2, false,
         TDragGripStyle::dsSingleLine, 2, true, clDefault, 0x000000},
        {S::bsWhidbeyStyle, 7, 0xF5F9FA, 0xA8C0C0, 0xD7E5E5, 0xE7F2F3, 0x828F92, 2, true,
         TDragGripStyle::dsDots, 0, false, clDefault, 0x000000},
        {S::bsOffice2007Silver, 9, 0xE7DCD5, 0xF4F4EE, 0xEDD8C7, 0xFAF1E9, 0xE3B28D, 1, true,
         TDragGripStyle::dsNone, 0, false, 0x939291, 0x45667B},
    };
    for (const Row& row : rows) {
        Styler styler;
        styler.SetStyle(row.style);
        const int n = static_cast<int>(row.style);
        EXPECT_EQ(styler.ComponentStyleCode(), row.code) << n;
        EXPECT_EQ(styler.Color().Color(), row.color) << n;
        EXPECT_EQ(styler.Color().ColorTo(), row.colorTo) << n;
        EXPECT_EQ(styler.DockColor().Color(), row.dock) << n;
        EXPECT_EQ(styler.DockColor().ColorTo(), row.dockTo) << n;
        EXPECT_EQ(styler.FloatingWindowBorderColor(), row.floatingBorder) << n;
        EXPECT_EQ(styler.FloatingWindowBorderWidth(), row.floatingWidth) << n;
        EXPECT_EQ(styler.RoundedEdges(), row.rounded) << n;
        EXPECT_EQ(styler.DragGripStyle(), row.grip) << n;
        EXPECT_EQ(styler.ToolBarBevel(), row.bevel) << n;
        EXPECT_EQ(styler.ShowToolBarBevel(), row.showBevel) << n;
        EXPECT_EQ(styler.BorderColor(), row.borderColor == clDefault ? clNone : row.borderColor)
            << n;
        EXPECT_EQ(styler.GlowButtonAppearance().BorderColorChecked(), row.glowBorderChecked) << n;
    }
}

// Switched from Silver or Olive, whose sets keep the right handle's down
// colours, BorderColor and the glow's checked border (set by hand here to
// tell them apart): each look writes what its set names and keeps the rest.
TEST(OfficeToolBarStyler, LooksWrittenOverSilverOrOlive) {
    constexpr int kKept = -1;  // the value set by hand stays
    constexpr int kOpen = -2;  // the implementer's choice: not checked
    struct Row {
        S from, to;
        int down, downTo, border, glowChecked, buttonHot;
    };
    const Row rows[] = {
        {S::bsOffice2003Silver, S::bsOffice2003Blue, 0x087FE8, 0x7CDAF7, kKept, kKept, 0xCCF4FF},
        {S::bsOffice2003Olive, S::bsOffice2003Blue, 0x087FE8, 0x7CDAF7, kKept, kKept, 0xCCF4FF},
        {S::bsOffice2003Silver, S::bsOffice2003Olive, kKept, kKept, kKept, kKept, 0xCCF4FF},
        {S::bsOffice2003Olive, S::bsOffice2003Silver, kKept, kKept, kKept, kKept, 0xCCF4FF},
        {S::bsOffice2003Silver, S::bsOffice2007Luna, kOpen, kOpen, 0xDFD2C5, 0x45667B, kKept},
        {S::bsOffice2003Olive, S::bsOffice2007Obsidian, kOpen, kOpen, 0xB4B0AE, 0x45667B, kKept},
        {S::bsOffice2003Silver, S::bsOffice2007Silver, kOpen, kOpen, 0x939291, 0x45667B, kKept},
        {S::bsOffice2003Olive, S::bsWindowsXP, kOpen, kOpen, kKept, 0x000000, kOpen},
        {S::bsOffice2003Silver, S::bsOffice2003Classic, kOpen, kOpen, kKept, kOpen, kOpen},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(int(row.from)) + " to " + std::to_string(int(row.to)));
        Styler styler;
        styler.SetStyle(row.from);
        const int mark = 0x123450;
        styler.SetRightHandleColorDown(mark);
        styler.SetRightHandleColorDownTo(mark + 1);
        styler.SetBorderColor(mark + 2);
        styler.GlowButtonAppearance().SetBorderColorChecked(mark + 3);
        styler.ButtonAppearance().SetColorHot(mark + 4);
        styler.SetStyle(row.to);
        const std::pair<int, int> values[] = {
            {styler.RightHandleColorDown(), row.down},
            {styler.RightHandleColorDownTo(), row.downTo},
            {styler.BorderColor(), row.border},
            {styler.GlowButtonAppearance().BorderColorChecked(), row.glowChecked},
            {styler.ButtonAppearance().ColorHot(), row.buttonHot},
        };
        for (int i = 0; i < 5; ++i) {
            const int expected = values[i].second == kKept ? mark + i : values[i].second;
            if (values[i].second != kOpen) {
                EXPECT_EQ(values[i].first, expected) << "value " << i;
            }
        }
    }
}

TEST(OfficeToolBarStyler, StyleWritesAndTheirBroadcasts) {
    Styler styler;
    RecordingReceiver receiver;
    styler.AddControl(&receiver);

    // A new styler: the blue set over the XP one, glow sets equal.
    EXPECT_EQ(styler.Style(), S::bsOffice2003Blue);
    EXPECT_EQ(styler.GlowButtonAppearance().BorderColorChecked(), 0x000000);
    EXPECT_EQ(styler.BorderColor(), clNone);

    // The style in force: nothing, and a colour set by hand stays.
    styler.Color().SetColor(0x123456);
    receiver.codes.clear();
    styler.SetStyle(S::bsOffice2003Blue);
    EXPECT_TRUE(receiver.codes.empty());
    EXPECT_EQ(styler.Color().Color(), 0x123456);

    // Custom: no colour, code 8, one broadcast.
    styler.SetStyle(S::bsCustom);
    EXPECT_EQ(receiver.codes, (Codes{2}));
    EXPECT_EQ(styler.Style(), S::bsCustom);
    EXPECT_EQ(styler.ComponentStyleCode(), 8);
    EXPECT_EQ(styler.Color().Color(), 0x123456);

    // A full switch sends the codes of its writes and ends with code 2.
    receiver.codes.clear();
    styler.SetStyle(S::bsOffice2003Silver);
    ASSERT_FALSE(receiver.codes.empty());
    EXPECT_EQ(receiver.codes.back(), 2);
    const std::set<int> sent(receiver.codes.begin(), receiver.codes.end());
    EXPECT_EQ(sent, (std::set<int>{2, 10, 11}));

    // The 2007 looks keep the button colours of the look before.
    const TColor hot = styler.ButtonAppearance().ColorHot();
    styler.ButtonAppearance().SetColorHot(0x0A0B0C);
    styler.SetStyle(S::bsOffice2007Luna);
    EXPECT_EQ(styler.ButtonAppearance().ColorHot(), 0x0A0B0C);
    EXPECT_NE(hot, 0x0A0B0C);
    // ... and only they give the compact glow set colours of its own.
    EXPECT_NE(styler.CompactGlowButtonAppearance().ColorHot(),
              styler.GlowButtonAppearance().ColorHot());
    EXPECT_EQ(styler.CompactGlowButtonAppearance().Color(), styler.GlowButtonAppearance().Color());
}

TEST(OfficeToolBarStyler, StyleCodesAndThemeAdaptation) {
    Styler styler;
    styler.SetComponentStyle(2);
    EXPECT_EQ(styler.Style(), S::bsOffice2003Olive);
    styler.SetComponentStyle(11);
    styler.SetComponentStyle(255);
    EXPECT_EQ(styler.Style(), S::bsOffice2003Olive);
    styler.SetComponentStyle(10);
    EXPECT_EQ(styler.Style(), S::bsOffice2007Silver);

    // This desktop has no visual styles: an adapting styler takes Classic.
    Styler desktop;
    desktop.SetAutoThemeAdapt(true);
    desktop.ThemeChanged();
    EXPECT_EQ(desktop.Style(), S::bsOffice2003Classic);

    int scheme = 0;
    Styler adapting;
    adapting.SetThemeQuery([&] { return scheme; });
    scheme = 2;
    adapting.ThemeChanged();  // not adapting: nothing
    EXPECT_EQ(adapting.Style(), S::bsOffice2003Blue);
    adapting.SetAutoThemeAdapt(true);
    const std::pair<int, S> answers[] = {{2, S::bsOffice2003Olive},
                                         {3, S::bsOffice2003Silver},
                                         {1, S::bsOffice2003Blue},
                                         {7, S::bsOffice2003Classic}};
    for (const auto& [answer, style] : answers) {
        scheme = answer;
        adapting.ThemeChanged();
        EXPECT_EQ(adapting.Style(), style) << answer;
    }
    // Loading ends with an adaptation.
    scheme = 3;
    adapting.BeginLoading();
    adapting.EndLoading();
    EXPECT_EQ(adapting.Style(), S::bsOffice2003Silver);
}

// The styler hears of a desktop theme change through its hidden notifier
// window, which its form's window tells.
TEST(OfficeToolBarStyler, AdaptsWhenItsFormHearsOfAThemeChange) {
    QWidget form;
    auto* styler = new Styler(&form);
    styler->SetThemeQuery([] { return 2; });  // "HomeStead"
    styler->SetAutoThemeAdapt(true);
    form.show();
    VX_WAIT_TRUE(form.windowHandle() != nullptr && form.windowHandle()->isExposed(),
                 test::kStateWaitMs);
    ASSERT_NE(styler->NotifierWindow(), nullptr);
    EXPECT_EQ(styler->NotifierWindow()->parent(), &form);
    QEvent change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(form.windowHandle(), &change);
    EXPECT_EQ(styler->Style(), S::bsOffice2003Olive);

    // A styler with no window among its owners has a notifier without a
    // parent, which hears nothing of the form's theme.
    Styler alone;
    alone.SetThemeQuery([] { return 3; });
    alone.SetAutoThemeAdapt(true);
    ASSERT_NE(alone.NotifierWindow(), nullptr);
    EXPECT_EQ(alone.NotifierWindow()->parent(), nullptr);
    QCoreApplication::sendEvent(form.windowHandle(), &change);
    EXPECT_EQ(alone.Style(), S::bsOffice2003Blue);
}

}  // namespace
}  // namespace vx
