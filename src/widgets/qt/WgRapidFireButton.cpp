#include "widgets/qt/WgRapidFireButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace vx {
namespace {

// The repeat timer on the window timers.
class WindowRepeatTimer final : public TWgRepeatTimer {
  public:
    WindowRepeatTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTick) onTick();
        });
    }
    void Start(int intervalMs) override { timer_.start(intervalMs); }
    void SetInterval(int intervalMs) override { timer_.setInterval(intervalMs); }
    void Stop() override { timer_.stop(); }
    bool Running() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

constexpr int kArrowCell = 17;

// The classic scroll-bar arrow button of that direction on a 17 x 17 cell:
// a raised button face with a triangle of rows 1, 3, 5 and 7 pixels long
// pointing that way; pushed, the triangle moves by (1, 1); inactive, it is
// etched in the shadow colour over the highlight colour.
QImage ScrollArrowCell(TWgScrollStyle style, bool pushed, bool inactive) {
    QImage cell(kArrowCell, kArrowCell, QImage::Format_RGB32);
    cell.fill(ToQColor(clBtnFace));
    QPainter painter(&cell);
    Canvas canvas(painter);
    auto line = [&](int x0, int y0, int x1, int y1, TColor c) {
        canvas.brush.style = BrushStyle::Solid;
        canvas.brush.color = c;
        canvas.FillRect({x0, y0, x1, y1});
    };
    const int last = kArrowCell - 1;
    if (pushed) {
        line(0, 0, kArrowCell, 1, clBtnShadow);
        line(0, 0, 1, kArrowCell, clBtnShadow);
        line(last, 0, kArrowCell, kArrowCell, clBtnShadow);
        line(0, last, kArrowCell, kArrowCell, clBtnShadow);
    } else {
        line(0, 0, kArrowCell, 1, cl3DLight);
        line(0, 0, 1, kArrowCell, cl3DLight);
        line(1, 1, last, 2, clBtnHighlight);
        line(1, 1, 2, last, clBtnHighlight);
        line(last, 0, kArrowCell, kArrowCell, cl3DDkShadow);
        line(0, last, kArrowCell, kArrowCell, cl3DDkShadow);
        line(last - 1, 1, last, last, clBtnShadow);
        line(1, last - 1, last, last, clBtnShadow);
    }
    auto triangle = [&](int shift, TColor color) {
        const int d = (pushed ? 1 : 0) + shift;
        for (int i = 0; i < 4; ++i) {
            switch (style) {
                case TWgScrollStyle::scsUp:  // tip at (8, 6)
                    line(8 - i + d, 6 + i + d, 9 + i + d, 7 + i + d, color);
                    break;
                case TWgScrollStyle::scsDown:  // tip at (8, 10)
                    line(8 - i + d, 10 - i + d, 9 + i + d, 11 - i + d, color);
                    break;
                case TWgScrollStyle::scsLeft:  // tip at (6, 8)
                    line(6 + i + d, 8 - i + d, 7 + i + d, 9 + i + d, color);
                    break;
                case TWgScrollStyle::scsRight:  // tip at (11, 8)
                    line(11 - i + d, 8 - i + d, 12 - i + d, 9 + i + d, color);
                    break;
                case TWgScrollStyle::scsNone:
                    break;
            }
        }
    };
    if (inactive) {
        triangle(1, clBtnHighlight);
        triangle(0, clBtnShadow);
    } else {
        triangle(0, clBtnText);
    }
    return cell;
}

}  // namespace

TWgRapidFireButton::TWgRapidFireButton(QWidget* parent)
    : TSpeedButton(parent), timerFactory_([] { return std::make_unique<WindowRepeatTimer>(); }) {}

TWgRapidFireButton::~TWgRapidFireButton() = default;

void TWgRapidFireButton::SetOptions(std::uint8_t options) {
    SetPublished(options_, options);
}

void TWgRapidFireButton::SetScrollStyle(TWgScrollStyle style) {
    if (scrollStyle_ == style) return;
    scrollStyle_ = style;
    QImage glyph;
    if (style != TWgScrollStyle::scsNone) {
        const QImage cell = ScrollArrowCell(style, Down(), !Enabled());
        switch (style) {
            case TWgScrollStyle::scsUp:
                glyph = cell.copy(4, 5, 9, 6);
                break;
            case TWgScrollStyle::scsDown:
                glyph = cell.copy(4, 6, 9, 6);
                break;
            case TWgScrollStyle::scsLeft:
                glyph = cell.copy(4, 4, 9, 9);
                break;
            default:
                glyph = cell.copy(6, 4, 9, 9);
                break;
        }
    }
    SetGlyph(glyph);
    Invalidate();
}

void TWgRapidFireButton::mousePressEvent(QMouseEvent* event) {
    TSpeedButton::mousePressEvent(event);
    if (!(options_ & kRepeat)) return;
    if (!timer_) {
        timer_ = timerFactory_();
        timer_->onTick = [this] { Tick(); };
    }
    timer_->Start(initialDelay_);
}

void TWgRapidFireButton::mouseReleaseEvent(QMouseEvent* event) {
    TSpeedButton::mouseReleaseEvent(event);
    if (timer_) timer_->Stop();
}

void TWgRapidFireButton::Tick() {
    timer_->SetInterval(delay_);
    if (State() == TButtonState::bsDown && isEnabled()) Click();
}

void TWgRapidFireButton::Paint(Canvas& canvas) {
    TSpeedButton::Paint(canvas);
    if (!(options_ & kFocusRect)) return;
    const int shift = DrawnPressed() ? 1 : 0;
    const TRect r = ClientRect().Inflated(-3, -3).Offset(shift, shift);
    // A dotted rectangle, every second pixel.
    const TColor dot = clBtnText;
    for (int x = r.left; x < r.right; x += 2) {
        canvas.SetPixel(x, r.top, dot);
        canvas.SetPixel(x, r.bottom - 1, dot);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        canvas.SetPixel(r.left, y, dot);
        canvas.SetPixel(r.right - 1, y, dot);
    }
}

}  // namespace vx
