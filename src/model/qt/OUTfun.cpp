#include "model/qt/OUTfun.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "model/qt/EntryEdit.h"
#include "model/qt/EntryHost.h"
#include "model/qt/Help.h"
#include "platform/Text.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kWidth = 588;
constexpr int kHeight = 254;

// Read-only lists that show the entry matching another list: silver on navy.
constexpr const char* kShownListStyle =
    "QComboBox:disabled { color: silver; background: navy; border: 1px solid #ACA899; }";

QString Q(const char* s) {
    return QString::fromUtf8(s);
}

QComboBox* ShownList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setEnabled(false);
    box->setStyleSheet(QString::fromLatin1(kShownListStyle));
    return box;
}

QLabel* Caption(QWidget* parent, const char* text, int x, int y, int w) {
    auto* label = new QLabel(Q(text), parent);
    label->setGeometry(x, y, w, 22);
    return label;
}

}  // namespace

TOUTF::TOUTF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("OUTF"));
    setWindowTitle(QStringLiteral(" 指令表"));
    setFixedSize(kWidth, kHeight);
    CanvasFont font;
    setFont(ToQFont(font));

    Caption(this, "功能分类(F)", 10, 10, 110);
    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(122, 10, 160, 22);
    for (const std::string& name : CatalogueCategoryNames())
        comboBox1_->addItem(QString::fromStdString(name));
    comboBox1_->setCurrentIndex(0);

    Caption(this, "应用指令(I) ", 296, 10, 120);
    edit1_ = new QComboBox(this);
    MarkProgramText(edit1_);  // the category's instructions
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setEditable(true);
    edit1_->setInsertPolicy(QComboBox::NoInsert);
    edit1_->setCompleter(nullptr);
    edit1_->setMaxVisibleItems(20);
    edit1_->setGeometry(420, 10, 158, 22);

    Caption(this, "指令说明(S)", 10, 40, 110);
    explain_ = ShownList(this, "Explain");
    MarkProgramText(explain_);
    explain_->setGeometry(122, 40, 456, 22);

    panel7_ = new QFrame(this);
    panel7_->setObjectName(QStringLiteral("Panel7"));
    panel7_->setFrameShape(QFrame::StyledPanel);
    panel7_->setGeometry(10, 72, 414, 172);
    for (int n = 1; n <= kOperandPanels; ++n) {
        Panel& p = panels_[Slot(n)];
        p.panel = new QFrame(panel7_);
        p.panel->setObjectName(QStringLiteral("OPer%1").arg(n));
        p.panel->setGeometry(2, 2 + (n - 1) * 42, 410, 40);
        auto* label = new QLabel(QStringLiteral("操作数%1").arg(n), p.panel);
        label->setGeometry(4, 9, 48, 22);
        p.letters = new QComboBox(p.panel);
        MarkProgramText(p.letters);  // the instruction's operand kinds
        p.letters->setObjectName(QStringLiteral("OPera%1").arg(n));
        p.letters->setGeometry(52, 9, 52, 22);
        // Room for the English "Device" with a gap before its field.
        auto* valueLabel = new QLabel(QStringLiteral("组件值"), p.panel);
        valueLabel->setGeometry(110, 9, 48, 22);
        p.field = new QLineEdit(p.panel);
        p.field->setObjectName(QStringLiteral("Edit%1").arg(n + 1));
        p.field->setGeometry(158, 9, 72, 22);
        p.ranges = ShownList(p.panel, "");
        MarkProgramText(p.ranges);
        p.ranges->setObjectName(QStringLiteral("OPeran%1").arg(n));
        p.ranges->setGeometry(234, 9, 104, 22);
        if (n <= 2) {
            p.indexLabel = new QLabel(QStringLiteral("索引"), p.panel);
            p.indexLabel->setObjectName(QStringLiteral("OPerIL%1").arg(n));
            p.indexLabel->setGeometry(344, 9, 28, 22);
            p.index = new QComboBox(p.panel);
            p.index->setObjectName(QStringLiteral("OPerICB%1").arg(n));
            p.index->addItems({QString(), QStringLiteral("V"), QStringLiteral("Z")});
            p.index->setGeometry(372, 9, 36, 22);
        }
        connect(p.letters, &QComboBox::activated, this, [this, n] { OPeraChange(n, true); });
    }

    bitBtn7_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn7_->setObjectName(QStringLiteral("BitBtn7"));
    bitBtn7_->setGeometry(506, 80, 72, 26);
    bitBtn8_ = new QPushButton(QStringLiteral("取消(&N)"), this);
    bitBtn8_->setObjectName(QStringLiteral("BitBtn8"));
    bitBtn8_->setGeometry(506, 114, 72, 26);
    bitBtn9_ = new QPushButton(QStringLiteral("帮助(&H)"), this);
    bitBtn9_->setObjectName(QStringLiteral("BitBtn9"));
    bitBtn9_->setGeometry(506, 148, 72, 26);
    bitBtn7_->setDefault(true);
    connect(bitBtn7_, &QPushButton::clicked, this, &TOUTF::BitBtn7Click);
    connect(bitBtn8_, &QPushButton::clicked, this, &TOUTF::BitBtn8Click);
    connect(bitBtn9_, &QPushButton::clicked, this, [this] {
        if (help_ != nullptr) ShowModally(*help_);
    });
    connect(comboBox1_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(edit1_, &QComboBox::editTextChanged, this, [this] { Edit1Change(); });

    flatSkin1_ = TFlatSkin::ForDialog(this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move((s.width() - kWidth) / 2, (s.height() - kHeight) / 2);
    }
    ComboBox1Change();
}

