// The device memory monitor's register write dialog `TMonitorDf` (" 写寄存器 "):
// a register number, a value in the D format the dialog was opened with
// (shown in its `DatFormat` panel), "写入后关闭对话框" and "写入(&W)".
//
// The value is written as one word in the 16-bit formats and as a pair, the
// low word first, in the 32-bit ones, with the monitor's poller paused.
// Texts that are no number of the format are refused with "输入错误 ！", values
// outside the format's range and registers outside D0-D20000 with their own
// messages; nothing is written then.
#pragma once

#include <QDialog>

#include "online/RegisterFormat.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TFlatSkin;
class TMonitorFrm;

class TMonitorDf : public QDialog {
    Q_OBJECT
  public:
    explicit TMonitorDf(TMonitorFrm& monitor);

    QLineEdit* Edit2() const { return edit2_; }  // register
    QLineEdit* Edit1() const { return edit1_; }  // value
    QLabel* DatFormat() const { return datFormat_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    DFormat Format() const { return format_; }
    // The format of the value; its name goes to the `DatFormat` panel.
    void SetFormat(DFormat format);

    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    TMonitorFrm& monitor_;
    DFormat format_ = DFormat::U16;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLabel* datFormat_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
