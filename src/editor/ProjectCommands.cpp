#include "editor/ProjectCommands.h"

#include <filesystem>

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

namespace fs = std::filesystem;

// The path made absolute and free of "." and ".." (and of links where it exists).
fs::path Resolved(const std::string& path) {
    std::error_code ec;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::absolute(path).lexically_normal() : resolved;
}

bool Titled(const std::string& projectFile) {
    return !projectFile.empty() && projectFile != kUntitledProject;
}

}  // namespace

bool InsideFolder(const std::string& path, const std::string& folder) {
    if (folder.empty() || path.empty()) return false;
    const fs::path inner = Resolved(path);
    const fs::path outer = Resolved(folder);
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) continue;  // a trailing "/"
        if (i == inner.end() || *i != *o) return false;
    }
    return true;
}

std::string DialogFolder(const ProjectNames& names, const DialogPlaces& places) {
    for (const std::string* file : {&names.projectFile, &names.previousProjectFile}) {
        if (!Titled(*file) || InsideFolder(*file, places.examples)) continue;
        std::error_code ec;
        const fs::path folder = fs::absolute(*file, ec).lexically_normal().parent_path();
        if (!folder.empty()) return folder.string();
    }
    if (!places.last.empty() && !InsideFolder(places.last, places.examples)) return places.last;
    return places.home;
}

std::string SaveSuggestion(const ProjectNames& names, const DialogPlaces& places) {
    const std::string name = names.exampleFile.empty()
                                 ? std::string(kUntitledProject)
                                 : fs::path(names.exampleFile).filename().string();
    const std::string folder = DialogFolder(names, places);
    return folder.empty() ? name : (fs::path(folder) / name).string();
}

std::string ExamplesReadOnlyText(bool chinese) {
    return chinese ? "例子库中的文件不能改写，请把项目保存到别的文件夹 ！"
                   : "The shipped examples cannot be overwritten: please save the project in "
                     "another folder!";
}

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

std::string CutShortProjectText(const std::string& projectFile, bool chinese) {
    return (chinese ? "文件不完整，只打开了能读出的部分："
                    : "The file is incomplete, only the part that could be read was opened: ") +
           projectFile + (chinese ? "  ！" : "  !");
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
    // A shipped example is read, never written: the user works on an untitled copy.
    const bool example = InsideFolder(name, options.places.examples);
    names.projectFile = example ? std::string(kUntitledProject) : name;
    names.exampleFile = example ? name : std::string();
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
    if (!example && HasCBlock(program.sysParamString)) EnsureCBlockFile(name);
    // Told before the user can save over the file what was read of it.
    if (ProjectFileCutShort(*bytes)) Warn(CutShortProjectText(name, options.chinese));
    return ProjectOutcome::Done;
}

std::string NameForSaving(std::string_view chosen) {
    std::string name(chosen);
    if (name.find(".PSP") == std::string::npos) name += ".PSP";
    return name;
}

ProjectOutcome SaveProject(ProjectNames& names, const LadderProgram& program,
                           const ProjectHooks& hooks, const ProjectOptions& options) {
    const std::string& examples = options.places.examples;
    // Where a name is chosen, a failed save gives the names back as a cancel
    // does: the project keeps naming its last good file (or stays untitled),
    // so the recent file and the next save never aim at a file not written.
    const ProjectNames before = names;
    auto restore = [&names, &examples, &before] {
        names = before;
        if (!names.previousProjectFile.empty()) names.projectFile = names.previousProjectFile;
        if (InsideFolder(names.projectFile, examples)) names.projectFile = kUntitledProject;
    };
    bool naming = false;
    std::string cblockSource;  // the project whose C block goes with a new name
    if (!Titled(names.projectFile) || InsideFolder(names.projectFile, examples)) {
        std::optional<std::string> chosen;
        if (hooks.askSaveName) chosen = hooks.askSaveName(SaveSuggestion(names, options.places));
        if (!chosen || chosen->empty()) {
            restore();
            return ProjectOutcome::Cancelled;
        }
        const std::string newName = NameForSaving(*chosen);
        if (InsideFolder(newName, examples)) {
            Warn(ExamplesReadOnlyText(options.chinese));
            restore();
            return ProjectOutcome::Cancelled;
        }
        // The C block comes from the project saved before, or from the example.
        const std::string& previous = names.previousProjectFile;
        cblockSource = Titled(previous) ? previous : names.exampleFile;
        names.projectFile = newName;
        names.exampleFile.clear();
        naming = true;
    }
    auto fail = [&](const std::string& error) {
        Warn(error);
        if (naming) {
            restore();
        } else {
            names = before;  // the name as it was opened (a backup's too)
        }
        return ProjectOutcome::WriteFailed;
    };
    names.projectFile = ChangeFileExtension(names.projectFile, ".PSP");
    const std::string bytes = SerialiseProject(program);
    if (const IoResult written = WriteFileAtomically(names.projectFile, bytes); !written)
        return fail(written.error);
    // The C block is copied once the project is written, so a failed save
    // never replaces the C block file of a project it did not replace.
    if (naming && HasCBlock(program.sysParamString) && !cblockSource.empty() &&
        FileExists(CBlockPath(cblockSource))) {
        if (const IoResult copied = CopyCBlockFile(cblockSource, names.projectFile); !copied)
            return fail(copied.error);
    }
    if (hooks.writeComments) {
        if (const IoResult comments = hooks.writeComments(names.projectFile); !comments)
            return fail(comments.error);
    }
    // The project is saved either way; a backup that could not be made is told.
    std::string backupError;
    if (options.autoTempBak &&
        MakeBackupOnce(names.projectFile, bytes, &backupError) == BackupResult::Failed) {
        Warn(backupError);
    }
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
