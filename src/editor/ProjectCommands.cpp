#include "editor/ProjectCommands.h"

#include "editor/CBlockFile.h"
#include "editor/ClipCells.h"
#include "editor/ProjectFile.h"
#include "platform/MessageBox.h"

namespace vx {
namespace {

void Warn(std::string text) {
    ShowMessage({kProductTitle, std::move(text), MsgIcon::Exclamation, MsgButtons::Ok, false});
}

ProjectOutcome Refuse(ProjectOutcome outcome, const std::string& projectFile, bool chinese) {
    Warn(ProjectMessageText(outcome, projectFile, chinese));
    return outcome;
}

}  // namespace

std::string ProjectMessageText(ProjectOutcome outcome, const std::string& projectFile,
                               bool chinese) {
    switch (outcome) {
        case ProjectOutcome::VersionError:
            return chinese ? "文件版本错误 ！" : "File version error!";
        case ProjectOutcome::NotFound:
            return (chinese ? "没有找到或只读格式的：" : "Not found：") + projectFile + "  ！";
        default:
            return {};
    }
}

RequestAction NewRequestAction(std::string_view newMode) {
    if (newMode == kProjectHeldMode) return RequestAction::HandOver;
    if (newMode == kNewFileMode || newMode == kStartNewFileMode) return RequestAction::LoadHere;
    return RequestAction::Ignore;
}

RequestAction OpenRequestAction(std::string_view openMode) {
    if (openMode == kProjectHeldMode) return RequestAction::HandOver;
    if (openMode == kOpenFileMode || openMode == kStartOpenFileMode) return RequestAction::LoadHere;
    return RequestAction::Ignore;
}

ProjectOutcome NewProject(ProjectNames& names, LadderProgram& program, const ProjectHooks& hooks) {
    SetDefaultParameters(program);
    if (hooks.editNewParameters && !hooks.editNewParameters(program))
        return ProjectOutcome::Cancelled;
    program.cells.Clear();
    names.projectFile = kUntitledProject;
    return ProjectOutcome::Done;
}

ProjectOutcome OpenProject(const std::string& name, ProjectNames& names, LadderProgram& program,
                           const ProjectHooks& hooks, const ProjectOptions& options) {
    names.projectFile = name;
    program.cells.Clear();
    const std::optional<std::string> bytes = ReadWholeFile(name);
    if (!bytes) return Refuse(ProjectOutcome::NotFound, name, options.chinese);
    switch (ParseProject(*bytes, program)) {
        case ProjectReadResult::VersionError:
            return Refuse(ProjectOutcome::VersionError, name, options.chinese);
        case ProjectReadResult::NotFound:
            return Refuse(ProjectOutcome::NotFound, name, options.chinese);
        case ProjectReadResult::Ok:
            break;
    }
    if (hooks.readComments) hooks.readComments(name);
    if (program.passwordFlag == 1 && !(hooks.askPassword && hooks.askPassword(program)))
        return ProjectOutcome::PasswordRefused;
    if (HasCBlock(program.sysParamString)) EnsureCBlockFile(name);
    return ProjectOutcome::Done;
}

std::string NameForSaving(std::string_view chosen) {
    std::string name(chosen);
    if (name.find(".PSP") == std::string::npos) name += ".PSP";
    return name;
}

ProjectOutcome SaveProject(ProjectNames& names, const LadderProgram& program,
                           const ProjectHooks& hooks, const ProjectOptions& options) {
    if (names.projectFile == kUntitledProject) {
        std::optional<std::string> chosen;
        if (hooks.askSaveName) chosen = hooks.askSaveName(names.projectFile);
        if (!chosen || chosen->empty()) {
            if (!names.previousProjectFile.empty()) names.projectFile = names.previousProjectFile;
            return ProjectOutcome::Cancelled;
        }
        const std::string newName = NameForSaving(*chosen);
        const std::string& previous = names.previousProjectFile;
        if (HasCBlock(program.sysParamString) && !previous.empty() &&
            previous != kUntitledProject && FileExists(CBlockPath(previous))) {
            CopyCBlockFile(previous, newName);
        }
        names.projectFile = newName;
    }
    names.projectFile = ChangeFileExtension(names.projectFile, ".PSP");
    const std::string bytes = SerialiseProject(program);
    if (const IoResult written = WriteFileAtomically(names.projectFile, bytes); !written) {
        Warn(written.error);
        return ProjectOutcome::WriteFailed;
    }
    if (hooks.writeComments) {
        if (const IoResult comments = hooks.writeComments(names.projectFile); !comments) {
            Warn(comments.error);
            return ProjectOutcome::WriteFailed;
        }
    }
    if (options.autoTempBak) MakeBackupOnce(names.projectFile, bytes);
    return ProjectOutcome::Done;
}

ProjectOutcome SaveProjectAs(ProjectNames& names, const LadderProgram& program,
                             const ProjectHooks& hooks, const ProjectOptions& options) {
    names.previousProjectFile = names.projectFile;
    names.projectFile = kUntitledProject;
    return SaveProject(names, program, hooks, options);
}

std::string SavedCaption(const std::string& projectFile) {
    return std::string(kProductTitle) + " - [" + projectFile + "]";
}

}  // namespace vx
