// The device memory monitor's go-to dialog `TMonitorGotoFrm` ("元件定位"): a
// number 0-9999 for the M or D grid, named by its label ("定位到M:",
// "定位到D:"). "确认(Y)" ends it with kResultYes, "取消(N)" with kResultCancel.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vx {

class TFlatSkin;

class TMonitorGotoFrm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultYes = 6;
    static constexpr int kResultCancel = 2;

    explicit TMonitorGotoFrm(QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }  // "定位到M:" or "定位到D:"
    QSpinBox* SpinEdit1() const { return spinEdit1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }

    // Escape cancels.
    void reject() override { done(kResultCancel); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
    QPushButton* bitBtn3_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
