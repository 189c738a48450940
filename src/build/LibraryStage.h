// The C library compile (the work of TTCPPlibFrm): the project's C block
// alone is compiled into an object, which becomes the project's ".Lib" file.
// A log with only warnings shows in blue and still gives the library; an
// error shows in red and gives none.
#pragma once

#include <string>
#include <vector>

#include "build/ToolChainJob.h"

namespace vx {

struct LibraryInputs {
    std::string winDir;
    std::string projectFile;
    bool chinese = true;
};

class LibraryStage : public ToolChainJob {
  public:
    LibraryStage(LibraryInputs inputs, StageView& view);

    // The window is shown: "编译开始。。。".
    void Show();
    // Writes "PLCC.c" from the project's ".PLCC" file and "plc.h". False when
    // the stage ended here (told to the user).
    bool Begin();
    // Whether the ".Lib" file was written.
    bool LibraryMade() const { return libraryMade_; }

  protected:
    std::vector<ToolCommand> Commands() const override { return {LibraryCommandLine()}; }
    std::string ProductPath() const override;
    void JudgeLogs(CommandChain::State state) override;
    std::string ProgressWord() const override { return chinese_ ? "编译进行中" : "Compiled Of"; }
    std::string DoneLabel(bool stopped) const override;
    void AfterAttempts() override;
    std::vector<std::string> CleanUpExtensions() const override;

  private:
    LibraryInputs inputs_;
    bool libraryMade_ = false;
};

}  // namespace vx
