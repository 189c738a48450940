#include "styling/menus/qt/FxMenuStylers.h"

#include "platform/DesktopTheme.h"
#include "platform/qt/NotifierWindow.h"

namespace vx {
namespace {

using menus::TGradientDirection;

std::function<int()>& ThemeAnswer() {
    static std::function<int()> answer;
    return answer;
}

// The three office 2003 sets, which the main window switches between.
struct Office2003Set {
    TColor background;
    TColor menuBorder;
    TColor rootColor, rootColorTo;
    TColor rootSelected, rootSelectedTo, rootSelectedBorder;
    TColor selectedBorder;
    TColor checkBorder;  // of the selected item and the icon bar, check and radio
    TColor iconBar, iconBarTo;
    TColor separator;
};

constexpr Office2003Set kOffice2003[3] = {
    // blue
    {0xF6F6F6, 0x962D00, 0xF5BE9E, 0xF7CDB2, 0xFFEFE3, 0xE7B593, 0x962D00, 0x800000, 0x800000,
     0xFFEFE3, 0xE4AD87, 0xCB8C6A},
    // silver (its selected item's border is 0x080000, as the set has always had it)
    {0xF6F6F6, 0x5E8D75, 0xE5D7D7, 0xF7F3F3, 0xF1E9E8, 0xCDB9BA, 0x947C7C, 0x080000, 0x6F4B4B,
     0xFFF9F9, 0xB99D9F, 0x8F6D6E},
    // olive
    {0xF6F6F6, 0x5E8D75, 0xA8D9D9, 0xE4F0F2, 0xD5F0EC, 0x9FCEC2, 0x5E8D75, 0x385D3F, 0x385D3F,
     0xEDFFFF, 0x92C7B8, 0x588060},
};

void SetPair(TGradientBar& bar, TColor color, TColor colorTo) {
    bar.SetColor(color);
    bar.SetColorTo(colorTo);
}

void SetRootGroup(TRootItem& root, bool selected, TColor c, TColor cTo, TColor m, TColor mTo) {
    const TColor values[4] = {c, cTo, m, mTo};
    for (int i = 0; i < 4; ++i) {
        if (selected)
            root.SetSelectedColor(i, values[i]);
        else
            root.SetHoverColor(i, values[i]);
    }
}

}  // namespace

int DetectDesktopTheme() {
    return ThemeAnswer() ? ThemeAnswer()() : OfficeThemeNumber();
}

void SetDesktopThemeAnswer(std::function<int()> answer) {
    ThemeAnswer() = std::move(answer);
}

TFxMenuOfficeStyler::TFxMenuOfficeStyler(QObject* owner) : TCustomFxMenuStyler(owner) {
    SetStyle(TOfficeStyle::osOffice2003Blue);
    notifier_ = NewNotifierWindow(this, [this](QObject*) { ThemeChanged(); });
}

TFxMenuOfficeStyler::~TFxMenuOfficeStyler() {
    delete notifier_.data();
}

void TFxMenuOfficeStyler::SetStyle(TOfficeStyle value) {
    style_ = value;
    if (value != TOfficeStyle::osCustom) ApplyColorSet(value);
    RedrawMenuBars();
}

void TFxMenuOfficeStyler::Loaded() {
    TCustomFxMenuStyler::Loaded();
    ThemeAdapt();
}

void TFxMenuOfficeStyler::ThemeAdapt() {
    if (!autoThemeAdapt_) return;
    switch (DetectDesktopTheme()) {
        case 1:
            SetStyle(TOfficeStyle::osOffice2003Blue);
            break;
        case 2:
            SetStyle(TOfficeStyle::osOffice2003Olive);
            break;
        case 3:
            SetStyle(TOfficeStyle::osOffice2003Silver);
            break;
        default:
            SetStyle(TOfficeStyle::osOfficeXP);
            break;
    }
}

void TFxMenuOfficeStyler::SetComponentStyle(std::uint8_t style) {
    static constexpr int kNothing = -1;
    static constexpr int kByCode[10] = {0, 1, 2, 3, 4, 5, 3, 3, kNothing, 7};
    const int code = style & 0x7F;
    if (code >= 10 || kByCode[code] == kNothing) return;
    SetStyle(static_cast<TOfficeStyle>(kByCode[code]));
}

void TFxMenuOfficeStyler::ApplyColorSet(TOfficeStyle style) {
    TRootItem& root = RootItem();
    TSelectedItem& sel = SelectedItem();
    TIconBar& icon = IconBar();
    const int n = static_cast<int>(style);

    if (n <= 2) {
        const Office2003Set& s = kOffice2003[n];
        SetPair(Background(), s.background, s.background);
        SetMenuBorderColor(s.menuBorder);
        SetPair(root, s.rootColor, s.rootColorTo);
        SetRootGroup(root, true, s.rootSelected, s.rootSelectedTo, clNone, clNone);
        root.SetSelectedBorderColor(s.rootSelectedBorder);
        SetRootGroup(root, false, 0xCCF4FF, 0x9AD6FF, clNone, clNone);
        root.SetHoverBorderColor(0x6F4B4B);
        root.SetHoverTextColor(clWindowText);
        root.SetGradientDirection(TGradientDirection::gdHorizontal);
        SetPair(sel, 0xC2EEFF, clNone);
        sel.SetBorderColor(s.selectedBorder);
        for (int i = 0; i < 2; ++i) {
            sel.SetCheckColor(i, i == 0 ? 0x3E80FE : clNone);
            sel.SetRadioColor(i, i == 0 ? 0x3E80FE : clNone);
            icon.SetCheckColor(i, i == 0 ? 0x6FC0FF : clNone);
            icon.SetRadioColor(i, i == 0 ? 0x6FC0FF : clNone);
        }
        sel.SetCheckBorder(s.checkBorder);
        sel.SetRadioBorder(s.checkBorder);
        sel.SetColorMirror(clNone);
        sel.SetColorMirrorTo(clNone);
        SetPair(icon, s.iconBar, s.iconBarTo);
        icon.SetSize(24);
        icon.SetCheckBorder(s.checkBorder);
        icon.SetRadioBorder(s.checkBorder);
        SetPair(Separator(), s.separator, clNone);
        return;
    }

    if (style == TOfficeStyle::osOfficeXP) {
        SetPair(Background(), clWindow, clWindow);
        SetMenuBorderColor(0x808080);
        SetPair(root, clBtnFace, clBtnFace);
        root.SetSelectedColor(0, clBtnFace);
        root.SetSelectedColor(1, clNone);
        root.SetSelectedBorderColor(0x7A868A);
        SetRootGroup(root, false, 0xEFD3C6, clNone, clNone, clNone);
        root.SetHoverBorderColor(0xC66931);
        root.SetHoverTextColor(clWindowText);
        SetPair(sel, 0xEFD3C6, clNone);
        sel.SetColorMirror(clNone);
        sel.SetColorMirrorTo(clNone);
        sel.SetBorderColor(0xC66931);
        sel.SetCheckColor(0, 0xEFD3C6);
        sel.SetCheckColor(1, clNone);
        sel.SetRadioColor(0, 0xEFD3C6);
        sel.SetRadioColor(1, clNone);
        sel.SetCheckBorder(0xEFD3C6);
        sel.SetRadioBorder(0xEFD3C6);
        SetPair(icon, clBtnFace, clNone);
        icon.SetSize(24);
        icon.SetCheckColor(0, clBtnFace);
        icon.SetCheckColor(1, clNone);
        icon.SetCheckBorder(clBtnFace);
        SetPair(Separator(), 0x7A868A, clNone);
        return;
    }

    // The three 2007 sets: mirrored gradients and a vertical menu bar.
    const bool obsidian = style == TOfficeStyle::osOffice2007Obsidian;
    const bool silver = style == TOfficeStyle::osOffice2007Silver;
    const TColor background = silver ? 0xFAFAFA : 0xF6F6F6;
    SetPair(Background(), background, background);
    SetMenuBorderColor(silver ? 0x868686 : 0xC0C0C0);
    if (obsidian)
        SetPair(root, 0xB8B8B6, 0xA0A09E);
    else
        SetPair(root, 0xF2DAC2, 0xF0D9C1);
    root.SetGradientDirection(TGradientDirection::gdVertical);
    SetRootGroup(root, true, 0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD);
    root.SetSelectedBorderColor(0x45667B);
    SetRootGroup(root, false, 0xEBFDFF, 0xABEBFF, 0x69D6FF, 0x96E4FF);
    root.SetHoverBorderColor(0x99CEDB);
    SetPair(sel, 0xEBFDFF, 0xABEBFF);
    sel.SetColorMirror(0x69D6FF);
    sel.SetColorMirrorTo(0x96E4FF);
    sel.SetBorderColor(0x99CEDB);
    for (int i = 0; i < 2; ++i) {
        sel.SetCheckColor(i, i == 0 ? 0x3E80FE : clNone);
        sel.SetRadioColor(i, i == 0 ? 0x3E80FE : clNone);
        icon.SetCheckColor(i, i == 0 ? 0x6FC0FF : clNone);
        icon.SetRadioColor(i, i == 0 ? 0x6FC0FF : clNone);
    }
    sel.SetCheckBorder(0x800000);
    sel.SetRadioBorder(0x800000);
    icon.SetCheckBorder(0x800000);
    icon.SetRadioBorder(0x800000);
    const TColor iconBar = silver ? 0xEFEFEF : 0xEEEEE9;
    SetPair(icon, iconBar, iconBar);
    icon.SetSeparatorColor(0xC5C5C5);
    Separator().SetColor(0xC5C5C5);
}

}  // namespace vx
