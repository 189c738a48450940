// The shared window `TMyPublicFrm` that shows the C-language help pages
// ("\Cvb.htm", "\KeyWord.htm" in the program folder) in its browser
// `WebBrowser1`, without blocking the main window.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace vx {

class TMyPublicFrm : public QWidget {
    Q_OBJECT
  public:
    explicit TMyPublicFrm(QWidget* parent = nullptr);

    // Sets the caption, loads the page and shows the window.
    void ShowPage(const QString& caption, const std::string& page);
    QTextBrowser* WebBrowser1() const { return webBrowser1_; }

  private:
    QTextBrowser* webBrowser1_ = nullptr;
};

}  // namespace vx
