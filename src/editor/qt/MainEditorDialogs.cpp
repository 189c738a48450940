// The editor's small dialogs as the main window opens them: the row comment
// (Ctrl+B, the Edit and grid pop-up menus), go to row (the Find, grid and
// tree pop-up menus), the subroutine rename (the subroutine's tree pop-up
// menu), the ladder colours and the save and backup settings.
#include <QTreeWidget>

#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/SavBak.h"
#include "editor/SelfhoodColor.h"
#include "editor/SubRename.h"
#include "editor/qt/BlockExegesis.h"
#include "editor/qt/Main.h"
#include "editor/qt/SavBak.h"
#include "editor/qt/SelfhoodColor.h"
#include "editor/qt/SubRename.h"
#include "model/LadderProgram.h"

namespace vx {

void TMainFrm::ApplyLadderColours() {
    LadderColors& colors = ladderEdit_->DrawContext().colors;
    colors.figure = settings_.figureColor;
    colors.stakeout = settings_.stakeoutColor;
    colors.instruction = settings_.instructionColor;
    colors.note = settings_.noteColor;
    colors.dollopNote = settings_.dollopNoteColor;
    colors.value = settings_.dvalueColor;
    ladderEdit_->viewport()->update();
}

void TMainFrm::ConnectEditorDialogs() {
    // The row comment: the grid's editing command opens it and stores the lines.
    auto* blockExegesis = new TBlockExegesisFrm(this);
    windows_.blockComment = [blockExegesis](const std::string& line1, const std::string& line2) {
        return blockExegesis->Execute(line1, line2);
    };

    // Go to row and rename share one window, told apart by its tag.
    SubRenameHost host;
    host.goToOffer = [] { return OfferGoToRow(TheProgramBlocks(), TheGridCursor().cursorRow); };
    host.subroutineName = [](int n) {
        return TheProgram().subroutineNames[static_cast<std::size_t>(n)];
    };
    host.goToRow = [this](int gridRow) { ladderEdit_->SetCursor(1, gridRow); };
    host.chinese = [this] { return Chinese(); };
    host.rename = [this](int n, const std::string& name) {
        RenameSubroutine(TheProgram().subroutineNames, n, name);
        SetSaveEnabled(true);
        ProManageRefresh();
    };
    auto* subRename = new TSubRenameFrm(std::move(host), this);
    connect(Item("MenuItem3"), &QAction::triggered, this, [this, subRename] {
        if (CoverShown()) return;
        subRename->SetTag(kGoToRowTag);
        if (subRename->exec() == TSubRenameFrm::kResultYes) ladderEdit_->setFocus();
    });
    // The rename item of the subroutine's tree pop-up menu; a click on a
    // subroutine node sets its tag (the item's data) to the subroutine.
    QAction* rename = Item("MenuItem2");
    connect(rename, &QAction::triggered, this, [this, rename, subRename] {
        if (CoverShown()) return;
        subRename->SetTag(rename->data().toInt());
        subRename->exec();
    });

    // The ladder colours reach the settings file when the window closes.
    auto* colours = new TSelfhoodColorFrm(this);
    connect(Item("I5"), &QAction::triggered, this, [this, colours] {
        if (std::optional<LadderColourSet> chosen =
                colours->Execute(ColoursOfSettings(settings_))) {
            StoreColours(settings_, *chosen);
            ApplyLadderColours();
        }
    });

    // Save and backup: the auto-save settings and the project's password.
    auto* forSav = new TForSav(this);
    connect(Item("N46"), &QAction::triggered, this, [this, forSav] {
        if (CoverShown()) return;
        LadderProgram& program = TheProgram();
        const SavBakValues shown{settings_.autoSavBakFun, settings_.autoSavBakInterval,
                                 settings_.autoTempBakFun, program.passwordText,
                                 program.passwordFlag};
        const std::optional<SavBakValues> stored = forSav->Execute(shown, Chinese());
        if (!stored) return;
        settings_.autoSavBakFun = stored->autoSavBakFun;
        settings_.autoSavBakInterval = stored->autoSavBakInterval;
        settings_.autoTempBakFun = stored->autoTempBakFun;
        const std::optional<int> minutes =
            IntervalMinutes(std::to_string(stored->autoSavBakInterval));
        if (stored->autoSavBakFun == 1 && minutes) {
            timer3_.setInterval(static_cast<int>(AutoSaveMilliseconds(*minutes)));
            timer3_.start();
        } else {
            timer3_.stop();
        }
        program.passwordText = stored->password;
        program.passwordFlag = stored->passwordFlag;
        SetSaveEnabled(true);
    });
}

}  // namespace vx
