// The main window's system parameter and device usage commands: the
// parameter dialog (for a new project, from the options menu, its tool button
// and the project tree), the model and version in the status bar and on the
// project tab, and the device usage and comment window (from the view menu,
// its tool button and the project tree).
#include "build/SysParams.h"
#include "build/qt/TxRxSet.h"
#include "editor/DeviceComments.h"
#include "editor/ProjectTree.h"
#include "editor/qt/Main.h"
#include "editor/qt/OrganUse.h"
#include "model/LadderProgram.h"
#include "widgets/qt/WgTabSheet.h"

namespace vx {

void TMainFrm::ConnectParameterWindows() {
    auto* systemSetFrm = new TSystemSetFrm(this);
    auto* organUseFrm = new TOrganUseFrm(this);

    // Confirmed parameters are an unsaved change; the tree is rebuilt. A new
    // project does both itself once it is made.
    connect(systemSetFrm, &TSystemSetFrm::Confirmed, this, [this] {
        if (CoverShown()) return;
        SetSaveEnabled(true);
        ProManageRefresh();
    });
    windows_.systemParameters = [systemSetFrm](LadderProgram& program) {
        return systemSetFrm->Execute(program) == TSystemSetFrm::kResultYes;
    };
    connect(Item("PLC2"), &QAction::triggered, this, [this] { PLC2Click(true); });
    connect(Button("SystemToolButton"), &TFxCustomToolBarButton::Clicked, this,
            [this] { PLC2Click(true); });

    // The device usage window.
    organUseFrm->Asks().projectFile = [this] { return names_.projectFile; };
    organUseFrm->Asks().chinese = [this] { return Chinese(); };
    auto commentsMayHaveChanged = [this] {
        ladderEdit_->viewport()->update();
        if (!CoverShown()) SetSaveEnabled(true);
    };
    connect(organUseFrm, &TOrganUseFrm::CommentEdited, this, commentsMayHaveChanged);
    connect(organUseFrm, &TOrganUseFrm::Closed, this, commentsMayHaveChanged);
    // The window may stay open across a switch of language.
    connect(this, &TMainFrm::LanguageRefreshed, organUseFrm, &TOrganUseFrm::LanguageRefresh);
    auto usagePage = [organUseFrm] { organUseFrm->ShowPage(TOrganUseFrm::kUsagePage); };
    connect(Item("N23"), &QAction::triggered, organUseFrm, usagePage);
    connect(Button("UsageToolButton"), &TFxCustomToolBarButton::Clicked, organUseFrm, usagePage);
    connect(Item("N24"), &QAction::triggered, organUseFrm,
            [organUseFrm] { organUseFrm->ShowPage(TOrganUseFrm::kCommentPage); });

    // The tree's double click opens these; other nodes go where they went before.
    windows_.openNode = [this, organUseFrm, previous = windows_.openNode](int action) {
        switch (static_cast<NodeAction>(action)) {
            case NodeAction::DeviceComments:
                organUseFrm->ShowPage(TOrganUseFrm::kCommentPage);
                break;
            case NodeAction::DeviceUsage:
                organUseFrm->ShowPage(TOrganUseFrm::kUsagePage);
                break;
            case NodeAction::SystemParameters:
                PLC2Click(true);
                break;
            default:
                if (previous) previous(action);
                break;
        }
    };
}

void TMainFrm::PLC2Click(bool fromMenu) {
    auto* systemSetFrm = findChild<TSystemSetFrm*>(QStringLiteral("SystemSetFrm"));
    if (systemSetFrm == nullptr) return;
    if (fromMenu) {
        if (CoverShown()) return;  // no project, no parameters
        systemSetFrm->Execute(TheProgram());
    } else {
        systemSetFrm->FormShow(TheProgram());
    }
    // What the project holds, also after a cancelled dialog whose lists the
    // user had changed.
    const QString shown = QString::fromStdString(ShownModelVersion(TheProgram().sysParamString));
    ShowStatus(3, [shown] { return " " + shown; });
    tabSheet1_->SetCaption(shown);
}

}  // namespace vx
