// The customise dialog of a tool bar: the bar's items in order beside the
// commands that can be inserted, the list buttons (move, insert, delete,
// clear, edit), the bar's caption, glyph position and icon size. Commands
// are dragged from their list onto the item list, items within it. On OK
// the dialog writes the user's set into the customizer's INI file.
#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <vector>

#include "styling/customizer/CustomizeModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TSpeedButton;
class TToolBarCustomizer;
class TImageList;

// A list box that drags its entries to itself or to another of its kind.
// A drag carries the list's name and the dragged row; a drop reports both
// and the row under the drop point (-1 for none).
class TDragListBox : public QListWidget {
    Q_OBJECT
  public:
    static constexpr const char* kMimeType = "application/x-vxtorvin-customizer-row";
    explicit TDragListBox(QWidget* parent = nullptr);
    // The lists whose drags this one accepts (by object name).
    void SetAcceptedSources(QStringList names) { sources_ = std::move(names); }
    // What a drop of the data at a point of the list's viewport does; false
    // when the list does not take it.
    bool DropData(const QMimeData* data, QPoint at);

  signals:
    void Dropped(const QString& source, int sourceRow, int targetRow);

  protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool Accepts(const QMimeData* data, QString* source, int* row) const;
    QStringList sources_;
};

class TCustomizerForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;
    static constexpr int kResultReset = 9;

    TCustomizerForm(TToolBarCustomizer& customizer, QWidget* parent = nullptr);
    ~TCustomizerForm() override;
    // The open dialog, or null.
    static TCustomizerForm* Current();

    // Fills the lists from the bar and sets the texts and switches of the
    // customizer; the filling ends here.
    void FillLists();
    customizer::TCustomizeModel& Model() { return model_; }
    TToolBarCustomizer& Customizer() { return customizer_; }
    TImageList* BarImages() const;
    // The control an entry of the item list stands for (null for new ones).
    QWidget* EntryControl(int row) const;

    void ShowCaptionControls(bool show);
    void ShowGlyphPositionControls(bool show);

    // The commands of the dialog.
    void TopClick();
    void UpClick();
    void DownClick();
    void BottomClick();
    void AddClick();
    void SeparatorClick();
    void DeleteClick();
    void ClearClick();
    void EditClick();
    void OkClick();
    // A drop on the item list from the command list or from itself.
    void ItemsDropped(const QString& source, int sourceRow, int targetRow);

  private:
    void Build();
    void Arrange();
    void ShowEntries();
    void UpdateButtons();
    void CommandClicked();
    void Changed() { model_.MarkChanged(); }

    TToolBarCustomizer& customizer_;
    customizer::TCustomizeModel model_;
    std::vector<QWidget*> controls_;  // the bar's controls, by model index
    bool showing_ = false;            // the lists are being rebuilt

    QGroupBox* groupBox2_ = nullptr;
    QLabel* lblCaption_ = nullptr;
    QLineEdit* edtCaption_ = nullptr;
    QLabel* lblGlphPos_ = nullptr;
    QComboBox* cmBxGlphPos_ = nullptr;
    QCheckBox* chkLargeIcon_ = nullptr;
    QGroupBox* groupBox1_ = nullptr;
    QLabel* lblCommands_ = nullptr;
    TDragListBox* lstBxCommand_ = nullptr;
    QLabel* lblToolbarItems_ = nullptr;
    TDragListBox* lstBxToolBarItems_ = nullptr;
    QComboBox* cmBxIcon_ = nullptr;
    TSpeedButton* topButton_ = nullptr;
    TSpeedButton* upButton_ = nullptr;
    TSpeedButton* downButton_ = nullptr;
    TSpeedButton* bottomButton_ = nullptr;
    TSpeedButton* addButton_ = nullptr;
    TSpeedButton* separatorButton_ = nullptr;
    TSpeedButton* deleteButton_ = nullptr;
    TSpeedButton* clearButton_ = nullptr;
    TSpeedButton* btnEdit_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QPushButton* btnReset_ = nullptr;
};

}  // namespace vx
