// `TWgRapidFireButton`: a speed button that repeats its click while it is
// held down, with an optional arrow glyph (the group bar's scroll buttons).
//
// The first repeat comes InitialDelay milliseconds after the press, the next
// ones every Delay milliseconds; a repeat clicks only while the button is
// drawn pressed (the pointer over it) and enabled. Releasing the button over
// it gives the ordinary click.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/qt/SpeedButton.h"
#include "widgets/WgRepeatTimer.h"

namespace vx {

enum class TWgScrollStyle { scsNone, scsLeft, scsUp, scsRight, scsDown };

class TWgRapidFireButton : public TSpeedButton {
    Q_OBJECT
  public:
    using TimerFactory = std::function<std::unique_ptr<TWgRepeatTimer>()>;

    explicit TWgRapidFireButton(QWidget* parent = nullptr);
    ~TWgRapidFireButton() override;

    std::uint16_t InitialDelay() const { return initialDelay_; }
    void SetInitialDelay(std::uint16_t ms) { initialDelay_ = ms; }
    std::uint16_t Delay() const { return delay_; }
    void SetDelay(std::uint16_t ms) { delay_ = ms; }
    TWgScrollStyle ScrollStyle() const { return scrollStyle_; }
    // Builds the arrow glyph of the style (none for scsNone), pushed when the
    // button is down and inactive when it is disabled, as they are now.
    virtual void SetScrollStyle(TWgScrollStyle style);

    // Where the repeat timer comes from (a window timer unless a test gives
    // another); it is made on the first press.
    void SetTimerFactory(TimerFactory factory) { timerFactory_ = std::move(factory); }
    TWgRepeatTimer* RepeatTimer() const { return timer_.get(); }

  protected:
    // Bit 1: repeat enabled; bit 0: a focus rectangle is drawn.
    static constexpr std::uint8_t kRepeat = 2, kFocusRect = 1;
    std::uint8_t Options() const { return options_; }
    void SetOptions(std::uint8_t options);

    void Paint(Canvas& canvas) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Tick();

    std::uint16_t initialDelay_ = 400;
    std::uint16_t delay_ = 100;
    TWgScrollStyle scrollStyle_ = TWgScrollStyle::scsNone;
    std::uint8_t options_ = kRepeat;
    TimerFactory timerFactory_;
    std::unique_ptr<TWgRepeatTimer> timer_;
};

}  // namespace vx
