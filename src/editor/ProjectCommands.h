// The project commands of the main window without their windows: New, Open,
// Save and Save as. Dialogs, the companion files of other parts (device
// comments) and the password prompt come in as hooks; the commands report
// failures to the user through ShowMessage (caption kProductTitle, exclamation
// icon) and return what happened, so the window can refresh itself.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/ProjectFile.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"

namespace vx {

// The project's names, held by the main window.
struct ProjectNames {
    std::string projectFile = kUntitledProject;
    std::string previousProjectFile;  // the name before a save-as
    // The shipped example an untitled project was opened from: the first save
    // offers its name and takes its C block along.
    std::string exampleFile{};
};

// Where the open and save dialogs start. The shipped examples' folder is
// never written and never offered as the place to save.
struct DialogPlaces {
    std::string examples;  // the program folder's "Examples"
    std::string last;      // the folder of the project last opened or saved, or empty
    std::string home;      // the user's own folder, when nothing better is known
};

struct ProjectHooks {
    // The system parameter dialog of a new project: true when confirmed.
    std::function<bool(LadderProgram&)> editNewParameters;
    // Device comments from and to the ".Rcm" companion of the project file.
    std::function<void(const std::string& projectFile)> readComments;
    std::function<IoResult(const std::string& projectFile)> writeComments;
    // The password prompt of a project that asks for one: true when the right
    // password was typed. Without it such a project is refused.
    std::function<bool(const LadderProgram&)> askPassword;
    // The save dialog of an untitled project, offered its current name: the
    // chosen name, or nothing when cancelled.
    std::function<std::optional<std::string>(const std::string& suggested)> askSaveName;
};

struct ProjectOptions {
    bool chinese = true;       // language of the messages
    bool autoTempBak = false;  // AutoTempBakFun = 1: keep a ".BAK" copy
    DialogPlaces places{};
};

// Whether the path lies in the folder or below it (an empty folder holds nothing).
bool InsideFolder(const std::string& path, const std::string& folder);

// The folder a project dialog starts in: the current project's (or, during a
// save-as, the previous one's) when it has one outside the examples, else the
// last one used outside the examples, else the user's own folder.
std::string DialogFolder(const ProjectNames& names, const DialogPlaces& places);

// What the save dialog of an untitled project offers: the dialog folder and
// the example's file name for a copy of an example, else "Torvin0".
std::string SaveSuggestion(const ProjectNames& names, const DialogPlaces& places);

// "例子库中的文件不能改写 ..." when a save is aimed into the examples' folder.
std::string ExamplesReadOnlyText(bool chinese);

enum class ProjectOutcome {
    Done,             // new project made, project opened, or project saved
    Cancelled,        // a dialog was cancelled; nothing was written
    VersionError,     // the file is not a project file
    NotFound,         // missing, unreadable or too short
    PasswordRefused,  // the password prompt was not answered rightly
    WriteFailed,      // the project could not be written; the last good file stays
};

// "文件版本错误 ！" / "File version error!" for VersionError, "没有找到或只读格式的："
// + file + "  ！" / "Not found：" + file + "  ！" for NotFound; empty otherwise.
std::string ProjectMessageText(ProjectOutcome outcome, const std::string& projectFile,
                               bool chinese);

// "文件不完整，只打开了能读出的部分：" + file + "  ！" / "The file is incomplete, only the
// part that could be read was opened: " + file + "  !", told when a cut-short file opens.
std::string CutShortProjectText(const std::string& projectFile, bool chinese);

// What a New or Open request does in this instance, by its mode.
enum class RequestAction {
    HandOver,  // this instance holds a project: start another one for the request
    LoadHere,  // this instance may load
    Ignore,    // neither
};
RequestAction NewRequestAction(std::string_view newMode);
RequestAction OpenRequestAction(std::string_view openMode);

// A new project: the default parameter strings, the parameter dialog, then an
// empty program named "Torvin0". Cancelled when the dialog is not confirmed
// (the strings are the defaults then). Afterwards the window marks the project
// held, writes the clipboard file with the mode "New", and initialises its
// tool bars (which takes the first undo snapshot and empties the history).
ProjectOutcome NewProject(ProjectNames& names, LadderProgram& program, const ProjectHooks& hooks);

// Opens the named file: the cells are emptied and the project's name becomes
// `name` whatever the outcome, except for a shipped example (a file in the
// examples' folder), which is read as an untitled copy whose first save asks
// where (`exampleFile` names it) and gets no C block file; the file is read, then the device
// comments; a project that asks for its password asks it; a project with a C block gets its ".PLCC"
// file from the C block buffer when it has none. Version error and not found are told to the user,
// and so is a file that ends inside a record once what it holds is open.
// On Done and PasswordRefused the window marks the project held and writes the clipboard file with
// the mode "Open"; only on Done does it show the project.
ProjectOutcome OpenProject(const std::string& name, ProjectNames& names, LadderProgram& program,
                           const ProjectHooks& hooks, const ProjectOptions& options);

// The name an untitled project is saved under: the chosen name, with ".PSP"
// added when it does not contain ".PSP".
std::string NameForSaving(std::string_view chosen);

// Saves the project. An untitled project asks for a name first, offered
// SaveSuggestion (a cancel restores the name before a save-as and writes
// nothing; a name in the examples' folder is refused with a message, as a
// cancel); once the project is written its C block goes with it to the new
// name. Nothing is ever written into the examples' folder. The file is
// written whole, with the extension ".PSP", to a temporary file that then
// replaces the old one; a failure is told to the user and leaves the last
// good file, the companions unwritten and the names as before the save (a
// chosen name is given back as on a cancel). A backup that cannot be made is
// told, the save still Done. After Done the window empties the undo history,
// sets the caption (SavedCaption) and disables Save; otherwise Save stays
// enabled.
ProjectOutcome SaveProject(ProjectNames& names, const LadderProgram& program,
                           const ProjectHooks& hooks, const ProjectOptions& options);

// Save under a new name: the old name is remembered and the save asks for one.
ProjectOutcome SaveProjectAs(ProjectNames& names, const LadderProgram& program,
                             const ProjectHooks& hooks, const ProjectOptions& options);

// The window caption of a saved project: kProductTitle + " - [" + file + "]".
std::string SavedCaption(const std::string& projectFile);

}  // namespace vx
