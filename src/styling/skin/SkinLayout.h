// Where the skin's painters put their parts, in the canvas's counting
// (right and bottom edges outside). Halving truncates toward zero.
#pragma once

#include "platform/Geometry.h"

namespace vx {

// The height and width of the desktop's thumb, the size of the skin's check
// and radio boxes and of its combo button.
inline constexpr int kThumbSize = 16;

// Which side of a check box or radio button its box stands on.
enum class TBoxSide { Left, Right };
// Left-to-right text right of the box puts the box on the left; the mirror
// cases on the right.
TBoxSide BoxSide(bool rightToLeft, bool textRight);

// The check box's area (filled with the control's colour before the box,
// which is this area shrunk by 2).
TRect CheckBoxArea(const TRect& client, TBoxSide side, bool xpLook);
// The radio button's area, the same way.
TRect RadioArea(const TRect& client, TBoxSide side, bool xpLook);

// The glyph and text rectangles of a glyph button (client size w x h, glyph
// gw x gh, caption tw x th, spacing), by the glyph's place.
enum class TGlyphPlace { Left, Right, Top, Bottom };
struct TGlyphLayout {
    TRect glyph;
    TRect text;
    bool operator==(const TGlyphLayout&) const = default;
};
TGlyphLayout LayoutGlyph(TGlyphPlace place, int w, int h, int gw, int gh, int tw, int th,
                         int spacing);

// Height of a menu item of the given text height and image height
// (separators are 4 high).
int MenuItemHeight(int textHeight, int imageHeight, bool separator);

}  // namespace vx
