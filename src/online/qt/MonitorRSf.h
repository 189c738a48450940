// The device memory monitor's set/reset dialog `TMonitorRSf`: its caption
// names the bit ("M:100", "S:5", "Y:17"); "置位(&S)" writes it ON, "复位(&R)"
// OFF, each with the monitor's poller paused, and closes the dialog.
#pragma once

#include <QDialog>

class QPushButton;

namespace vx {

class TFlatSkin;
class TMonitorFrm;

class TMonitorRSf : public QDialog {
    Q_OBJECT
  public:
    explicit TMonitorRSf(TMonitorFrm& monitor);

    QPushButton* BitBtn2() const { return set_; }    // "置位(&S)", Tag 1
    QPushButton* BitBtn4() const { return reset_; }  // "复位(&R)", Tag 0
    QPushButton* BitBtn1() const { return cancel_; }

    // Both buttons: the value is the button's Tag.
    void BitBtn2Click(int tag);

  private:
    TMonitorFrm& monitor_;
    QPushButton* set_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* cancel_ = nullptr;
    TFlatSkin* skin_ = nullptr;
};

}  // namespace vx
