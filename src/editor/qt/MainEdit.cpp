// Editing in the main window: the grid's keys and clicks, the element tools,
// the row and column commands, delete, cut, copy and paste, undo and redo,
// and the project tree. The rules live in the editing commands; these
// handlers only call them and show what they ask for.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <array>

#include "editor/ClipCells.h"
#include "editor/EditCommands.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectTree.h"
#include "editor/Selection.h"
#include "editor/UndoHistory.h"
#include "editor/qt/Main.h"
#include "editor/qt/ToolImages.h"
#include "model/LadderProgram.h"

namespace vx {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Shift is held from its key-down in the grid until its key-up, wherever that
// lands: a message box of a command run with Shift down (a refused Shift+Ins)
// takes it, and so does another program once this one loses the keyboard.
class ShiftReleaseWatch : public QObject {
  public:
    ShiftReleaseWatch(GridCursor& cursor, QObject* parent) : QObject(parent), cursor_(cursor) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if ((event->type() == QEvent::KeyRelease &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) ||
            event->type() == QEvent::ApplicationDeactivate) {
            cursor_.shiftHeld = false;
        }
        return false;
    }

  private:
    GridCursor& cursor_;
};

}  // namespace

void TMainFrm::SetSaveEnabled(bool enabled) {
    Item("FileSaveItem")->setEnabled(enabled);
    Button("SaveToolButton")->setEnabled(enabled);
}

void TMainFrm::RefreshUndoButtons() {
    const UndoHistory& undo = TheUndoHistory();
    Button("ToolButton9")->setEnabled(undo.CanUndo());
    Button("ToolButton11")->setEnabled(undo.CanRedo());
    Item("UndoItem")->setEnabled(undo.CanUndo());
    Item("RedoItem")->setEnabled(undo.CanRedo());
}

void TMainFrm::EditFileBackup() {
    TheUndoHistory().EditFileBackup(TheProgram().cells);
    SetSaveEnabled(true);
    RefreshUndoButtons();
}

void TMainFrm::Undo() {
    if (TheUndoHistory().Undo(TheProgram().cells)) {
        SetSaveEnabled(true);
        ladderEdit_->viewport()->update();
    }
    if (!TheUndoHistory().CanUndo()) {
        Button("ToolButton9")->setEnabled(false);
        Item("UndoItem")->setEnabled(false);
    }
    if (TheUndoHistory().CanRedo()) {
        Button("ToolButton11")->setEnabled(true);
        Item("RedoItem")->setEnabled(true);
    }
}

void TMainFrm::Redo() {
    if (TheUndoHistory().Redo(TheProgram().cells)) {
        SetSaveEnabled(true);
        ladderEdit_->viewport()->update();
    }
    if (!TheUndoHistory().CanRedo()) {
        Button("ToolButton11")->setEnabled(false);
        Item("RedoItem")->setEnabled(false);
    }
    if (TheUndoHistory().CanUndo()) {
        Button("ToolButton9")->setEnabled(true);
        Item("UndoItem")->setEnabled(true);
    }
}

void TMainFrm::ApplyCommandResult(const CommandResult& result) {
    const ProgramBlocks& blocks = TheProgramBlocks();
    if (result.changed) {
        ladderEdit_->viewport()->update();
        EditFileBackup();
    }
    const int gridRow = result.cursorRow - blocks.rowBase;
    if (result.cursorCol != ladderEdit_->Col() || gridRow != ladderEdit_->Row()) {
        ladderEdit_->SetCursor(result.cursorCol, gridRow);
    }
    switch (result.request) {
        case EditRequest::EntryDialog:
            if (windows_.entry) windows_.entry(result.entryKind, result.edit1, result.edit2);
            ladderEdit_->viewport()->update();
            break;
        case EditRequest::BlockComment:
            if (windows_.blockComment) {
                if (auto lines = windows_.blockComment(result.edit1, result.edit2)) {
                    if (StoreBlockComment(TheProgram().cells, TheGridCursor().cursorRow,
                                          lines->first, lines->second)) {
                        EditFileBackup();
                    }
                }
                ladderEdit_->viewport()->update();
            }
            break;
        case EditRequest::SetValue:
            EditValueAtCursor();
            break;
        case EditRequest::None:
            break;
    }
}

