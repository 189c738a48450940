// The tool-bar button's rules apart from its window: its states, its size
// when it sizes itself, where its image and caption stand on its face, and
// the two glyphs it derives from its picture (the grey one of a disabled
// button and the shadow under a hot one).
#pragma once

#include <QImage>
#include <cstdint>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "styling/toolbar/FxToolBarDraw.h"

namespace vx {

enum class TFxToolButtonStyle { tasButton, tasCheck };
enum class TFxSeparatorStyle { ssOffice2003, ssBlank };

// What the face shows: up, disabled, down (pressed or checked), dropped (a
// menu button's menu is open), exclusive (the pressed member of a group).
enum class TToolButtonState : std::uint8_t {
    bsUp = 0,
    bsDisabled = 1,
    bsDown = 2,
    bsDropped = 3,
    bsExclusive = 4,
};

inline constexpr int kButtonSpacing = 4;   // between image and caption
inline constexpr int kButtonMargin = 4;    // on each side
inline constexpr int kDropDownWidth = 12;  // the drop-down part

// A button's client rectangle split into its face and its drop-down part:
// the part is the last kDropDownWidth pixels along the bar (at the right of
// a horizontal bar, at the bottom of a vertical one); without a drop-down
// part the face is the whole rectangle.
struct TButtonParts {
    TRect face;
    TRect dropDown;
};
TButtonParts SplitButtonParts(const TRect& client, bool horizontal, bool dropDown);

struct TButtonMeasure {
    TGlyphPosition glyphPosition = TGlyphPosition::gpLeft;
    bool horizontal = true;
    int gw = 0;  // glyph size
    int gh = 0;
    int tw = 0;  // caption width (0 without a shown caption)
    int th = 0;  // caption font's text height
    bool dropDown = false;
};

struct TButtonSize {
    int width = 0;
    int height = 0;
    bool operator==(const TButtonSize&) const = default;
};

// The size an auto-sized button takes (before the tool bar's cap on its
// thickness).
TButtonSize ButtonAutoSize(const TButtonMeasure& m);

// Where the image (gx, gy) and the caption stand on face f of a button
// `buttonHeight` high, for an image of iw x ih and a caption of tw x th
// (tw 0: no caption). Without auto size an image that would begin before
// the edge begins at 1, the caption moving with it, and the caption gets an
// ellipsis.
struct TButtonFace {
    int gx = 0;
    int gy = 0;
    TRect textRect;
    unsigned textFlags = 0;
    TPoint textPoint;  // where a rotated caption begins (vertical bars)
    bool operator==(const TButtonFace&) const = default;
};
TButtonFace ButtonFaceLayout(TGlyphPosition position, bool horizontal, const TRect& f,
                             int buttonHeight, int iw, int ih, int tw, int th, bool autoSize);

// The grey of a disabled glyph's pixel: the mean of its channels, halved,
// plus 96 (so 96..223).
TColor DisabledGlyphGrey(TColor color);
// The grey copy of a glyph for its disabled look.
QImage DisabledGlyph(const QImage& glyph);
// The shadow of a glyph: its figure in grey (0x808080), its background (the
// colour of the bottom-left pixel) left as it was, so that the shadow drawn
// transparent is a grey silhouette.
QImage ShadowGlyph(const QImage& glyph);

}  // namespace vx
