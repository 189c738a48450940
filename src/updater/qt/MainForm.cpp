#include "updater/qt/MainForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "updater/qt/TimerPump.h"
#include "widgets/qt/WgPrgres.h"

namespace vx {
namespace {

// The window's colour, Windows value 0xFBF7F2 ($00BBGGRR).
const QColor kFormColour(0xF2, 0xF7, 0xFB);
// The framework's sky blue and cream.
constexpr TColor kSkyBlue = RGBColor(166, 202, 240);
constexpr TColor kCream = RGBColor(255, 251, 240);
constexpr const char* kLampOpen = "#00FF00";    // lime, 0x00FF00
constexpr const char* kLampClosed = "#808000";  // olive, 0x008080

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void PaintLamp(QLabel* lamp, const char* colour) {
    lamp->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #404040;"
                                       " border-radius: 7px;")
                            .arg(QLatin1String(colour)));
    lamp->setProperty("lampColour", QLatin1String(colour));
}

}  // namespace

std::optional<std::string> ReadBuiltInImage(const std::string& type, const std::string& name) {
    QFile file(QStringLiteral(":/%1/%2").arg(Q(type), Q(name)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TMainForm::TMainForm(QWidget* parent, const std::string& packageFolder)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      timers_(TheSystemClock()) {
    setObjectName(QStringLiteral("MainForm"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFormColour);
    setPalette(palette);
    setAutoFillBackground(true);

    // The flash write's progress: a gradient bar, white to lime on sky blue
    // to cream, without the percentage.
    progressBar1_ = new TWgProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setFixedSize(339, 28);
    progressBar1_->SetBarStyle(TBarStyle::bsGradient);
    progressBar1_->SetGradientDirection(TGradientDirection::gdHorizontalEnd);
    progressBar1_->SetBackColor(kSkyBlue);
    progressBar1_->SetBackColorStop(kCream);
    progressBar1_->SetBarColor(clWhite);
    progressBar1_->SetBarColorStop(clLime);
    progressBar1_->SetNumSegments(100);
    progressBar1_->SetShowPercent(false);
    CanvasFont barFont = progressBar1_->Font();
    barFont.size = 11;  // 14 pixels high
    barFont.color = clWhite;
    progressBar1_->SetFont(barFont);

    panel1_ = new QLabel(QStringLiteral("就绪..."), this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    panel1_->setMinimumHeight(24);

    shape1_ = new QLabel(this);
    shape1_->setObjectName(QStringLiteral("Shape1"));
    shape1_->setFixedSize(14, 14);
    PaintLamp(shape1_, kLampClosed);

    serialPort_ = new QComboBox(this);
    serialPort_->setObjectName(QStringLiteral("Serial_Port"));
    for (const std::string& name : PortNames())
        serialPort_->addItem(Q(name));
    serialPort_->setCurrentIndex(0);

    plcType_ = new QComboBox(this);
    plcType_->setObjectName(QStringLiteral("PLC_Type"));
    for (const std::string& name : ModelNames())
        plcType_->addItem(Q(name));
    plcType_->setCurrentIndex(1);

    bitBtn2_ = new QPushButton(QStringLiteral("下载"), this);
    bitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    QFont bold = bitBtn2_->font();
    bold.setBold(true);
    bitBtn2_->setFont(bold);
    bitBtn2_->setStyleSheet(QStringLiteral("color: red;"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(progressBar1_, 0, 0, 1, 4);
    grid->addWidget(shape1_, 1, 0);
    grid->addWidget(panel1_, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("下载端口:"), this), 2, 0, 1, 2);
    grid->addWidget(serialPort_, 2, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("升级机型:"), this), 3, 0, 1, 2);
    grid->addWidget(plcType_, 3, 2, 1, 2);
    grid->addWidget(bitBtn2_, 4, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    setFixedSize(360, 210);

    logic_ = std::make_unique<UpdaterMain>(static_cast<UpdaterView&>(*this), link_, timers_,
                                           ReadBuiltInImage, packageFolder);
    pump_ = std::make_unique<TimerPump>(timers_);
    connect(bitBtn2_, &QPushButton::clicked, this, [this] { logic_->BitBtn2Click(); });
}

TMainForm::~TMainForm() {
    pump_.reset();
    logic_.reset();  // closes the port before the link goes
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - frameGeometry().width()) / 2, area.top() + 180);
    }
    logic_->FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!logic_->CloseQuery()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TMainForm::SetCaption(const std::string& caption) {
    setWindowTitle(Q(caption));
}

void TMainForm::SetModelList(bool enabled, int index) {
    plcType_->setEnabled(enabled);
    plcType_->setCurrentIndex(index);
}

int TMainForm::ModelIndex() const {
    return plcType_->currentIndex();
}

int TMainForm::PortIndex() const {
    return serialPort_->currentIndex();
}

void TMainForm::ShowStatus(const std::string& text) {
    panel1_->setText(Q(text));
}

void TMainForm::ShowProgress(int percent) {
    progressBar1_->SetPercent(static_cast<std::uint16_t>(std::clamp(percent, 0, 100)));
}

void TMainForm::ShowProgressHint(const std::string& hint) {
    progressBar1_->setToolTip(Q(hint));
}

void TMainForm::ShowLamp(bool portOpen) {
    PaintLamp(shape1_, portOpen ? kLampOpen : kLampClosed);
}

void TMainForm::CloseWindow() {
    close();
}

}  // namespace vx
