#include "styling/toolbar/CompactPopupLayout.h"

#include <algorithm>

namespace vx {

TCompactLevelLayout MeasureCompactLevel(const std::vector<TCompactRowMeasure>& rows,
                                        bool& imagesShown, int iconBarSize) {
    int w = 0;
    for (const TCompactRowMeasure& row : rows) {
        w = std::max(w, row.captionWidth + 7);
        if (row.hasSubItems) w += 30;
        if (!imagesShown && row.controlHasImage) imagesShown = true;
    }
    w += iconBarSize;
    w = std::max(w + (imagesShown ? kCompactImageWidth : 0), kCompactMinWidth);
    TCompactLevelLayout layout;
    int y = kCompactMargin;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        layout.rows.push_back({kCompactMargin, y, kCompactMargin + w, y + kCompactItemHeight});
        y += kCompactItemHeight + kCompactMargin;
    }
    layout.width = 2 * kCompactMargin + w;
    layout.height = y;
    return layout;
}

TCompactRowParts CompactRowParts(const TRect& row, int iconBarSize, bool imagesShown) {
    TCompactRowParts p;
    p.iconCell = {row.left, row.top, row.left + iconBarSize, row.bottom};
    p.checkBox = {p.iconCell.left + 1, p.iconCell.top + 1, p.iconCell.right - 2,
                  p.iconCell.bottom - 1};
    int textLeft = p.iconCell.right;
    if (imagesShown) {
        p.imageCell = {p.iconCell.right, row.top, p.iconCell.right + kCompactImageWidth,
                       row.bottom};
        textLeft = p.imageCell.right;
    }
    p.text = {textLeft + 4, row.top, row.right, row.bottom};
    const int y = (row.top + row.bottom - 5) / 2;
    p.subMenuBox = {row.right - 8, y, row.right - 5, y + 6};
    return p;
}

TRect CompactIconStrip(int panelWidth, int panelHeight, int iconBarSize, bool imagesShown) {
    (void)panelWidth;
    const int w = iconBarSize + (imagesShown ? kCompactImageWidth : 0);
    return {kCompactMargin, kCompactMargin, kCompactMargin + w, panelHeight - kCompactMargin};
}

TPoint CompactSubLevelOrigin(const TRect& rowOnScreen, int width, int height,
                             const TRect& workArea) {
    TPoint p{rowOnScreen.right + 2, rowOnScreen.top};
    p.y = std::min(p.y, workArea.bottom - height - 2);  // lifted to end 2 above the bottom
    if (p.x + width > workArea.right) p.x = rowOnScreen.left - width;
    return p;
}

bool InSizingCorner(int width, int height, TPoint p) {
    return TRect{width - 10, height - 10, width, height}.Contains(p);
}

}  // namespace vx
