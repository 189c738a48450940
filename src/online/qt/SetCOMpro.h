// The communication settings dialog `TsetCOMpro` ("通信设置"): how the tool
// reaches the controller, a serial port COM1-COM8 or Modbus TCP, the baud
// rate, and the TCP address and port.
//
// It edits the process-wide link settings (TheLinkSettings()); OK writes the
// port, the baud-rate index, the address and port texts and the choice of
// "PLC工程文件" or "Torvin设置" at once, cancel changes nothing. The station,
// parity, data-bit and stop-bit controls are shown as the controller's
// defaults and not stored: the link always takes station and frame from the
// project.
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace vx {

class TFlatSkin;
class TWgGroupBox;

class TsetCOMpro : public QDialog {
    Q_OBJECT
  public:
    explicit TsetCOMpro(QWidget* parent = nullptr);
    // The language of the group title the dialog writes, set before showing.
    void SetChinese(bool chinese) { chinese_ = chinese; }

    QComboBox* Compro() const { return compro_; }
    QRadioButton* COM_According() const { return comAccording_; }
    QRadioButton* RadioButton2() const { return radioButton2_; }
    TWgGroupBox* WgGroupBox1() const { return groupBox1_; }
    TWgGroupBox* WgGroupBox2() const { return groupBox2_; }
    QWidget* Panel1() const { return panel1_; }
    QPushButton* BitBtn2() const { return bitBtn2_; }
    QLineEdit* Edit1() const { return edit1_; }
    QLineEdit* Edit2() const { return edit2_; }
    QComboBox* Baud_rateSET() const { return baudRate_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    // The port combo changed: serial port or Ethernet.
    void ComproChange();
    // Either radio button clicked: the second group is enabled exactly for "Torvin设置".
    void COM_AccordingClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool chinese_ = true;
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

    QComboBox* compro_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    TWgGroupBox* groupBox1_ = nullptr;
    QRadioButton* comAccording_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QButtonGroup* radios_ = nullptr;
    QWidget* panel1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    TWgGroupBox* groupBox2_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    QComboBox* comboBox3_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