void TMainFrm::RunEditCommand(const std::function<CommandResult()>& command) {
    if (CoverShown()) return;
    ApplyCommandResult(command());
}

void TMainFrm::AfterSelectionEdit(const EditResult& result) {
    if (result.cellsChanged) {
        ladderEdit_->viewport()->update();
        SetSaveEnabled(true);
        RefreshUndoButtons();
    }
}

void TMainFrm::PlaceTool(std::int32_t toolKind) {
    TheGridCursor().toolKind = toolKind;
    RunEditCommand(
        [this] { return PlaceToolAtCursor(TheProgram().cells, TheGridCursor(), Chinese()); });
}

void TMainFrm::LadderEditKeyDown(QKeyEvent* event) {
    GridCursor& cursor = TheGridCursor();
    LadderCells& cells = TheProgram().cells;
    switch (event->key()) {
        case Qt::Key_Shift:
            cursor.shiftHeld = true;
            return;
        case Qt::Key_Backspace:
            RunEditCommand([&] { return BackspaceAtCursor(cells, cursor); });
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            RunEditCommand([&] { return ElementEntry(cells, cursor); });
            return;
        case Qt::Key_Delete:
            if (event->modifiers() == Qt::NoModifier && !CoverShown()) {
                AfterSelectionEdit(AreaSelectionDel(cells, ladderEdit_->Selection(),
                                                    TheProgramBlocks().rowBase, TheUndoHistory()));
            }
            return;
        default:
            break;
    }
    if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z &&
        (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier &&
        QuickEntryAllowed(cursor, !CoverShown())) {
        emit LetterTyped(QChar(static_cast<char16_t>(event->key())));
    }
}

