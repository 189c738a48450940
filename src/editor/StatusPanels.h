// Where the main window's seven status panels go across the status bar.
//
// Each panel has the width it was designed with while the bar has room for
// them all, and the last one (the block) takes what is left. On a narrower
// bar every panel gives up room in proportion to its width. Either way the
// panels stand side by side, fill the bar exactly and never overlap, so no
// panel (the clock, say) covers another (the block), whatever the width.
//
// The port panel shows the link's state, a failure among it ("COM1 通信失败 ！"),
// and the state panel the outcome of the work just done (" Compilation fails:
// 3", " Compiler success: 1 use:3.4%"). Neither is cut short while the bar
// has room: a text wider than its panel widens the panel, taking the room the
// block panel has beyond its own designed width, the port panel first.
#pragma once

#include <array>

namespace vx {

inline constexpr int kStatusPanelCount = 7;

// The designed widths: tool hint, ready text, port, model, cursor, clock, block.
inline constexpr std::array<int, kStatusPanelCount> kStatusPanelWidths = {160, 110, 110, 140,
                                                                          160, 170, 140};
inline constexpr int kStatePanel = 1;
inline constexpr int kPortPanel = 2;

struct StatusPanelPlace {
    int left = 0;
    int width = 0;
    bool operator==(const StatusPanelPlace&) const = default;
};

// The panels' places on a bar `barWidth` pixels wide (none below 0), the port
// panel's text needing `portWidth` pixels and the state panel's `stateWidth`.
std::array<StatusPanelPlace, kStatusPanelCount> StatusPanelPlaces(int barWidth, int portWidth = 0,
                                                                  int stateWidth = 0);

}  // namespace vx
