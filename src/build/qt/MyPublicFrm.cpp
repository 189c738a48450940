#include "build/qt/MyPublicFrm.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace vx {

TMyPublicFrm::TMyPublicFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("MyPublicFrm"));
    resize(760, 560);
    webBrowser1_ = new QTextBrowser(this);
    webBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    webBrowser1_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(webBrowser1_);
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
    show();
    raise();
    activateWindow();
}

}  // namespace vx
