// The colours of the ladder drawing that the colour dialog "梯形图颜色配置"
// edits, one clickable panel each, and how they reach the settings.
//
// The live-value colour ("DvalueColor") is a drawing colour too, but the
// dialog does not edit it: it is set in the settings file only.
#pragma once

#include <array>

#include "editor/Settings.h"

namespace vx {

struct LadderColourSet {
    ColorValue figure = 0;       // "FigureColor": symbols and lines
    ColorValue stakeout = 0;     // "StakeoutColor": energised elements while monitoring
    ColorValue instruction = 0;  // "InstructionColor": element texts
    ColorValue note = 0;         // "NoteColor": device comments
    ColorValue dollopNote = 0;   // "DollopNoteColor": row comments

    bool operator==(const LadderColourSet&) const = default;
};

LadderColourSet ColoursOfSettings(const Settings& settings);
void StoreColours(Settings& settings, const LadderColourSet& colours);

// The dialog's panels in their order: object name, caption, colour.
struct ColourPanelRow {
    const char* name;
    const char* caption;
    ColorValue LadderColourSet::*colour;
};
inline constexpr std::array<ColourPanelRow, 5> kColourPanels{{
    {"pFigureColor", "图形颜色", &LadderColourSet::figure},
    {"pStakeoutColor", "监控颜色", &LadderColourSet::stakeout},
    {"pInstructionColor", "指令颜色", &LadderColourSet::instruction},
    {"pNoteColor", "注释颜色", &LadderColourSet::note},
    {"pDollopNoteColor", "块注释颜色", &LadderColourSet::dollopNote},
}};

// Whether a caption on a panel of this colour reads better in white than in
// black (a dark colour: its weighted brightness below the middle).
bool CaptionInWhite(ColorValue colour);

}  // namespace vx
