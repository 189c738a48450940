// The inverted size bar shown while a size panel's bar is dragged: the
// parent's image under the bar with every other pixel inverted in a
// checkerboard, as the halftone brush inverts the screen. It stays over the
// parent's children and lets the mouse through.
#pragma once

#include <QImage>
#include <QWidget>

#include "platform/Geometry.h"

namespace vx {

class TWgSizeBarOverlay : public QWidget {
    Q_OBJECT
  public:
    explicit TWgSizeBarOverlay(QWidget* parent);

    // Takes the parent's image as it is before the bar shows.
    void Begin();
    // Shows the bar at r, in the parent's coordinates.
    void ShowAt(const TRect& r);
    void End();

    // The checkerboard inversion of `under`, whose pixel (0, 0) lies at
    // `origin` of the parent: pixels whose coordinates add up to an even
    // number are inverted.
    static QImage Inverted(const QImage& under, QPoint origin);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage under_;
};

}  // namespace vx
