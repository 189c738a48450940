// `TWgBackground`: the background of the about box and the start page, a
// two-colour gradient (the start colour at the top edge, the stop colour at
// the bottom edge) inside an optional lowered frame.
//
// A plain stand-in for the widget family's background control: only what
// those two windows use. It passes mouse moves over itself on to its owner.
#pragma once

#include <QWidget>

#include "platform/Colors.h"

namespace vx {

class TWgBackground : public QWidget {
    Q_OBJECT
  public:
    enum class TFrameStyle { fsNone, fsLowered };

    explicit TWgBackground(QWidget* parent = nullptr);

    TColor GradientColorStart() const { return start_; }
    TColor GradientColorStop() const { return stop_; }
    void SetGradientColorStart(TColor color);
    void SetGradientColorStop(TColor color);
    TFrameStyle FrameStyle() const { return frame_; }
    void SetFrameStyle(TFrameStyle style);

  signals:
    void MouseMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    TColor start_ = clHotLight;
    TColor stop_ = clActiveCaption;
    TFrameStyle frame_ = TFrameStyle::fsNone;
};

}  // namespace vx
