// The drop marker of a tab drag: a small arrow just outside the tab strip,
// pointing at the place the dragged tab would go. It may lie outside the
// control, so it is a window of its own over the screen, showing what
// drawing the marker bitmap by XOR onto the screen would show: the arrow in
// the background colour inverted by clBtnShadow, the rest untouched.
#pragma once

#include <QWidget>

#include "platform/Colors.h"
#include "widgets/WgTabsShape.h"

namespace vx {

class TWgDropMarkerWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TWgDropMarkerWindow(QWidget* owner);

    // Shows the marker at its rectangle in the owner's coordinates, over a
    // background of the given colour.
    void ShowMarker(const TWgDropMarker& marker, TColor background);
    const TWgDropMarker& Marker() const { return marker_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* owner_;
    TWgDropMarker marker_;
    QImage picture_;
};

}  // namespace vx
