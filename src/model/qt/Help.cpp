#include "model/qt/Help.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

// Fixed help text; the entry validators are the rules that apply.
constexpr const char* kLines[] = {
    "Word Devices\tAddress Range\tSize\tType Code\tInt. Addr.\tInt. Aux. Addr.",
    "_________________________________________________________________________________________",
    "",
    " Mn\tn: 0-5119       M8\tB\t0\tn\t0",
    " Sn\tn: 0-199        M8\tB\t2\tn\t0",
    " Xn\tn: octal 0-377  M8\tB\t3\tn\t0",
    " Yn\tn: octal 0-377  M8\tB\t4\tn\t0",
    " Tn\tn: 0-399\tW\t5\tn\t0",
    " Cn\tn: 0-199        W\t6\tn\t0",
    " Dn\tn: 0-5119\tW\t8\tn\t0",
    "",
    "",
    "_________________________________________________________________________________________",
    "Bit Devices\tAddress Range\tType Code\tInt. Addr.\tInt. Aux. Addr.",
    "",
    " Mn\tn: 0-5119       B8\t0C0H\tn\t0",
    " Sn\tn: 0-199        B8\t0C2H\tn\t0",
    " Xn\tn: octal 0-377  B8\t0C3H\tn\t0",
    " Yn\tn: octal 0-377  B8\t0C4H\tn\t0",
    " Tn\tn: 0-399        B8\t0C5H\tn\t0",
    " Cn\tn: 0-199        B8\t0C6H\tn\t0",
};

}  // namespace

QString ResourcePageText() {
    QStringList lines;
    for (const char* line : kLines)
        lines << QString::fromUtf8(line);
    return lines.join('\n');
}

TForHelp::TForHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ForHelp"));
    setWindowTitle(QStringLiteral("PLC可用资源"));
    resize(639, 377);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo1_->setTabStopDistance(memo1_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    memo1_->setPlainText(ResourcePageText());
    memo1_->viewport()->installEventFilter(this);
    layout->addWidget(memo1_);
    flatSkin1_ = TFlatSkin::ForDialog(this);
}

void TForHelp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen every time it shows.
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        move((r.width() - width()) / 2, (r.height() - height()) / 2);
    }
}

bool TForHelp::eventFilter(QObject* watched, QEvent* event) {
    // A double click in the page closes it.
    if (watched == memo1_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vx
