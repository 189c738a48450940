// The floating ON/OFF panel `Stakeout_ON_OFF` of the monitored ladder: a
// double click on a bit device shows it at the mouse, named in `Label1`; a
// click on "ON" (`Panel2`, Tag 255) or "OFF" (`Panel6`, Tag 0) hides it and
// asks for that value to be written to the device.
#pragma once

#include <QFrame>

#include "model/Devices.h"

class QLabel;

namespace vx {

class TStakeoutOnOff : public QFrame {
    Q_OBJECT
  public:
    explicit TStakeoutOnOff(QWidget* parent);

    // The device being forced (the panel's Tag).
    DeviceCode Tag() const { return tag_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Panel2() const { return panel2_; }
    QLabel* Panel6() const { return panel6_; }

    // Shows the panel for the device with its top-left corner at the point
    // (in the parent), moved in as far as needed to be seen whole.
    void ShowFor(DeviceCode code, QPoint at);

  signals:
    // "ON" or "OFF" was clicked: the panel is hidden; the value is the
    // clicked panel's Tag (255 or 0).
    void Panel2Click(DeviceCode code, int value);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DeviceCode tag_ = kNoDevice;
    QLabel* label1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLabel* panel6_ = nullptr;
};

}  // namespace vx
