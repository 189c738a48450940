// The save and backup dialog `TForSav` ("保存和备份"): auto-save and its
// interval in minutes, the ".BAK" copy on save, and the project's password
// with its flag, typed twice.
//
// OK checks every field first (an interval of 1 to 99 minutes while
// auto-save is on, two equal password entries while the password is on);
// a fault is told and the dialog stays open with nothing changed.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "editor/SavBak.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TFlatSkin;

class TForSav : public QDialog {
    Q_OBJECT
  public:
    explicit TForSav(QWidget* parent = nullptr);

    // Shows the dialog modally with these values; `chinese` picks the
    // language of its messages. The values OK stored, or nothing on cancel.
    std::optional<SavBakValues> Execute(const SavBakValues& values, bool chinese);

    QGroupBox* GroupBox1() const { return groupBox1_; }
    QCheckBox* CheckBox1() const { return checkBox1_; }
    QLineEdit* Edit1() const { return edit1_; }
    QCheckBox* CheckBox2() const { return checkBox2_; }
    QCheckBox* CheckBox3() const { return checkBox3_; }
    QLineEdit* Edit2() const { return edit2_; }
    QLineEdit* Edit3() const { return edit3_; }
    QLabel* Label(int n) const { return labels_[n - 1]; }  // Label1 to Label4
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetEnabledStates();
    void Edit1Change(const QString& typed);
    void BitBtn1Click();
    SavBakFields Fields() const;

    SavBakValues before_;
    SavBakValues stored_;
    bool chinese_ = true;
    QGroupBox* groupBox1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QCheckBox* checkBox3_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLabel* labels_[4] = {};
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
