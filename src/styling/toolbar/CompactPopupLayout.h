// Geometry of the tool bar's compact pop-up menu without a window: how wide
// one level is, where its rows stand, where the parts of a row go and where
// the next level of a cascade opens.
#pragma once

#include <vector>

#include "platform/Geometry.h"

namespace vx {

inline constexpr int kCompactItemHeight = 24;
inline constexpr int kCompactImageWidth = 20;
inline constexpr int kCompactMargin = 2;
inline constexpr int kCompactMinWidth = 70;

// What measuring needs of one row.
struct TCompactRowMeasure {
    int captionWidth = 0;
    bool hasSubItems = false;
    bool controlHasImage = false;  // a tool-bar button with an image index or a glyph
};

struct TCompactLevelLayout {
    std::vector<TRect> rows;
    int width = 0;   // of the panel, margins included
    int height = 0;  // of the panel
};

// Lays out one level. imagesShown is turned on by a row whose control has an
// image and is never turned off here; iconBarSize is the menu styler's icon
// bar width, or 0 without an icon bar.
TCompactLevelLayout MeasureCompactLevel(const std::vector<TCompactRowMeasure>& rows,
                                        bool& imagesShown, int iconBarSize);

// The parts of one row.
struct TCompactRowParts {
    TRect iconCell;    // the icon bar's cell: check box or, without the image column, the image
    TRect checkBox;    // the icon cell less 1 at top, left and bottom and 2 at the right
    TRect imageCell;   // the image column right of the icon cell (empty without it)
    TRect text;        // where the caption is written
    TRect subMenuBox;  // where the sub-menu arrow is centred
};
TCompactRowParts CompactRowParts(const TRect& row, int iconBarSize, bool imagesShown);

// The icon strip of a panel of the given size: inside the margins, from the left.
TRect CompactIconStrip(int panelWidth, int panelHeight, int iconBarSize, bool imagesShown);

// The screen position of a sub-level of the given size opened beside a row
// whose screen rectangle is rowOnScreen: right of the row (2 pixels apart),
// moved up by what would pass the work area's bottom (with 2 pixels to spare)
// and to the left side of the row when it would pass the work area's right.
TPoint CompactSubLevelOrigin(const TRect& rowOnScreen, int width, int height,
                             const TRect& workArea);

// Whether a point of a level's window lies in the 10 x 10 pixels at its
// bottom right, where dragging sizes the window.
bool InSizingCorner(int width, int height, TPoint p);

}  // namespace vx
