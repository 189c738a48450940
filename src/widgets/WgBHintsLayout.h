// The balloon hint's geometry: the window's size from the measured text,
// the point the balloon's pointer touches, where the window goes and which
// corner it takes on the screen, the balloon's outline, pointer and text
// rectangle.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgCommon.h"
#include "widgets/WgPanelLayout.h"

namespace vx {

// Where the balloon lies from the pointer's point.
enum class TWgHintCorner : std::uint8_t {
    hcLowerRight,
    hcLowerLeft,
    hcUpperLeft,
    hcUpperRight,
    hcNone,
};

inline constexpr int kBalloonPointerBand = 20;
inline constexpr int kHintMinWidth = 55;

// The measured text rectangle grown by the frame (4 with a balloon, 2
// without, or for hcNone) plus the pointer's band above (lower corners) or
// below (upper corners).
TRect GrowHintRect(TRect text, bool balloon, TWgHintCorner corner);

// What the pointer points at: the mouse without a hint control; a control no
// larger than the threshold both ways at its centre (balloons only); else
// the hint's position inside the control. All in screen coordinates.
struct THintTarget {
    TPoint mouse;
    bool hasControl = false;
    TRect control;   // the control on the screen
    TPoint hintPos;  // where the hint was asked for, on the screen
};
TPoint PointerPoint(const THintTarget& target, bool balloon, int centerThreshold);

// The window's place and the corner it ended with: placed by the corner
// from P, then turned over at the work area's top, bottom, right and left
// edges, in that order.
struct THintPlacement {
    TRect bounds;
    TWgHintCorner corner = TWgHintCorner::hcUpperRight;
    bool operator==(const THintPlacement&) const = default;
};
THintPlacement PlaceHint(TPoint p, int width, int height, TWgHintCorner corner,
                         const TRect& workArea);

// The work area of the monitor that holds P, else the desktop's.
TRect WorkAreaAt(const std::vector<TMonitorInfo>& monitors, TPoint p, const TRect& desktop);

// The balloon's body: the client rectangle less the pointer's band.
TRect BalloonBody(const TRect& client, TWgHintCorner corner, bool balloon);
// The four rectangles whose union is the body with rounded corners.
std::array<TRect, 4> BalloonBodyRects(const TRect& body);
// The pointer's triangle (none for hcNone), as the window's shape takes it:
// the first point on the body's edge, the tip at the client's edge, the far
// base point 21 pixels along.
std::optional<std::array<TPoint, 3>> BalloonPointer(const TRect& client, const TRect& body,
                                                    TWgHintCorner corner);
// The pointer's two sides as drawn: the same points, the far base point one
// pixel nearer.
std::optional<std::array<TPoint, 3>> BalloonPointerOutline(const TRect& client, const TRect& body,
                                                           TWgHintCorner corner);
// The strip of the body along the pointer's base that is filled over the
// outline, so pointer and body read as one shape.
TRect BalloonPointerJoin(const TRect& body, TWgHintCorner corner);
// The sixteen pixels that round the outline's corners.
std::array<TPoint, 16> BalloonCornerPixels(const TRect& body);

// The rectangle the text is drawn in.
TRect HintTextRect(const TRect& body, TAlignment alignment, bool balloon, int captionWidth);

}  // namespace vx
