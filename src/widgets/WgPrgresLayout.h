// The progress bar's arithmetic: the percentage from counted parts, the
// orientation from the shape, where the bar ends, the row of LED segments and
// where the percentage text stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

enum class TBarStyle : std::uint8_t { bsTraditional, bsLED, bsGradient };

// round(parts / total × 100); none when total is 0.
std::optional<int> PercentOfParts(std::uint32_t parts, std::uint32_t total);

// A bar no higher than it is wide is horizontal.
TOrientation OrientationOfShape(int width, int height);

// The bar and the rest of the interior: a horizontal bar grows from the left,
// a vertical one from the bottom; at 100 % or more the bar is the whole
// interior and the rest is empty.
struct TBarSplit {
    TRect bar;
    TRect rest;
    bool operator==(const TBarSplit&) const = default;
};
TBarSplit SplitBar(const TRect& interior, int percent, TOrientation orientation);

// "60%" for 60, or nothing when the percentage is hidden.
std::string PercentText(bool showPercent, int percent);

// Where the percentage text is anchored (its top centre): half the
// interior's right edge across, and centred by the height of "X".
TPoint PercentTextAnchor(const TRect& interior, int heightOfX);

// The LED row along the interior: `count` segments of `size` pixels after a
// margin; segment 1 is the leftmost (horizontal) or the bottom one
// (vertical). The lit segments never outnumber the row, whatever the
// percentage.
struct TLedRow {
    int count = 0;
    int size = 0;
    int margin = 0;
    int lit = 0;
    std::vector<TRect> segments;  // segment 1 first
    TRect leadMargin;             // at the left or top end of the row
    TRect trailMargin;            // at the right or bottom end
};
TLedRow LayoutLedRow(const TRect& interior, TOrientation orientation, int numSegments, int percent);

}  // namespace vx
