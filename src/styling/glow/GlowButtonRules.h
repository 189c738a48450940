// The plain rules of the glow button: its colour helpers, the colour sets a
// style number writes, which colours a state paints with (and how a running
// fade blends them), the fade's steps and the drop-down part's hit tests.
#pragma once

#include <cstdint>

#include "platform/Colors.h"
#include "styling/toolbar/FxToolBarDraw.h"

namespace vx {

class TGlowButtonAppearance;

// Each channel c of the colour: c <> 0 gives round(min(100, 100 + percent)
// / 100 * c), c = 0 gives max(0, percent).
TColor ScaleColor(TColor color, int percent);
TColor ScaleColorRGB(TColor color, int percentR, int percentG, int percentB);

// Writes the colour set of style `code` (rows 0..7 by its low 7 bits);
// higher rows change nothing. Returns whether anything was written.
bool ApplyGlowStyle(TGlowButtonAppearance& appearance, std::uint8_t code);

// The button state the painter knows.
enum class TGlowState { Up = 0, Disabled = 1, Down = 2, Exclusive = 4 };
enum class TFxButtonStyle { bsButton, bsCheck };

// What picks the colours of one painting.
struct TGlowPaintInput {
    TGlowState state = TGlowState::Up;
    bool enabled = true;
    bool showDisabled = true;
    bool check = false;  // Style bsCheck
    bool down = false;   // Down
    int groupIndex = 0;
    bool hot = false;
    bool tracking = false;
    bool fading = false;  // a fade timer exists
    bool pressing = false;
    bool transparent = false;
    bool held = false;
    bool standalone = true;  // Position bpStandalone
    int hotStep = 0;
    int downStep = 0;
};

struct TGlowColors {
    TColor color = clNone;
    TColor colorTo = clNone;
    TColor mirror = clNone;
    TColor mirrorTo = clNone;
    TColor border = clNone;
    TGDIPGradient gradient = TGDIPGradient::ggVertical;
    TGDIPGradient gradientMirror = TGDIPGradient::ggVertical;
    bool lit = false;
};

TGlowColors SelectGlowColors(const TGlowButtonAppearance& a, const TGlowPaintInput& in);

// One tick of a fade: adds the increment to the step. Returns false when the
// fade ends (the step then clamped to 0..100), true while it goes on.
bool FadeStep(int& step, int increment);

// The 13 pixels of a press and the 12 of the hover highlight.
bool InDropDownPress(bool bottom, int x, int y, int width, int height);
bool OverDropDown(bool bottom, int x, int y, int width, int height);

}  // namespace vx