void TMainFrm::ConnectEditing() {
    GridCursor& cursor = TheGridCursor();
    connect(ladderEdit_, &TLadderGrid::SelectCell, this, [this, &cursor](int column, int row) {
        const QString text = Q(SelectCell(cursor, column, row, TheProgramBlocks().rowBase));
        ShowStatus(4, [text] { return text; });
        cursor.cursorCellX = ladderEdit_->CursorCellPos().x();
        cursor.cursorCellY = ladderEdit_->CursorCellPos().y();
    });
    connect(ladderEdit_, &TLadderGrid::SelectionFinished, this, [this](const GridSelection& s) {
        if (std::optional<std::string> text =
                SelectionStatusText(s.left, s.top, s.right, s.bottom)) {
            ShowStatus(4, [range = Q(*text)] { return range; });
        }
    });
    connect(ladderEdit_, &TLadderGrid::KeyDown, this, &TMainFrm::LadderEditKeyDown);
    QCoreApplication::instance()->installEventFilter(new ShiftReleaseWatch(cursor, this));
    connect(ladderEdit_, &TLadderGrid::CellDoubleClicked, this, [this, &cursor] {
        RunEditCommand([&] {
            return LadderEditDblClick(TheProgram().cells, cursor, Button("StakeoutON")->Down());
        });
    });

    // The element tools.
    const char* toolButtons[] = {"FxToolBarButton1", "FxToolBarButton2", "FxToolBarButton3",
                                 "FxToolBarButton4", "FxToolBarButton5", "FxToolBarButton6",
                                 "FxToolBarButton7", "FxToolBarButton8", "FxToolBarButton9",
                                 "FxToolBarButton10"};
    int i = 0;
    for (const ElementTool& tool : kElementTools) {
        if (i >= 10) break;
        connect(Button(toolButtons[i++]), &TFxCustomToolBarButton::Clicked, this,
                [this, kind = tool.toolKind] { PlaceTool(kind); });
    }
    connect(Button("FxToolBarButton11"), &TFxCustomToolBarButton::Clicked, this, [this, &cursor] {
        RunEditCommand([&] { return YlineClick(TheProgram().cells, cursor, Chinese()); });
    });
    connect(Button("FxToolBarButton12"), &TFxCustomToolBarButton::Clicked, this, [this, &cursor] {
        RunEditCommand([&] { return YlineDELClick(TheProgram().cells, cursor); });
    });

    // Rows, columns, block comment, top and bottom.
    auto command = [this](const char* item, std::function<CommandResult()> run) {
        connect(Item(item), &QAction::triggered, this, [this, run] { RunEditCommand(run); });
    };
    LadderCells& cells = TheProgram().cells;
    command("D3", [this, &cells, &cursor] { return InsertRow(cells, cursor, Chinese()); });
    command("N48", [&cells, &cursor] { return DeleteRow(cells, cursor); });
    command("D4", [&cells, &cursor] { return DeleteColumn(cells, cursor); });
    command("i3", [this, &cells, &cursor] { return InsertColumn(cells, cursor, Chinese()); });
    command("P2", [&cells, &cursor] { return OpenBlockComment(cells, cursor); });
    command("N2", [&cursor] { return CursorToTop(cursor); });
    command("n33", [&cells, &cursor] { return CursorToBottom(cells, cursor); });
    connect(Button("TopToolButton"), &TFxCustomToolBarButton::Clicked, Item("N2"),
            &QAction::trigger);

    // Delete, cut, copy, paste.
    auto cut = [this, &cells] {
        if (CoverShown()) return;
        AfterSelectionEdit(CutSelection(cells, ladderEdit_->Selection(), TheProgramBlocks().rowBase,
                                        TheClipCells(), ClipboardFilePath(), TheUndoHistory()));
    };
    auto copy = [this, &cells] {
        if (CoverShown()) return;
        CopySelection(cells, ladderEdit_->Selection(), TheProgramBlocks().rowBase, TheClipCells(),
                      ClipboardFilePath());
    };
    auto paste = [this, &cells, &cursor] {
        if (CoverShown()) return;
        const ProgramBlocks& blocks = TheProgramBlocks();
        AfterSelectionEdit(
            PasteClipCells(cells, TheClipCells(),
                           {cursor.cursorCol, cursor.cursorRow, blocks.rowBase, blocks.rowCount},
                           TheUndoHistory(), Chinese()));
    };
    connect(Item("cutX"), &QAction::triggered, this, cut);
    connect(Item("copyC"), &QAction::triggered, this, copy);
    connect(Item("affixV"), &QAction::triggered, this, paste);
    connect(Button("CutToolButton"), &TFxCustomToolBarButton::Clicked, this, cut);
    connect(Button("CopyToolButton"), &TFxCustomToolBarButton::Clicked, this, copy);
    connect(Button("PasteToolButton"), &TFxCustomToolBarButton::Clicked, this, paste);
    Item("affixV")->setEnabled(false);
    Button("PasteToolButton")->setEnabled(false);

    connect(Item("UndoItem"), &QAction::triggered, this, &TMainFrm::Undo);
    connect(Item("RedoItem"), &QAction::triggered, this, &TMainFrm::Redo);
    connect(Button("ToolButton9"), &TFxCustomToolBarButton::Clicked, this, &TMainFrm::Undo);
    connect(Button("ToolButton11"), &TFxCustomToolBarButton::Clicked, this, &TMainFrm::Redo);

    connect(treeView1_, &QTreeWidget::itemClicked, this, [this] { TreeView1Click(); });
    connect(treeView1_, &QTreeWidget::itemDoubleClicked, this, [this] { TreeView1DblClick(); });
    // The tree's pop-up menus, one per kind of node, are the window's own
    // (so the language files reach their items): go to row runs the Find
    // menu's item, rename is connected with its dialog, the open item runs
    // the double click; import and export of a subroutine do nothing.
    std::array<TFxPopupMenu*, 3> treeMenus{};
    for (std::size_t i = 0; i < treeMenus.size(); ++i) {
        treeMenus[i] = new TFxPopupMenu(this);
        treeMenus[i]->setObjectName(QStringLiteral("PopupMenu%1").arg(i + 1));
        treeMenus[i]->SetMenuStyler(menuStyler_);
    }
    for (const auto& [menu, name] :
         {std::pair{treeMenus[0], "MainGoToRowItem"}, std::pair{treeMenus[2], "SubGoToRowItem"}}) {
        AddLinkedItem(menu, name, "转移到行(&G)...", Item("MenuItem3"));
    }
    QAction* open = AddItem(treeMenus[1], "OpenNodeItem", "打开(&O)...");
    connect(open, &QAction::triggered, this, [this] { TreeView1DblClick(); });
    AddItem(treeMenus[2], "MenuItem2", "重命名(&R)...")->setData(0);
    AddItem(treeMenus[2], "ImportSubroutineItem", "导入子程序(&L)");
    AddItem(treeMenus[2], "ExportSubroutineItem", "导出子程序(&E)");
    treeView1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(treeView1_, &QWidget::customContextMenuRequested, this,
            [this, treeMenus](const QPoint& point) {
                if (QTreeWidgetItem* item = treeView1_->itemAt(point)) {
                    treeView1_->setCurrentItem(item);
                    TreeView1Click();
                }
                // TreePopup: none, then the three menus in order.
                const int popup = treePopup_;
                if (popup < 1 || popup > static_cast<int>(treeMenus.size())) return;
                treeMenus[static_cast<std::size_t>(popup - 1)]->PopupAtPoint(
                    treeView1_->mapToGlobal(point));
            });
}

