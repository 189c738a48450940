#include "editor/StatusPanels.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vx {

std::array<StatusPanelPlace, kStatusPanelCount> StatusPanelPlaces(int barWidth, int portWidth,
                                                                  int stateWidth) {
    barWidth = std::max(barWidth, 0);
    const int designed = std::accumulate(kStatusPanelWidths.begin(), kStatusPanelWidths.end(), 0);
    std::array<int, kStatusPanelCount> widths = kStatusPanelWidths;
    if (barWidth < designed) {
        // In proportion, rounded down; the last panel takes what rounding left.
        for (int i = 0; i < kStatusPanelCount - 1; ++i)
            widths[i] = kStatusPanelWidths[i] * barWidth / designed;
    } else {
        // The port and state panels fit their texts with the room beyond the
        // designed widths, the port panel first.
        int spare = barWidth - designed;
        for (const auto& [panel, wanted] :
             {std::pair{kPortPanel, portWidth}, {kStatePanel, stateWidth}}) {
            const int more = std::clamp(wanted - widths[panel], 0, spare);
            widths[panel] += more;
            spare -= more;
        }
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
