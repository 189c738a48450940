#include "editor/qt/Start.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "platform/paint/Canvas.h"
#include "platform/qt/ProgramText.h"

namespace vx {
namespace {

constexpr int kWidth = 387;
constexpr int kHeight = 250;
constexpr int kPicture = 40;
constexpr int kLinkTop = 196;  // the first link line; the second one below
constexpr int kLinkStep = 22;

enum Picture { kNewPicture, kLastPicture, kOpenPicture, kExamplesPicture };

// A sheet of paper with a folded corner.
void Sheet(QPainter& p, const QRectF& r) {
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(QColor(0xFC, 0xFC, 0xFC));
    p.drawPath(path);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(0xD0, 0xD8, 0xE0));
    p.drawPath(corner);
    p.setPen(QPen(QColor(0x9A, 0xA8, 0xB8), r.width() / 18.0));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + r.height() * (0.45 + i * 0.15);
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
                   QPointF(r.right() - r.width() * 0.18, y));
    }
}

QPixmap DrawPicture(int picture) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kPicture, kPicture) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = kPicture;
    const QPen outline(QColor(0x30, 0x40, 0x50), s / 30.0);
    p.setPen(outline);
    switch (picture) {
        case kNewPicture: {
            Sheet(p, QRectF(s * 0.18, s * 0.08, s * 0.56, s * 0.80));
            // A star: something new.
            p.setPen(QPen(QColor(0xF0, 0xA0, 0x10), s / 14.0, Qt::SolidLine, Qt::RoundCap));
            const QPointF c(s * 0.74, s * 0.74);
            for (int i = 0; i < 4; ++i) {
                const qreal a = i * 3.14159265 / 4;
                const QPointF d(std::cos(a) * s * 0.16, std::sin(a) * s * 0.16);
                p.drawLine(c - d, c + d);
            }
            break;
        }
        case kLastPicture: {
            Sheet(p, QRectF(s * 0.12, s * 0.06, s * 0.56, s * 0.80));
            // A clock: where the work stopped.
            const QPointF c(s * 0.68, s * 0.68);
            p.setPen(outline);
            p.setBrush(QColor(0xFF, 0xF4, 0xC8));
            p.drawEllipse(c, s * 0.24, s * 0.24);
            p.setPen(QPen(QColor(0x30, 0x40, 0x50), s / 18.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c, c + QPointF(0, -s * 0.16));
            p.drawLine(c, c + QPointF(s * 0.12, 0));
            break;
        }
        case kOpenPicture: {
            // A folder, its front flap open.
            QPainterPath back;
            back.moveTo(s * 0.06, s * 0.22);
            back.lineTo(s * 0.36, s * 0.22);
            back.lineTo(s * 0.42, s * 0.30);
            back.lineTo(s * 0.88, s * 0.30);
            back.lineTo(s * 0.88, s * 0.84);
            back.lineTo(s * 0.06, s * 0.84);
            back.closeSubpath();
            p.setBrush(QColor(0xE0, 0xA8, 0x30));
            p.drawPath(back);
            QPainterPath front;
            front.moveTo(s * 0.16, s * 0.44);
            front.lineTo(s * 0.98, s * 0.44);
            front.lineTo(s * 0.88, s * 0.84);
            front.lineTo(s * 0.06, s * 0.84);
            front.closeSubpath();
            p.setBrush(QColor(0xF8, 0xD0, 0x60));
            p.drawPath(front);
            break;
        }
        default: {
            // A stack of books: the examples.
            const QColor covers[] = {QColor(0x2E, 0x8B, 0x57), QColor(0xC0, 0x39, 0x2B),
                                     QColor(0x29, 0x80, 0xB9)};
            for (int i = 0; i < 3; ++i) {
                const QRectF book(s * (0.10 + i * 0.04), s * (0.62 - i * 0.24), s * 0.76, s * 0.22);
                p.setPen(outline);
                p.setBrush(covers[i]);
                p.drawRoundedRect(book, s * 0.03, s * 0.03);
                p.setBrush(QColor(0xFC, 0xFC, 0xFC));
                p.drawRect(QRectF(book.right() - s * 0.14, book.top() + s * 0.04, s * 0.10,
                                  book.height() - s * 0.08));
            }
            break;
        }
    }
    return pixmap;
}

}  // namespace

