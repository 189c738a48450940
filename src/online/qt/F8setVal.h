// The set-value dialog `TF8setValFrm` ("设置当前值"): writes the current
// value of a data register, a timer or a counter of the running controller
// while the ladder is monitored.
//
// The value is typed as a K, H, B or E text (SetValue.h) or made by clicking
// the 32 bit labels, at the width chosen by the three radio buttons. OK
// refuses what cannot be written, colours the bit labels, logs the value in
// `Memo1` and writes one or two words with ladder monitoring's poller held;
// the dialog stays open for the next value. A write the controller does not
// confirm is reported ("通信失败 ！").
#pragma once

#include <QDialog>
#include <array>

#include "online/SetValue.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vx {

class TFlatSkin;
class TLadderPoller;

class TF8setValFrm : public QDialog {
    Q_OBJECT
  public:
    // The poller is held around every write (none: nothing to hold).
    explicit TF8setValFrm(QWidget* parent = nullptr, TLadderPoller* poller = nullptr);

    // The messages' language, as the main window's language item says.
    void SetChinese(bool chinese) { chinese_ = chinese; }

    QComboBox* DTC() const { return dtc_; }
    QSpinBox* SpinEdit1() const { return spinEdit1_; }
    QLineEdit* Edit1() const { return edit1_; }
    QRadioButton* RadioButton1() const { return radioButton1_; }
    QRadioButton* RadioButton2() const { return radioButton2_; }
    QRadioButton* RadioButton3() const { return radioButton3_; }
    QPlainTextEdit* Memo1() const { return memo1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }
    // The label of a bit, `X00_00` to `X00_1F`.
    QLabel* BitLabel(int bit) const { return bitLabels_[static_cast<std::size_t>(bit)]; }
    // Whether a bit label shows its bit set (red).
    bool BitShownSet(int bit) const { return (bits_ >> bit) & 1u; }

    ValueWidth Width() const;
    ValueFamily Family() const;

    // Presets the device: the family's maximum first, then the number.
    void SetDevice(ValueFamily family, int number);

    // The family changed: the number's maximum and hint follow it.
    void DTCChange();
    // A radio button clicked: the width's hints and bit labels.
    void RadioButton1Click();
    // OK: checks, logs and writes the value.
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void X00_00Click(int bit);
    void ShowBits(std::uint32_t bits, int count);
    void PaintBitLabel(int bit);
    void Refuse(const char* chinese, const char* english);

    TLadderPoller* poller_;
    bool chinese_ = true;
    std::uint32_t bits_ = 0;  // the labels shown red

    QComboBox* dtc_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QRadioButton* radioButton3_ = nullptr;
    QPlainTextEdit* bits16_ = nullptr;
    QPlainTextEdit* bits32_ = nullptr;
    QPlainTextEdit* bits32F_ = nullptr;
    std::array<QWidget*, 4> bitPanels_{};  // Panel3, Panel24, Panel5, Panel4: bits 0-7 .. 24-31
    std::array<QLabel*, 32> bitLabels_{};
    QPlainTextEdit* memo1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
