// The duplicate-output check `TOrganCheckFrm` ("输出复用检查").
//
// Shown, it lists every output device that more than one coil drives, with
// the first two places of each (device, block, line), and a double click on
// a row shows that place in the grid. The check starts 100 ms after the
// window appears, so the window and its progress note "检查中。。。" are seen
// first; the note grows by "。。" after each device group. The headers and
// the note follow the interface language.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QTreeWidget;

namespace vx {

class TOrganCheckFrm : public QDialog {
    Q_OBJECT
  public:
    struct Host {
        // The grid shows an absolute place, switching the block when needed.
        std::function<void(int column, int row)> showPlace;
        // The interface language (Chinese when unset).
        std::function<bool()> chinese;
    };

    explicit TOrganCheckFrm(QWidget* parent = nullptr);

    Host& Seams() { return host_; }

    // The check itself (the timer's tick).
    void Timer1Timer();
    // Shows the place of the selected row.
    void ListView1DblClick();

    QTreeWidget* ListView1() const { return listView1_; }
    QLabel* Panel1() const { return panel1_; }
    QTimer& Timer1() { return timer1_; }

  signals:
    // After the check has listed everything.
    void CheckFinished();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool Chinese() const { return !host_.chinese || host_.chinese(); }

    Host host_;
    QTreeWidget* listView1_ = nullptr;
    QLabel* panel1_ = nullptr;
    QTimer timer1_;
};

}  // namespace vx
