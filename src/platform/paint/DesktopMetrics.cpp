#include "platform/paint/DesktopMetrics.h"

#include <QFont>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/paint/Monitors.h"

namespace vx {
namespace {

std::optional<DesktopMetrics>& Installed() {
    static std::optional<DesktopMetrics> installed;
    return installed;
}

// Squared distance from the point to the nearest pixel of r.
long long DistanceSquared(const TRect& r, TPoint p) {
    const long long dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - (r.right - 1) : 0;
    const long long dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - (r.bottom - 1) : 0;
    return dx * dx + dy * dy;
}

}  // namespace

TRect WorkAreaAt(const std::vector<TMonitorInfo>& screens, TPoint point) {
    const TMonitorInfo* best = nullptr;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const TMonitorInfo& screen : screens) {
        const long long d = DistanceSquared(screen.rect, point);
        if (d < bestDistance) {
            best = &screen;
            bestDistance = d;
        }
    }
    return best ? best->workArea : TRect{};
}

DesktopMetrics RunningDesktopMetrics() {
    DesktopMetrics metrics;
    if (!qGuiApp) return metrics;
    // The application's screens list the primary one first.
    metrics.screens = Monitors();
    // The menus' texts are Chinese: they keep the windows' face and take the
    // desktop's size when it is one a menu can be read and laid out in; the
    // menu lines and the check mark grow with it.
    const double points = QGuiApplication::font().pointSizeF();
    if (points >= 8 && points <= 14) {
        const int size = static_cast<int>(std::lround(points));
        metrics.menuFont.size = size;
        metrics.menuFont.height = -static_cast<int>(std::lround(size * 96.0 / 72.0));
        metrics.menuBarHeight = metrics.menuItemHeight = std::max(19, 19 * size / 9);
        metrics.menuCheckSize = std::max(13, 13 * size / 9);
    }
    return metrics;
}

DesktopMetrics TheDesktopMetrics() {
    return Installed() ? *Installed() : RunningDesktopMetrics();
}

TRect WorkAreaAt(TPoint point) {
    return WorkAreaAt(TheDesktopMetrics().screens, point);
}

DesktopMetricsScope::DesktopMetricsScope(DesktopMetrics metrics) : previous_(Installed()) {
    Installed() = std::move(metrics);
}

DesktopMetricsScope::~DesktopMetricsScope() {
    Installed() = std::move(previous_);
}

}  // namespace vx
