#include "online/qt/SetCOMpro.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

#include "model/LadderProgram.h"
#include "online/LinkSettings.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "styling/skin/qt/FlatSkin.h"
#include "widgets/qt/WgGroupBox.h"

namespace vx {
namespace {

constexpr int kSerialComboWidth = 82;
constexpr int kEthernetComboWidth = 138;
constexpr int kDefaultBaudIndex = 3;

QLabel* Label(QWidget* parent, const char* text, int x, int y) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->move(x, y);
    return label;
}

QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<const char*> items,
                 int index, QRect geometry) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(name));
    for (const char* item : items)
        combo->addItem(QString::fromUtf8(item));
    combo->setCurrentIndex(index);
    combo->setGeometry(geometry);
    return combo;
}

// A group of the family in its flat style, on a pale blue face.
TWgGroupBox* GroupBox(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* box = new TWgGroupBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->SetCaption(QString::fromUtf8(caption));
    box->SetColor(RGBColor(242, 247, 251));
    box->setGeometry(geometry);
    return box;
}

}  // namespace

TsetCOMpro::TsetCOMpro(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("setCOMpro"));
    setWindowTitle(QStringLiteral("通信设置"));
    setFixedSize(300, 318);

    Label(this, "通信端口:", 16, 18);
    compro_ = Combo(this, "Compro",
                    {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "Ethernet"}, 0,
                    {82, 14, kSerialComboWidth, 24});
    bitBtn2_ = new QPushButton(QStringLiteral("?"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    bitBtn2_->setToolTip(QStringLiteral("设备管理器"));
    bitBtn2_->setGeometry(170, 14, 26, 24);

    groupBox1_ = GroupBox(this, "WgGroupBox1", "通信参数依据", {10, 48, 280, 72});
    comAccording_ = new QRadioButton(QStringLiteral("PLC工程文件"), groupBox1_);
    comAccording_->setObjectName(QStringLiteral("COM_According"));
    comAccording_->setGeometry(16, 30, 120, 24);
    comAccording_->setChecked(true);
    radioButton2_ = new QRadioButton(QStringLiteral("Torvin设置"), groupBox1_);
    radioButton2_->setObjectName(QStringLiteral("RadioButton2"));
    radioButton2_->setGeometry(150, 30, 120, 24);
    radios_ = new QButtonGroup(this);
    radios_->addButton(comAccording_);
    radios_->addButton(radioButton2_);
    // The address panel covers the two choices while Ethernet is chosen.
    panel1_ = new QWidget(groupBox1_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(6, 24, 268, 40);
    panel1_->setAutoFillBackground(true);
    Label(panel1_, "IP:", 6, 10);
    edit1_ = new QLineEdit(panel1_);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaxLength(15);
    edit1_->setGeometry(28, 6, 128, 24);
    Label(panel1_, "Port:", 166, 10);
    edit2_ = new QLineEdit(panel1_);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setMaxLength(5);
    edit2_->setGeometry(204, 6, 56, 24);
    panel1_->hide();

    groupBox2_ = GroupBox(this, "WgGroupBox2", "Torvin通信参数", {10, 128, 280, 136});
    Label(groupBox2_, "站号:", 16, 28);
    spinEdit1_ = new QSpinBox(groupBox2_);
    spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
    spinEdit1_->setRange(0, 255);
    spinEdit1_->setValue(1);
    spinEdit1_->setToolTip(QStringLiteral("0 ~ 255"));
    spinEdit1_->setGeometry(70, 24, 64, 24);
    Label(groupBox2_, "波特率:", 146, 28);
    baudRate_ = Combo(groupBox2_, "Baud_rateSET", {"9600", "19200", "38400", "57600", "115200"},
                      kDefaultBaudIndex, {196, 24, 74, 24});
    Label(groupBox2_, "校验:", 16, 64);
    comboBox1_ = Combo(groupBox2_, "ComboBox1", {"无", "奇数", "偶数"}, 2, {70, 60, 64, 24});
    Label(groupBox2_, "数据位:", 146, 64);
    comboBox2_ =
        Combo(groupBox2_, "ComboBox2", {"6 bits", "7 bits", "8 bits"}, 2, {196, 60, 74, 24});
    Label(groupBox2_, "停止位:", 16, 100);
    comboBox3_ = Combo(groupBox2_, "ComboBox3", {"1 bits", "2 bits"}, 0, {70, 96, 64, 24});

    bitBtn1_ = new QPushButton(QStringLiteral("确认(&Y)"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(56, 276, 86, 28);
    bitBtn1_->setDefault(true);
    bitBtn3_ = new QPushButton(QStringLiteral("取消(&N)"), this);
    bitBtn3_->setObjectName(QStringLiteral("BitBtn3"));
    bitBtn3_->setGeometry(158, 276, 86, 28);

    skin_ = TFlatSkin::ForDialog(this);

    connect(compro_, &QComboBox::currentIndexChanged, this, [this] { ComproChange(); });
    connect(comAccording_, &QRadioButton::clicked, this, [this] { COM_AccordingClick(); });
    connect(radioButton2_, &QRadioButton::clicked, this, [this] { COM_AccordingClick(); });
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(bitBtn3_, &QPushButton::clicked, this, &QDialog::reject);

    // Centred horizontally, 80 pixels from the top of the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + 80);
    }
}

void TsetCOMpro::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TsetCOMpro::FormShow() {
    // The controls show the settings in force; a cancelled change is gone.
    const LinkSettings& s = TheLinkSettings();
    {
        const QSignalBlocker block(compro_);
        compro_->setCurrentIndex(s.Ethernet() ? kEthernetPortIndex : s.comPortIndex);
    }
    baudRate_->setCurrentIndex(s.baudIndex < baudRate_->count() ? s.baudIndex : kDefaultBaudIndex);
    edit1_->setText(QString::fromStdString(s.tcpAddress));
    edit2_->setText(QString::fromStdString(s.tcpPortText));
    (s.fromProject ? comAccording_ : radioButton2_)->setChecked(true);
    ComproChange();
    COM_AccordingClick();
}

void TsetCOMpro::ComproChange() {
    const bool ethernet = compro_->currentIndex() == kEthernetPortIndex;
    if (ethernet) {
        comAccording_->setChecked(true);
        groupBox1_->SetCaption(QStringLiteral("Modbus TCP"));
    } else {
        groupBox1_->SetCaption(chinese_ ? QStringLiteral("通信参数依据")
                                        : QStringLiteral("Parameters from"));
    }
    compro_->resize(ethernet ? kEthernetComboWidth : kSerialComboWidth, compro_->height());
    bitBtn2_->setVisible(!ethernet);
    panel1_->setVisible(ethernet);
    COM_AccordingClick();
}

void TsetCOMpro::COM_AccordingClick() {
    groupBox2_->setEnabled(radioButton2_->isChecked());
}

void TsetCOMpro::BitBtn2Click() {
    const LaunchResult result = LaunchProgram("devmgmt.msc", {});
    if (!result.started)
        ShowMessage({kProductTitle, result.problem, MsgIcon::Exclamation, MsgButtons::Ok});
}

void TsetCOMpro::BitBtn1Click() {
    if (compro_->currentIndex() == kEthernetPortIndex) {
        const std::string problem = TcpSettingsProblem(edit1_->text().toStdString(),
                                                       edit2_->text().toStdString(), chinese_);
        if (!problem.empty()) {
            ShowMessage({kProductTitle, problem, MsgIcon::Exclamation, MsgButtons::Ok});
            return;
        }
    }
    LinkSettings& s = TheLinkSettings();
    s.comPortIndex = static_cast<std::uint8_t>(std::max(0, compro_->currentIndex()));
    if (baudRate_->currentIndex() >= 0)
        s.baudIndex = static_cast<std::uint8_t>(baudRate_->currentIndex());
    s.tcpAddress = edit1_->text().toStdString();
    s.tcpPortText = edit2_->text().toStdString();
    s.fromProject = comAccording_->isChecked();
    accept();
}

}  // namespace vx
