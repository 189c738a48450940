// The updater's main window (TMainForm): progress bar, status line, lamp, the
// port and model lists and the "下载" button, over the logic of UpdaterMain
// and its boot-loader session.
#pragma once

#include <QWidget>
#include <memory>

#include "updater/Main.h"
#include "updater/PosixSerialLink.h"
#include "updater/Timers.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vx {

class TimerPump;
class TWgProgressBar;

// A built-in image from the program's Qt resources, ":/FILE<n>/SRC<n>".
std::optional<std::string> ReadBuiltInImage(const std::string& type, const std::string& name);

class TMainForm final : public QWidget, public UpdaterView {
    Q_OBJECT

  public:
    // packageFolder: where "Update.Da2" is looked for, the updater's own
    // folder; empty: the program folder.
    explicit TMainForm(QWidget* parent = nullptr, const std::string& packageFolder = {});
    ~TMainForm() override;

    UpdaterMain& Logic() { return *logic_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // UpdaterView
    void SetCaption(const std::string& caption) override;
    void SetModelList(bool enabled, int index) override;
    int ModelIndex() const override;
    int PortIndex() const override;
    void ShowStatus(const std::string& text) override;
    void ShowProgress(int percent) override;
    void ShowProgressHint(const std::string& hint) override;
    void ShowLamp(bool portOpen) override;
    void CloseWindow() override;

    PosixSerialLink link_;
    TimerSet timers_;
    TWgProgressBar* progressBar1_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* shape1_ = nullptr;
    QComboBox* serialPort_ = nullptr;
    QComboBox* plcType_ = nullptr;
    QPushButton* bitBtn2_ = nullptr;
    std::unique_ptr<UpdaterMain> logic_;
    std::unique_ptr<TimerPump> pump_;
    bool shown_ = false;
};

}  // namespace vx
