// The controller information dialog `TPLCInfoFrm` ("PLC信息"): the factory
// year and month, the firmware version and, in the caption, the controller's
// 32-bit identifier, read from D2090-D2094.
//
// The main window's command calls RePLCInfo, which opens a link of its own
// and reads the five words; the 100 ms timer `Timer1` waits for the answer.
// When it comes the labels and caption are filled, the link is closed and the
// dialog is shown; after 20 ticks without it the link is closed and
// "通信失败 ！" is told. A link that does not open is told the same way and
// the dialog is not shown.
#pragma once

#include <QDialog>
#include <QTimer>

#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/RegisterCalls.h"

class QLabel;

namespace vx {

class TPLCInfoFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TPLCInfoFrm(QWidget* parent = nullptr, RegisterCalls& calls = TheRegisterCalls(),
                         DeviceImage& image = TheDeviceImage(), PollState& state = ThePollState());
    ~TPLCInfoFrm() override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QTimer& Timer1() { return timer_; }

    // Reads the controller's identity and shows the dialog once it has come.
    void RePLCInfo();
    // The language of the captions the dialog writes, set before RePLCInfo.
    void SetChinese(bool chinese) { chinese_ = chinese; }
    void Timer1Timer();

  private:
    void CloseLink();

    RegisterCalls& calls_;
    DeviceImage& image_;
    PollState& state_;
    QTimer timer_;
    bool linkOpen_ = false;
    bool chinese_ = true;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
};

}  // namespace vx
