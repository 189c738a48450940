// The colours of the dialog skin: its colour arithmetic and the working
// colours it prepares before every menu item or control it paints.
#pragma once

#include "platform/Colors.h"

namespace vx {

// Lightens toward white: each channel c becomes c + round((255 - c) * p / 100),
// halves to the even neighbour; p is capped at 100.
TColor NewColor(TColor color, int percent);
// Darkens by n (a negative n lightens): red - n, green - n + 2, blue - n,
// each kept within 0..255.
TColor NewColorDark(TColor color, int amount);
// The grey of the channels' mean plus n, never above 240.
TColor GrayColor(TColor color, int amount);
// A colour with an offset added channel by channel, each channel kept at
// most 255 (0x020200 adds 2 to green and blue and nothing to red).
TColor AddColorOffset(TColor color, TColor offset);
// The text colour of a selected top-level menu item under the system
// colours: a lightened icon-bar colour on a dark bar, else the font's colour.
TColor TextContrastColor(TColor iconBarColor, TColor fontColor);

// The skin's published colours that the preparation reads.
struct TSkinColorSettings {
    TColor color = clBtnFace;
    TColor iconBackColor = clBtnFace;
    TColor menuBarColor = clBtnFace;
    TColor selectColor = clHighlight;
    TColor selectBorderColor = clHighlight;
    TColor selectFontColor = clMenuText;
    TColor disabledColor = clInactiveCaption;
    TColor separatorColor = clBtnFace;
    TColor checkedColor = clHighlight;
    bool useSystemColors = true;
};

// The working colours, all RGB.
struct TSkinWorkingColors {
    bool highColor = true;
    TColor menu = 0;
    TColor iconBar = 0;
    TColor select = 0;
    TColor selectBorder = 0;
    TColor selectFont = 0;
    TColor checkedArea = 0;
    TColor checkedAreaSelected = 0;
    TColor checked = 0;
    TColor menuBar = 0;
    TColor disabled = 0;
    TColor separator = 0;
    TColor menuBorder = 0;
    TColor menuShadow = 0;
    bool operator==(const TSkinWorkingColors&) const = default;
};

// The preparation on a surface of the given depth (high colour: at least 16
// bits per pixel); systemFontColor is the colour of the system menu font,
// which the selection font takes under the system colours.
TSkinWorkingColors PrepareSkinColors(const TSkinColorSettings& settings, bool highColor,
                                     TColor systemFontColor);

}  // namespace vx
