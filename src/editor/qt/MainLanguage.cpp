// The interface language: the language refresh and the language menu.
#include "editor/LanguageFile.h"
#include "editor/qt/Main.h"
#include "editor/qt/UiLanguage.h"
#include "editor/qt/UiTexts.h"
#include "model/LadderProgram.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/SystemFolders.h"
#include "platform/qt/ProgramText.h"
#include "platform/qt/QtTranslations.h"
#include "styling/toolbar/qt/FxToolBar.h"

namespace vx {
namespace {

constexpr const char* kRecentFilePrefix = "&1 ";

}  // namespace

void TMainFrm::ConnectLanguage() {
    uiLanguage_ = new TUiLanguage(this);
    // The recent-file item shows the last project's path, read from the
    // settings file before the first refresh: no language file replaces it.
    MarkProgramText(Item("LastFileOpenItem"));
    for (const char* name : {"Chinese1", "English1"}) {
        connect(Item(name), &QAction::triggered, this, [this, name] {
            SetLanguageItems(QString(name) == "Chinese1");
            if (!Button1Click()) return;  // refused: nothing changed
            settings_.chinese = Chinese();
            if (!CoverShown()) ProManageRefresh();
        });
    }
}

void TMainFrm::SetLanguageItems(bool chinese) {
    Item("Chinese1")->setChecked(chinese);
    Item("English1")->setChecked(!chinese);
}

void TMainFrm::ShowRecentFileCaption() {
    const std::string& caption = settings_.lastFileOpenItem;
    Item("LastFileOpenItem")
        ->setText(QString::fromStdString(
            caption.starts_with(kRecentFilePrefix) ? caption : Tr("最近文件", "Recent file")));
}

bool TMainFrm::Button1Click() {
    const bool chinese = Chinese();
    const char* file = chinese ? kChineseLanguageFile : kEnglishLanguageFile;
    const std::string path = JoinPath(ProgramFolder(), file);
    const LanguageFileStatus status = ImportUiTexts(path);
    if (status != LanguageFileStatus::Ok) {
        // Told in the language asked for, once the items show the language
        // in force again: the windows go on in the language they are in.
        const std::string message =
            status == LanguageFileStatus::Missing
                ? Tr("找不到语言文件 ", "Language file not found: ") + path + Tr(" ！", "!")
                : Tr("无法读取语言文件 ", "Cannot read the language file ") + path + Tr(" ！", "!");
        SetLanguageItems(chineseInForce_);
        UseQtTranslations(chineseInForce_);
        SetInterfaceChinese(chineseInForce_);
        ShowRecentFileCaption();
        RefreshStatusPanels();
        ShowMessage({kProductTitle, message, MsgIcon::Exclamation, MsgButtons::Ok});
        return false;
    }
    chineseInForce_ = chinese;
    UseQtTranslations(chinese);
    SetInterfaceChinese(chinese);
    // The option windows' add-or-remove entry is no text of the language
    // files: it follows the language here.
    const QString addOrRemove =
        QString::fromStdString(Tr("添加或移动按钮", "Add or Remove Buttons"));
    for (TFxToolBar* bar : {standardBar_, functionBar_})
        bar->SetTextAutoOptionMenu(addOrRemove);
    // The file holds the monitoring command as it is while monitoring is off.
    if (Monitoring()) {
        Item("NStakeoutON")
            ->setText(QString::fromStdString(Tr("停止监控(&T) ", "Stop monitor(&T) ")));
        Button("StakeoutON")->SetHint(QString::fromStdString(Tr("停止监控 F8", "Stop monitor F8")));
    }
    ShowRecentFileCaption();
    RefreshStatusPanels();
    emit LanguageRefreshed();
    return true;
}

}  // namespace vx
