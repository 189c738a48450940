// The analog and encoder monitor `TAD_EN_Frm` ("AD&编码器监视"): the 12-bit
// analog inputs AD1-AD4 in tenths, the 24-bit ones AD10-AD13 and the encoders
// EN0-EN3, one tab each, read every 10 ms from the tab on show; the fourth
// tab "关闭" closes the window. The caption turns a spinner on every answer.
// The titles it sets follow the interface language told before it opens.
// A link that does not open, or a read the controller does not answer, puts
// "通信失败 ！" in the caption and greys the values until an answer comes.
#pragma once

#include <QDialog>
#include <array>

#include "online/qt/RegisterPoller.h"

class QLabel;
class QLineEdit;

namespace vx {

class TWgPageControl;

class TAD_EN_Frm : public QDialog {
    Q_OBJECT
  public:
    explicit TAD_EN_Frm(QWidget* parent = nullptr, RegisterCalls& calls = TheRegisterCalls());

    TWgPageControl* WgPageControl1() const { return pages_; }
    TRegisterPoller& Poller() { return poller_; }
    // The label and the value of row i (0-3) of tab t (0-2).
    QLabel* Caption(int tab, int row) const { return captions_[Index(tab, row)]; }
    QLineEdit* Value(int tab, int row) const { return values_[Index(tab, row)]; }
    int EncoderBase() const { return encoderBase_; }

    void done(int result) override;
    // The language of the texts the window writes, set before showing.
    void SetChinese(bool chinese) { chinese_ = chinese; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    static std::size_t Index(int tab, int row) { return static_cast<std::size_t>(tab * 4 + row); }
    void FormShow();
    void FormClose();
    void WgPageControl1Change();
    void ShowValues(const QString& spinner);
    void ShowLinkFailed(const QString& caption);

    TRegisterPoller poller_;
    TWgPageControl* pages_ = nullptr;
    bool settingTab_ = false;  // a tab chosen by the window itself
    std::array<QLabel*, 12> captions_{};
    std::array<QLineEdit*, 12> values_{};
    int encoderBase_ = 0;
    bool chinese_ = true;
};

}  // namespace vx
