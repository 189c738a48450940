// The tab control's layout as plain geometry: how big each tab is, how the
// tabs fall into rows, where each tab, the card, the children's area, the
// scroller and the close and menu buttons lie, for each of the four edges.
//
// The layout works in strip coordinates: x runs along the strip, y across it
// from its outer edge (y = 0); "length" is a size along the strip,
// "thickness" one across it. Tabs keep their strip rectangles; the mapping
// to the control's coordinates (with the scroll offset) turns them onto
// their edge.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgTabDataList.h"
#include "widgets/WgTabsTypes.h"

namespace vx {

// The properties the geometry depends on, with their defaults.
struct TWgTabLayoutProps {
    bool AlignTabs = false;
    bool BoldCurrentTab = false;
    bool ShowCard = true;  // a card (page area) beside the strip
    bool ShowCardFrame = true;
    bool ShowFullFrame = true;
    bool ShowShadow = true;
    bool ShowCloseButton = false;
    bool ShowCloseButtonOnActiveTab = false;
    bool ShowMenuButton = false;
    int CutCornerSize = 6;
    TWgImagePosition ImagePosition = TWgImagePosition::ipLeft;
    TWgHorizontalAlignment ImageAlignment = TWgHorizontalAlignment::haCenter;
    int ImageMargin = 2;
    TWgVerticalAlignment ImageAlignmentVertical = TWgVerticalAlignment::vaCenter;
    int Margin = 0;
    bool MultiLine = false;
    int RowIndent = 5;
    int RowOverlap = 5;
    bool ShowFocusRect = true;
    bool SoftCorners = false;
    int TabOverlap = -1;
    TOrientation TextOrientation = TOrientation::orHorizontal;
    int TabHeight = 0;  // 0: automatic
    int TabWidth = 0;   // 0: automatic
    TWgTabOrientation TabOrientation = TWgTabOrientation::toTop;
    TWgTabSequence TabSequence = TWgTabSequence::tsStandard;
    TWgTabStyle TabStyle = TWgTabStyle::tsSingleSlant;
    TWgHorizontalAlignment TextAlignment = TWgHorizontalAlignment::haCenter;
    TWgVerticalAlignment TextAlignmentVertical = TWgVerticalAlignment::vaCenter;

    bool HorizontalTabs() const {
        return TabOrientation == TWgTabOrientation::toTop ||
               TabOrientation == TWgTabOrientation::toBottom;
    }
    bool VerticalText() const { return TextOrientation == TOrientation::orVertical; }
    bool Reverse() const { return TabSequence == TWgTabSequence::tsReverse; }
    // Round and square corners: the selected tab stands out by 2 pixels.
    bool Boxed() const {
        return TabStyle == TWgTabStyle::tsRoundCorners || TabStyle == TWgTabStyle::tsSquareCorners;
    }
};

// Text measuring in the tab font, for one line without its accelerator
// marks, as drawn horizontally.
class TWgTabMetrics {
  public:
    virtual ~TWgTabMetrics() = default;
    virtual TSize TextExtent(std::string_view line, bool bold) const = 0;
    // The font's height in pixels (without sign).
    virtual int FontHeight() const = 0;
};

// The caption's lines, cut at each CR LF.
std::vector<std::string> CaptionLines(std::string_view caption);

// The overlap of neighbouring tabs of the given thickness.
int TabOverlapFor(const TWgTabLayoutProps& props, int thickness);
// The size of a caption's block of lines (turned for vertical text).
TSize TabTextSize(const TWgTabLayoutProps& props, std::string_view caption, bool bold,
                  const TWgTabMetrics& metrics);
// What a tab shows: its image (when the list has images and the tab names
// one) and its caption, combined by the image position.
TSize TabContentSize(const TWgTabLayoutProps& props, const TWgTabData& tab, TSize imageSize,
                     const TWgTabMetrics& metrics);
// The content raised to the size of "A" ("AAA" for round and square corners)
// and widened for the close button on the active tab.
TSize TabMinimumSize(const TWgTabLayoutProps& props, TSize content, const TWgTabMetrics& metrics);
// The tab's outer size around its content, by style.
TSize TabOuterSize(const TWgTabLayoutProps& props, TSize content);

// The results of a layout that the control keeps.
struct TWgTabGeometry {
    int FixedDimension = 0;  // thickness of one row of tabs
    int Rows = 1;
    int Depth = 0;  // thickness of the whole strip
    TRect Strip;
    int StripLength = 0;
    int Room = 0;  // room for the tabs of one row
    int ArrowLength = 0;
    int ArrowThickness = 0;
    bool ScrollerNeeded = false;
    int ClientWidth = 0;
    int ClientHeight = 0;
};

// Lays the tabs out: fills each visible tab's strip rectangle and row.
// imageSize is the image list's size (0 x 0 without a list);
// previousFixedDimension serves while no tab is visible.
TWgTabGeometry LayoutTabs(const TWgTabLayoutProps& props, TWgTabDataList& tabs, TSize imageSize,
                          const TWgTabMetrics& metrics, int clientWidth, int clientHeight,
                          int previousFixedDimension);

// The across-strip position of a row (row 0 next to the card).
int RowTop(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int row);
// The room left for tabs when the strip scrolls (the scroller and buttons
// take the rest).
int ScrollRoom(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry);

// A strip point or rectangle in the control's coordinates, for the scroll
// offset.
TPoint StripToControl(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                      TPoint point);
TRect StripToControl(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int offset,
                     const TRect& rect);

// The card behind row r (row 0: the page area); tabCount 0 gives the whole
// client rectangle while the card is shown.
TRect CardRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int row,
               int tabCount);
// The area handed to the children: the card less its frame, or a rectangle
// out of sight without a card.
TRect ChildClientRect(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry, int tabCount);

// Where the close button, the menu button and the scroller lie (an item not
// shown or not needed lies at minus its own size, out of sight).
struct TWgTabButtonPlaces {
    TRect CloseButton;
    TRect MenuButton;
    TRect Scroller;
    bool Stacked = false;  // the scroller's halves lie above each other
};
TWgTabButtonPlaces PlaceTabButtons(const TWgTabLayoutProps& props, const TWgTabGeometry& geometry);

}  // namespace vx
