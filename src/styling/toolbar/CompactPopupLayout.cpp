#include "styling/toolbar/CompactPopupLayout.h"

#include <algorithm>

namespace vx {

// The sums here run in 64 bits and are held within int at the end: no
// caption width, row or work area a caller passes overflows them.
namespace {
using Wide = long long;
}  // namespace

TCompactLevelLayout MeasureCompactLevel(const std::vector<TCompactRowMeasure>& rows,
                                        bool& imagesShown, int iconBarSize) {
    Wide w = 0;
    for (const TCompactRowMeasure& row : rows) {
        w = std::max(w, row.captionWidth + Wide{7});
        if (row.hasSubItems) w += 30;
        if (!imagesShown && row.controlHasImage) imagesShown = true;
    }
    w += iconBarSize;
    w = std::max(w + (imagesShown ? kCompactImageWidth : 0), Wide{kCompactMinWidth});
    TCompactLevelLayout layout;
    Wide y = kCompactMargin;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        layout.rows.push_back({kCompactMargin, SaturateInt(y), SaturateInt(kCompactMargin + w),
                               SaturateInt(y + kCompactItemHeight)});
        y += kCompactItemHeight + kCompactMargin;
    }
    layout.width = SaturateInt(2 * kCompactMargin + w);
    layout.height = SaturateInt(y);
    return layout;
}

TCompactRowParts CompactRowParts(const TRect& row, int iconBarSize, bool imagesShown) {
    TCompactRowParts p;
    const Wide iconRight = Wide{row.left} + iconBarSize;
    p.iconCell = {row.left, row.top, SaturateInt(iconRight), row.bottom};
    p.checkBox = {SaturateInt(Wide{row.left} + 1), SaturateInt(Wide{row.top} + 1),
                  SaturateInt(iconRight - 2), SaturateInt(Wide{row.bottom} - 1)};
    Wide textLeft = iconRight;
    if (imagesShown) {
        textLeft = iconRight + kCompactImageWidth;
        p.imageCell = {SaturateInt(iconRight), row.top, SaturateInt(textLeft), row.bottom};
    }
    p.text = {SaturateInt(textLeft + 4), row.top, row.right, row.bottom};
    const Wide y = (Wide{row.top} + row.bottom - 5) / 2;
    p.subMenuBox = {SaturateInt(Wide{row.right} - 8), SaturateInt(y),
                    SaturateInt(Wide{row.right} - 5), SaturateInt(y + 6)};
    return p;
}

TRect CompactIconStrip(int panelWidth, int panelHeight, int iconBarSize, bool imagesShown) {
    (void)panelWidth;
    const Wide w = Wide{iconBarSize} + (imagesShown ? kCompactImageWidth : 0);
    return {kCompactMargin, kCompactMargin, SaturateInt(kCompactMargin + w),
            SaturateInt(Wide{panelHeight} - kCompactMargin)};
}

TPoint CompactSubLevelOrigin(const TRect& rowOnScreen, int width, int height,
                             const TRect& workArea) {
    Wide x = Wide{rowOnScreen.right} + 2;
    // Lifted to end 2 above the bottom.
    const Wide y = std::min<Wide>(rowOnScreen.top, Wide{workArea.bottom} - height - 2);
    if (x + width > workArea.right) x = Wide{rowOnScreen.left} - width;
    return {SaturateInt(x), SaturateInt(y)};
}

bool InSizingCorner(int width, int height, TPoint p) {
    return Wide{width} - 10 <= p.x && p.x < width && Wide{height} - 10 <= p.y && p.y < height;
}

}  // namespace vx
