// `TWgTabScroller`: the two arrow buttons that page through the tabs of a
// strip that does not show them all. Halves side by side (left and right
// arrows) for top and bottom tabs, above each other (up and down) for left
// and right tabs; holding a half repeats its scroll after 400 ms, then every
// 100 ms. The owning tab control says which halves can scroll.
#pragma once

#include <QTimer>

#include "platform/qt/CustomControl.h"
#include "widgets/WgTabScrollerState.h"

namespace vx {

class TWgCustomTabControl;

class TWgTabScroller : public TCustomControl, private TWgRepeatTimer {
    Q_OBJECT
  public:
    explicit TWgTabScroller(TWgCustomTabControl* owner);

    TColor FrameColor() const { return frameColor_; }
    virtual void SetFrameColor(TColor color);
    int Orientation() const { return state_.Orientation(); }
    virtual void SetOrientation(int orientation);
    const TWgTabScrollerState& State() const { return state_; }

  signals:
    // A half's event: half 0 (left or down arrow), half 1 (right or up arrow).
    void Scroll(int half);

  protected:
    void Paint(Canvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Start(int intervalMs) override;
    void SetInterval(int intervalMs) override;
    void Stop() override;
    bool Running() const override;
    TSize Size() const { return {width(), height()}; }

    TWgCustomTabControl* owner_;
    TColor frameColor_ = clBtnShadow;
    QTimer timer_;
    TWgTabScrollerState state_;
};

}  // namespace vx
