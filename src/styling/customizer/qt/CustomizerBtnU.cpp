#include "styling/customizer/qt/CustomizerBtnU.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "platform/paint/ImageList.h"
#include "styling/customizer/qt/DialogControls.h"
#include "styling/customizer/qt/ToolBarCustomizer.h"

namespace vx {

namespace {
TCusBtnForm* current = nullptr;

}  // namespace

TCusBtnForm::TCusBtnForm(TToolBarCustomizer& customizer, QWidget* parent)
    : QDialog(parent), customizer_(customizer) {
    current = this;
    SetUpDialog(this, "CusBtnForm", 248, 140);

    groupBox1_ = MakeControl<QGroupBox>(this, "GroupBox1", 4, 2, 240, 102);
    lblBtnCaption_ = MakeControl<QLabel>(groupBox1_, "LblBtnCaption", 8, 18, 40, 15);
    lblBtnCaption_->setText(QStringLiteral("Caption"));
    edtBtnCaption_ = MakeControl<QLineEdit>(groupBox1_, "EdtBtnCaption", 50, 14, 82, 21);
    lblBtnHint_ = MakeControl<QLabel>(groupBox1_, "LblBtnHint", 8, 44, 40, 15);
    lblBtnHint_->setText(QStringLiteral("Hint"));
    edtBtnHint_ = MakeControl<QLineEdit>(groupBox1_, "EdtBtnHint", 50, 40, 82, 21);
    lblGlyph_ = MakeControl<QLabel>(groupBox1_, "LblGlyph", 8, 70, 40, 15);
    lblGlyph_->setText(QStringLiteral("Icon"));
    cmBxGlyph_ = MakeControl<QComboBox>(groupBox1_, "CmBxGlyph", 50, 66, 82, 22);
    chkBtnShowCap_ = MakeControl<QCheckBox>(groupBox1_, "ChkBtnShowCap", 139, 11, 97, 19);
    chkBtnShowCap_->setText(QStringLiteral("Show Captions"));
    chkBtnVis_ = MakeControl<QCheckBox>(groupBox1_, "ChkBtnVis", 139, 36, 97, 19);
    chkBtnVis_->setText(QStringLiteral("Visible"));
    btnOk_ = MakeControl<QPushButton>(this, "BtnOk", 44, 110, 75, 25);
    btnOk_->setText(QStringLiteral("&OK"));
    btnOk_->setDefault(true);
    btnCancel_ = MakeControl<QPushButton>(this, "BtnCancel", 124, 110, 75, 25);
    btnCancel_->setText(QStringLiteral("&Cancel"));
    connect(btnOk_, &QPushButton::clicked, this, [this] { done(kResultOk); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { done(kResultCancel); });
}

TCusBtnForm::~TCusBtnForm() {
    if (current == this) current = nullptr;
}

TCusBtnForm* TCusBtnForm::Current() {
    return current;
}

void TCusBtnForm::Prepare(TImageList* images) {
    const TCustomizerTexts& t = customizer_.Texts();
    const customizer::TItemOptions& o = customizer_.ItemOptions();
    setWindowTitle(t.itemTitle);
    lblBtnCaption_->setText(t.itemCaption);
    lblGlyph_->setText(t.itemIcon);
    chkBtnVis_->setText(t.itemVisible);
    chkBtnShowCap_->setText(t.itemShowCaption);
    lblBtnHint_->setText(t.itemHint);

    cmBxGlyph_->hide();
    if (o.imageIndex && images) {
        cmBxGlyph_->setIconSize(QSize(images->Width(), images->Height()));
        for (int i = 0; i < images->Count(); ++i)
            cmBxGlyph_->addItem(images->GetIcon(i), QString());
        cmBxGlyph_->addItem(QStringLiteral("None"));
        cmBxGlyph_->show();
    }
    // The caption stays in view when it may not be changed.
    edtBtnCaption_->setEnabled(o.caption);
    edtBtnHint_->setVisible(o.hint);
    chkBtnShowCap_->setVisible(o.showCaption);
    chkBtnVis_->setVisible(o.visible);
    lblBtnCaption_->setVisible(!edtBtnCaption_->isHidden());
    lblBtnHint_->setVisible(!edtBtnHint_->isHidden());
    lblGlyph_->setVisible(!cmBxGlyph_->isHidden());
    Arrange();
}

void TCusBtnForm::Arrange() {
    if (chkBtnShowCap_->isHidden() && !chkBtnVis_->isHidden()) chkBtnVis_->move(139, 11);
    int w = 0;
    for (QLabel* l : {lblBtnCaption_, lblBtnHint_, lblGlyph_}) {
        l->adjustSize();
        if (!l->isHidden()) w = std::max(w, l->width());
    }
    if (w <= 0) return;
    for (QWidget* e : std::initializer_list<QWidget*>{edtBtnCaption_, edtBtnHint_, cmBxGlyph_})
        e->move(w + 12, e->y());
    for (QLabel* l : {lblBtnCaption_, lblBtnHint_, lblGlyph_})
        l->move(w + 7 - l->width(), l->y());
    const int x = std::max(chkBtnShowCap_->x(), edtBtnCaption_->width() + w + 12 + 4);
    chkBtnShowCap_->move(x, chkBtnShowCap_->y());
    chkBtnVis_->move(x, chkBtnVis_->y());
    // The boxes take the width of their texts, and the group reaches past
    // the wider of them and the caption edit, so no text is cut off.
    chkBtnShowCap_->adjustSize();
    chkBtnVis_->adjustSize();
    const int e = x + std::max({edtBtnCaption_->width(),
                                chkBtnShowCap_->isHidden() ? 0 : chkBtnShowCap_->width(),
                                chkBtnVis_->isHidden() ? 0 : chkBtnVis_->width()});
    if (e >= groupBox1_->width()) {
        groupBox1_->resize(e + 3, groupBox1_->height());
        const int edge = groupBox1_->x() + groupBox1_->width();
        if (edge >= width()) setFixedSize(edge + 6, height());
    }
    btnOk_->move(width() / 2 - btnOk_->width(), btnOk_->y());
    btnCancel_->move(btnOk_->x() + btnOk_->width(), btnCancel_->y());
}

}  // namespace vx
