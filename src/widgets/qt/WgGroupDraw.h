// The round 15 x 15 open/close button of a group's caption.
#pragma once

#include "platform/Colors.h"

namespace vx {

class Canvas;

// At (x, y): two chevrons up when opened, down when closed, in the arrow
// colour on the fill inside the ring; the ring's soft edge mixes the ring
// colour with what is already below it.
void DrawCircleButton(Canvas& canvas, int x, int y, TColor ring, TColor fill, TColor arrow,
                      bool opened);

}  // namespace vx
