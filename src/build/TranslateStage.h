// The C compile stage of the compile command (the work of the compile window
// TTranslateFrm): after the converter has left "LD.txt", "Macro.txt" and
// "Sub.txt" in the scratch folder, it writes "PLC.c", "plc.h" and, for a C
// block, "PLCC.c", copies the C library and the plug-in beside them, and runs
// the tool chain into the image until it exists, the user stops, or a log
// shows an error. Afterwards the scratch folder holds none of its files.
#pragma once

#include <string>
#include <vector>

#include "build/CompileValues.h"
#include "build/ToolChainJob.h"

namespace vx {

struct TranslateInputs {
    std::string winDir;
    std::string programFolder;
    std::string projectFile;
    std::string targetFile;
    std::string sysParamString;
    std::string holdParamString;
    bool usePlugin = false;
    std::string pluginName;
    bool chinese = true;
};

// The project's compiled C library: the project path without its last four
// characters + ".Lib".
std::string LibFileOf(const std::string& projectFile);

// The plug-in file: program folder + "Plugins/" + name (an existing file of
// that name in any case of letters is taken); empty for a name that is no
// plain file name there (see IsPluginFileName).
std::string PluginPathOf(const std::string& programFolder, const std::string& pluginName);

class TranslateStage : public ToolChainJob {
  public:
    TranslateStage(TranslateInputs inputs, StageView& view);

    // The window is shown: "程序检查完毕 ！" / "Check Done ！".
    void Show();
    // Writes the sources and prepares the command lines. False when the stage
    // ended here: a converter file or an object to copy could not be read
    // (told to the user; the result is 5).
    bool Begin();

    const CompileValues& Values() const { return values_; }
    const std::vector<ToolCommand>& CommandLines() const { return commands_; }

  protected:
    std::vector<ToolCommand> Commands() const override { return commands_; }
    std::string ProductPath() const override { return inputs_.targetFile; }
    void JudgeLogs(CommandChain::State state) override;
    std::string ProgressWord() const override;
    std::string DoneLabel(bool stopped) const override;
    void AfterAttempts() override;
    std::vector<std::string> CleanUpExtensions() const override;

  private:
    bool Prepare();

    TranslateInputs inputs_;
    CompileValues values_;
    std::vector<ToolCommand> commands_;
};

}  // namespace vx
