// The tool-bar customizer: a component without a window that lets the user
// re-arrange one tool bar through the customise dialog. It keeps the bar's
// designed item set in its INI file (section: its name + "Org"), applies the
// user's set (section: its name) to the bar and can restore the designed
// set. Controls the user's set takes off the bar are kept, not freed.
//
// No tool bar of the system has one. A window that holds one builds it with
// its bar (in the same loading scope): once the bar is loaded, the designed
// set is saved and the user's applied (ToolBarLoaded, which a window may
// also call itself).
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "platform/FileIo.h"
#include "platform/Loadable.h"
#include "platform/paint/ImageList.h"
#include "styling/customizer/CustomizeModel.h"
#include "styling/customizer/ToolBarItemSets.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

namespace vx {

class TCustomizerForm;

// A command the user can add to the bar as a new button.
struct TCustomizerItem {
    QString caption;
    // The icon chosen when the command is picked: tag - 1; 0 for none.
    int tag = 0;
    QPointer<QAction> action;       // the Action of a button made from it
    std::function<void()> onClick;  // called by a button made from it
};

// The customise dialog's texts and what it lets the user change of the bar.
struct TCustomizerTexts {
    QString title = QStringLiteral("Customize");
    // Follows the bar's caption on the customize entry of the option window.
    QString customize = QStringLiteral("Customize...");
    QString toolbarItems = QStringLiteral("Toolbar Items:");
    QString caption = QStringLiteral("Caption");
    QString glyphPosition = QStringLiteral("Glyph Position");
    QString commands = QStringLiteral("Commands:");
    QString largeIcon = QStringLiteral("Large Icon");
    QString hintTop = QStringLiteral("Move currently selected item to the beginning of the list");
    QString hintUp = QStringLiteral("Move currently selected item up one place");
    QString hintDown = QStringLiteral("Move selected item down one place");
    QString hintBottom = QStringLiteral("Move selected item to the end of the list");
    QString hintAdd = QStringLiteral("Insert command");
    QString hintSeparator = QStringLiteral("Insert Separator");
    QString hintDelete = QStringLiteral("Delete currently selected item");
    QString hintClear = QStringLiteral("Clear all toolbar items");
    QString hintEdit = QStringLiteral("Edit item properties");
    // The item dialog.
    QString itemTitle = QStringLiteral("Item Properties");
    QString itemCaption = QStringLiteral("Caption");
    QString itemIcon = QStringLiteral("Icon");
    QString itemVisible = QStringLiteral("Visible");
    QString itemShowCaption = QStringLiteral("Show Captions");
    QString itemHint = QStringLiteral("Hint");
    bool iconEnabled = true;  // the icon box of the commands
    customizer::TToolBarOptions bar;
};

class TToolBarCustomizer : public QObject, public TLoadable, public IToolBarCustomizer {
    Q_OBJECT
  public:
    explicit TToolBarCustomizer(QObject* parent = nullptr);
    ~TToolBarCustomizer() override;

    // The item sets are read and written only with persistence on and an
    // INI file named.
    bool Persistent() const { return persistent_; }
    void SetPersistent(bool v) { persistent_ = v; }
    QString IniFile() const { return iniFile_; }
    void SetIniFile(const QString& path) { iniFile_ = path; }
    TFxCustomToolBar* ToolBar() const { return toolBar_.data(); }
    // The bar is told of its customizer, and the bar before forgets it.
    void SetToolBar(TFxCustomToolBar* bar);
    std::vector<TCustomizerItem>& Commands() { return commands_; }
    const TCustomizerItem* GetCustomizerItem(int index) const;
    customizer::TItemOptions& ItemOptions() { return itemOptions_; }
    customizer::TListOptions& DialogOptions() { return dialogOptions_; }
    TCustomizerTexts& Texts() { return texts_; }
    TImageList* LargeImages() const { return largeImages_.data(); }
    void SetLargeImages(TImageList* images) { largeImages_ = images; }
    TImageList* SmallImages() const { return smallImages_.data(); }
    void SetSmallImages(TImageList* images) { smallImages_ = images; }

    // The bar was built: the designed set is saved, the user's applied.
    // Returns the outcome of saving the designed set.
    IoResult ToolBarLoaded();
    // The item sets; a profile that cannot be written is reported in the
    // result and left as it was on disk.
    IoResult SaveOrgItems();
    void LoadUserItems();
    IoResult RestoreOrgItems();
    // Opens the customise dialog (modal) and applies its outcome; returns
    // its modal result (0 without a bar).
    int ShowCustomizeDialog();
    // The entry of the bar's option window: the bar's caption followed by
    // the customize text.
    TOptionSelectorPanel* CustomizeEntry(TOptionSelectorWindow* window) override;
    void OpenCustomizeDialog() override { ShowCustomizeDialog(); }

    // The bar's control of that name, without regard to case; null for an
    // empty name or none.
    QWidget* FindItemByName(const QString& name) const;
    // The controls the user's set took off the bar.
    std::vector<QWidget*> RemovedControls() const;

    // The bar and its controls as the item sets see them; `widgets`
    // receives the control of each entry.
    customizer::TBarInfo BarInfo(std::vector<QWidget*>* widgets = nullptr) const;

  signals:
    void ShowDialog();
    void Customized();

  protected:
    void Loaded() override;

  private:
    bool Active() const;
    // The item sets over a profile already read.
    IoResult SaveOrgItems(vx::IniFile& ini);
    void LoadUserItems(const vx::IniFile& ini);
    // `widgets`: the control of each entry of the bar the plan was made for.
    void ApplyPlan(const customizer::TItemSetPlan& plan, const std::vector<QWidget*>& widgets,
                   bool restoring);
    void ApplyImages(int largeIcon);
    void PutBack(QWidget* control);

    bool persistent_ = true;
    QString iniFile_;
    QPointer<TFxCustomToolBar> toolBar_;
    std::vector<TCustomizerItem> commands_;
    customizer::TItemOptions itemOptions_;
    customizer::TListOptions dialogOptions_;
    TCustomizerTexts texts_;
    QPointer<TImageList> largeImages_;
    QPointer<TImageList> smallImages_;
    struct Removed {
        QPointer<QWidget> control;
        bool hidden = false;  // its Visible value, which leaving the bar hides
    };
    std::vector<Removed> removed_;
};

}  // namespace vx
