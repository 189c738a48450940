#include "widgets/qt/WgTabScroller.h"

#include <QCursor>
#include <QMouseEvent>

#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgTabGlyphs.h"
#include "widgets/qt/WgTabs.h"

namespace vx {

TWgTabScroller::TWgTabScroller(TWgCustomTabControl* owner)
    : TCustomControl(owner),
      owner_(owner),
      state_(*this, {[this](int half) { emit Scroll(half); }, [this] { update(); }}) {
    setObjectName(QStringLiteral("TabScroller"));
    setMouseTracking(true);
    connect(&timer_, &QTimer::timeout, this, [this] { state_.TimerTick(isEnabled()); });
}

void TWgTabScroller::SetFrameColor(TColor color) {
    SetPublished(frameColor_, color);
}

void TWgTabScroller::SetOrientation(int orientation) {
    if (orientation == state_.Orientation()) return;
    state_.SetOrientation(orientation);
    update();
}

void TWgTabScroller::Start(int intervalMs) {
    timer_.start(intervalMs);
}

void TWgTabScroller::SetInterval(int intervalMs) {
    timer_.setInterval(intervalMs);
}

void TWgTabScroller::Stop() {
    timer_.stop();
}

bool TWgTabScroller::Running() const {
    return timer_.isActive();
}

void TWgTabScroller::Paint(Canvas& canvas) {
    const TColor frame = IncreaseLightness(frameColor_, 30);
    const TWgButtonFaceColors face{owner_->TabColors().Unselected(), owner_->TabColors().Shadow(),
                                   owner_->UseGradients()};
    const bool stacked = state_.Orientation() == TWgTabScrollerState::kStacked;
    for (int half = 0; half < 2; ++half) {
        const TRect r = state_.HalfRect(half, Size());
        const bool down = state_.Pressed() && state_.Down() && state_.PressedHalf() == half;
        DrawTabButtonFace(canvas, r, face, frame, state_.Hot(), down);
        const TArrowDirection direction =
            stacked ? (half == 0 ? TArrowDirection::Down : TArrowDirection::Up)
                    : (half == 0 ? TArrowDirection::Left : TArrowDirection::Right);
        DrawArrowGlyph(canvas, r, kGlyphClassic, owner_->ScrollHalfCanScroll(half), down,
                       direction);
    }
}

void TWgTabScroller::MouseEnter() {
    state_.SetHot(true);
}

void TWgTabScroller::MouseLeave() {
    if (!state_.Pressed()) state_.SetHot(false);
}

void TWgTabScroller::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    state_.MouseDown({p.x(), p.y()}, Size());
}

void TWgTabScroller::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (state_.Pressed()) {
        state_.MouseMove({p.x(), p.y()}, Size());
        return;
    }
    state_.SetHot(rect().contains(p));
}

void TWgTabScroller::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    state_.MouseUp();
    if (!rect().contains(event->position().toPoint())) state_.SetHot(false);
}

}  // namespace vx
