#include "widgets/qt/WgRapidFireButton.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

namespace vx {
namespace {

// Time in milliseconds that the test moves by hand, and the repeat timers on
// it. Like a window timer, a timer whose interval changes from inside its
// tick next ticks one new interval later.
class ManualClock {
  public:
    class Timer final : public TWgRepeatTimer {
      public:
        explicit Timer(ManualClock& clock) : clock_(clock) {}
        void Start(int intervalMs) override {
            interval_ = intervalMs;
            due_ = clock_.now + intervalMs;
            running_ = true;
        }
        void SetInterval(int intervalMs) override {
            interval_ = intervalMs;
            if (running_) due_ = clock_.now + intervalMs;
        }
        void Stop() override { running_ = false; }
        bool Running() const override { return running_; }
        void Reach(int now) {
            if (!running_ || due_ != now) return;
            due_ = now + interval_;
            if (onTick) onTick();
        }

      private:
        ManualClock& clock_;
        int interval_ = 0;
        int due_ = 0;
        bool running_ = false;
    };

    TWgRapidFireButton::TimerFactory Factory() {
        return [this] {
            auto timer = std::make_unique<Timer>(*this);
            timers.push_back(timer.get());
            return timer;
        };
    }
    void AdvanceTo(int when) {
        while (now < when) {
            ++now;
            for (Timer* t : timers)
                t->Reach(now);
        }
    }

    int now = 0;
    std::vector<Timer*> timers;
};

class WgRapidFireButtonTest : public testing::Test {
  protected:
    WgRapidFireButtonTest() {
        button_.resize(23, 22);
        button_.SetTimerFactory(clock_.Factory());
        button_.OnClick = [this] { clicks_.push_back(clock_.now); };
    }
    void Press() { QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(5, 5)); }
    void Release(QPoint at = QPoint(5, 5)) {
        QTest::mouseRelease(&button_, Qt::LeftButton, {}, at);
    }

