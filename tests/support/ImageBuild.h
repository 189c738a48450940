// Builds a controller image from a ladder program the way F5 does, without
// windows: the project is saved, converted by the ladder converter and
// compiled by the C stage with the real tool chain and run-time kit. The
// linked program (plc.elf) is kept beside the image, for its symbols.
#pragma once

#include <string>

#include "build/StageView.h"
#include "model/LadderProgram.h"

namespace vx::test {

// A compile stage's view that keeps its messages and shows nothing.
class CollectingView : public StageView {
  public:
    void ShowProgress(int, const std::string&) override {}
    void ShowState(const std::string&) override {}
    void RefreshClock() override {}
    void SetMessages(const std::string& text) override { messages += text; }
    void AddMessage(const std::string& line) override { messages += line + "\n"; }
    void ShowMessagePane(PaneColour) override {}
    void SetInstructionList(const std::string&) override {}
    std::string messages;
};

struct BuiltImage {
    bool ok = false;
    std::string image;     // Torvin.pin
    std::string elf;       // plc.elf, copied before the stage's clean-up
    std::string messages;  // converter refusal or the stage's messages
};

// Whether the GNU ARM tool chain and the run-time kit of this build are there.
bool CanBuildImages();

// Compiles `program` in `folder` (which gets the Windows directory, the
// program folder and the project). With a C block text the project uses it.
BuiltImage BuildImage(const LadderProgram& program, const std::string& folder,
                      const std::string& cBlock = {});

}  // namespace vx::test