void TOUTF::Open(const QString& mnemonic, const std::array<QString, kOperandPanels>& operands) {
    {
        const QSignalBlocker block(edit1_);
        edit1_->setEditText(mnemonic);
    }
    handedMnemonic_ = AsciiUpper(mnemonic.toStdString());
    for (int n = 1; n <= kOperandPanels; ++n)
        OperandField(n)->setText(operands[Slot(n)]);
    ShowModally(*this);
}

void TOUTF::ComboBox1Change() {
    listing_ = CatalogueListing(comboBox1_->currentIndex());
    {
        const QSignalBlocker block(edit1_);
        edit1_->clear();
        explain_->clear();
        for (const CatalogueEntry& entry : listing_) {
            edit1_->addItem(Q(entry.mnemonic));
            explain_->addItem(QString());
        }
        edit1_->setCurrentIndex(listing_.empty() ? -1 : 0);
    }
    ShowDescriptions();
    Edit1Change();
}

void TOUTF::ShowDescriptions() {
    const bool chinese = !chinese_ || chinese_();
    const int count = std::min(explain_->count(), static_cast<int>(listing_.size()));
    for (int i = 0; i < count; ++i)
        explain_->setItemText(i, Q(listing_[static_cast<std::size_t>(i)].Description(chinese)));
}

