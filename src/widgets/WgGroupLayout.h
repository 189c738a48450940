// Where a group panel's items go: the height the items need for a width,
// and for each item shown its row, text area, text and image rectangles,
// divider line and selection boxes. Plain arithmetic over the items and a
// text measurer, so that the painter, the hit tests and the bar agree.
//
// Rows start 4 pixels below the caption. In the small style an item's text
// starts at the left margin (8, or the small image width + 12 when any item
// has an image) plus its indent, and a row is at least ItemHeight high; in
// the large style the image sits centred above the centred text. A divider
// (caption "-") that would stand at the top, at the end, after another
// divider or before nothing takes no room.
#pragma once

#include <functional>
#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgGroupTypes.h"

namespace vx {

class TWgGroupItem;
class TWgGroupItems;

// How a caption is measured: word-wrapped from the left, or centred.
enum class TWgTextLayout : std::uint8_t { WrapLeft, WrapCentered };

// Measures an item's caption in a rectangle the way DrawText does with
// calc-rect, word-break and expanded tabs: the rectangle becomes the text's
// extent (its left and top kept); returns the text height.
using TWgMeasureItem = std::function<int(const TWgGroupItem&, TRect&, TWgTextLayout)>;

struct TWgItemLayoutParams {
    TWgGroupItemStyle style = TWgGroupItemStyle::isSmall;
    int captionHeight = 20;
    int itemHeight = 20;
    int itemIndent = 20;
    int topIndex = 0;
    int textHeight = 13;  // of "Pp" in the group's font
    TWgImageSize smallImages;
    TWgImageSize largeImages;
    bool rightToLeft = false;
};

// One item as it is drawn.
struct TWgItemPlace {
    int index = -1;
    bool divider = false;  // a divider that shows (hidden ones get no place)
    int top = 0;           // top of the item's row
    int x = 0;             // left of the text (small style: margin + indent)
    TRect textArea;        // where the caption is drawn
    int textWidth = 0;
    int textHeight = 0;
    bool textFits = false;  // narrower than its room, or ItemHeight above its height
    TRect textRect;         // the drawn text's bounds (a divider: its line)
    TRect dividerLine;      // one pixel high
    bool image = false;     // an image is drawn
    TPoint imageAt;
    TRect imageRect;  // (-1, -1, -1, -1) without an image
};

// (ItemHeight - text height) div 2, truncating toward zero.
int ItemPad(const TWgItemLayoutParams& params);
bool IsHiddenDivider(const TWgGroupItems& items, int index, int topIndex);
// Small style: 8, or the small image width + 12 when there is a small image
// list and an item has an image.
int ItemLeftMargin(const TWgGroupItems& items, const TWgImageSize& smallImages);
// The height the group needs for a width: CaptionHeight without items.
int NeededHeight(const TWgGroupItems& items, const TWgItemLayoutParams& params, int width,
                 const TWgMeasureItem& measure);
// Every visible item from the top index that takes room, in order.
std::vector<TWgItemPlace> PlaceItems(const TWgGroupItems& items, const TWgItemLayoutParams& params,
                                     int clientWidth, const TWgMeasureItem& measure);

// The selection box of an item in the image-and-caption selection style
// (before its frame is drawn; inflated by 2 already).
TRect ImageAndCaptionSelectionBox(const TWgItemPlace& place, const TWgItemLayoutParams& params,
                                  int clientWidth);
// The selection box around the text alone.
TRect CaptionSelectionBox(const TWgItemPlace& place);
// The box around a small image (selection style image).
TRect ImageSelectionBox(const TWgItemPlace& place, const TWgItemLayoutParams& params);
// The box around a large image (hot, pressed or selected).
TRect LargeImageBox(const TWgItemPlace& place, const TWgItemLayoutParams& params);

}  // namespace vx
