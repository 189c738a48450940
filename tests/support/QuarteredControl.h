// A control that paints a red block in its top-left quarter over its colour:
// a known picture for the tests of painting and of the parent's image.
#pragma once

#include "platform/qt/CustomControl.h"

namespace vx::test {

class Quartered : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;

  protected:
    void Paint(Canvas& canvas) override {
        TCustomControl::Paint(canvas);
        canvas.brush.color = clRed;
        canvas.FillRect(Bounds(0, 0, width() / 2, height() / 2));
    }
};

}  // namespace vx::test
