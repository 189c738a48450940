// The main window's find window (F3, Ctrl+F in the grid, its tool button),
// the duplicate-output check (F11) and the number converter (Shift+F3), and
// how they show a place of the program in the grid.
#include "editor/ProgramBlocks.h"
#include "editor/qt/CodeConv.h"
#include "editor/qt/Lookup.h"
#include "editor/qt/Main.h"
#include "editor/qt/OrganCheck.h"

namespace vx {

void TMainFrm::ShowPlace(int column, int row) {
    const int block = BlockOfRow(row);
    if (block == -2) return;
    const int node = NodeOfBlock(block);
    if (TheProgramBlocks().currentBlock != node) ShowTreeNode(node);
    const ProgramBlocks& blocks = TheProgramBlocks();
    if (row < blocks.rowBase || row >= blocks.rowBase + blocks.rowCount) return;
    ladderEdit_->SetCursor(column, row - blocks.rowBase);
    ladderEdit_->viewport()->update();
}

void TMainFrm::ConnectLookupWindows() {
    auto* forLookup = new TForLookup(this);
    forLookup->Seams().programShown = [this] { return !CoverShown(); };
    forLookup->Seams().showBlock = [this](int node) { ShowTreeNode(node); };
    forLookup->Seams().placeCursor = [this](int column, int row) { ShowPlace(column, row); };
    forLookup->Seams().chinese = [this] { return Chinese(); };
    auto lookup = [this, forLookup] {
        if (!CoverShown()) forLookup->ShowLookup();
    };
    connect(Item("LookupItem"), &QAction::triggered, this, lookup);
    connect(Item("MenuItem1"), &QAction::triggered, this, lookup);
    connect(Button("LookupToolButton"), &TFxCustomToolBarButton::Clicked, this, lookup);

    auto* organCheckFrm = new TOrganCheckFrm(this);
    organCheckFrm->Seams().showPlace = [this](int column, int row) { ShowPlace(column, row); };
    organCheckFrm->Seams().chinese = [this] { return Chinese(); };
    connect(Item("N43"), &QAction::triggered, this, [this, organCheckFrm] {
        if (!CoverShown()) organCheckFrm->open();
    });

    auto* codeConvFrm = new TCodeConvFrm(this);
    connect(Item("N26"), &QAction::triggered, codeConvFrm, [this, codeConvFrm] {
        codeConvFrm->SetChinese(Chinese());
        codeConvFrm->ShowConverter();
    });
    // The converter stays open beside the editor: its button and the binary
    // field's hint follow a switch of language at once.
    connect(this, &TMainFrm::LanguageRefreshed, codeConvFrm,
            [this, codeConvFrm] { codeConvFrm->SetChinese(Chinese()); });
}

}  // namespace vx
