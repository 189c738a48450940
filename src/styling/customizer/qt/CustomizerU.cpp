#include "styling/customizer/qt/CustomizerU.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/SpeedButton.h"
#include "styling/customizer/qt/CustomizerBtnU.h"
#include "styling/customizer/qt/DialogControls.h"
#include "styling/customizer/qt/ToolBarCustomizer.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"

namespace vx {

using namespace customizer;

namespace {

TCustomizerForm* current = nullptr;

enum class Glyph { Top, Up, Down, Bottom, Add, Separator, Delete, Clear, Edit };

// The list buttons' pictures, black on a ground that the bottom-left pixel
// makes transparent.
QImage ListGlyph(Glyph g) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    auto arrow = [&](int tipY, bool up) {
        const int d = up ? 1 : -1;
        p.drawPolygon(
            QPolygon({QPoint(8, tipY), QPoint(8 + 4, tipY + 4 * d), QPoint(8 - 4, tipY + 4 * d)}));
    };
    switch (g) {
        case Glyph::Top:
            p.drawLine(3, 2, 13, 2);
            arrow(4, true);
            p.fillRect(7, 8, 3, 6, Qt::black);
            break;
        case Glyph::Up:
            arrow(3, true);
            p.fillRect(7, 7, 3, 7, Qt::black);
            break;
        case Glyph::Down:
            p.fillRect(7, 2, 3, 7, Qt::black);
            arrow(13, false);
            break;
        case Glyph::Bottom:
            p.fillRect(7, 2, 3, 6, Qt::black);
            arrow(11, false);
            p.drawLine(3, 13, 13, 13);
            break;
        case Glyph::Add:
            p.fillRect(3, 7, 10, 2, Qt::black);
            p.fillRect(7, 3, 2, 10, Qt::black);
            break;
        case Glyph::Separator:
            p.fillRect(7, 2, 2, 12, Qt::black);
            break;
        case Glyph::Delete:
            p.drawLine(4, 4, 11, 11);
            p.drawLine(5, 4, 12, 11);
            p.drawLine(11, 4, 4, 11);
            p.drawLine(12, 4, 5, 11);
            break;
        case Glyph::Clear:
            p.setBrush(Qt::NoBrush);
            p.drawRect(3, 3, 9, 9);
            p.drawLine(3, 12, 12, 3);
            break;
        case Glyph::Edit:
            p.drawLine(3, 12, 11, 4);
            p.drawLine(4, 12, 12, 4);
            p.drawLine(3, 13, 5, 13);
            break;
    }
    p.end();
    return image;
}

// Draws the entries of the item list: a button's glyph or the bar's
// picture of its image index, then the text, each at the place the list's
// rows have always had.
class TItemsDelegate : public QStyledItemDelegate {
  public:
    explicit TItemsDelegate(TCustomizerForm& form) : QStyledItemDelegate(&form), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        painter->fillRect(r, selected ? pal.highlight() : pal.base());
        const int row = index.row();
        const auto& entries = form_.Model().Entries();
        if (row < 0 || row >= static_cast<int>(entries.size())) return;
        const TListEntry& e = entries[row];
        int textX = 10;
        if (e.prop) {
            auto* button = qobject_cast<TFxCustomToolBarButton*>(form_.EntryControl(row));
            TImageList* images = form_.BarImages();
            if (button && !button->Glyph().isNull()) {
                painter->drawImage(r.left() + 2, r.top() + 2, button->Glyph());
                textX = button->Glyph().width() + 10;
            } else if (button || e.prop->IsCommand()) {
                if (images && e.prop->imageIndex >= 0)
                    images->Draw(*painter, r.left() + 2, r.top() + 2, e.prop->imageIndex);
                textX = images ? images->Width() + 18 : 10;
            } else {
                textX = 18;
            }
        }
        painter->setPen(selected ? pal.highlightedText().color() : pal.text().color());
        const QFontMetrics fm(option.font);
        const int top = r.top() + (r.height() - fm.height()) / 2;
        painter->drawText(QRect(r.left() + textX, top, r.width() - textX, fm.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          QString::fromStdString(e.text));
    }

