#include "styling/glow/GlowButtonRules.h"

#include <algorithm>

#include "styling/toolbar/GlowButtonAppearance.h"

namespace vx {

namespace {

int ScaleChannel(int c, int percent) {
    if (c == 0) return std::max(0, percent);
    return RoundHalfEven(std::min(100, 100 + percent) / 100.0 * c);
}

struct FiveColors {
    TColor color, colorTo, mirror, mirrorTo, border;
};

FiveColors Normal(const TGlowButtonAppearance& a) {
    return {a.Color(), a.ColorTo(), a.ColorMirror(), a.ColorMirrorTo(), a.BorderColor()};
}
FiveColors Hot(const TGlowButtonAppearance& a) {
    return {a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(),
            a.BorderColorHot()};
}
FiveColors Down(const TGlowButtonAppearance& a) {
    return {a.ColorDown(), a.ColorDownTo(), a.ColorMirrorDown(), a.ColorMirrorDownTo(),
            a.BorderColorDown()};
}
FiveColors Checked(const TGlowButtonAppearance& a) {
    return {a.ColorChecked(), a.ColorCheckedTo(), a.ColorMirrorChecked(), a.ColorMirrorCheckedTo(),
            a.BorderColorChecked()};
}

void Take(TGlowColors& out, const FiveColors& c) {
    out.color = c.color;
    out.colorTo = c.colorTo;
    out.mirror = c.mirror;
    out.mirrorTo = c.mirrorTo;
    out.border = c.border;
}

// The four fill colours blended, the border too when `border`.
void Blend(TGlowColors& out, const FiveColors& a, const FiveColors& b, int percent, bool border) {
    out.color = BlendColor(a.color, b.color, percent);
    out.colorTo = BlendColor(a.colorTo, b.colorTo, percent);
    out.mirror = BlendColor(a.mirror, b.mirror, percent);
    out.mirrorTo = BlendColor(a.mirrorTo, b.mirrorTo, percent);
    if (border) out.border = BlendColor(a.border, b.border, percent);
}

void TakeDisabled(TGlowColors& out, const TGlowButtonAppearance& a) {
    out.color = a.ColorDisabled();
    out.colorTo = a.ColorDisabledTo();
    out.mirror = a.ColorMirrorDisabled();
    out.mirrorTo = a.ColorMirrorDisabledTo();
    out.border = a.BorderColorDisabled();
    out.gradient = a.GradientDisabled();
    out.gradientMirror = a.GradientMirrorDisabled();
}

void WarmSet(TGlowButtonAppearance& a) {
    a.SetColorHot(0xEBFDFF);
    a.SetColorHotTo(0xACECFF);
    a.SetColorMirrorHot(0x59DAFF);
    a.SetColorMirrorHotTo(0xA4E9FF);
    a.SetBorderColorHot(0x99CEDB);
    a.SetColorDown(0x76AFF1);
    a.SetColorDownTo(0x4190F3);
    a.SetColorMirrorDown(0x0E72F1);
    a.SetColorMirrorDownTo(0x4C9FFD);
    a.SetBorderColorDown(0x45667B);
    a.SetColorChecked(0xB5DBFB);
    a.SetColorCheckedTo(0x78C7FE);
    a.SetColorMirrorChecked(0x9FEBFD);
    a.SetColorMirrorCheckedTo(0x56B4FE);
}

void LitGradients(TGlowButtonAppearance& a) {
    a.SetGradientHot(TGDIPGradient::ggVertical);
    a.SetGradientMirrorHot(TGDIPGradient::ggVertical);
    a.SetGradientDown(TGDIPGradient::ggVertical);
    a.SetGradientMirrorDown(TGDIPGradient::ggVertical);
    a.SetGradientChecked(TGDIPGradient::ggVertical);
    a.SetGradientMirrorChecked(TGDIPGradient::ggVertical);
}

// The normal colours of each style row.
constexpr FiveColors kRows[8] = {
    {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B},
    {0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476},
    {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1},
    {0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000},
    {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B},
    {0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2},
    {0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC},
    {0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC},
};

}  // namespace

TColor ScaleColor(TColor color, int percent) {
    return ScaleColorRGB(color, percent, percent, percent);
}

TColor ScaleColorRGB(TColor color, int percentR, int percentG, int percentB) {
    const TColor c = ColorToRGB(color);
    return RGBColor(ScaleChannel(RedOf(c), percentR), ScaleChannel(GreenOf(c), percentG),
                    ScaleChannel(BlueOf(c), percentB));
}

bool ApplyGlowStyle(TGlowButtonAppearance& a, std::uint8_t code) {
    const int row = code & 0x7F;
    if (row > 7) return false;
    // The warm hot, down and checked colours go with every number but 6.
    if (code == 0 || code == 1 || code == 2 || code == 7 || (row >= 3 && row <= 5)) {
        WarmSet(a);
        LitGradients(a);
    }
    const FiveColors& r = kRows[row];
    a.SetColor(r.color);
    a.SetColorTo(r.colorTo);
    a.SetColorMirror(r.mirror);
    a.SetColorMirrorTo(r.mirrorTo);
    a.SetBorderColor(r.border);
    a.SetGradient(TGDIPGradient::ggVertical);
    a.SetGradientMirror(TGDIPGradient::ggVertical);
    if (row == 4 || row == 5) a.SetBorderColorChecked(0x45667B);
    if (row == 6) {
        a.SetColorHot(0xEFD3C6);
        a.SetColorHotTo(0xEFD3C6);
        a.SetColorMirrorHot(0xEFD3C6);
        a.SetColorMirrorHotTo(0xEFD3C6);
        a.SetColorDown(0xB59284);
        a.SetColorDownTo(0xB59284);
        a.SetColorMirrorDown(0xB59284);
        a.SetColorMirrorDownTo(0xB59284);
        a.SetColorChecked(0xB9D8DC);
        a.SetColorCheckedTo(0xB9D8DC);
        a.SetColorMirrorChecked(0xB9D8DC);
        a.SetColorMirrorCheckedTo(0xB9D8DC);
        a.SetBorderColorHot(clHighlight);
        a.SetBorderColorDown(clHighlight);
        a.SetBorderColorChecked(0x000000);
        LitGradients(a);
    }
    return true;
}

TGlowColors SelectGlowColors(const TGlowButtonAppearance& a, const TGlowPaintInput& in) {
    TGlowColors out;
    const bool disabled = (in.state == TGlowState::Disabled || !in.enabled) && in.showDisabled;
    const bool checkedDown = in.check && in.down;
    if (disabled) {
        TakeDisabled(out, a);
    } else if (in.state == TGlowState::Down && !in.check) {
        Take(out, Down(a));
        out.gradient = a.GradientDown();
        out.gradientMirror = a.GradientMirrorDown();
        out.lit = true;
    } else if (in.state == TGlowState::Exclusive || checkedDown) {
        Take(out, Checked(a));
        out.gradient = a.GradientChecked();
        out.gradientMirror = a.GradientMirrorChecked();
        if (in.fading &&
            (in.tracking || !(in.check || (in.groupIndex >= 1 && in.state != TGlowState::Down))))
            Blend(out, Checked(a), Down(a), in.downStep, false);
    } else if (in.hot) {
        Take(out, Hot(a));
        out.gradient = a.GradientHot();
        out.gradientMirror = a.GradientMirrorHot();
        out.lit = true;
    } else {
        Take(out, Normal(a));
        out.gradient = a.Gradient();
        out.gradientMirror = a.GradientMirror();
    }
    if (in.fading) {
        if (!in.pressing && !in.transparent && in.state != TGlowState::Exclusive && !checkedDown)
            Blend(out, Hot(a), Normal(a), in.hotStep, true);
        else if (!in.check) {
            if (in.pressing && in.state != TGlowState::Exclusive)
                Blend(out, Down(a), Hot(a), in.downStep, true);
        } else if (in.pressing) {
            Blend(out, Down(a), Checked(a), in.downStep, false);
            out.border = BlendColor(a.BorderColorDown(), a.BorderColorHot(), in.downStep);
        }
    }
    if ((!in.standalone && in.held) || checkedDown) out.border = a.BorderColor();
    if (disabled) TakeDisabled(out, a);
    return out;
}

bool FadeStep(int& step, int increment) {
    step += increment;
    if ((increment > 0 && step > 100) || (increment < 0 && step < 0)) {
        step = std::clamp(step, 0, 100);
        return false;
    }
    return true;
}

bool InDropDownPress(bool bottom, int x, int y, int width, int height) {
    return bottom ? y > height - 13 : x > width - 13;
}

bool OverDropDown(bool bottom, int x, int y, int width, int height) {
    return bottom ? y > height - 12 : x > width - 12;
}

}  // namespace vx
