#include "styling/skin/SkinLayout.h"

#include <algorithm>

#include "platform/Colors.h"

namespace vx {
namespace {

void PlaceBox(TRect& r, TBoxSide side) {
    if (side == TBoxSide::Right) r.left = r.right - kThumbSize + 1;
    if (side == TBoxSide::Left) r.right = r.left + kThumbSize - 1;
}

}  // namespace

TBoxSide BoxSide(bool rightToLeft, bool textRight) {
    if (rightToLeft == textRight) return TBoxSide::Right;
    return TBoxSide::Left;
}

TRect CheckBoxArea(const TRect& client, TBoxSide side, bool xpLook) {
    TRect r = client.Inflated(0, -3);
    r.top += (r.Height() - kThumbSize) / 2;
    PlaceBox(r, side);
    if (xpLook) r.right += 1;
    return r;
}

TRect RadioArea(const TRect& client, TBoxSide side, bool xpLook) {
    TRect r = client.Inflated(0, -4);
    r.top += (r.Height() - kThumbSize) / 2;
    r.bottom = r.top + kThumbSize - 1;
    PlaceBox(r, side);
    if (xpLook) {
        r.right += 2;
        r.bottom += 2;
    }
    return r;
}

TGlyphLayout LayoutGlyph(TGlyphPlace place, int w, int h, int gw, int gh, int tw, int th,
                         int spacing) {
    TGlyphLayout l;
    l.text = {0, 0, w, h};
    switch (place) {
        case TGlyphPlace::Left:
            l.glyph = Bounds((w - (spacing + gw + tw)) / 2, (h - gh) / 2, gw, gh);
            l.text.left = l.glyph.right + spacing;
            l.text.right = l.text.left + tw;
            break;
        case TGlyphPlace::Right:
            l.glyph.right = (spacing + gw + tw + w) / 2;
            l.glyph.left = l.glyph.right - gw;
            l.glyph.top = (h - gh) / 2;
            l.glyph.bottom = l.glyph.top + gh;
            l.text.right = l.glyph.left - spacing;
            l.text.left = l.text.right - tw;
            break;
        case TGlyphPlace::Top:
            l.glyph = Bounds((w - gw) / 2, (h - (spacing + gh + th)) / 2, gw, gh);
            l.text.left = (w - tw) / 2;
            l.text.right = l.text.left + tw;
            l.text.top = l.glyph.bottom + spacing;
            l.text.bottom = l.text.top + th;
            break;
        case TGlyphPlace::Bottom:
            l.glyph.left = (w - gw) / 2;
            l.glyph.right = l.glyph.left + gw;
            l.glyph.bottom = (spacing + gh + th + h) / 2;
            l.glyph.top = l.glyph.bottom - gh;
            l.text.left = (w - tw) / 2;
            l.text.right = l.text.left + tw;
            l.text.bottom = l.glyph.top - spacing;
            l.text.top = l.text.bottom - th;
            break;
    }
    return l;
}

int MenuItemHeight(int textHeight, int imageHeight, bool separator) {
    if (separator) return 4;
    return std::max(textHeight + RoundHalfEven(textHeight * 0.75), imageHeight + 6);
}

}  // namespace vx
