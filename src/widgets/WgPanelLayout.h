// Where the bordered panel and the group box put their children, their
// caption and their grid: rectangles and points worked out from the
// properties and the measured text, without drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

// Horizontal alignment of a caption or a hint's text.
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TAlignmentVertical : std::uint8_t { avTop, avCenter, avBottom };
enum class TWgGridStyle : std::uint8_t { gsDots, gsDottedLines, gsSolidLines };
enum class TWgGroupBoxStyle : std::uint8_t {
    gsStandard,
    gsCustom,
    gsTopLine,
    gsFlat,
    gsBanner,
    gsUnderline,
};

// The frames around a panel: the outer style, a band of the border width,
// the inner style, on the chosen sides.
struct TPanelBorders {
    TFrameStyleEx outer = TFrameStyle::fsRaised;
    TFrameStyleEx inner = TFrameStyle::fsNone;
    int borderWidth = 0;
    int bevelWidth = 1;
    TSides sides = TSides::All();
};

// The rectangle less the frames: with includeBorderWidth first by the border
// width on all sides, then by the outer and the inner style's widths on the
// chosen sides only.
TRect AdjustPanelBorders(const TRect& r, const TPanelBorders& b, bool includeBorderWidth);

// Where a panel's children are arranged: its client rectangle less the
// border width on all sides, then less its frames on the chosen sides.
TRect PanelChildArea(const TRect& client, const TPanelBorders& b);

// Where the caption is drawn: `r` less the margins, then narrowed around the
// text's height by the vertical alignment.
TRect PlaceCaption(TRect r, int marginX, int marginY, int textHeight, TAlignmentVertical av);

// The grid's lines: x = left - 1 + xSize × i for i = 1..width div xSize, and
// likewise for y; a size of 0 gives no lines on that axis.
struct TGridLines {
    std::vector<int> xs;
    std::vector<int> ys;
    bool operator==(const TGridLines&) const = default;
};
TGridLines PanelGridLines(const TRect& interior, int xSize, int ySize);

// The group box's child area: `r` is the panel's (already less the border
// width); h is the height of "Yy" in the box's font.
TRect GroupBoxChildArea(TRect r, TWgGroupBoxStyle style, int h, int borderWidth, bool captionEmpty,
                        int bannerHeight);

// The top of the group frame below a caption of text height h ("Pp").
inline int GroupFrameTop(int h) {
    return h / 2 - 1;
}

// The caption's rectangle in a group box of the given client rectangle, from
// the caption's text width and height; empty for gsCustom.
TRect GroupBoxCaptionRect(const TRect& client, TWgGroupBoxStyle style, int textWidth,
                          int textHeight, int bannerHeight, bool rightToLeft);

}  // namespace vx
