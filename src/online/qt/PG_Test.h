// The pulse output test panel `TPG_TestFrm` ("PG高速测试界面"): the three
// pulse channels K0 (Y20), K1 (Y21) and K2 (Y22), read every 10 ms from
// D300-D325. Each channel shows its pulses, output count, target and start
// frequency and acceleration time, and a lamp that is yellow while it runs.
// Clicking one of the twelve value edits while polling opens the value dialog
// `TPG_SendFrm` for its register (the edit's Tag).
//
// Until the first answer the fields are blank and the lamps grey. A link that
// does not open, or a read the controller does not answer, puts "通信失败 ！"
// in the caption and greys the fields and lamps until an answer comes.
#pragma once

#include <QDialog>
#include <array>

#include "online/qt/RegisterPoller.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace vx {

class TPG_SendFrm;

class TPG_TestFrm : public QDialog {
    Q_OBJECT
  public:
    explicit TPG_TestFrm(QWidget* parent = nullptr, RegisterCalls& calls = TheRegisterCalls());

    TRegisterPoller& Poller() { return poller_; }
    TPG_SendFrm* PG_SendFrm() const { return send_; }
    // Edit1-Edit12, in the order of kPulseEditRegisters.
    QLineEdit* Edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
    QLabel* Output(int channel) const { return outputs_[static_cast<std::size_t>(channel)]; }
    QFrame* Shape(int channel) const { return shapes_[static_cast<std::size_t>(channel)]; }

    void done(int result) override;
    // The language of the title, the output lines and the value dialog's
    // messages, set before showing.
    void SetChinese(bool chinese);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString Caption() const;
    void FormShow();
    void FormClose();
    void ShowValues(const QString& spinner);
    void ShowLinkFailed();
    void Edit1Click(QLineEdit* edit);

    TRegisterPoller poller_;
    TPG_SendFrm* send_ = nullptr;
    std::array<QLineEdit*, 12> edits_{};
    std::array<QLabel*, 3> outputs_{};
    std::array<QFrame*, 3> shapes_{};
    bool chinese_ = true;
};

}  // namespace vx
