// Drawing steps the group panels and the group bar share: gradients and
// frames of the family on a canvas, reading back a pixel already drawn, the
// circular open/close button, and the desktop theme's colours.
//
// The gradient and frame steps carry out the family's plans (WgGrafx*.h)
// on a canvas; they belong with the family's drawing unit and move there
// once it draws on canvases itself.
#pragma once

#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "widgets/WgCommon.h"
#include "widgets/WgCommonColors.h"
#include "widgets/WgGrafxFrames.h"

namespace vx {

class Canvas;

// Fills the rectangle with a two-colour gradient (smooth factor 1); nothing
// for an empty rectangle.
void PaintGradient(Canvas& canvas, const TRect& rect, TGradientDirection direction, TColor start,
                   TColor stop);

// A frame target drawing on a canvas.
class TCanvasFrameTarget : public TFrameTarget {
  public:
    explicit TCanvasFrameTarget(Canvas& canvas) : canvas_(canvas) {}
    void Fill(const TRect& r, TColor color) override;

  private:
    Canvas& canvas_;
};

// The colour already on the canvas at a point (black outside its image).
TColor CanvasPixel(Canvas& canvas, int x, int y);

// The round 15 x 15 open/close button at (x, y): two chevrons up when
// opened, down when closed; its soft edge mixes the ring with what is below.
void DrawCircleButton(Canvas& canvas, int x, int y, TColor ring, TColor fill, TColor arrow,
                      bool opened);

// What the colour sets depend on, as the desktop is now.
TWgColorContext DesktopColorContext();

// A colour of the desktop theme's explorer bar: its border (0), text (1, 2,
// 6), fill (3, 5) or first gradient colour (4); clBtnFace while visual
// styles are off.
TColor ThemePartColor(int index);

}  // namespace vx
