// Two-colour gradients of the widget family as a plan: the solid fills that
// paint one part of an off-screen bitmap, and how the rest of the bitmap is
// completed from that part (the linear directions paint one strip 8 pixels
// wide or high and replicate it; the box directions paint the top-left
// quarter and mirror it). The drawing side (WgGrafx) carries the plan out.
#pragma once

#include <vector>

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgCommon.h"

namespace vx {

// How many further pixels a band keeps its colour after the colour changed:
// a smooth factor above 8 stands for 255 div n + 1; one less, not below 0.
int SmoothBandLength(int smoothFactor);

// The colour of each of `positions` pixel positions from start towards stop:
// each channel steps in 16.16 fixed point by (stop - start) / (positions + 1),
// and a band keeps its colour for SmoothBandLength further pixels after the
// stepped colour changed. Colours are RGB.
std::vector<TColor> GradientBandColors(int positions, TColor start, TColor stop, int smoothFactor);

// One solid fill: the rectangle, or the polygon when it has points.
struct TGradientFill {
    TColor color = clBlack;
    TRect rect;
    std::vector<TPoint> polygon;
    bool operator==(const TGradientFill&) const = default;
};

enum class TGradientCompletion {
    kNone,
    kReplicateAcross,  // the painted strip is copied rightwards over the width
    kReplicateDown,    // the painted strip is copied downwards over the height
    kMirrorQuadrant,   // the painted top-left quarter is mirrored into the others
};

struct TGradientPlan {
    int width = 0;
    int height = 0;
    std::vector<TGradientFill> fills;
    TGradientCompletion completion = TGradientCompletion::kNone;
    // The strip or quarter that the completion copies from.
    TRect painted;
};

// The plan for a bitmap of |width| x |height| (empty when either is 0).
TGradientPlan PlanTwoColorGradient(int width, int height, TGradientDirection direction,
                                   int smoothFactor, TColor start, TColor stop);

}  // namespace vx
