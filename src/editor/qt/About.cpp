#include "editor/qt/About.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "build/SysParams.h"
#include "editor/HelpLinks.h"
#include "model/LadderProgram.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"

namespace vx {
namespace {

constexpr int kWidth = 368;
constexpr int kHeight = 210;

// A picture drawn at the screen's pixel density.
QPixmap Blank(QSize size, qreal& ratio) {
    ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A ladder rung: the two rails, a contact and a coil on the line between them.
QPixmap Rung(int width, int height) {
    qreal ratio = 1;
    QPixmap pixmap = Blank(QSize(width, height), ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width, h = height, mid = h / 2;
    QPen rail(QColor(0x1F, 0x4E, 0x79), w / 14.0);
    p.setPen(rail);
    p.drawLine(QPointF(w * 0.06, h * 0.1), QPointF(w * 0.06, h * 0.9));
    p.drawLine(QPointF(w * 0.94, h * 0.1), QPointF(w * 0.94, h * 0.9));
    QPen line(QColor(0x1F, 0x4E, 0x79), w / 28.0);
    p.setPen(line);
    p.drawLine(QPointF(w * 0.06, mid), QPointF(w * 0.30, mid));
    p.drawLine(QPointF(w * 0.30, h * 0.28), QPointF(w * 0.30, h * 0.72));
    p.drawLine(QPointF(w * 0.42, h * 0.28), QPointF(w * 0.42, h * 0.72));
    p.drawLine(QPointF(w * 0.42, mid), QPointF(w * 0.62, mid));
    p.drawArc(QRectF(w * 0.62, h * 0.28, w * 0.14, h * 0.44), 100 * 16, 160 * 16);
    p.drawArc(QRectF(w * 0.62, h * 0.28, w * 0.14, h * 0.44), -80 * 16, 160 * 16);
    p.drawLine(QPointF(w * 0.76, mid), QPointF(w * 0.94, mid));
    return pixmap;
}

}  // namespace

QPixmap TaboutForm::Logo(int size) {
    qreal ratio = 1;
    QPixmap pixmap = Blank(QSize(size, size), ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // The controller: a module with a row of terminals above and below and
    // its status lamps.
    const QRectF body(s * 0.08, s * 0.14, s * 0.84, s * 0.72);
    QLinearGradient face(body.topLeft(), body.bottomLeft());
    face.setColorAt(0, QColor(0xF4, 0xF6, 0xF8));
    face.setColorAt(1, QColor(0xB8, 0xC4, 0xD0));
    p.setPen(QPen(QColor(0x3A, 0x4A, 0x5A), s / 40.0));
    p.setBrush(face);
    p.drawRoundedRect(body, s * 0.06, s * 0.06);
    p.setBrush(QColor(0x3A, 0x4A, 0x5A));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        const qreal x = body.left() + s * 0.08 + i * s * 0.12;
        p.drawRect(QRectF(x, body.top() - s * 0.06, s * 0.07, s * 0.08));
        p.drawRect(QRectF(x, body.bottom() - s * 0.02, s * 0.07, s * 0.08));
    }
    const QColor lamps[] = {QColor(0x2E, 0xB8, 0x4A), QColor(0x2E, 0xB8, 0x4A),
                            QColor(0xE0, 0x3C, 0x31)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(body.left() + s * 0.14, body.top() + s * (0.16 + i * 0.18)), s * 0.05,
                      s * 0.05);
    }
    const QRectF window(body.left() + s * 0.28, body.top() + s * 0.12, s * 0.48, s * 0.46);
    p.setBrush(QColor(0x1F, 0x4E, 0x79));
    p.drawRoundedRect(window, s * 0.03, s * 0.03);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(6, static_cast<int>(s * 0.17)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(window, Qt::AlignCenter, QStringLiteral("PLC"));
    return pixmap;
}

TaboutForm::TaboutForm(const std::string& mailAddress, const std::string& programFolder,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutForm"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    CanvasFont canvasFont;
    setFont(ToQFont(canvasFont));

    background_ = new TWgBackground(this);
    background_->setObjectName(QStringLiteral("WgBackground1"));
    background_->setGeometry(0, 0, kWidth, kHeight);
    background_->SetFrameStyle(TFrameStyle::fsLowered);
    background_->SetGradientColorStart(clWindow);
    background_->SetGradientColorStop(RGBColor(0, 221, 221));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(20, 22, 56, 56);
    image1_->setPixmap(Logo(56));
    image2_ = new QLabel(this);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(20, 104, 56, 36);
    image2_->setPixmap(Rung(56, 36));
    for (QLabel* image : {image1_, image2_})
        image->installEventFilter(this);

    label2_ = new QLabel(this);
    MarkProgramText(label2_);  // title and version of the build
    label2_->setObjectName(QStringLiteral("Label2"));
    QFont title = font();
    title.setPixelSize(18);
    title.setBold(true);
    label2_->setFont(title);
    label2_->setGeometry(92, 30, kWidth - 92 - 16, 32);

    label5_ = new TLinkLabel(this);
    MarkProgramText(label5_);  // the support address of this build
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(92, 102, kWidth - 92 - 16, 18);
    label6_ = new TLinkLabel(this);
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setText(QStringLiteral("用户手册"));
    label6_->setGeometry(92, 124, kWidth - 92 - 16, 18);
    for (TLinkLabel* link : {label5_, label6_})
        link->SetLinkColors(Qt::black, Qt::white);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("SpeedButton1"));
    ok_->setFlat(true);
    ok_->setGeometry(kWidth - 16 - 80, kHeight - 16 - 28, 80, 28);

    plcSeries_ = new QComboBox(this);
    plcSeries_->setObjectName(QStringLiteral("PlcSeries"));
    for (const std::string& name : PlcSeriesNames())
        plcSeries_->addItem(QString::fromStdString(name));
    plcSeries_->setCurrentIndex(0);
    plcSeries_->hide();

    // Creation: the title and version, the two links' addresses.
    label2_->setText(QString::fromUtf8(kProductTitle) + " " + kProductVersion);
    if (!mailAddress.empty()) mailLink_ = MailLinkText(mailAddress);
    webLink_ = WebLinkText(programFolder);
    label5_->setText(QString::fromStdString(mailAddress));
    if (mailLink_.empty()) {  // no address, no mail link: the guide's link takes its place
        label5_->hide();
        label6_->move(label5_->pos());
    }
    setWindowTitle(QStringLiteral("关于 ") + QString::fromUtf8(kProductTitle));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - kWidth) / 2, s.y() + s.height() / 2 - kHeight / 2 - 100);
    }

    connect(label5_, &TLinkLabel::Clicked, this, &TaboutForm::Label5Click);
    connect(label6_, &TLinkLabel::Clicked, this, &TaboutForm::Label6Click);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

const std::array<std::string, kModelSeriesCount * kModelVersionsPerSeries>&
TaboutForm::ModelLibraries() {
    return ModelLibraryTable();
}

void TaboutForm::Label5Click() {
    if (opens_.mail && !mailLink_.empty()) opens_.mail(MailLinkTarget(mailLink_, kProductTitle));
}

void TaboutForm::Label6Click() {
    if (opens_.web) opens_.web(webLink_);
}

bool TaboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == image1_ || watched == image2_)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vx
