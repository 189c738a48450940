// The press behaviour of the tab strip's small buttons: pressed on a left
// press, down while the pointer stays over it, a click when released over
// it; hot while the pointer is over it. Each button paints itself.
#pragma once

#include "platform/qt/CustomControl.h"

namespace vx {

class TWgCustomTabControl;

class TWgTabButton : public TCustomControl {
    Q_OBJECT
  public:
    explicit TWgTabButton(TWgCustomTabControl* owner);

    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color) { SetPublished(frameColor_, color); }
    bool Pressed() const { return pressed_; }
    bool Down() const { return down_; }
    bool Hot() const { return hot_; }

  signals:
    void Clicked();

  protected:
    TWgCustomTabControl* Owner() const { return owner_; }
    // The click, after the button is up again.
    virtual void Click() { emit Clicked(); }

    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetHot(bool hot);

    TWgCustomTabControl* owner_;
    TColor frameColor_ = clBtnShadow;
    bool pressed_ = false;
    bool down_ = false;
    bool hot_ = false;
};

}  // namespace vx
