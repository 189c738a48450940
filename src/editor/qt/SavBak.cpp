#include "editor/qt/SavBak.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

constexpr int kLift = 100;

QLineEdit* PasswordField(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setMaxLength(kPasswordFieldLength);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(16, 'W')));
    return edit;
}

}  // namespace

TForSav::TForSav(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ForSav"));
    setWindowTitle(QStringLiteral("保存和备份"));
    setModal(true);

    groupBox1_ = new QGroupBox(QStringLiteral(" 文件安全措施 "), this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    checkBox1_ = new QCheckBox(QStringLiteral("自动保存间隔分钟数:"), groupBox1_);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    edit1_ = new QLineEdit(groupBox1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    // Digits only, two at most (a stored value is shown whole and checked on OK).
    edit1_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit1_));
    edit1_->setFixedWidth(edit1_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14);
    checkBox2_ = new QCheckBox(QStringLiteral("保存时创建备份，备份扩展名: bak$"), groupBox1_);
    checkBox2_->setObjectName(QStringLiteral("CheckBox2"));
    checkBox3_ = new QCheckBox(QStringLiteral("使用密码保护文件"), groupBox1_);
    checkBox3_->setObjectName(QStringLiteral("CheckBox3"));
    const char* captions[4] = {"输入密码:", "确认密码:", "设置密码后，该文件需要密码才能打开，",
                               "请牢记您的密码；密码区分大小写。"};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(QString::fromUtf8(captions[i]), groupBox1_);
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
    edit2_ = PasswordField("Edit2", groupBox1_);
    edit3_ = PasswordField("Edit3", groupBox1_);

    auto* autoSave = new QHBoxLayout;
    autoSave->addWidget(checkBox1_);
    autoSave->addWidget(edit1_);
    autoSave->addStretch(1);
    auto* passwords = new QGridLayout;
    passwords->setContentsMargins(22, 0, 0, 0);
    passwords->setHorizontalSpacing(8);
    passwords->addWidget(labels_[0], 0, 0);
    passwords->addWidget(edit2_, 0, 1);
    passwords->addWidget(labels_[1], 1, 0);
    passwords->addWidget(edit3_, 1, 1);
    passwords->setColumnStretch(2, 1);
    auto* notes = new QVBoxLayout;
    notes->setContentsMargins(22, 0, 0, 0);
    notes->setSpacing(2);
    notes->addWidget(labels_[2]);
    notes->addWidget(labels_[3]);
    auto* group = new QVBoxLayout(groupBox1_);
    group->setSpacing(8);
    group->addLayout(autoSave);
    group->addWidget(checkBox2_);
    group->addWidget(checkBox3_);
    group->addLayout(passwords);
    group->addLayout(notes);

    bitBtn1_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setDefault(true);
    bitBtn3_ = new QPushButton(QStringLiteral("取消(&N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setAutoDefault(false);
    for (QPushButton* b : {bitBtn1_, bitBtn3_})
        b->setMinimumSize(88, 28);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bitBtn1_);
    buttons->addWidget(bitBtn3_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(groupBox1_);
    layout->addLayout(buttons);
    const QSize hint = sizeHint();
    setFixedSize(std::max(hint.width(), 414), std::max(hint.height(), 230));
    skin_ = TFlatSkin::ForDialog(this);

    connect(checkBox1_, &QCheckBox::toggled, this, &TForSav::SetEnabledStates);
    connect(checkBox3_, &QCheckBox::toggled, this, &TForSav::SetEnabledStates);
    connect(edit1_, &QLineEdit::textEdited, this, &TForSav::Edit1Change);
    connect(bitBtn1_, &QPushButton::clicked, this, &TForSav::BitBtn1Click);
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);

    // Centred across the screen, its top edge 100 pixels above the middle.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.left() + (s.width() - width()) / 2, s.top() + s.height() / 2 - kLift);
    }
}

std::optional<SavBakValues> TForSav::Execute(const SavBakValues& values, bool chinese) {
    before_ = values;
    chinese_ = chinese;
    const SavBakFields shown = SavBakShown(values);
    checkBox1_->setChecked(shown.autoSave);
    edit1_->setText(QString::fromStdString(shown.interval));
    checkBox2_->setChecked(shown.backup);
    checkBox3_->setChecked(shown.passwordOn);
    edit2_->setText(QString::fromStdString(shown.password));
    edit3_->setText(QString::fromStdString(shown.confirm));
    SetEnabledStates();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return stored_;
}

void TForSav::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    bitBtn1_->setFocus();
}

void TForSav::SetEnabledStates() {
    edit1_->setEnabled(checkBox1_->isChecked());
    const bool password = checkBox3_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(edit2_), static_cast<QWidget*>(edit3_)})
        w->setEnabled(password);
    for (QLabel* label : labels_)
        label->setEnabled(password);
}

void TForSav::Edit1Change(const QString& typed) {
    const QString text = QString::fromStdString(IntervalFieldText(typed.toStdString()));
    if (text != typed) edit1_->setText(text);
}

SavBakFields TForSav::Fields() const {
    SavBakFields f;
    f.autoSave = checkBox1_->isChecked();
    f.interval = edit1_->text().toStdString();
    f.backup = checkBox2_->isChecked();
    f.passwordOn = checkBox3_->isChecked();
    f.password = edit2_->text().toStdString();
    f.confirm = edit3_->text().toStdString();
    return f;
}

void TForSav::BitBtn1Click() {
    const SavBakOutcome outcome = SavBakConfirm(Fields(), before_);
    if (outcome.fault != SavBakFault::None) {
        ShowMessage({kProductTitle, SavBakMessage(outcome.fault, chinese_), MsgIcon::Information,
                     MsgButtons::Ok});
        (outcome.fault == SavBakFault::Interval ? edit1_ : edit2_)->setFocus();
        return;
    }
    stored_ = outcome.values;
    accept();
}

}  // namespace vx
