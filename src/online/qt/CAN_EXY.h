// The CAN module calibration window `TCAN_EXYFrm` ("CAN_EXY模块标定"): the
// expansion modules online (IDs 1-14, read every 10 ms from D10520-D10535),
// the first of them with its XY number, and a new ID for the module online.
//
// "更新到模块" works only while exactly one module is online (else it tells
// the condition): it writes the command 192 and the new ID to D10550-D10551
// and waits, its caption "请稍后。。。", until the module answers under the new
// ID; after more than 50 answers without that the command goes out again. A
// write that fails is told ("通信失败 ！") and ends the wait.
//
// Until the first answer the modules are blank. A link that does not open, or
// a read the controller does not answer, puts "通信失败 ！" in the caption and
// greys the modules until an answer comes.
#pragma once

#include <QDialog>

#include "online/CanModules.h"
#include "online/qt/RegisterPoller.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace vx {

class TFlatSkin;

class TCAN_EXYFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TCAN_EXYFrm(QWidget* parent = nullptr, RegisterCalls& calls = TheRegisterCalls());

    TRegisterPoller& Poller() { return poller_; }
    QSpinBox* SpinEdit1() const { return spinEdit1_; }
    QSpinBox* SpinEdit2() const { return spinEdit2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label5() const { return label5_; }
    QTableWidget* Grid_EX_Show() const { return grid_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }
    // The grid's Tag: modules online at the last answer.
    int OnlineCount() const { return onlineCount_; }
    const CanIdUpdate& Update() const { return update_; }

    void done(int result) override;
    // The language of the title, the button's texts and messages, set before
    // showing.
    void SetChinese(bool chinese) { chinese_ = chinese; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QString Caption() const;
    void FormShow();
    void FormClose();
    void Timer1Answer(const QString& spinner);
    // The modules as the device image holds them; blank while not read.
    void ShowModules();
    void ShowLinkFailed();
    void SpinEdit2Change();
    void BitBtn2Click();
    // Writes the command; a failure is told and ends the update.
    void SendCommand();
    void EndUpdate();

    TRegisterPoller poller_;
    CanIdUpdate update_;
    int onlineCount_ = 0;
    bool chinese_ = true;
    QSpinBox* spinEdit1_ = nullptr;
    QSpinBox* spinEdit2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label5_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
