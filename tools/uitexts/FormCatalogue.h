// The tool's forms, all of them, for the language files: the main window
// builds most of its dialogs itself; the others exist only while they are
// used, and are built here as the tool builds them.
//
// The windows of the outside libraries (the downloader's progress window and
// the C editor) are not among them: they take the language the tool hands
// them, as those libraries always did.
#pragma once

#include <QList>
#include <QWidget>
#include <memory>

namespace vx {

class TMainFrm;

// The main window, not shown, with every form of the tool built as its child.
std::unique_ptr<TMainFrm> BuildAllForms();

}  // namespace vx