TForStart::TForStart(TaboutForm* about, QWidget* parent) : QDialog(parent), about_(about) {
    setObjectName(QStringLiteral("ForStart"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    CanvasFont canvasFont;
    setFont(ToQFont(canvasFont));

    background_ = new TWgBackground(this);
    background_->setObjectName(QStringLiteral("WgBackground1"));
    background_->setGeometry(0, 0, kWidth, kHeight);
    background_->SetGradientColorStart(clBlue);
    background_->SetGradientColorStop(clBtnText);
    connect(background_, &TWgBackground::MouseMoved, this,
            [this] { label5_->setText(DefaultHint()); });

    speedButton2_ = AddButton("SpeedButton2", "新文件", 0, kNewPicture);
    speedButton1_ = AddButton("SpeedButton1", "打开最后一次编辑的文件", 1, kLastPicture);
    speedButton4_ = AddButton("SpeedButton4", "打开文件", 2, kOpenPicture);
    speedButton3_ = AddButton("SpeedButton3", "打开例子库", 3, kExamplesPicture);

    label5_ = new TLinkLabel(this);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(16, 136, kWidth - 32, 40);
    QPalette hint = label5_->palette();
    hint.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0xC0));
    label5_->setPalette(hint);
    label5_->setText(DefaultHint());

    label6_ = new TLinkLabel(this);
    MarkProgramText(label6_);  // the about box's links, copied when shown
    label6_->setObjectName(QStringLiteral("Label6"));
    label6_->setGeometry(16, kLinkTop, kWidth - 32, 18);
    label7_ = new TLinkLabel(this);
    MarkProgramText(label7_);
    label7_->setObjectName(QStringLiteral("Label7"));
    label7_->setGeometry(16, kLinkTop + kLinkStep, kWidth - 32, 18);
    for (TLinkLabel* link : {label6_, label7_})
        link->SetLinkColors(QColor(0x80, 0xC0, 0xFF), Qt::yellow);
    connect(label6_, &TLinkLabel::Clicked, this, [this] { about_->Label5Click(); });
    connect(label7_, &TLinkLabel::Clicked, this, [this] { about_->Label6Click(); });

    connect(speedButton2_, &QToolButton::clicked, this, [this] { Choose(Command::NewFile); });
    connect(speedButton1_, &QToolButton::clicked, this, [this] { Choose(Command::LastFile); });
    connect(speedButton4_, &QToolButton::clicked, this, [this] { Choose(Command::OpenFile); });
    connect(speedButton3_, &QToolButton::clicked, this, [this] { Choose(Command::Examples); });

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - kWidth) / 2, s.y() + s.height() / 2 - kHeight / 2 - 100);
    }

    // The opening: the window grows from its centre to its size.
    opening_ = new QPropertyAnimation(this, "geometry", this);
    opening_->setDuration(kOpeningMs);
    opening_->setEasingCurve(QEasingCurve::OutCubic);
    connect(opening_, &QPropertyAnimation::finished, this, [this] {
        setFixedSize(kWidth, kHeight);
        setGeometry(opening_->endValue().toRect());
    });
}

void TForStart::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || opening_->state() == QAbstractAnimation::Running) return;
    const QRect full(geometry().topLeft(), QSize(kWidth, kHeight));
    QRect small(0, 0, kWidth / 10, kHeight / 10);
    small.moveCenter(full.center());
    setMinimumSize(1, 1);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    opening_->setStartValue(small);
    opening_->setEndValue(full);
    opening_->start();
}

void TForStart::done(int result) {
    // Closed while it still grows: the window keeps its full size for the next time.
    if (opening_->state() == QAbstractAnimation::Running)
        opening_->setCurrentTime(opening_->duration());
    QDialog::done(result);
}

QString TForStart::Tr(const char* chinese, const char* english) const {
    return QString::fromUtf8(chinese_ ? chinese : english);
}

QString TForStart::DefaultHint() const {
    return Tr("按一个图形,开始...", "Click a picture to begin...");
}

QToolButton* TForStart::AddButton(const char* name, const char* caption, int column, int picture) {
    const int columnWidth = (kWidth - 16) / 4;
    const int left = 8 + column * columnWidth;
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoRaise(true);
    button->setIcon(QIcon(DrawPicture(picture)));
    button->setIconSize(QSize(kPicture, kPicture));
    button->setGeometry(left + (columnWidth - 52) / 2, 24, 52, 52);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(QStringLiteral("Label") + QString::number(column + 1));
    label->setGeometry(left + 2, 80, columnWidth - 4, 40);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return button;
}

QString TForStart::HintOf(const QToolButton* button) const {
    if (button == speedButton2_) return Tr("创建一个新的顺控程序...", "Create a new program...");
    if (button == speedButton1_) {
        if (lastFile_.isEmpty()) return NoLastFile();
        return Tr("打开: ", "Open: ") + lastFile_ +
               Tr("\n在您退出的地方继续工作。", "\nGo on where you left off.");
    }
    if (button == speedButton4_) return Tr("打开现有的顺控程序...", "Open an existing program...");
    return Tr("打开本系统提供的例子，\n自多种专业的设计中选择。",
              "Open the examples that come with the tool,\nfrom several fields of design.");
}

bool TForStart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* button = qobject_cast<QToolButton*>(watched)) label5_->setText(HintOf(button));
    }
    return QDialog::eventFilter(watched, event);
}

void TForStart::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            speedButton1_->click();
            return;
        case Qt::Key_Escape:
            Choose(Command::None);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void TForStart::FormShow(const QString& lastFileCaption) {
    setWindowTitle(Tr("欢迎来到 ", "Welcome to ") + QString::fromUtf8(kProductTitle));
    label6_->setText(about_->Label5()->text());
    const bool mail = !about_->MailLink().empty();
    label6_->setVisible(mail);
    label7_->setText(about_->Label6()->text());
    label7_->move(label7_->x(), mail ? kLinkTop + kLinkStep : kLinkTop);
    // The recent-file item's caption without its accelerator prefix "&1 ".
    lastFile_ =
        lastFileCaption.startsWith(QStringLiteral("&1 ")) ? lastFileCaption.mid(3) : QString();
    label5_->setText(DefaultHint());
    chosen_ = Command::None;
}

TForStart::Command TForStart::Execute(const QString& lastFileCaption) {
    FormShow(lastFileCaption);
    exec();
    return chosen_;
}

QString TForStart::NoLastFile() const {
    return Tr("没有最后一次编辑的文件 ！", "There is no last edited file!");
}

void TForStart::Choose(Command command) {
    if (command == Command::LastFile && lastFile_.isEmpty()) {
        ShowMessage(
            {kProductTitle, NoLastFile().toStdString(), MsgIcon::Information, MsgButtons::Ok});
        return;  // the page stays for another choice
    }
    chosen_ = command;
    if (command == Command::None) {
        reject();
    } else {
        accept();
    }
}

}  // namespace vx