  private:
    TCustomizerForm& form_;
};

}  // namespace

// ---------------------------------------------------------------- drag list

TDragListBox::TDragListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setAcceptDrops(true);
}

QStringList TDragListBox::mimeTypes() const {
    return {QString::fromLatin1(kMimeType)};
}

QMimeData* TDragListBox::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kMimeType),
                  (objectName() + QLatin1Char(':') + QString::number(row(items.first()))).toUtf8());
    return data;
}

bool TDragListBox::Accepts(const QMimeData* data, QString* source, int* row) const {
    if (!data || !data->hasFormat(QString::fromLatin1(kMimeType))) return false;
    const QString text = QString::fromUtf8(data->data(QString::fromLatin1(kMimeType)));
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0) return false;
    bool ok = false;
    const int r = text.mid(colon + 1).toInt(&ok);
    if (!ok || !sources_.contains(text.left(colon))) return false;
    if (source) *source = text.left(colon);
    if (row) *row = r;
    return true;
}

void TDragListBox::dragEnterEvent(QDragEnterEvent* event) {
    // Entering is judged as moving over the list.
    dragMoveEvent(event);
}

void TDragListBox::dragMoveEvent(QDragMoveEvent* event) {
    if (Accepts(event->mimeData(), nullptr, nullptr)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TDragListBox::dropEvent(QDropEvent* event) {
    if (!DropData(event->mimeData(), event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

bool TDragListBox::DropData(const QMimeData* data, QPoint at) {
    QString source;
    int sourceRow = -1;
    if (!Accepts(data, &source, &sourceRow)) return false;
    const QModelIndex index = indexAt(at);
    emit Dropped(source, sourceRow, index.isValid() ? index.row() : -1);
    return true;
}

// ---------------------------------------------------------------- the dialog

TCustomizerForm::TCustomizerForm(TToolBarCustomizer& customizer, QWidget* parent)
    : QDialog(parent), customizer_(customizer) {
    current = this;
    Build();
}

TCustomizerForm::~TCustomizerForm() {
    if (current == this) current = nullptr;
}

TCustomizerForm* TCustomizerForm::Current() {
    return current;
}

void TCustomizerForm::Build() {
    SetUpDialog(this, "CustomizerForm", 387, 363);

    groupBox1_ = MakeControl<QGroupBox>(this, "GroupBox1", 6, 4, 375, 258);
    lblCommands_ = MakeControl<QLabel>(groupBox1_, "LblCommands", 10, 14, 130, 15);
    lblCommands_->setText(QStringLiteral("Commands:"));
    lstBxCommand_ = MakeControl<TDragListBox>(groupBox1_, "LstBxCommand", 10, 32, 130, 184);
    lstBxCommand_->setAcceptDrops(false);
    cmBxIcon_ = MakeControl<QComboBox>(groupBox1_, "CmBxIcon", 10, 222, 130, 24);
    lblToolbarItems_ = MakeControl<QLabel>(groupBox1_, "LblToolbarItems", 178, 14, 187, 15);
    lblToolbarItems_->setText(QStringLiteral("Toolbar Items:"));
    lstBxToolBarItems_ =
        MakeControl<TDragListBox>(groupBox1_, "LstBxToolBarItems", 178, 32, 187, 214);
    lstBxToolBarItems_->SetAcceptedSources(
        {QStringLiteral("LstBxCommand"), QStringLiteral("LstBxToolBarItems")});
    lstBxToolBarItems_->setItemDelegate(new TItemsDelegate(*this));
    lstBxToolBarItems_->setUniformItemSizes(true);

    struct ButtonDef {
        TSpeedButton** field;
        const char* name;
        Glyph glyph;
        const char* hint;
        void (TCustomizerForm::*click)();
    };
    const ButtonDef buttons[] = {
        {&topButton_, "TopButton", Glyph::Top,
         "Move currently selected item to the beginning of the list", &TCustomizerForm::TopClick},
        {&upButton_, "UpButton", Glyph::Up, "Move currently selected item up one place",
         &TCustomizerForm::UpClick},
        {&downButton_, "DownButton", Glyph::Down, "Move selected item down one place",
         &TCustomizerForm::DownClick},
        {&bottomButton_, "BottomButton", Glyph::Bottom, "Move selected item to the end of the list",
         &TCustomizerForm::BottomClick},
        {&addButton_, "AddButton", Glyph::Add, "Insert command", &TCustomizerForm::AddClick},
        {&separatorButton_, "SeparatorButton", Glyph::Separator, "Insert Separator",
         &TCustomizerForm::SeparatorClick},
        {&deleteButton_, "DeleteButton", Glyph::Delete, "Delete currently selected item",
         &TCustomizerForm::DeleteClick},
        {&clearButton_, "ClearButton", Glyph::Clear, "Clear all toolbar items",
         &TCustomizerForm::ClearClick},
        {&btnEdit_, "BtnEdit", Glyph::Edit, "Clear all toolbar items", &TCustomizerForm::EditClick},
    };
    int y = 32;
    for (const ButtonDef& d : buttons) {
        auto* b = MakeControl<TSpeedButton>(groupBox1_, d.name, 148, y, 23, 22);
        b->SetFlat(true);
        b->SetGlyph(ListGlyph(d.glyph));
        b->setToolTip(QString::fromLatin1(d.hint));
        b->OnClick = [this, click = d.click] { (this->*click)(); };
        *d.field = b;
        y += 24;
    }

    groupBox2_ = MakeControl<QGroupBox>(this, "GroupBox2", 6, 266, 375, 62);
    lblCaption_ = MakeControl<QLabel>(groupBox2_, "LblCaption", 10, 18, 40, 15);
    lblCaption_->setText(QStringLiteral("Caption"));
    edtCaption_ = MakeControl<QLineEdit>(groupBox2_, "EdtCaption", 55, 14, 130, 21);
    lblGlphPos_ = MakeControl<QLabel>(groupBox2_, "LblGlphPos", 200, 18, 80, 15);
    lblGlphPos_->setText(QStringLiteral("Glyph Position"));
    cmBxGlphPos_ = MakeControl<QComboBox>(groupBox2_, "CmBxGlphPos", 290, 14, 75, 22);
    cmBxGlphPos_->addItems({QStringLiteral("Left"), QStringLiteral("Top"), QStringLiteral("Right"),
                            QStringLiteral("Bottom")});
    chkLargeIcon_ = MakeControl<QCheckBox>(groupBox2_, "ChkLargeIcon", 55, 38, 130, 19);
    chkLargeIcon_->setText(QStringLiteral("Large Icon"));

    btnReset_ = MakeControl<QPushButton>(this, "BtnReset", 6, 334, 75, 25);
    btnReset_->setText(QStringLiteral("&Reset"));
    btnOk_ = MakeControl<QPushButton>(this, "BtnOk", 222, 334, 75, 25);
    btnOk_->setText(QStringLiteral("&OK"));
    btnOk_->setDefault(true);
    btnCancel_ = MakeControl<QPushButton>(this, "BtnCancel", 306, 334, 75, 25);
    btnCancel_->setText(QStringLiteral("&Cancel"));

    connect(btnOk_, &QPushButton::clicked, this, &TCustomizerForm::OkClick);
    connect(btnCancel_, &QPushButton::clicked, this, [this] { done(kResultCancel); });
    connect(btnReset_, &QPushButton::clicked, this, [this] { done(kResultReset); });
    connect(edtCaption_, &QLineEdit::textChanged, this, [this] { Changed(); });
    connect(cmBxGlphPos_, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
    connect(chkLargeIcon_, &QCheckBox::clicked, this, [this] { Changed(); });
    connect(lstBxCommand_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        model_.SelectCommand(row);
        CommandClicked();
    });
    connect(lstBxToolBarItems_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        model_.Select(row);
        UpdateButtons();
    });
    connect(lstBxToolBarItems_, &QListWidget::itemDoubleClicked, this, [this] {
        if (btnEdit_->Enabled() && btnEdit_->isVisibleTo(this)) EditClick();
    });
    connect(lstBxToolBarItems_, &TDragListBox::Dropped, this, &TCustomizerForm::ItemsDropped);
}

TImageList* TCustomizerForm::BarImages() const {
    TFxCustomToolBar* bar = customizer_.ToolBar();
    return bar ? bar->Images() : nullptr;
}

QWidget* TCustomizerForm::EntryControl(int row) const {
    const auto& entries = model_.Entries();
    if (row < 0 || row >= static_cast<int>(entries.size()) || !entries[row].prop) return nullptr;
    const int c = entries[row].prop->control;
    return c >= 0 && c < static_cast<int>(controls_.size()) ? controls_[c] : nullptr;
}

void TCustomizerForm::ShowCaptionControls(bool show) {
    lblCaption_->setVisible(show);
    edtCaption_->setVisible(show);
}

void TCustomizerForm::ShowGlyphPositionControls(bool show) {
    lblGlphPos_->setVisible(show);
    cmBxGlphPos_->setVisible(show);
}

void TCustomizerForm::FillLists() {
    const TCustomizerTexts& t = customizer_.Texts();
    const TListOptions& o = customizer_.DialogOptions();
    TFxCustomToolBar* bar = customizer_.ToolBar();
    setWindowTitle(t.title);
    topButton_->setToolTip(t.hintTop);
    upButton_->setToolTip(t.hintUp);
    downButton_->setToolTip(t.hintDown);
    bottomButton_->setToolTip(t.hintBottom);
    addButton_->setToolTip(t.hintAdd);
    separatorButton_->setToolTip(t.hintSeparator);
    deleteButton_->setToolTip(t.hintDelete);
    clearButton_->setToolTip(t.hintClear);
    btnEdit_->setToolTip(t.hintEdit);
    lblToolbarItems_->setText(t.toolbarItems);
    lblCaption_->setText(t.caption);
    lblGlphPos_->setText(t.glyphPosition);
    lblCommands_->setText(t.commands);
    chkLargeIcon_->setText(t.largeIcon);
    ShowCaptionControls(t.bar.caption);
    ShowGlyphPositionControls(t.bar.glyphPosition);
    chkLargeIcon_->setVisible(t.bar.largeIcon && customizer_.LargeImages());
    cmBxIcon_->setEnabled(t.iconEnabled);
    separatorButton_->SetEnabled(o.separator);
    lstBxToolBarItems_->setDragEnabled(o.reorder);
    lstBxCommand_->setDragEnabled(o.insert);
    if (!bar) {
        model_.Filled();
        return;
    }

    std::vector<TCommandInfo> commands;
    for (const TCustomizerItem& c : customizer_.Commands())
        commands.push_back({c.caption.toStdString(), c.tag});
    controls_.clear();
    const TBarInfo info = customizer_.BarInfo(&controls_);
    model_.Fill(info, std::move(commands), customizer_.ItemOptions(), o);

    TImageList* images = bar->Images();
    const int rowHeight = images ? images->Height() + 3 : 20;
    lstBxToolBarItems_->setStyleSheet(
        QStringLiteral("QListView::item { height: %1px; }").arg(rowHeight));
    lstBxCommand_->setStyleSheet(QStringLiteral("QListView::item { height: 13px; }"));
    for (const TCommandInfo& c : model_.Commands())
        lstBxCommand_->addItem(QString::fromStdString(c.caption));
    if (images) {
        cmBxIcon_->setIconSize(QSize(images->Width(), images->Height()));
        for (int i = 0; i < images->Count(); ++i)
            cmBxIcon_->addItem(images->GetIcon(i), QString());
    }
    cmBxIcon_->addItem(QStringLiteral("None"));
    cmBxIcon_->setVisible(images != nullptr);

    edtCaption_->setText(bar->Caption());
    cmBxGlphPos_->setCurrentIndex(0);
    for (const TBarControlInfo& c : info.controls) {
        if (c.onBar && c.kind == TItemClass::icButton) {
            cmBxGlphPos_->setCurrentIndex(c.glyphPosition);
            break;
        }
    }
    chkLargeIcon_->setChecked(info.largeIcon);

    ShowEntries();
    if (model_.SelectedCommand() >= 0) {
        showing_ = true;
        lstBxCommand_->setCurrentRow(model_.SelectedCommand());
        showing_ = false;
        CommandClicked();
    }
    Arrange();
    UpdateButtons();
    model_.Filled();
}

void TCustomizerForm::Arrange() {
    const bool caption = !edtCaption_->isHidden();
    const bool glyph = !cmBxGlphPos_->isHidden();
    const bool large = !chkLargeIcon_->isHidden();
    lblCaption_->adjustSize();
    lblGlphPos_->adjustSize();
    if (!caption && glyph) {
        lblGlphPos_->move(6, lblGlphPos_->y());
        cmBxGlphPos_->move(6 + lblGlphPos_->width() + 5, cmBxGlphPos_->y());
        chkLargeIcon_->move(cmBxGlphPos_->x(), chkLargeIcon_->y());
    } else if (!caption && !glyph && large) {
        chkLargeIcon_->move(50, chkLargeIcon_->y());
    }
    edtCaption_->move(lblCaption_->x() + lblCaption_->width() + 5, edtCaption_->y());
    lblGlphPos_->move(cmBxGlphPos_->x() - 5 - lblGlphPos_->width(), lblGlphPos_->y());
    if (!caption && !glyph && !large) {
        groupBox2_->hide();
        const int h = groupBox2_->height();
        setFixedSize(width(), height() - h);
        btnOk_->move(btnOk_->x(), btnOk_->y() - h);
        btnCancel_->move(btnCancel_->x(), btnCancel_->y() - h);
        btnReset_->move(btnReset_->x(), btnOk_->y());
    }
}

void TCustomizerForm::ShowEntries() {
    showing_ = true;
    lstBxToolBarItems_->clear();
    for (const TListEntry& e : model_.Entries())
        lstBxToolBarItems_->addItem(QString::fromStdString(e.text));
    lstBxToolBarItems_->setCurrentRow(model_.Selected());
    showing_ = false;
}

void TCustomizerForm::UpdateButtons() {
    const TButtonStates b = model_.Buttons();
    btnEdit_->SetEnabled(b.edit);
    topButton_->SetEnabled(b.top);
    upButton_->SetEnabled(b.up);
    downButton_->SetEnabled(b.down);
    bottomButton_->SetEnabled(b.bottom);
    addButton_->SetEnabled(b.add);
    deleteButton_->SetEnabled(b.remove);
    clearButton_->SetEnabled(b.clear);
}

void TCustomizerForm::CommandClicked() {
    if (model_.SelectedCommand() >= 0) {
        const int icon = model_.IconForCommand(model_.SelectedCommand(), cmBxIcon_->count() - 1);
        if (icon >= 0 && icon < cmBxIcon_->count()) cmBxIcon_->setCurrentIndex(icon);
    }
    UpdateButtons();
}

namespace {
// The icon entry as an image index: -1 for "None" (the last entry).
int IconIndexOf(const QComboBox* box) {
    const int i = box->currentIndex();
    return i >= 0 && i < box->count() - 1 ? i : -1;
}
}  // namespace

void TCustomizerForm::TopClick() {
    model_.MoveTop();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::UpClick() {
    model_.MoveUp();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::DownClick() {
    model_.MoveDown();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::BottomClick() {
    model_.MoveBottom();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::AddClick() {
    model_.InsertCommand(IconIndexOf(cmBxIcon_));
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::SeparatorClick() {
    model_.InsertSeparator();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::DeleteClick() {
    model_.DeleteSelected();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::ClearClick() {
    const MsgAnswer answer =
        ShowMessage({windowTitle().toStdString(), "Are you sure that you want to clear ToolBar?",
                     MsgIcon::Question, MsgButtons::YesNo});
    if (answer != MsgAnswer::Yes) return;
    model_.Clear();
    ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::ItemsDropped(const QString& source, int sourceRow, int targetRow) {
    if (source == lstBxCommand_->objectName()) {
        if (sourceRow >= 0 && sourceRow < static_cast<int>(model_.Commands().size()))
            model_.SelectCommand(sourceRow);
        AddClick();
        return;
    }
    if (targetRow < 0) return;
    model_.MoveEntry(sourceRow, targetRow);
    ShowEntries();
}

void TCustomizerForm::EditClick() {
    const int row = model_.Selected();
    if (row < 0 || !model_.Entries()[row].prop) return;
    TCusBtnForm dialog(customizer_, this);
    dialog.Prepare(BarImages());
    const TFTBItemProp& p = *model_.Entries()[row].prop;
    dialog.EdtBtnCaption()->setText(QString::fromStdString(p.caption));
    dialog.EdtBtnHint()->setText(QString::fromStdString(p.hint));
    dialog.ChkBtnShowCap()->setChecked(p.showCaption);
    dialog.ChkBtnVis()->setChecked(p.visible);
    QComboBox* glyph = dialog.CmBxGlyph();
    // An item without a picture shows "None".
    const int shown = p.imageIndex >= 0 ? p.imageIndex : glyph->count() - 1;
    if (shown < glyph->count()) glyph->setCurrentIndex(shown);
    const int before = glyph->currentIndex();
    dialog.move(mapToGlobal(QPoint(75, 120)));
    if (dialog.exec() != TCusBtnForm::kResultOk) return;
    TFTBItemProp values;
    values.caption = dialog.EdtBtnCaption()->text().toStdString();
    values.hint = dialog.EdtBtnHint()->text().toStdString();
    values.visible = dialog.ChkBtnVis()->isChecked();
    values.showCaption = dialog.ChkBtnShowCap()->isChecked();
    values.imageIndex = IconIndexOf(glyph);
    const bool iconChanged = glyph->count() > 0 && glyph->currentIndex() != before;
    if (model_.StoreItemValues(values, iconChanged)) ShowEntries();
    UpdateButtons();
}

void TCustomizerForm::OkClick() {
    if (customizer_.Persistent() && !customizer_.IniFile().isEmpty()) {
        IniFile ini = IniFile::Load(customizer_.IniFile().toStdString());
        TUserHeader header;
        if (!edtCaption_->isHidden()) header.caption = edtCaption_->text().toStdString();
        if (!cmBxGlphPos_->isHidden()) header.glyphPosition = cmBxGlphPos_->currentIndex();
        if (!chkLargeIcon_->isHidden()) header.largeIcon = chkLargeIcon_->isChecked();
        IoResult r = model_.WriteUserItems(ini, customizer_.objectName().toStdString(), header,
                                           customizer_.ItemOptions());
        if (r) r = ini.Save();
        if (!r) {
            // Nothing is lost: the dialog stays open with the user's changes.
            ShowMessage({windowTitle().toStdString(), r.error, MsgIcon::Error});
            return;
        }
    }
    done(kResultOk);
}

}  // namespace vx
