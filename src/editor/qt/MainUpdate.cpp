// The main window's commands that leave the tool: the customer update
// package (F12), the firmware-update launch and the calculator button.
#include <QFileDialog>
#include <QFileInfo>

#include "build/FirmwareLaunch.h"
#include "build/UpdatePackage.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"

namespace vx {
namespace {

// The package's save dialog. A folder's name typed or chosen in it is taken
// as the package folder (a plain save dialog would open that folder instead),
// so a package can be refreshed in the folder it was made in.
class PackageFolderDialog final : public QFileDialog {
  public:
    PackageFolderDialog(QWidget* parent, const QString& title) : QFileDialog(parent, title) {
        setAcceptMode(QFileDialog::AcceptSave);
        setNameFilter(QStringLiteral("All Files (*.*)"));
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && QFileInfo(chosen.first()).isDir() &&
            QFileInfo(chosen.first()).absoluteFilePath() != directory().absolutePath()) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

}  // namespace

void TMainFrm::ConnectUpdateCommands() {
    connect(Item("N44"), &QAction::triggered, this, &TMainFrm::N44Click);
    connect(Item("FirmwareUpdateItem"), &QAction::triggered, this,
            &TMainFrm::FirmwareUpdateItemClick);
    connect(Button("CalcToolButton"), &TFxCustomToolBarButton::Clicked, this,
            [this] { Launch("calc.exe", {}, {}); });

    windows_.packageFolder = [this](const std::string& suggested) -> std::optional<std::string> {
        PackageFolderDialog dialog(this, QString::fromStdString(Tr("保存文件", "Save File")));
        dialog.selectFile(QString::fromStdString(suggested));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first().toStdString();
    };
}

void TMainFrm::N44Click() {
    const Message missing{Tr("错误", "Error"),
                          Tr("提取目标文件不存在！\r请用快捷键\"F5\"编译工程文件！",
                             "Extraction of target file does not exist! \ruse the shortcut key \" "
                             "F5 \" compile the project file!"),
                          MsgIcon::Information, MsgButtons::Ok};
    if (!FileExists(targetFile_)) {
        ShowMessage(missing);
        return;
    }
    const std::string& project = names_.projectFile;
    const std::string suggested = project.size() > 4 ? project.substr(0, project.size() - 4) : "";
    if (!windows_.packageFolder) return;
    const std::optional<std::string> folder = windows_.packageFolder(suggested);
    if (!folder || folder->empty()) return;

    const auto replace = [this] {
        return ShowMessage({kProductTitle,
                            Tr("文件夹中已有 Update.Da2，要用当前的目标文件替换它吗？",
                               "The folder already holds Update.Da2. Replace it with the current "
                               "target file?"),
                            MsgIcon::Question, MsgButtons::YesNo}) == MsgAnswer::Yes;
    };
    const PackageResult made = MakeUpdatePackage({targetFile_, ProgramFolder(), *folder}, replace);
    auto fail = [this](const char* chinese, const char* english, const std::string& detail) {
        ShowMessage(
            {kProductTitle, Tr(chinese, english) + detail, MsgIcon::Exclamation, MsgButtons::Ok});
    };
    switch (made.outcome) {
        case PackageOutcome::Made:
            Launch("Explorer.exe", {*folder}, {});
            break;
        case PackageOutcome::NoImage:
            ShowMessage(missing);
            break;
        case PackageOutcome::FolderFailed:
            fail("无法建立文件夹：\r", "Cannot create the folder:\r", made.detail);
            break;
        case PackageOutcome::NoUpdater:
            fail("程序文件夹中没有升级程序：\r", "The program folder holds no updater:\r",
                 made.detail);
            break;
        case PackageOutcome::UpdaterFailed:
            fail("升级程序复制失败：\r", "Copying the updater failed:\r", made.detail);
            break;
        case PackageOutcome::ImageKept:
            ShowMessage({kProductTitle,
                         Tr("Update.Da2 没有被替换，文件夹中仍是原来的目标文件。",
                            "Update.Da2 was not replaced: the folder still holds the old target "
                            "file."),
                         MsgIcon::Information, MsgButtons::Ok});
            break;
        case PackageOutcome::ImageFailed:
            fail("目标文件复制失败：\r", "Copying the target file failed:\r", made.detail);
            break;
    }
}

void TMainFrm::FirmwareUpdateItemClick() {
    const FirmwareLaunchResult launched = LaunchFirmwareUpdate(Chinese());
    if (launched.outcome == FirmwareLaunchOutcome::RegistryFailed) {
        ShowMessage({"Torvin",
                     Tr("未知的原因，创建注册信息失败！",
                        "For unknown reasons, failed to create login information!"),
                     MsgIcon::Exclamation, MsgButtons::Ok, true});
    } else if (launched.outcome == FirmwareLaunchOutcome::NotStarted) {
        ShowMessage({kProductTitle, launched.problem, MsgIcon::Exclamation, MsgButtons::Ok});
    }
}

}  // namespace vx
