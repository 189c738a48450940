#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"

#include <array>
#include <optional>
#include <string>

#include "platform/DesktopTheme.h"
#include "platform/qt/NotifierWindow.h"

namespace vx {
namespace {

using toolbar::TGradientDirection;
using Kept = std::optional<TColor>;

struct ButtonSet {
    TColor color, colorTo, colorDown, colorDownTo, colorHot, colorHotTo, colorChecked,
        colorCheckedTo, text, border;
};

struct CaptionSet {
    TColor color, colorTo, border, hot, hotTo, text, textHot;
};

// One glow state: main gradient, mirror gradient and border.
struct GlowState {
    TColor color, colorTo, mirror, mirrorTo, border;
};

struct PagerSet {
    TColor tabFrom, tabTo, selectedFrom, selectedTo, page, pageTo, pageBorder, caption,
        captionBorder, group, groupTo, groupBorder;
};

// One office colour set. An empty optional leaves the styler's value as the
// previous style left it.
struct OfficeSet {
    std::uint8_t componentStyleCode;
    TColor color, colorTo;
    std::optional<int> colorSteps;
    TColor dockColor, dockColorTo;
    std::array<Kept, 6> rightHandle;  // normal, to, hot, hot to, down, down to
    TColor floatingBorderColor;
    int floatingBorderWidth;
    bool roundedEdges;
    TDragGripStyle dragGrip;
    std::uint8_t bevel;
    bool showBevel;
    TColor colorHot, colorHotTo;
    Kept borderColorHot;
    Kept borderColor;
    CaptionSet caption;
    std::optional<ButtonSet> button;
    GlowState glow;
    bool sharedGlow;  // hot, down and checked from the shared set
    Kept glowBorderChecked;
    std::optional<GlowState> compactHot, compactDown, compactChecked;  // the 2007 looks only
    PagerSet pager;
};

// The hot, down and checked glow colours of the 2003 looks and Whidbey.
constexpr GlowState kSharedGlowHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
constexpr GlowState kSharedGlowDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr GlowState kSharedGlowChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B};

constexpr CaptionSet kOffice2003Caption{clHighlight, clHighlight, clHighlight, 0xCCF4FF,
                                        0x91D0FF,    0xFFFFFF,    0x000000};

ButtonSet Office2003Buttons(TColor color, TColor colorTo, TColor border) {
    return {color,    colorTo,  0x4E91FE, 0x91D3FF, 0xCCF4FF,
            0x91D0FF, 0x8CD5FF, 0x58AFFF, 0x000000, border};
}

// The pager look built from a set's own colours (the blue look has its own).
PagerSet PagerOf(TColor color, TColor colorTo, TColor dockColor, TColor dockColorTo,
                 TColor border) {
    return {colorTo, dockColorTo, color,  dockColorTo, color,     dockColorTo,
            border,  colorTo,     border, color,       dockColor, 0xC2C2C2};
}

OfficeSet SetOf(TToolBarStyle style) {
    using S = TToolBarStyle;
    switch (style) {
        case S::bsOffice2003Blue:
            return {0,
                    0xFDEADA,
                    0xE4AE88,
                    16,
                    0xF5BFA0,
                    0xFADAC4,
                    {0xF1A675, 0x913500, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0x913500,
                    2,
                    true,
                    TDragGripStyle::dsDots,
                    0,
                    false,
                    0xFFF1E6,
                    0xFAEADE,
                    0xE0C7AD,
                    {},
                    kOffice2003Caption,
                    Office2003Buttons(0xFDEADA, 0xE4AE88, 0x800000),
                    {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B},
                    true,
                    {},
                    {},
                    {},
                    {},
                    {0xE4AE88, 0xFADAC4, 0xFEF6F0, 0xFAF1E9, 0xFDEADA, 0xFADAC4, 0xE3B28D, 0xE4AE88,
                     0xF0CAAE, 0xFDEADA, 0xF1DECC, 0xC2C2C2}};
        case S::bsOffice2003Silver:
            return {1,
                    0xECE2E1,
                    0xB39698,
                    16,
                    0xE6D8D8,
                    0xF7F3F3,
                    {0xC8B2B3, 0x927476, 0xD3F8FF, 0x76C1FF, {}, {}},
                    0x927476,
                    2,
                    true,
                    TDragGripStyle::dsDots,
                    0,
                    false,
                    0xE6D8D8,
                    0xE6D8D8,
                    0xF7F3F3,
                    {},
                    kOffice2003Caption,
                    Office2003Buttons(0xECE2E1, 0xB39698, 0x6F4B4B),
                    {0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476},
                    true,
                    {},
                    {},
                    {},
                    {},
                    PagerOf(0xECE2E1, 0xB39698, 0xE6D8D8, 0xF7F3F3, 0x927476)};
        case S::bsOffice2003Olive: {
            CaptionSet caption = kOffice2003Caption;
            caption.border = 0xFFFFFF;
            return {2,
                    0xCFF0EA,
                    0x8CC0B1,
                    16,
                    0xAADADA,
                    0xE4F1F2,
                    {0x8CC2B0, 0x6B7760, 0xD3F8FF, 0x76C1FF, {}, {}},
                    0x6B7760,
                    2,
                    true,
                    TDragGripStyle::dsDots,
                    0,
                    false,
                    0xCFF0EA,
                    0xCFF0EA,
                    0x8CC0B1,
                    {},
                    caption,
                    Office2003Buttons(0xCFF0EA, 0x8CC0B1, 0x385D3F),
                    {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1},
                    true,
                    {},
                    {},
                    {},
                    {},
                    PagerOf(0xCFF0EA, 0x8CC0B1, 0xAADADA, 0xE4F1F2, 0x6B7760)};
        }
        case S::bsOffice2003Classic:
            return {8,
                    0xFFFFFF,
                    0xC9D1D5,
                    16,
                    0xD2BDB6,
                    0xD2BDB6,
                    {0xC9D1D5, 0x828F92, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0x828F92,
                    2,
                    true,
                    TDragGripStyle::dsDots,
                    0,
                    false,
                    0xFFFFFF,
                    0xFFFFFF,
                    0x6F4B4B,
                    {},
                    {clHighlight, clHighlight, clHighlight, 0xD2BDB6, 0xD2BDB6, 0xFFFFFF, 0x000000},
                    ButtonSet{0xFFFFFF, 0xC9D1D5, 0xB59285, 0xB59285, 0xD2BDB6, 0xD2BDB6, 0xD8D5D4,
                              0xD8D5D4, 0x000000, 0x6A240A},
                    {0xFFFFFF, 0xF1F1F1, 0xE6E6E6, 0xC9D1D5, 0x828F92},
                    false,
                    {},
                    {},
                    {},
                    {},
                    PagerOf(0xFFFFFF, 0xC9D1D5, 0xD2BDB6, 0xD2BDB6, 0x828F92)};
        case S::bsOffice2007Luna:
            return {4,
                    0xEDD8C7,
                    0xF6E9D9,
                    {},
                    0xEDD8C7,
                    0xFAF1E9,
                    {0xF6E9D9, 0xE3B28D, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0xE3B28D,
                    1,
                    true,
                    TDragGripStyle::dsNone,
                    0,
                    false,
                    0xF6E9D9,
                    0xEDD8C7,
                    0xDFD2C5,
                    0xDFD2C5,
                    {0xEDD8C7, 0xF6E9D9, 0xE3B28D, 0xDCFFFF, 0x5BC0F7, 0x8B4215, 0x000000},
                    {},
                    {0xF7EFE8, 0xF2E6DB, 0xEDD8C7, 0xF6E9D9, 0xDFD2C5},
                    false,
                    0x45667B,
                    GlowState{0xDCFFFF, 0xC7F4FF, 0x6BD4FF, 0xA7E7FF, 0x99CEDB},
                    GlowState{0x5BC0F7, 0x3AA2F5, 0x1A7EF3, 0x4EB2FD, 0x45667B},
                    GlowState{0x9BD6FD, 0x72C3FE, 0x3E9EFD, 0x5AB6FE, 0x45667B},
                    PagerOf(0xEDD8C7, 0xF6E9D9, 0xEDD8C7, 0xFAF1E9, 0xE3B28D)};
        case S::bsOffice2007Obsidian:
            return {5,
                    0xC5BBB4,
                    0xECECE5,
                    {},
                    0xCFC6C1,
                    0xC5BBB4,
                    {0xECECE5, 0xB4B0AE, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0xB4B0AE,
                    1,
                    true,
                    TDragGripStyle::dsNone,
                    0,
                    false,
                    0xECECE5,
                    0xC5BBB4,
                    0xB4B0AE,
                    0xB4B0AE,
                    {0xC5BBB4, 0xECECE5, 0xB4B0AE, 0xDCFFFF, 0x5BC0F7, 0x000000, 0x000000},
                    {},
                    {0xE7E4E2, 0xDBD5D2, 0xC5BBB4, 0xECECE5, 0xB4B0AE},
                    false,
                    0x45667B,
                    {},
                    {},
                    {},
                    PagerOf(0xC5BBB4, 0xECECE5, 0xCFC6C1, 0xC5BBB4, 0xB4B0AE)};
        case S::bsWindowsXP:
        case S::bsOfficeXP:
            return {6,
                    clBtnFace,
                    clBtnFace,
                    64,
                    clBtnFace,
                    clBtnFace,
                    {clBtnShadow, clBtnShadow, 0xD2BDB6, 0xD2BDB6, 0xB59285, 0xB59285},
                    clHighlight,
                    2,
                    false,
                    TDragGripStyle::dsSingleLine,
                    2,
                    true,
                    0xD2BDB6,
                    0xD2BDB6,
                    clHighlight,
                    {},
                    {clHighlight, clHighlight, clHighlight, 0xD2BDB6, 0xD2BDB6, 0xFFFFFF, 0x000000},
                    ButtonSet{clBtnFace, clBtnFace, 0xB59285, 0xB59285, 0xD2BDB6, 0xD2BDB6,
                              0xD8D5D4, 0xD8D5D4, 0x000000, 0x6A240A},
                    {0xF2F2F2, 0xF2F2F2, 0xE6E6E6, 0xD6D6D6, 0xC0C0C0},
                    false,
                    0x000000,
                    {},
                    {},
                    {},
                    PagerOf(clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnShadow)};
        case S::bsWhidbeyStyle:
            return {7,
                    0xF5F9FA,
                    0xA8C0C0,
                    16,
                    0xD7E5E5,
                    0xE7F2F3,
                    {0xA8C0C0, 0x828F92, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0x828F92,
                    2,
                    true,
                    TDragGripStyle::dsDots,
                    0,
                    false,
                    0xF5F9FA,
                    0xF5F9FA,
                    0x6F4B4B,
                    {},
                    kOffice2003Caption,
                    Office2003Buttons(0xF5F9FA, 0xA8C0C0, 0x6F4B4B),
                    {0xF5F9FA, 0xEBF0F0, 0xD7E5E5, 0xA8C0C0, 0x828F92},
                    true,
                    {},
                    {},
                    {},
                    {},
                    PagerOf(0xF5F9FA, 0xA8C0C0, 0xD7E5E5, 0xE7F2F3, 0x828F92)};
        case S::bsOffice2007Silver:
            return {9,
                    0xE7DCD5,
                    0xF4F4EE,
                    {},
                    0xEDD8C7,
                    0xFAF1E9,
                    {0xF4F4EE, 0xE3B28D, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7},
                    0xE3B28D,
                    1,
                    true,
                    TDragGripStyle::dsNone,
                    0,
                    false,
                    0xF4F4EE,
                    0xE7DCD5,
                    0x939291,
                    0x939291,
                    {0xE7DCD5, 0xF4F4EE, 0x939291, 0xDCFFFF, 0x5BC0F7, 0x000000, 0x000000},
                    {},
                    {0xF8F5F3, 0xF1EDEA, 0xE7DCD5, 0xF4F4EE, 0x939291},
                    false,
                    0x45667B,
                    GlowState{0xDCFFFF, 0xC7F4FF, 0x6BD4FF, 0xA7E7FF, 0x99CEDB},
                    GlowState{0x5BC0F7, 0x3AA2F5, 0x1A7EF3, 0x4EB2FD, 0x45667B},
                    GlowState{0x9BD6FD, 0x72C3FE, 0x3E9EFD, 0x5AB6FE, 0x45667B},
                    PagerOf(0xE7DCD5, 0xF4F4EE, 0xEDD8C7, 0xFAF1E9, 0x939291)};
        case S::bsCustom:
            break;
    }
    return {};
}

void WriteGlowState(TGlowButtonAppearance& glow, const GlowState& hot, const GlowState& down,
                    const GlowState& checked) {
    glow.SetColorHot(hot.color);
    glow.SetColorHotTo(hot.colorTo);
    glow.SetColorMirrorHot(hot.mirror);
    glow.SetColorMirrorHotTo(hot.mirrorTo);
    glow.SetBorderColorHot(hot.border);
    glow.SetColorDown(down.color);
    glow.SetColorDownTo(down.colorTo);
    glow.SetColorMirrorDown(down.mirror);
    glow.SetColorMirrorDownTo(down.mirrorTo);
    glow.SetBorderColorDown(down.border);
    glow.SetColorChecked(checked.color);
    glow.SetColorCheckedTo(checked.colorTo);
    glow.SetColorMirrorChecked(checked.mirror);
    glow.SetColorMirrorCheckedTo(checked.mirrorTo);
    for (auto set :
         {&TGlowButtonAppearance::SetGradientHot, &TGlowButtonAppearance::SetGradientMirrorHot,
          &TGlowButtonAppearance::SetGradientDown, &TGlowButtonAppearance::SetGradientMirrorDown,
          &TGlowButtonAppearance::SetGradientChecked,
          &TGlowButtonAppearance::SetGradientMirrorChecked})
        (glow.*set)(TGDIPGradient::ggVertical);
}

void WriteTabs(TCustomTabAppearance& tab, const PagerSet& p) {
    tab.BackGround().SetColor(p.tabFrom);
    tab.BackGround().SetColorTo(p.tabTo);
    tab.BackGround().SetDirection(TGradientDirection::gdVertical);
    tab.SetBorderColor(p.pageBorder);
    tab.SetBorderColorHot(clHighlight);
    tab.SetBorderColorSelected(p.pageBorder);
    tab.SetBorderColorSelectedHot(p.pageBorder);
    tab.SetBorderColorDisabled(0xC0C0C0);
    tab.SetBorderColorDown(p.pageBorder);
    tab.SetColor(p.selectedFrom);
    tab.SetColorTo(p.tabTo);
    tab.SetColorSelected(p.selectedFrom);
    tab.SetColorSelectedTo(p.selectedTo);
    tab.SetColorMirror(p.tabTo);
    tab.SetColorMirrorTo(p.selectedFrom);
    tab.SetColorMirrorSelected(p.selectedTo);
    tab.SetColorMirrorSelectedTo(p.selectedFrom);
    tab.SetColorHot(0xCCF4FF);
    tab.SetColorHotTo(0x91D0FF);
    tab.SetColorMirrorHot(0x91D0FF);
    tab.SetColorMirrorHotTo(0xCCF4FF);
    tab.SetColorDisabled(0xF2F2F2);
    tab.SetColorDisabledTo(0xF2F2F2);
    tab.SetColorMirrorDisabled(0xF2F2F2);
    tab.SetColorMirrorDisabledTo(0xF2F2F2);
    for (auto set :
         {&TCustomTabAppearance::SetGradient, &TCustomTabAppearance::SetGradientMirror,
          &TCustomTabAppearance::SetGradientHot, &TCustomTabAppearance::SetGradientMirrorHot,
          &TCustomTabAppearance::SetGradientSelected,
          &TCustomTabAppearance::SetGradientMirrorSelected,
          &TCustomTabAppearance::SetGradientDisabled,
          &TCustomTabAppearance::SetGradientMirrorDisabled})
        (tab.*set)(TGDIPGradient::ggVertical);
    tab.SetTextColor(0x000000);
    tab.SetTextColorHot(0x000000);
    tab.SetTextColorSelected(0x000000);
    tab.SetTextColorDisabled(0x808080);
}

void WritePage(TVistaBackground& page, TColor from, TColor to, TColor border) {
    page.SetColor(from);
    page.SetColorTo(to);
    page.SetColorMirror(to);
    page.SetColorMirrorTo(to);
    page.SetBorderColor(border);
    page.SetGradient(TGDIPGradient::ggVertical);
    page.SetGradientMirror(TGDIPGradient::ggVertical);
}

}  // namespace

int TFxToolBarOfficeStyler::CurrentXPTheme() {
    return OfficeThemeNumber();
}

TFxToolBarOfficeStyler::TFxToolBarOfficeStyler(QObject* owner)
    : TCustomFxToolBarStyler(owner), themeQuery_(CurrentXPTheme) {
    notifier_ = NewNotifierWindow(this, [this](QObject*) { ThemeChanged(); });
    SetStyle(TToolBarStyle::bsWindowsXP);
    SetStyle(TToolBarStyle::bsOffice2003Blue);
}

TFxToolBarOfficeStyler::~TFxToolBarOfficeStyler() {
    delete notifier_.data();
}

void TFxToolBarOfficeStyler::Loaded() {
    TCustomFxToolBarStyler::Loaded();
    ThemeAdapt();
}

void TFxToolBarOfficeStyler::ThemeAdapt() {
    if (!AutoThemeAdapt()) return;
    switch (themeQuery_ ? themeQuery_() : 0) {
        case 1:
            SetStyle(TToolBarStyle::bsOffice2003Blue);
            break;
        case 2:
            SetStyle(TToolBarStyle::bsOffice2003Olive);
            break;
        case 3:
            SetStyle(TToolBarStyle::bsOffice2003Silver);
            break;
        default:
            SetStyle(TToolBarStyle::bsOffice2003Classic);
            break;
    }
}

void TFxToolBarOfficeStyler::SetComponentStyle(std::uint8_t code) {
    if (code >= kToolBarStyleCount) return;
    SetStyle(static_cast<TToolBarStyle>(code));
}

void TFxToolBarOfficeStyler::SetStyle(TToolBarStyle style) {
    if (style == style_) return;
    style_ = style;
    SetComponentStyleCode(8);
    if (style != TToolBarStyle::bsCustom) {
        const OfficeSet set = SetOf(style);
        TGlowButtonAppearance& glow = GlowButtonAppearance();
        if (set.sharedGlow) {
            WriteGlowState(glow, kSharedGlowHot, kSharedGlowDown, kSharedGlowChecked);
            CompactGlowButtonAppearance().Assign(glow);
        }
        SetComponentStyleCode(set.componentStyleCode);

        Color().SetColor(set.color);
        Color().SetColorTo(set.colorTo);
        Color().SetDirection(TGradientDirection::gdVertical);
        if (set.colorSteps) Color().SetSteps(*set.colorSteps);
        DockColor().SetColorTo(set.dockColorTo);
        DockColor().SetColor(set.dockColor);
        DockColor().SetDirection(TGradientDirection::gdHorizontal);
        DockColor().SetSteps(128);
        using Setter = void (TCustomFxToolBarStyler::*)(TColor);
        const Setter handle[6] = {&TCustomFxToolBarStyler::SetRightHandleColor,
                                  &TCustomFxToolBarStyler::SetRightHandleColorTo,
                                  &TCustomFxToolBarStyler::SetRightHandleColorHot,
                                  &TCustomFxToolBarStyler::SetRightHandleColorHotTo,
                                  &TCustomFxToolBarStyler::SetRightHandleColorDown,
                                  &TCustomFxToolBarStyler::SetRightHandleColorDownTo};
        for (int i = 0; i < 6; ++i)
            if (set.rightHandle[i]) (this->*handle[i])(*set.rightHandle[i]);
        SetFloatingWindowBorderColor(set.floatingBorderColor);
        SetFloatingWindowBorderWidth(set.floatingBorderWidth);
        SetRoundedEdges(set.roundedEdges);
        SetDragGripStyle(set.dragGrip);
        SetToolBarBevel(set.bevel);
        SetShowToolBarBevel(set.showBevel);
        ColorHot().SetColor(set.colorHot);
        ColorHot().SetColorTo(set.colorHotTo);
        ColorHot().SetDirection(TGradientDirection::gdVertical);
        if (set.borderColorHot) SetBorderColorHot(*set.borderColorHot);
        if (set.borderColor) SetBorderColor(*set.borderColor);

        TCaptionAppearance& caption = CaptionAppearance();
        caption.SetCaptionColor(set.caption.color);
        caption.SetCaptionColorTo(set.caption.colorTo);
        caption.SetCaptionBorderColor(set.caption.border);
        caption.SetCaptionColorHot(set.caption.hot);
        caption.SetCaptionColorHotTo(set.caption.hotTo);
        caption.SetCaptionTextColor(set.caption.text);
        caption.SetCaptionTextColorHot(set.caption.textHot);

        if (set.button) {
            const ButtonSet& b = *set.button;
            TButtonAppearance& button = ButtonAppearance();
            button.SetColor(b.color);
            button.SetColorTo(b.colorTo);
            button.SetColorDown(b.colorDown);
            button.SetColorDownTo(b.colorDownTo);
            button.SetColorHot(b.colorHot);
            button.SetColorHotTo(b.colorHotTo);
            button.SetColorChecked(b.colorChecked);
            button.SetColorCheckedTo(b.colorCheckedTo);
            button.SetCaptionTextColor(b.text);
            button.SetCaptionTextColorChecked(b.text);
            button.SetCaptionTextColorDown(b.text);
            button.SetCaptionTextColorHot(b.text);
            button.SetBorderDownColor(b.border);
            button.SetBorderHotColor(b.border);
            button.SetBorderCheckedColor(b.border);
        }

        glow.SetColor(set.glow.color);
        glow.SetColorTo(set.glow.colorTo);
        glow.SetColorMirror(set.glow.mirror);
        glow.SetColorMirrorTo(set.glow.mirrorTo);
        glow.SetBorderColor(set.glow.border);
        glow.SetGradient(TGDIPGradient::ggVertical);
        glow.SetGradientMirror(TGDIPGradient::ggVertical);
        if (set.glowBorderChecked) glow.SetBorderColorChecked(*set.glowBorderChecked);
        CompactGlowButtonAppearance().Assign(glow);
        if (set.compactHot)
            WriteGlowState(CompactGlowButtonAppearance(), *set.compactHot, *set.compactDown,
                           *set.compactChecked);

        const PagerSet& p = set.pager;
        WriteTabs(TabAppearance(), p);
        WritePage(PageAppearance(), p.page, p.pageTo, p.pageBorder);
        TVistaTextBackground& pager = PagerCaption();
        WritePage(pager, p.caption, p.caption, p.captionBorder);
        pager.SetColorMirror(p.caption);
        pager.SetColorMirrorTo(p.caption);
        pager.SetTextColor(0x000000);
        TGroupAppearance& group = GroupAppearance();
        group.SetColor(p.group);
        group.SetColorTo(p.groupTo);
        group.SetColorMirror(p.groupTo);
        group.SetColorMirrorTo(p.group);
        group.SetBorderColor(p.groupBorder);
        group.SetGradient(TGDIPGradient::ggVertical);
        group.SetGradientMirror(TGDIPGradient::ggVertical);
        group.SetTextColor(0x000000);
        WriteTabs(group.TabAppearance(), p);
        WritePage(group.PageAppearance(), p.page, p.pageTo, p.pageBorder);
        group.CaptionAppearance().SetCaptionColor(p.tabFrom);
        group.CaptionAppearance().SetCaptionColorTo(p.tabTo);
        group.CaptionAppearance().SetCaptionTextColor(0x000000);
        group.ToolBarAppearance().Color().SetColor(set.color);
        group.ToolBarAppearance().Color().SetColorTo(set.colorTo);
        group.ToolBarAppearance().SetBorderColor(p.pageBorder);
    }
    NotifyControls(TStyleChange::kColors);
}

}  // namespace vx
