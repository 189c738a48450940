#include "styling/menus/FxMenuUtil.h"

#include "platform/paint/DesktopMetrics.h"

namespace vx {

EInvalidPropertyIndex::EInvalidPropertyIndex(int index)
    : std::runtime_error("Invalid property index " + std::to_string(index) + "."), index_(index) {}

EAssignError::EAssignError(const std::string& sourceClass, const std::string& targetClass)
    : std::runtime_error("Cannot assign a " + sourceClass + " to a " + targetClass + ".") {}

CanvasFont ScreenMenuFont() {
    return TheDesktopMetrics().menuFont;
}

CanvasFont AngledFont(const CanvasFont& font, int angleDegrees) {
    CanvasFont angled = font;
    angled.escapement = angleDegrees * 10;
    return angled;
}

TRect CenterInRect(const TRect& r, int w, int h) {
    TRect c;
    c.right = (r.left + r.right + w) / 2;
    c.bottom = (r.top + r.bottom + h) / 2;
    c.left = c.right - w;
    c.top = c.bottom - h;
    return c;
}

TRGB SplitColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return {RedOf(rgb), GreenOf(rgb), BlueOf(rgb)};
}

TColor MakeColor(int red, int green, int blue, int high) {
    return RGBColor(red, green, blue) | static_cast<TColor>((high & 0xFF) << 24);
}

}  // namespace vx
