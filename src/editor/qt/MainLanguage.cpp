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

void TMainFrm::ConnectLanguage() {
    uiLanguage_ = new TUiLanguage(this);
    // The recent-file item shows the last project's path, read from the
    // settings file before the first refresh: no language file replaces it.
    MarkProgramText(Item("LastFileOpenItem"));
    for (const char* name : {"Chinese1", "English1"}) {
        connect(Item(name), &QAction::triggered, this, [this, name] {
            Item("Chinese1")->setChecked(QString(name) == "Chinese1");
            Item("English1")->setChecked(QString(name) == "English1");
            settings_.chinese = Chinese();
            Button1Click();
            if (!CoverShown()) ProManageRefresh();
        });
    }
}

void TMainFrm::Button1Click() {
    UseQtTranslations(Chinese());
    SetInterfaceChinese(Chinese());
    // The option windows' add-or-remove entry is no text of the language
    // files: it follows the language here.
    const QString addOrRemove =
        QString::fromStdString(Tr("添加或移动按钮", "Add or Remove Buttons"));
    for (TFxToolBar* bar : {standardBar_, functionBar_})
        bar->SetTextAutoOptionMenu(addOrRemove);
    const char* file = Chinese() ? kChineseLanguageFile : kEnglishLanguageFile;
    const std::string path = JoinPath(ProgramFolder(), file);
    switch (ImportUiTexts(path)) {
        case LanguageFileStatus::Ok:
            // The file holds the monitoring command as it is while monitoring is off.
            if (Monitoring()) {
                Item("NStakeoutON")
                    ->setText(QString::fromStdString(Tr("停止监控(&T) ", "Stop monitor(&T) ")));
                Button("StakeoutON")
                    ->SetHint(QString::fromStdString(Tr("停止监控 F8", "Stop monitor F8")));
            }
            return;
        case LanguageFileStatus::Missing:
            ShowMessage({kProductTitle,
                         Tr("找不到语言文件 ", "Language file not found: ") + path + Tr(" ！", "!"),
                         MsgIcon::Exclamation, MsgButtons::Ok});
            return;
        case LanguageFileStatus::Unreadable:
            ShowMessage(
                {kProductTitle,
                 Tr("无法读取语言文件 ", "Cannot read the language file ") + path + Tr(" ！", "!"),
                 MsgIcon::Exclamation, MsgButtons::Ok});
            return;
    }
}

}  // namespace vx
