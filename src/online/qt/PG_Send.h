// The pulse value dialog `TPG_SendFrm`: a new value for one register of the
// pulse test. `Edit2` shows the register, `Edit1` takes digits only; an empty
// text counts as 0, and a value above the register's maximum is told
// ("设定范围: 0-" + maximum + " ！") and replaced by the maximum. OK writes the
// value (one word for the 16-bit registers, a pair otherwise) with the pulse
// test's timer paused; a failed write is told ("通信失败 ！"). The messages
// are in the interface language the pulse test passes on.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace vx {

class TFlatSkin;
class TRegisterPoller;

class TPG_SendFrm : public QDialog {
    Q_OBJECT
  public:
    // Writes through the pulse test's poller.
    TPG_SendFrm(QWidget* parent, TRegisterPoller& poller);

    // The register, its current value and its maximum (Edit1's Tag).
    void Prepare(int reg, const QString& value, std::int64_t maximum);

    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }
    std::int64_t Maximum() const { return maximum_; }
    void SetChinese(bool chinese) { chinese_ = chinese; }
    int Register() const { return register_; }

  private:
    void Edit1Change();
    void BitBtn1Click();

    TRegisterPoller& poller_;
    int register_ = 0;
    std::int64_t maximum_ = 0;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    TFlatSkin* skin_ = nullptr;
    bool chinese_ = true;
};

}  // namespace vx
