// What a tool-chain job shows while it runs: its progress window's gauge and
// label, the main window's status panels, message pane and instruction list.
// The windows implement it; tests record it. Texts are UTF-8.
#pragma once

#include <string>

namespace vx {

enum class PaneColour { Red, Blue };

class StageView {
  public:
    virtual ~StageView() = default;
    // The progress window's gauge (0-49, 50 = full) and label.
    virtual void ShowProgress(int gauge, const std::string& label) = 0;
    // Panel 1 of the main window's status bar: what the job is doing.
    virtual void ShowState(const std::string& text) = 0;
    // Panel 5: the clock, in the main window's own format.
    virtual void RefreshClock() = 0;
    // The message pane's text: replaced, or one line appended.
    virtual void SetMessages(const std::string& text) = 0;
    virtual void AddMessage(const std::string& line) = 0;
    // Makes the message pane visible, at least 118 pixels high, its text in the colour.
    virtual void ShowMessagePane(PaneColour colour) = 0;
    // The instruction list the user sees (the converter's "LD.txt").
    virtual void SetInstructionList(const std::string& text) = 0;
};

}  // namespace vx