void TMainFrm::TreeView1DblClick() {
    QTreeWidgetItem* item = treeView1_->currentItem();
    if (item == nullptr) return;
    const NodeAction action = ActionOfNodeText(item->text(0).toStdString());
    if (action != NodeAction::None && windows_.openNode)
        windows_.openNode(static_cast<int>(action));
}

void TMainFrm::ProManageRefresh() {
    treeView1_->blockSignals(true);
    treeView1_->clear();
    const std::vector<TreeNode> nodes = BuildProjectTree(TheProgram().subroutineNames, Chinese());
    std::vector<QTreeWidgetItem*> items;
    for (const TreeNode& node : nodes) {
        QTreeWidgetItem* item =
            node.parent < 0 ? new QTreeWidgetItem(treeView1_)
                            : new QTreeWidgetItem(items[static_cast<std::size_t>(node.parent)]);
        item->setText(0, Q(node.text));
        item->setData(0, Qt::UserRole, node.index);
        item->setIcon(0, ToolImageIcon(node.imageIndex, node.selectedIndex));
        items.push_back(item);
    }
    treeView1_->expandAll();
    const int current = TheProgramBlocks().currentBlock;
    if (current >= 0 && current < static_cast<int>(items.size())) {
        treeView1_->setCurrentItem(items[static_cast<std::size_t>(current)]);
    }
    treeView1_->blockSignals(false);
    TreeView1Click();
}

void TMainFrm::TreeView1Click() {
    QTreeWidgetItem* item = treeView1_->currentItem();
    if (item == nullptr) return;
    const int index = item->data(0, Qt::UserRole).toInt();
    const std::vector<TreeNode> nodes = BuildProjectTree(TheProgram().subroutineNames, Chinese());
    if (index < 0 || index >= static_cast<int>(nodes.size())) return;
    const TreeClickResult result =
        vx::TreeView1Click(TheProgramBlocks(), nodes[static_cast<std::size_t>(index)],
                           ladderEdit_->Row(), Chinese(), names_.projectFile);
    treePopup_ = static_cast<int>(result.popup);
    if (result.renameTag >= 0) Item("MenuItem2")->setData(result.renameTag);
    if (!result.blockSwitched) return;
    if (QMenu* edit = mainMenu_->findChild<QMenu*>("Edit1")) edit->setEnabled(true);
    const ProgramBlocks& blocks = TheProgramBlocks();
    ladderEdit_->DrawContext().rowBase = blocks.rowBase;
    ladderEdit_->SetRowCount(blocks.rowCount);
    ladderEdit_->SetCursor(ladderEdit_->Col(), result.gridRow);
    ladderEdit_->setFocus();
    // The block shown, named in the language in force.
    ShowStatus(6,
               [this, node = blocks.currentBlock] { return Q(BlockStatusText(node, Chinese())); });
    setWindowTitle(Q(result.caption));
    emit BlockShown();
}

void TMainFrm::ShowTreeNode(int node) {
    std::function<QTreeWidgetItem*(QTreeWidgetItem*)> find =
        [&](QTreeWidgetItem* item) -> QTreeWidgetItem* {
        if (item->data(0, Qt::UserRole).toInt() == node) return item;
        for (int i = 0; i < item->childCount(); ++i) {
            if (QTreeWidgetItem* found = find(item->child(i))) return found;
        }
        return nullptr;
    };
    for (int i = 0; i < treeView1_->topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* found = find(treeView1_->topLevelItem(i))) {
            treeView1_->setCurrentItem(found);
            TreeView1Click();
            return;
        }
    }
}

}  // namespace vx
