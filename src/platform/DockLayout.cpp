#include "platform/DockLayout.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vx {

std::vector<TRect> DockZones(const TRect& area, int count, bool sideBySide) {
    std::vector<TRect> zones;
    if (count <= 0) return zones;
    const int length = std::max(sideBySide ? area.Width() : area.Height(), 0);
    const int share = length / count;
    int at = sideBySide ? area.left : area.top;
    for (int i = 0; i < count; ++i) {
        const int end = i == count - 1 ? (sideBySide ? area.right : area.bottom) : at + share;
        zones.push_back(sideBySide ? TRect{at, area.top, end, area.bottom}
                                   : TRect{area.left, at, area.right, end});
        at = end;
    }
    return zones;
}

namespace {

// Halfway between two edges, worked out in 64 bits (it always fits in int).
int Middle(int a, int b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

}  // namespace

TDockPlace DockDropPlace(const TRect& area, const std::vector<TRect>& zones, bool sideBySide,
                         TPoint point) {
    if (zones.empty()) return {0, area};
    const int n = static_cast<int>(zones.size());
    int hit = n - 1;
    for (int i = 0; i < n; ++i) {
        if (zones[i].Contains(point)) {
            hit = i;
            break;
        }
    }
    const TRect& z = zones[hit];
    const bool outside = !z.Contains(point);
    const int mid = sideBySide ? Middle(z.left, z.right) : Middle(z.top, z.bottom);
    const bool before = !outside && (sideBySide ? point.x < mid : point.y < mid);
    TRect half = z;
    if (sideBySide)
        (before ? half.right : half.left) = mid;
    else
        (before ? half.bottom : half.top) = mid;
    return {before ? hit : hit + 1, half};
}

namespace {

// The zone split at `size` along its grabber side: the grabber bar first,
// the client's place after it.
std::pair<TRect, TRect> SplitAtGrabber(const TRect& zone, bool grabberLeft, int size) {
    TRect bar = zone;
    TRect client = zone;
    if (grabberLeft) {
        bar.right = client.left =
            std::min(zone.right, SaturateInt(static_cast<long long>(zone.left) + size));
    } else {
        bar.bottom = client.top =
            std::min(zone.bottom, SaturateInt(static_cast<long long>(zone.top) + size));
    }
    return {bar, client};
}

}  // namespace

TRect DockGrabberRect(const TRect& zone, bool grabberLeft, int size) {
    return SplitAtGrabber(zone, grabberLeft, size).first;
}

TRect DockClientRect(const TRect& zone, bool grabberLeft, int size) {
    return SplitAtGrabber(zone, grabberLeft, size).second;
}

int ChooseDockTarget(const std::vector<TDockCandidate>& candidates, TPoint point) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        if (!candidates[i].screen.Contains(point)) continue;
        if (best < 0 || candidates[i].depth > candidates[best].depth) best = i;
    }
    return best;
}

bool PastDragThreshold(TPoint press, TPoint now, int threshold) {
    const long long dx = std::llabs(static_cast<long long>(now.x) - press.x);
    const long long dy = std::llabs(static_cast<long long>(now.y) - press.y);
    return dx >= threshold || dy >= threshold;
}

TRect FloatingDropRect(TPoint mouse, TPoint grab, int width, int height) {
    const int gx =
        std::clamp(grab.x, 0, std::max(SaturateInt(static_cast<long long>(width) - 1), 0));
    const int gy =
        std::clamp(grab.y, 0, std::max(SaturateInt(static_cast<long long>(height) - 1), 0));
    return Bounds(SaturateInt(static_cast<long long>(mouse.x) - gx),
                  SaturateInt(static_cast<long long>(mouse.y) - gy), width, height);
}

}  // namespace vx
