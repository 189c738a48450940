#include "editor/StatusPanels.h"

#include <algorithm>
#include <numeric>

namespace vx {

std::array<StatusPanelPlace, kStatusPanelCount> StatusPanelPlaces(int barWidth, int portWidth) {
    barWidth = std::max(barWidth, 0);
    const int designed = std::accumulate(kStatusPanelWidths.begin(), kStatusPanelWidths.end(), 0);
    std::array<int, kStatusPanelCount> widths = kStatusPanelWidths;
    if (barWidth < designed) {
        // In proportion, rounded down; the last panel takes what rounding left.
        for (int i = 0; i < kStatusPanelCount - 1; ++i)
            widths[i] = kStatusPanelWidths[i] * barWidth / designed;
    } else {
        // The port panel fits its text with the room beyond the designed widths.
        widths[kPortPanel] += std::clamp(portWidth - widths[kPortPanel], 0, barWidth - designed);
    }
    const int others = std::accumulate(widths.begin(), widths.end() - 1, 0);
    widths.back() = barWidth - others;
    std::array<StatusPanelPlace, kStatusPanelCount> places{};
    int left = 0;
    for (int i = 0; i < kStatusPanelCount; ++i) {
        places[i] = {left, widths[i]};
        left += widths[i];
    }
    return places;
}

}  // namespace vx
