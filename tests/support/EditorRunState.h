// The editor's process-wide state back to a fresh start, for window tests
// that each begin with a new main window in the same test program.
#pragma once

#include <filesystem>

#include "editor/ClipCells.h"
#include "editor/ClipboardFile.h"
#include "editor/DeviceComments.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/Settings.h"
#include "editor/UndoHistory.h"
#include "model/LadderProgram.h"

namespace vx::test {

// Empties the program, the undo history, the clipboard buffer, the cursor,
// the block state and the comments, and removes the settings and clipboard
// files of the test's folders.
inline void ResetEditorRunState() {
    TheProgram().Clear();
    TheUndoHistory().Clear();
    TheClipCells() = ClipCells();
    TheGridCursor() = GridCursor();
    TheProgramBlocks() = ProgramBlocks();
    TheDeviceComments().Clear();
    std::error_code ec;
    std::filesystem::remove(SettingsFilePath(), ec);
    std::filesystem::remove(ClipboardFilePath(), ec);
}

}  // namespace vx::test
