// Inside the canvas: how its pen modes and copy modes become QPainter
// composition modes, held for the length of one drawing call.
#pragma once

#include <QBrush>
#include <QPainter>

#include "platform/paint/Canvas.h"

namespace vx::canvas_detail {

QPainter::CompositionMode CompositionOf(CopyMode mode);
QPainter::CompositionMode CompositionOf(PenMode mode);

// The white squares of the halftone checkerboard; drawn with XOR they invert
// every other pixel.
QBrush HalftoneWhite();

class CompositionScope {
  public:
    CompositionScope(QPainter& painter, QPainter::CompositionMode mode)
        : painter_(painter), old_(painter.compositionMode()) {
        if (mode != old_) painter_.setCompositionMode(mode);
    }
    ~CompositionScope() {
        if (painter_.compositionMode() != old_) painter_.setCompositionMode(old_);
    }
    CompositionScope(const CompositionScope&) = delete;
    CompositionScope& operator=(const CompositionScope&) = delete;

  private:
    QPainter& painter_;
    QPainter::CompositionMode old_;
};

}  // namespace vx::canvas_detail
