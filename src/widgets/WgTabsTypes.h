// The tab family's enumerations, its error and a size: shared by the tab
// records, the layout, the painting and the page control.
#pragma once

#include <stdexcept>
#include <string>

#include "widgets/WgCommon.h"

namespace vx {

// Where the tab row lies: along the top, left, bottom or right edge.
enum class TWgTabOrientation { toTop, toLeft, toBottom, toRight };
// tsStandard: the first tab at the start of the strip; tsReverse: at its end.
enum class TWgTabSequence { tsStandard, tsReverse };
enum class TWgTabStyle {
    tsSingleSlant,
    tsDoubleSlant,
    tsCutCorner,
    tsRoundCorners,
    tsBackSlant,
    tsSquareCorners
};
enum class TWgImagePosition { ipLeft, ipTop, ipRight, ipBottom, ipBack, ipStretch };
enum class TWgHorizontalAlignment { haLeft, haCenter, haRight };
enum class TWgVerticalAlignment { vaTop, vaCenter, vaBottom };
enum class TWgTabHotTrackColorSource { htcsTabColor, htcsHotTrackColorProp };
enum class TWgHotTrackColorType { htctComplement, htctActual };
enum class TWgTabHotTrackStyle { htsTab, htsText, htsTabBar };
enum class TWgTextStyle { tsHotTrack, tsSelected, tsUnselected, tsDisabled };

// Misuse of a tab control, a page control or their helpers; the message is
// fixed text.
class EWgTabControlError : public std::runtime_error {
  public:
    explicit EWgTabControlError(const std::string& message) : std::runtime_error(message) {}
};

struct TSize {
    int cx = 0;
    int cy = 0;
    bool operator==(const TSize&) const = default;
};

}  // namespace vx
