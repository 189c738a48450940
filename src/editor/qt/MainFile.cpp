// The project commands of the main window: New, Open, Save, Save as, the
// recent file, the examples, and the hand-over of a request to a new
// instance of the tool when this one already holds a project.
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QScopedValueRollback>
#include <QThread>
#include <filesystem>

#include "editor/ClipCells.h"
#include "editor/DeviceComments.h"
#include "editor/ExampleProjects.h"
#include "editor/ProgramBlocks.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

constexpr int kHandOverWaitMs = 15000;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

ProjectHooks TMainFrm::Hooks() {
    ProjectHooks hooks;
    hooks.editNewParameters = [this](LadderProgram& program) {
        // Until the parameter dialog exists a new project takes the defaults.
        return windows_.systemParameters ? windows_.systemParameters(program) : true;
    };
    hooks.readComments = [](const std::string& file) {
        OpenRcmFile(RcmPathOf(file), TheDeviceComments());
    };
    hooks.writeComments = [](const std::string& file) {
        return SaveRcmFile(RcmPathOf(file), TheDeviceComments());
    };
    hooks.askPassword = windows_.password;
    hooks.askSaveName = windows_.saveFile;
    return hooks;
}

ProjectOptions TMainFrm::Options() const {
    return {Chinese(), settings_.autoTempBakFun == 1, Places()};
}

DialogPlaces TMainFrm::Places() const {
    DialogPlaces places{JoinPath(ProgramFolder(), "Examples"), lastFolder_,
                        QDir::homePath().toStdString()};
    // Before anything is opened or saved in this run, the last edited file's folder.
    const std::string recent = Item("LastFileOpenItem")->text().toStdString();
    if (places.last.empty() && recent.starts_with("&1 "))
        places.last = std::filesystem::path(recent.substr(3)).parent_path().string();
    return places;
}

void TMainFrm::RememberFolder() {
    if (names_.projectFile == kUntitledProject) return;  // a new project or an example's copy
    lastFolder_ = DialogFolder(names_, Places());
}

void TMainFrm::FileNewItemClick() {
    // Whether this instance holds a project is its own state; the modes of the
    // clipboard file only tell a new instance what it was started for.
    if (!CoverShown()) {
        HandOver(false, {});
        return;
    }
    if (NewProject(names_, TheProgram(), Hooks()) != ProjectOutcome::Done) return;
    ClipCells& clip = TheClipCells();
    clip.SetOpenMode(kProjectHeldMode);
    clip.SetNewMode(kProjectHeldMode);
    WriteClipboardFile(ClipboardFilePath(), kNewMode, clip);
    TheDeviceComments().Clear();
    AfterProjectLoaded();
    SysRemark(TheDeviceComments());
}

void TMainFrm::FileOpenItemClick() {
    std::string name;
    if (!openRequest_.empty()) {
        name = openRequestName_;
    } else {
        if (!windows_.openFile) return;
        std::optional<std::string> chosen =
            windows_.openFile(DialogFolder(names_, Places()), std::string());
        if (!chosen) return;
        name = *chosen;
    }
    openRequest_.clear();
    if (!CoverShown()) {
        HandOver(true, name);
        return;
    }
    const ProjectOutcome outcome = OpenProject(name, names_, TheProgram(), Hooks(), Options());
    if (outcome == ProjectOutcome::Done || outcome == ProjectOutcome::PasswordRefused) {
        ClipCells& clip = TheClipCells();
        clip.SetOpenMode(kProjectHeldMode);
        clip.SetNewMode(kProjectHeldMode);
        WriteClipboardFile(ClipboardFilePath(), kOpenMode, clip);
    }
    if (outcome == ProjectOutcome::Done) {
        RememberFolder();
        AfterProjectLoaded();
    }
}

void TMainFrm::FileSaveItemClick() {
    if (CoverShown() || saving_) return;
    const QScopedValueRollback<bool> busy(saving_, true);
    if (SaveProject(names_, TheProgram(), Hooks(), Options()) != ProjectOutcome::Done) return;
    RememberFolder();
    TheUndoHistory().Clear();
    setWindowTitle(Q(SavedCaption(names_.projectFile)));
    SetSaveEnabled(false);
    RefreshUndoButtons();
}

void TMainFrm::FileSaveAsItemClick() {
    if (CoverShown() || saving_) return;
    const QScopedValueRollback<bool> busy(saving_, true);
    if (SaveProjectAs(names_, TheProgram(), Hooks(), Options()) != ProjectOutcome::Done) return;
    RememberFolder();
    TheUndoHistory().Clear();
    setWindowTitle(Q(SavedCaption(names_.projectFile)));
    SetSaveEnabled(false);
    RefreshUndoButtons();
}

void TMainFrm::LastFileOpenItemClick() {
    std::string caption = Item("LastFileOpenItem")->text().toStdString();
    if (!caption.starts_with("&1 ")) return;  // no file opened yet
    openRequestName_ = caption.substr(3);
    openRequest_ = "Open";
    FileOpenItemClick();
}

void TMainFrm::N63Click() {
    const std::string folder = JoinPath(ProgramFolder(), "Examples");
    chdir(ProgramFolder().c_str());
    if (!windows_.openFile) return;
    std::optional<std::string> chosen =
        windows_.openFile(folder, JoinPath(folder, kFirstExampleProject));
    if (!chosen) return;
    openRequestName_ = *chosen;
    openRequest_ = "Open";
    FileOpenItemClick();
}

void TMainFrm::HandOver(bool open, const std::string& name) {
    ClipCells& clip = TheClipCells();
    const std::string path = ClipboardFilePath();
    if (open) {
        WriteOpenRequest(path, clip, name);
    } else {
        WriteNewRequest(path, clip);
    }
    // The new instance says when it has read the clipboard file by making this file.
    static int handOvers = 0;
    const std::string ready =
        JoinPath(winDir_, "system32/systemtemp/handover-" + std::to_string(getpid()) + "-" +
                              std::to_string(++handOvers));
    std::error_code ec;
    std::filesystem::remove(ready, ec);
    // The whole name goes on the command line, so long and non-ASCII names arrive whole.
    std::vector<std::string> arguments;
    if (open) arguments.push_back(name);
    bool started = false;
    if (windows_.newInstance) {
        started = windows_.newInstance(arguments, ready);
    } else {
        std::vector<std::string> command{
            std::filesystem::read_symlink("/proc/self/exe", ec).string()};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const LaunchResult result =
            StartDetached(command, {}, {"VXTORVIN_HANDOVER_READY=" + ready});
        started = result.started;
        if (!started)
            ShowMessage({kProductTitle, result.problem, MsgIcon::Exclamation, MsgButtons::Ok});
    }
    if (!started) return;
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(ready, ec) && waited.elapsed() < kHandOverWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(20);
    }
    std::filesystem::remove(ready, ec);
}

void TMainFrm::AfterProjectLoaded() {
    ToolbarInitialize();
    ShowBlock(TheProgramBlocks(), kMainNode);
    ProManageRefresh();
    PLC2Click(false);
    ladderEdit_->SetCursor(1, 0);
}

}  // namespace vx
