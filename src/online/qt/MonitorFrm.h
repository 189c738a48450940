// The device memory monitor `TMonitorFrm` ("软元件内存"): whole device areas of
// the running controller in one grid per tab (X, Y, M, S, T, C, D and the
// system registers from D10000), a jump bar of device blocks on the left, and
// a tab " 关 闭 " that closes the window.
//
// It is shown without blocking the main window and owns the Modbus link
// while it is shown: showing it opens the link, clears the device image and
// starts three timers (Timer1 200 ms: repaint; Timer2 10 ms: the poller of
// the tab shown; Timer3 2 s: the M and D windows follow the grid), only when
// the link opened. Closing it stops them, closes the link it opened and, when
// it was opened from ladder monitoring (Tag 111), hands the link back by
// restarting ladder monitoring.
//
// A link that does not open, or a read the controller does not answer, puts
// "通信失败 ！" in the caption until an answer comes; cells not read since the
// window opened, or whose last read went unanswered, are grey and show no
// state or value (see MemoryCell).
//
// Double-clicking a Y, M or S cell opens the set/reset dialog, a D or
// system register cell the register write dialog; "其它定位" opens the go-to
// dialog. Writes are made with the poller paused.
//
// `WgGroupBar1` and `PageControl1` are the widget family's group bar and
// page control.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "online/DeviceImage.h"
#include "online/LadderStakeout.h"
#include "online/MemoryPoll.h"
#include "online/RegisterFormat.h"

class QComboBox;

namespace vx {

class TMonitorDf;
class TMonitorGotoFrm;
class TMonitorGrid;
class TMonitorRSf;
class TWgGroup;
class TWgGroupBar;
class TWgGroupItem;
class TWgPageControl;

class TMonitorFrm : public QWidget {
    Q_OBJECT
  public:
    // The window's Tag when it took the link over from ladder monitoring.
    static constexpr int kFromLadderMonitoring = 111;

    // What the window asks of the main window and of the link; each has a
    // default that does nothing or uses the tool's link.
    struct Hooks {
        // On close: the main window's monitor button up, its texts "start".
        std::function<void()> monitorButtonUp;
        // The main window's ladder grid is repainted (with the grids, and on close).
        std::function<void()> repaintLadder;
        // On close with Tag 111: ladder monitoring starts again.
        std::function<void()> restartLadderMonitoring;
        // The language item: messages in Chinese, else English.
        std::function<bool()> chinese;
        // The link's writes (value, number, area code) and (words, number, count, area code).
        std::function<bool(int, int, int)> writeBit;
        std::function<bool(const std::uint16_t*, int, int, int)> writeWords;
    };

    explicit TMonitorFrm(QWidget* parent = nullptr, DeviceImage& image = TheDeviceImage(),
                         ModbusCalls& calls = TheModbusCalls(), PollState& state = ThePollState());
    ~TMonitorFrm() override;

    Hooks& Seams() { return hooks_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // For the other online windows: whether the monitor holds an open link
    // (its repaint timer runs only then), and a pause of its poller around a
    // write that keeps whether it was running.
    bool LinkOpen() const { return timer1_.isActive(); }
    void PausePolling();
    void ResumePolling();

    TWgGroupBar* WgGroupBar1() const { return groupBar_; }
    TWgGroup* WgGroup(MonitorTab tab) const;
    TWgPageControl* PageControl1() const { return pageControl_; }
    TMonitorGrid* Grid(MonitorTab tab) const { return grids_[static_cast<std::size_t>(tab)]; }
    QComboBox* DShow_Format() const { return dShowFormat_; }
    TMonitorRSf* MonitorRSf() const { return monitorRSf_; }
    TMonitorDf* MonitorDf() const { return monitorDf_; }
    TMonitorGotoFrm* MonitorGotoFrm() const { return monitorGotoFrm_; }
    QTimer& Timer1() { return timer1_; }
    QTimer& Timer2() { return timer2_; }
    QTimer& Timer3() { return timer3_; }
    const PollFlags& Flags() const { return flags_; }
    PollWindows& Windows() { return windows_; }
    MonitorTab ShownTab() const { return shownTab_; }
    DFormat Format() const;

    // The page control's tab changed (also run when the window shows).
    void PageControl1Change();
    // A jump bar item of a group (X, Y, M, T or D) with its Tag.
    void GroupItemClick(MonitorTab group, int tag);
    // A double click on the selected cell of a grid.
    void GridDblClick(MonitorTab tab);
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Messages of the window and its dialogs: the link's (information icon)
    // and refused input (exclamation icon), in the interface language.
    bool Chinese() const;
    void LinkMessage(const char* text) const;
    void Refuse(const char* chinese, const char* english) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildGroupBar();
    void BuildPages();
    void PlacePages();
    void FormShow();
    void FormClose();
    void DShow_FormatChange();
    void GroupItemClicked(MonitorTab group, TWgGroupItem& item);
    // The window's title in the interface language.
    QString Caption() const;
    // The caption tells that the link failed.
    void ShowLinkFailed();

    DeviceImage& image_;
    ModbusCalls& calls_;
    PollState& state_;
    Hooks hooks_;
    int tag_ = 0;
    PollFlags flags_;
    PollWindows windows_;
    MonitorTab shownTab_ = MonitorTab::X;
    MonitorTab lastTab_ = MonitorTab::X;
    int pauses_ = 0;
    bool pollingBeforePause_ = false;

    TWgGroupBar* groupBar_ = nullptr;
    std::array<TWgGroup*, kMonitorGridTabs> groups_{};
    TWgPageControl* pageControl_ = nullptr;
    bool settingTab_ = false;  // a tab chosen by the window itself
    std::array<TMonitorGrid*, kMonitorGridTabs> grids_{};
    QComboBox* dShowFormat_ = nullptr;
    TMonitorRSf* monitorRSf_ = nullptr;
    TMonitorDf* monitorDf_ = nullptr;
    TMonitorGotoFrm* monitorGotoFrm_ = nullptr;
    QTimer timer1_, timer2_, timer3_;
};

}  // namespace vx
