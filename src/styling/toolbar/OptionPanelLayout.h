// The tool bar's option window without a window: which of the bar's
// controls it borrows and where separators go between them, how wide its
// two entries are, where the borrowed controls and the entries stand in its
// panel, and where the window and the add-or-remove cascade open on the
// screen's work area.
#pragma once

#include <vector>

#include "platform/Geometry.h"
#include "styling/toolbar/ToolBarLayout.h"

namespace vx {

inline constexpr int kOptionMargin = 3;           // top and left margin of the panel
inline constexpr int kOptionEntryHeight = 20;     // of each entry
inline constexpr int kOptionEntryMinWidth = 130;  // of each entry
inline constexpr int kOptionGap = 8;              // between the controls and the entries

// One control of the bar, in the bar's order.
struct TOptionCandidate {
    TBarControlKind kind = TBarControlKind::bcOther;
    bool lendable = false;  // in the overflow and not hidden
};

// One place of the panel: the bar's control at that index, lent; or, with
// copy, a new separator made like the bar's separator at that index (one
// that stays on the bar).
struct TOptionPanelItem {
    int control = -1;
    bool copy = false;
    bool operator==(const TOptionPanelItem&) const = default;
};

// What the panel shows, in order. A separator of the overflow is shown only
// between two shown controls: never first and never last. A separator that
// stays on the bar is copied in front of the next shown control when
// something is shown already.
std::vector<TOptionPanelItem> OptionPanelContents(const std::vector<TOptionCandidate>& controls);

// The width of both entries: 130, or a shown caption's width + 15 when wider.
int OptionEntryWidth(int autoCaptionWidth, bool autoShown, int optionsCaptionWidth,
                     bool optionsShown);

struct TOptionPanelLayout {
    std::vector<TPoint> places;  // top left of each control, in the order given
    int width = 0;
    int height = 0;
    TRect autoEntry;     // the add-or-remove entry; empty when not shown
    TRect optionsEntry;  // the options entry; empty when not shown
};

// Lays the controls (their sizes, as width x height rectangles at 0, 0) out
// in rows no wider than the widest of the entry and the controls, the
// entries below them.
TOptionPanelLayout ArrangeOptionPanel(const std::vector<TRect>& sizes, int entryWidth,
                                      bool autoEntry, bool hasOptions);

// Where the window opens for a docked bar: under the right handle, at
// (right − 12, bottom + 1) of the bar's bounds in its parent.
TPoint DockedOptionAnchor(const TRect& barBounds);
// For a floating bar, in the bar's own coordinates: under its caption's
// option button.
TPoint FloatingOptionAnchor(const TRect& barBounds, int captionHeight, bool showClose);

// The window's screen place from the anchor: moved up by what would pass the
// work area's bottom (2 pixels to spare); at its right, moved left by what
// passes, or, for a bar docked at the right side, to the left of the bar
// (barLeftOnScreen).
TPoint OptionWindowOrigin(TPoint anchor, int width, int height, const TRect& workArea,
                          bool dockedRight, int barLeftOnScreen);

// The add-or-remove cascade's screen place beside the entry (its screen
// rectangle): at the entry's top right, moved up by what would pass the
// work area's bottom (2 pixels to spare), and left of the entry when it
// would pass the work area's right.
TPoint AddRemovePopupOrigin(const TRect& entryOnScreen, int width, int height,
                            const TRect& workArea);

// What opens beside the options entry (its screen rectangle): at the
// entry's top right, or at its top left, leftwards, when it would pass the
// work area's right.
TPoint OptionsEntryWindowOrigin(const TRect& entryOnScreen, int width, const TRect& workArea);

}  // namespace vx
