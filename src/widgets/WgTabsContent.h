// Where a tab's image, text lines and active-tab close button go inside its
// content rectangle (control coordinates).
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgTabsLayout.h"

namespace vx {

struct TWgTabContentPlaces {
    TRect Text;         // the rectangle the caption is placed in
    TPoint Image;       // top-left corner of the image (when the tab has one)
    TRect CloseButton;  // the active-tab close button (empty when not shown)
};

// hasImage: an image list is set and the tab names an image; selected: the
// tab is the selected one.
TWgTabContentPlaces PlaceTabContent(const TWgTabLayoutProps& props, const TRect& content,
                                    TSize imageSize, bool hasImage, bool selected);

// Text turned by 90 degrees counter-clockwise (top, left and bottom tabs),
// clockwise (right tabs) or not at all.
enum class TWgTextTurn { None, Left, Right };
TWgTextTurn TabTextTurn(const TWgTabLayoutProps& props);

// The origin of each line (where drawing of the turned or plain text
// starts), for lines of the given extents (as drawn horizontally).
std::vector<TPoint> PlaceTabLines(const TWgTabLayoutProps& props, const TRect& text,
                                  const std::vector<TSize>& lines);

}  // namespace vx