void TOUTF::Edit1Change() {
    SetupOperands();
    // The description of the list entry typed or chosen, none for other text.
    explain_->setCurrentIndex(
        edit1_->findText(edit1_->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TOUTF::OperandVisible(int count) {
    for (int n = 1; n <= kOperandPanels; ++n) {
        Panel& p = panels_[Slot(n)];
        p.panel->setVisible(n <= count);
        p.letters->clear();
        p.ranges->clear();
        if (p.index != nullptr) {
            p.index->hide();
            p.indexLabel->hide();
        }
    }
}

void TOUTF::SetupOperands() {
    catalogueMnemonic_ = AsciiUpper(edit1_->currentText().toStdString());
    OperandVisible(0);
    layout_ = FindOperandLayout(catalogueMnemonic_);
    if (layout_ == nullptr) return;
    OperandVisible(layout_->panels);
    for (int n = 1; n <= layout_->panels; ++n) {
        Panel& p = panels_[Slot(n)];
        for (const OperandChoice& choice : layout_->operands[Slot(n)].List()) {
            p.letters->addItem(Q(choice.letter));
            p.ranges->addItem(Q(choice.range));
        }
        if (p.letters->count() > 0) p.letters->setCurrentIndex(0);
        if (p.ranges->count() > 0) p.ranges->setCurrentIndex(0);
    }
}

void TOUTF::OPeraChange(int n, bool byUser) {
    Panel& p = panels_[Slot(n)];
    p.ranges->setCurrentIndex(p.letters->currentIndex());
    const QString letter = p.letters->currentText();
    if (byUser) {
        p.field->setText(letter == "V" || letter == "Z" ? letter : letter + "0");
    }
    if (p.index == nullptr) return;
    const bool offered =
        OffersIndexRegister(edit1_->currentText().toStdString(), letter.toStdString());
    p.index->setVisible(offered);
    p.indexLabel->setVisible(offered);
    if (!offered) p.index->setCurrentIndex(0);
}

void TOUTF::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Filling the dialog never stops it from showing: whatever was set up stays.
    try {
        FormShow();
    } catch (...) {
    }
}

void TOUTF::FormShow() {
    {
        const QSignalBlocker block(comboBox1_);
        comboBox1_->setCurrentIndex(0);
    }
    for (int n = 1; n <= 2; ++n)
        OPerICB(n)->setCurrentIndex(0);
    if (edit1_->currentText().isEmpty()) ComboBox1Change();
    ShowDescriptions();  // the language may have changed since the list was filled
    SelectMnemonicInList();
    SetupOperands();
    if (layout_ != nullptr) {
        for (int n = 1; n <= layout_->panels; ++n) {
            const int choice =
                ChoiceForOperand(layout_->operands[Slot(n)], OperandField(n)->text().toStdString());
            if (choice < OPera(n)->count()) {
                OPera(n)->setCurrentIndex(choice);
                OPeran(n)->setCurrentIndex(choice);
            }
        }
    }
    for (int n = 1; n <= 2; ++n) {
        std::string operand = OperandField(n)->text().toStdString();
        const std::string index = TakeIndexRegister(operand);
        if (index.empty()) continue;
        OperandField(n)->setText(QString::fromStdString(operand));
        OPerICB(n)->setCurrentIndex(OPerICB(n)->findText(QString::fromStdString(index)));
    }
    OPeraChange(1, false);
    OPeraChange(2, false);
    edit1_->setFocus();
}

void TOUTF::SelectMnemonicInList() {
    // The first list entry equal to the text, the same entry in the descriptions.
    const QString text = edit1_->currentText();
    const int found = edit1_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QSignalBlocker block(edit1_);
    if (found >= 0) edit1_->setCurrentIndex(found);
    edit1_->setEditText(text);
    explain_->setCurrentIndex(found);
}

void TOUTF::BitBtn7Click() {
    std::array<CatalogueOperand, kOperandPanels> operands;
    for (int n = 1; n <= kOperandPanels; ++n) {
        CatalogueOperand& operand = operands[Slot(n)];
        operand.shown = !OPer(n)->isHidden();
        operand.text = OperandField(n)->text().toStdString();
        if (n <= 2 && !OPerICB(n)->isHidden() && OPerICB(n)->currentIndex() > 0) {
            operand.index = OPerICB(n)->currentText().toStdString();
        }
    }
    // A mnemonic the catalogue has no operands for keeps those it was handed.
    const bool keepHanded =
        layout_ == nullptr && !handedMnemonic_.empty() && catalogueMnemonic_ == handedMnemonic_;
    const std::string text =
        BuildCatalogueText(edit1_->currentText().toStdString(), operands, keepHanded);
    if (target_ != nullptr) target_->SetText(QString::fromStdString(text));
    EmptyFields();
    accept();
}

void TOUTF::BitBtn8Click() {
    reject();
}

void TOUTF::reject() {
    EmptyFields();
    QDialog::reject();
}

void TOUTF::EmptyFields() {
    {
        const QSignalBlocker block(edit1_);
        edit1_->setEditText(QString());
    }
    for (int n = 1; n <= kOperandPanels; ++n)
        OperandField(n)->clear();
    handedMnemonic_.clear();
}

}  // namespace vx
