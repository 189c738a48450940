// The clock dialog `TSetRTCFrm` ("设置PLC时钟"): sets the controller's clock
// from the fields, which show the computer's clock when the dialog opens.
//
// "设置(&S)" writes D90-D92 (hour × 100 + minute, month × 100 + day, year; the
// seconds and the weekday are shown but not sent) and tells the outcome, then
// closes the dialog. While the device memory monitor holds the link the write
// goes over it, with the monitor's polling paused; otherwise the dialog opens
// a link of its own for the write and closes it again; a link that does not
// open is told ("通信失败 ！") and the dialog stays open.
#pragma once

#include <QDialog>
#include <functional>

#include "online/ClockWords.h"
#include "online/RegisterCalls.h"

class QComboBox;
class QPushButton;
class QSpinBox;

namespace vx {

class TFlatSkin;

class TSetRTCFrm : public QDialog {
    Q_OBJECT
  public:
    // What the clock needs of the device memory monitor: whether its link is
    // open, and pausing and resuming its polling around the write. Empty
    // functions stand for no monitor.
    struct MonitorLink {
        std::function<bool()> linkOpen;
        std::function<void()> pausePolling;
        std::function<void()> resumePolling;
    };

    explicit TSetRTCFrm(QWidget* parent = nullptr, RegisterCalls& calls = TheRegisterCalls());

    void SetMonitorLink(MonitorLink monitor) { monitor_ = std::move(monitor); }
    // The language of the messages, set before showing.
    void SetChinese(bool chinese) { chinese_ = chinese; }

    QSpinBox* Year() const { return year_; }
    QSpinBox* Month() const { return month_; }
    QSpinBox* Day() const { return day_; }
    QSpinBox* Hour() const { return hour_; }
    QSpinBox* Minute() const { return minute_; }
    QSpinBox* Second() const { return second_; }
    QComboBox* Weekday() const { return weekday_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    // The fields as a clock setting.
    ClockSetting Setting() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();

    RegisterCalls& calls_;
    MonitorLink monitor_;
    QSpinBox* year_ = nullptr;
    QSpinBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* hour_ = nullptr;
    QSpinBox* minute_ = nullptr;
    QSpinBox* second_ = nullptr;
    QComboBox* weekday_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
    bool chinese_ = true;
};

}  // namespace vx
