// What the entry windows need from the main window, and how they are shown
// modally.
//
// The quick entry box, the element entry dialog, the catalogue and the
// operand picker work on the shared program, cursor and comments directly;
// for everything that belongs to the main window (its element tool and link
// commands, the grid's repaint and cursor, the undo snapshot, the Save
// button, the tool pictures and the hint memo) they call the host the main
// window gives them.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <cstdint>
#include <functional>

class QDialog;

namespace vx {

class TEntryHost {
  public:
    virtual ~TEntryHost() = default;

    // The element tool at the cursor (ToolKind set, placing armed): lines and
    // inverters are placed, other elements open the entry dialog.
    virtual void PlaceToolAtCursor(std::int32_t toolKind) = 0;
    // The vertical link and link removal commands at the cursor.
    virtual void YlineClick() = 0;
    virtual void YlineDELClick() = 0;

    virtual void RepaintGrid() = 0;
    // The cells changed: undo snapshot, Save enabled.
    virtual void EditFileBackup() = 0;
    // A device comment changed: Save enabled, no undo snapshot.
    virtual void CommentsChanged() = 0;
    // Moves the grid cursor to a grid column and an absolute row.
    virtual void MoveCursor(int column, int row) = 0;

    // The screen point of the grid panel's top-left corner; the cursor cell's
    // painted place is added to it.
    virtual QPoint GridPanelOnScreen() const = 0;
    // The picture of element tool button n (1 to 8: "FxToolBarButton" + n).
    virtual QPixmap ElementButtonGlyph(int button) const = 0;

    // The hint memo beside the quick entry box, and whether the view option
    // asks for it.
    virtual bool EntryHintWanted() const = 0;
    virtual void ShowEntryHint(bool shown) = 0;
};

// Shows a dialog modally. The program waits in a loop of its own until the
// dialog closes, and keys typed ahead while it opens reach it (TypeAhead.h);
// window tests install a runner that only shows it, and then drive the open
// dialog.
using ModalRunner = std::function<void(QDialog&)>;
void ShowModally(QDialog& dialog);
// Installs a runner (an empty one restores waiting); returns the one replaced.
ModalRunner SetModalRunner(ModalRunner runner);

}  // namespace vx
