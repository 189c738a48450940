#include "build/qt/MyPublicFrm.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace vx {

QRect CentredWithin(QSize wanted, const QRect& area) {
    const QSize size(std::min(wanted.width(), area.width()),
                     std::min(wanted.height(), area.height()));
    return QRect(area.x() + (area.width() - size.width()) / 2,
                 area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
}

TMyPublicFrm::TMyPublicFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("MyPublicFrm"));
    resize(kWidth, kHeight);
    webBrowser1_ = new QTextBrowser(this);
    webBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    webBrowser1_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(webBrowser1_);
}

void TMyPublicFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMyPublicFrm::ShowPage(const QString& caption, const std::string& page) {
    setWindowTitle(caption);
    const QString path = QString::fromStdString(page);
    if (QFileInfo::exists(path)) {
        webBrowser1_->setSource(QUrl::fromLocalFile(path));
    } else {
        webBrowser1_->setHtml(QStringLiteral("<p>页面不存在 (page not found): ") +
                              path.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    // Over a dialog that blocks every other window this one must block too,
    // or it would open behind that dialog and take no input.
    QWidget* blocking = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        blocking != nullptr && blocking != this ? Qt::ApplicationModal : Qt::NonModal;
    if (isVisible() && windowModality() != modality) hide();
    setWindowModality(modality);
    if (!isVisible()) {
        QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
        if (screen == nullptr) screen = QGuiApplication::primaryScreen();
        if (screen != nullptr)
            setGeometry(CentredWithin({kWidth, kHeight}, screen->availableGeometry()));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace vx