    ManualClock clock_;
    TWgRapidFireButton button_;
    std::vector<int> clicks_;
};

TEST_F(WgRapidFireButtonTest, HeldForASecondRepeatsFromFourHundredEveryHundred) {
    EXPECT_EQ(button_.InitialDelay(), 400);
    EXPECT_EQ(button_.Delay(), 100);
    Press();
    clock_.AdvanceTo(1000);
    Release();
    EXPECT_EQ(clicks_, (std::vector<int>{400, 500, 600, 700, 800, 900, 1000, 1000}));
    clock_.AdvanceTo(2000);  // stopped with the release
    EXPECT_EQ(clicks_.size(), 8u);
    EXPECT_FALSE(button_.RepeatTimer()->Running());
}

TEST_F(WgRapidFireButtonTest, ReleasedBeforeTheFirstRepeatClicksOnce) {
    Press();
    clock_.AdvanceTo(399);
    Release();
    clock_.AdvanceTo(1000);
    EXPECT_EQ(clicks_, std::vector<int>{399});

    // A new press starts the initial delay again, on the same timer.
    Press();
    clock_.AdvanceTo(1450);
    Release();
    EXPECT_EQ(clicks_, (std::vector<int>{399, 1400, 1450}));
    EXPECT_EQ(clock_.timers.size(), 1u);
}

TEST_F(WgRapidFireButtonTest, PointerOffTheHeldButtonPausesTheRepeats) {
    Press();
    clock_.AdvanceTo(450);
    QTest::mouseMove(&button_, QPoint(60, 5));
    clock_.AdvanceTo(850);
    EXPECT_EQ(clicks_, std::vector<int>{400});
    QTest::mouseMove(&button_, QPoint(5, 5));
    clock_.AdvanceTo(950);
    QTest::mouseMove(&button_, QPoint(60, 5));
    Release(QPoint(60, 5));  // released off the button: no click
    EXPECT_EQ(clicks_, (std::vector<int>{400, 900}));
}

TEST_F(WgRapidFireButtonTest, NoRepeatsWhileDisabledOrWithOtherDelays) {
    button_.SetInitialDelay(250);
    button_.SetDelay(50);
    Press();
    clock_.AdvanceTo(300);
    button_.setEnabled(false);
    clock_.AdvanceTo(400);
    EXPECT_EQ(clicks_, (std::vector<int>{250, 300}));
}

TEST(WgRapidFireButtonGlyphTest, ScrollStylesBuildTheArrowGlyphs) {
    TWgRapidFireButton button;
    const QRgb face = ToQColor(clBtnFace).rgb(), ink = ToQColor(clBtnText).rgb();
    EXPECT_TRUE(button.Glyph().isNull());

    button.SetScrollStyle(TWgScrollStyle::scsUp);
    QImage up = button.Glyph();
    ASSERT_EQ(up.size(), QSize(9, 6));
    EXPECT_EQ(up.pixel(4, 1), ink);  // the tip
    EXPECT_EQ(up.pixel(3, 1), face);
    for (int x = 1; x <= 7; ++x)
        EXPECT_EQ(up.pixel(x, 4), ink) << x;  // the base, seven pixels
    EXPECT_EQ(up.pixel(0, 4), face);
    EXPECT_EQ(up.pixel(0, 5), face);  // the transparent colour

    button.SetScrollStyle(TWgScrollStyle::scsDown);
    QImage down = button.Glyph();
    ASSERT_EQ(down.size(), QSize(9, 6));
    EXPECT_EQ(down.pixel(4, 4), ink);
    EXPECT_EQ(down.pixel(1, 1), ink);
    EXPECT_EQ(down.pixel(7, 1), ink);

    button.SetScrollStyle(TWgScrollStyle::scsLeft);
    QImage left = button.Glyph();
    ASSERT_EQ(left.size(), QSize(9, 9));
    EXPECT_EQ(left.pixel(2, 4), ink);
    EXPECT_EQ(left.pixel(5, 1), ink);
    EXPECT_EQ(left.pixel(5, 7), ink);

    button.SetScrollStyle(TWgScrollStyle::scsRight);
    QImage right = button.Glyph();
    ASSERT_EQ(right.size(), QSize(9, 9));
    EXPECT_EQ(right.pixel(5, 4), ink);
    EXPECT_EQ(right.pixel(2, 1), ink);
    EXPECT_EQ(right.pixel(2, 7), ink);

    // Built disabled: etched in the shadow colour.
    button.SetEnabled(false);
    button.SetScrollStyle(TWgScrollStyle::scsUp);
    EXPECT_EQ(button.Glyph().pixel(4, 1), ToQColor(clBtnShadow).rgb());
    EXPECT_EQ(button.Glyph().pixel(5, 2), ToQColor(clBtnShadow).rgb());

    button.SetScrollStyle(TWgScrollStyle::scsNone);
    EXPECT_TRUE(button.Glyph().isNull());
}

TEST(WgRapidFireButtonGlyphTest, AButtonHeldDownBuildsItsArrowPushed) {
    // Pushed, the arrow is the same shape one pixel right and down.
    const QRgb ink = ToQColor(clBtnText).rgb();
    for (TWgScrollStyle style : {TWgScrollStyle::scsUp, TWgScrollStyle::scsDown,
                                 TWgScrollStyle::scsLeft, TWgScrollStyle::scsRight}) {
        TWgRapidFireButton up, down;
        up.SetScrollStyle(style);
        down.SetGroupIndex(1);
        down.SetDown(true);
        down.SetScrollStyle(style);
        const QImage plain = up.Glyph(), pushed = down.Glyph();
        ASSERT_EQ(pushed.size(), plain.size());
        EXPECT_NE(pushed, plain) << int(style);
        bool shifted = true;
        for (int y = 0; y + 1 < plain.height(); ++y) {
            for (int x = 0; x + 1 < plain.width(); ++x)
                shifted &= (pushed.pixel(x + 1, y + 1) == ink) == (plain.pixel(x, y) == ink);
        }
        EXPECT_TRUE(shifted) << int(style);
    }
}

TEST(WgRapidFireButtonGlyphTest, ArrowSitsInTheMiddleOfTheButton) {
    TWgRapidFireButton button;
    button.resize(23, 22);
    button.SetScrollStyle(TWgScrollStyle::scsUp);
    // The 9 x 6 glyph at ((23 - 9 + 1) div 2, (22 - 6 + 1) div 2) = (7, 8).
    const QRgb ink = ToQColor(clBtnText).rgb();
    EXPECT_EQ(button.PaintedImage().pixel(11, 9), ink);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage pressed = button.PaintedImage();
    EXPECT_EQ(pressed.pixel(12, 10), ink);
    EXPECT_NE(pressed.pixel(11, 9), ink);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
}

}  // namespace
}  // namespace vx
