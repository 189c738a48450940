// The desktop's menu and window metrics that menus and tool bars are laid
// out by, as one table: read from the running desktop unless a fixed table
// is installed (tests install one, so their layouts do not depend on the
// screens of the machine they run on).
#pragma once

#include <optional>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Monitors.h"
#include "platform/paint/Canvas.h"

namespace vx {

struct DesktopMetrics {
    int menuBarHeight = 19;   // one line of a window's menu bar
    int menuItemHeight = 19;  // one item of a drop-down menu
    CanvasFont menuFont = {.name = "宋体", .size = 9, .color = clMenuText, .height = -12};
    int menuCheckSize = 13;  // the side of a menu item's check mark
    // The primary screen first.
    std::vector<TMonitorInfo> screens;
    bool operator==(const DesktopMetrics&) const = default;
};

// The work area of the screen the point lies on, else of the screen nearest
// to it (the first of equally near ones); empty without screens.
TRect WorkAreaAt(const std::vector<TMonitorInfo>& screens, TPoint point);

// What the running desktop gives: its screens, and the classic 9-point menu
// font (in the application font's size when that is a sensible one) with
// menu lines to match. Without a running application: no screens.
DesktopMetrics RunningDesktopMetrics();
// The table in force: the installed one, else the running desktop's.
DesktopMetrics TheDesktopMetrics();
// The work area at a screen point by the table in force.
TRect WorkAreaAt(TPoint point);

// Installs a fixed table for its lifetime; the one in force before comes
// back when it ends.
class DesktopMetricsScope {
  public:
    explicit DesktopMetricsScope(DesktopMetrics metrics);
    ~DesktopMetricsScope();
    DesktopMetricsScope(const DesktopMetricsScope&) = delete;
    DesktopMetricsScope& operator=(const DesktopMetricsScope&) = delete;

  private:
    std::optional<DesktopMetrics> previous_;
};

}  // namespace vx
