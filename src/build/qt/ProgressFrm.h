// The progress window of a tool-chain job (the compile window TTranslateFrm
// and the C library window TTCPPlibFrm share it): the gauge `Gauge1` (0-50),
// the label `Label7`, the stop button `SpeedButton11` (hint "终止") on a
// background panel `Panel6`. It is shown modally; a one-shot `Timer1` 100 ms
// after the show starts the job, which then runs from a 10 ms poll timer, so
// the window (and its stop button) stays alive while the tools run. The
// window closes itself when the job has finished.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <string>

#include "build/StageView.h"
#include "build/ToolChainJob.h"

namespace vx {

// A StageView made of functions (the main window fills them).
class FunctionStageView : public StageView {
  public:
    std::function<void(int, const std::string&)> progress;
    std::function<void(const std::string&)> state;
    std::function<void()> clock;
    std::function<void(const std::string&)> setMessages;
    std::function<void(const std::string&)> addMessage;
    std::function<void(PaneColour)> showPane;
    std::function<void(const std::string&)> instructionList;

    void ShowProgress(int gauge, const std::string& label) override {
        if (progress) progress(gauge, label);
    }
    void ShowState(const std::string& text) override {
        if (state) state(text);
    }
    void RefreshClock() override {
        if (clock) clock();
    }
    void SetMessages(const std::string& text) override {
        if (setMessages) setMessages(text);
    }
    void AddMessage(const std::string& line) override {
        if (addMessage) addMessage(line);
    }
    void ShowMessagePane(PaneColour colour) override {
        if (showPane) showPane(colour);
    }
    void SetInstructionList(const std::string& text) override {
        if (instructionList) instructionList(text);
    }
};

class TProgressFrm : public QDialog, public StageView {
    Q_OBJECT
  public:
    QProgressBar* Gauge1() const { return gauge1_; }
    QLabel* Label7() const { return label7_; }
    QToolButton* SpeedButton11() const { return speedButton11_; }

    // StageView: the gauge and label here, the rest to the main window.
    void ShowProgress(int gauge, const std::string& label) override;
    void ShowState(const std::string& text) override { host_.ShowState(text); }
    void RefreshClock() override { host_.RefreshClock(); }
    void SetMessages(const std::string& text) override { host_.SetMessages(text); }
    void AddMessage(const std::string& line) override { host_.AddMessage(line); }
    void ShowMessagePane(PaneColour colour) override { host_.ShowMessagePane(colour); }
    void SetInstructionList(const std::string& text) override { host_.SetInstructionList(text); }

  protected:
    TProgressFrm(StageView& host, const QString& objectName, int top, QWidget* parent);

    // The job's show text, and its start (false: it ended at once).
    virtual void JobShown() = 0;
    virtual bool JobBegin() = 0;
    virtual ToolChainJob& Job() = 0;

    void showEvent(QShowEvent* event) override;
    void reject() override;  // Esc and the close box stop the job first

  private:
    void Timer1Timer();
    void PollTimer();

    StageView& host_;
    QProgressBar* gauge1_ = nullptr;
    QLabel* label7_ = nullptr;
    QToolButton* speedButton11_ = nullptr;
    QTimer timer1_;
    QTimer poll_;
};

}  // namespace vx
