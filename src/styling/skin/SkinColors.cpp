#include "styling/skin/SkinColors.h"

#include <algorithm>

namespace vx {
namespace {

int Clamp255(int v) {
    return std::clamp(v, 0, 255);
}

}  // namespace

TColor NewColor(TColor color, int percent) {
    const TColor c = ColorToRGB(color);
    const int p = std::min(percent, 100);
    auto lift = [p](int v) { return v + RoundHalfEven((255 - v) * p / 100.0); };
    return RGBColor(Clamp255(lift(RedOf(c))), Clamp255(lift(GreenOf(c))),
                    Clamp255(lift(BlueOf(c))));
}

TColor NewColorDark(TColor color, int amount) {
    const TColor c = ColorToRGB(color);
    return RGBColor(Clamp255(RedOf(c) - amount), Clamp255(GreenOf(c) - amount + 2),
                    Clamp255(BlueOf(c) - amount));
}

TColor GrayColor(TColor color, int amount) {
    const TColor c = ColorToRGB(color);
    const int v = std::min((RedOf(c) + GreenOf(c) + BlueOf(c)) / 3 + amount, 240);
    const int g = Clamp255(v);
    return RGBColor(g, g, g);
}

TColor AddColorOffset(TColor color, TColor offset) {
    const TColor c = ColorToRGB(color);
    return RGBColor(std::min(RedOf(c) + RedOf(offset), 255),
                    std::min(GreenOf(c) + GreenOf(offset), 255),
                    std::min(BlueOf(c) + BlueOf(offset), 255));
}

TColor TextContrastColor(TColor iconBarColor, TColor fontColor) {
    const TColor c = ColorToRGB(iconBarColor);
    if ((RedOf(c) + BlueOf(c)) / 2 < 151 && GreenOf(c) < 201) return NewColor(c, 90);
    return ColorToRGB(fontColor);
}

TSkinWorkingColors PrepareSkinColors(const TSkinColorSettings& s, bool highColor,
                                     TColor systemFontColor) {
    TSkinWorkingColors w;
    w.highColor = highColor;
    w.menu = ColorToRGB(s.color);
    w.iconBar = ColorToRGB(s.iconBackColor);
    if (highColor) {
        w.select = NewColor(s.selectColor, 68);
        w.checkedArea = NewColor(s.selectColor, 80);
        w.checkedAreaSelected = NewColor(s.selectColor, 50);
        w.menuBorder = NewColorDark(clBtnFace, 90);
        w.menuShadow = NewColorDark(clBtnFace, 76);
    } else {
        w.select = ColorToRGB(s.selectColor);
        w.checkedArea = clWhite;
        w.checkedAreaSelected = 0xC0C0C0;
        w.menuBorder = ColorToRGB(clBtnShadow);
        w.menuShadow = ColorToRGB(clBtnShadow);
    }
    w.selectBorder = ColorToRGB(s.selectBorderColor);
    w.selectFont = ColorToRGB(s.selectFontColor);
    w.menuBar = ColorToRGB(s.menuBarColor);
    w.disabled = ColorToRGB(s.disabledColor);
    w.checked = ColorToRGB(s.checkedColor);
    w.separator = ColorToRGB(s.separatorColor);
    if (!s.useSystemColors) return w;
    w.selectFont = ColorToRGB(systemFontColor);
    if (highColor) {
        w.menu = NewColor(clBtnFace, 86);
        w.iconBar = NewColor(clBtnFace, 16);
        w.select = NewColor(clHighlight, 68);
        w.selectBorder = ColorToRGB(clHighlight);
        w.menuBar = ColorToRGB(clBtnFace);
        w.disabled = NewColor(clBtnShadow, 10);
        w.separator = NewColor(clBtnShadow, 25);
        w.checked = ColorToRGB(clHighlight);
        w.checkedArea = NewColor(clHighlight, 80);
        w.checkedAreaSelected = NewColor(clHighlight, 50);
    } else {
        w.menu = clWhite;
        w.iconBar = ColorToRGB(clBtnFace);
        w.select = clWhite;
        w.selectBorder = ColorToRGB(clHighlight);
        w.menuBar = ColorToRGB(clBtnFace);
        w.disabled = ColorToRGB(clBtnShadow);
        w.checked = ColorToRGB(clHighlight);
        w.separator = ColorToRGB(clBtnShadow);
        w.checkedArea = clWhite;
        w.checkedAreaSelected = clWhite;
    }
    return w;
}

}  // namespace vx
