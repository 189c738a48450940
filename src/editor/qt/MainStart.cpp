// The main window's start page, about box, print options and help: the start
// page the start timer shows when no project is given, and the command chosen
// on it; the about item and the help menu's web entry; F1 and the help topics
// item, which open the user guide in the help viewer, and the hidden items of
// the family manuals, opened the same way; the print options
// (which the print command shows, MainPrint.cpp).
#include <QUrl>

#include "build/qt/MyPublicFrm.h"
#include "editor/HelpLinks.h"
#include "editor/qt/About.h"
#include "editor/qt/Main.h"
#include "editor/qt/Print.h"
#include "editor/qt/Start.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"

namespace vx {

void TMainFrm::ConnectStartWindows() {
    auto* about = new TaboutForm(SupportMailAddress(), ProgramFolder(), this);
    auto* start = new TForStart(about, this);
    new TForPrint(this);

    about->Opens().mail = [this](const std::string& target) { Launch("mailto", {target}, {}); };
    about->Opens().web = [this](const std::string& link) { OpenHelpPage(link); };
    connect(Item("AboutItem"), &QAction::triggered, about, &QDialog::exec);
    connect(Item("N61"), &QAction::triggered, about, &TaboutForm::Label6Click);
    connect(Item("N60"), &QAction::triggered, this,
            [this] { OpenHelpPage(UserGuidePage(ProgramFolder(), Chinese())); });
    for (const ModelManual& manual : kModelManuals) {
        connect(Item(manual.item), &QAction::triggered, this,
                [this, &manual] { OpenHelpPage(ModelManualPage(ProgramFolder(), manual)); });
    }

    windows_.startPage = [this, start] {
        start->SetChinese(Chinese());
        switch (start->Execute(Item("LastFileOpenItem")->text())) {
            case TForStart::Command::NewFile:
                FileNewItemClick();
                break;
            case TForStart::Command::LastFile:
                LastFileOpenItemClick();
                break;
            case TForStart::Command::OpenFile:
                FileOpenItemClick();
                break;
            case TForStart::Command::Examples:
                N63Click();
                break;
            case TForStart::Command::None:
                break;
        }
    };
}

void TMainFrm::OpenHelpPage(const std::string& page) {
    const std::string folder = ProgramFolder();
    if (LaunchProgram("hh", {page}, folder).started) return;
    // No help viewer on this machine: the tool shows the page itself.
    auto* frm = findChild<TMyPublicFrm*>(QStringLiteral("MyPublicFrm"));
    if (frm == nullptr) frm = new TMyPublicFrm(this);
    const QUrl url(QString::fromStdString(page));
    const std::string path =
        url.isLocalFile() ? url.toLocalFile().toStdString() : page;  // a link or a path
    frm->ShowPage(QString::fromStdString(Tr("帮助", "Help")), path);
}

}  // namespace vx
