#include "widgets/WgPrgresLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vx {
namespace {

int RoundedShare(int percent, int length) {
    return static_cast<int>(std::lround(static_cast<double>(percent) * length / 100.0));
}

}  // namespace

std::optional<int> PercentOfParts(std::uint32_t parts, std::uint32_t total) {
    if (total == 0) return std::nullopt;
    return static_cast<int>(std::lround(static_cast<double>(parts) / total * 100.0));
}

TOrientation OrientationOfShape(int width, int height) {
    return height <= width ? TOrientation::orHorizontal : TOrientation::orVertical;
}

TBarSplit SplitBar(const TRect& interior, int percent, TOrientation orientation) {
    if (percent >= 100) return {interior, {}};
    TBarSplit split{interior, interior};
    if (orientation == TOrientation::orHorizontal) {
        split.bar.right = interior.left + RoundedShare(percent, interior.Width());
        split.rest.left = split.bar.right;
    } else {
        split.bar.top = interior.bottom - RoundedShare(percent, interior.Height());
        split.rest.bottom = split.bar.top;
    }
    return split;
}

std::string PercentText(bool showPercent, int percent) {
    if (!showPercent) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%u%%", static_cast<unsigned>(percent));
    return text;
}

TPoint PercentTextAnchor(const TRect& interior, int heightOfX) {
    return {interior.right / 2, interior.top + (interior.Height() - heightOfX) / 2};
}

TLedRow LayoutLedRow(const TRect& interior, TOrientation orientation, int numSegments,
                     int percent) {
    const bool horizontal = orientation == TOrientation::orHorizontal;
    const int length = horizontal ? interior.Width() : interior.Height();
    int segments = std::max(numSegments, 1);
    if (length <= 80 && segments > 10) segments = 10;
    TLedRow row;
    row.size = std::max(length, 0) / segments;
    row.count = segments;
    if (row.size > 0) row.count += std::max(0, (length - segments * row.size) / row.size);
    row.margin = (length - row.count * row.size) / 2;
    // A percentage above 100 lights the whole row and no more.
    row.lit = std::min(row.count, std::max(percent, 0) * row.count / 100);

    const int used = row.count * row.size;
    if (horizontal) {
        row.leadMargin = {interior.left, interior.top, interior.left + row.margin, interior.bottom};
        row.trailMargin = {interior.left + row.margin + used, interior.top, interior.right,
                           interior.bottom};
    } else {
        row.leadMargin = {interior.left, interior.top, interior.right, interior.top + row.margin};
        row.trailMargin = {interior.left, interior.top + row.margin + used, interior.right,
                           interior.bottom};
    }
    for (int i = 1; i <= row.count; ++i) {
        if (horizontal) {
            const int x = interior.left + (i - 1) * row.size + row.margin;
            row.segments.push_back({x, interior.top, x + row.size, interior.bottom});
        } else {
            const int y = interior.top + (row.count - i) * row.size + row.margin;
            row.segments.push_back({interior.left, y, interior.right, y + row.size});
        }
    }
    return row;
}

}  // namespace vx
