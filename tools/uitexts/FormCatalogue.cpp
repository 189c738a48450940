#include "FormCatalogue.h"

#include "build/StageView.h"
#include "build/qt/Client_Opt.h"
#include "build/qt/MyPublicFrm.h"
#include "build/qt/PasswordIN.h"
#include "build/qt/TCPPlib.h"
#include "build/qt/Translate.h"
#include "editor/qt/Main.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

// The progress windows report to their host only while a job runs.
class IdleStageView : public StageView {
  public:
    void ShowProgress(int, const std::string&) override {}
    void ShowState(const std::string&) override {}
    void RefreshClock() override {}
    void SetMessages(const std::string&) override {}
    void AddMessage(const std::string&) override {}
    void ShowMessagePane(PaneColour) override {}
    void SetInstructionList(const std::string&) override {}
};

}  // namespace

std::unique_ptr<TMainFrm> BuildAllForms() {
    static IdleStageView host;  // outlives every window that points to it
    auto main = std::make_unique<TMainFrm>();
    // In the order of the program's list of windows.
    new TTranslateFrm({}, host, main.get());
    new TMyPublicFrm(main.get());
    new TTCPPlibFrm({}, host, main.get());
    new TClient_OptFrm(ProgramFolder(), main.get());
    new TPasswordFrm(main.get());
    return main;
}

}  // namespace vx
