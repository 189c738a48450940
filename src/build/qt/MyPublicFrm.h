// The shared window `TMyPublicFrm` that shows the C-language help pages
// ("\Cvb.htm", "\KeyWord.htm" in the program folder) and the user guide in its
// browser `WebBrowser1`, without blocking the main window.
//
// Each showing brings it to the front, 1000 x 750 pixels or what the screen's
// free area allows, centred there; opened from a dialog that blocks the other
// windows (the about box, the start page), it comes above that dialog and is
// the one that takes the input until it closes. Esc closes it.
#pragma once

#include <QRect>
#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace vx {

// A window of the wanted size, made smaller where the area is smaller, centred
// in the area.
QRect CentredWithin(QSize wanted, const QRect& area);

class TMyPublicFrm : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 750;

    explicit TMyPublicFrm(QWidget* parent = nullptr);

    // Sets the caption, loads the page and shows the window in front.
    void ShowPage(const QString& caption, const std::string& page);
    QTextBrowser* WebBrowser1() const { return webBrowser1_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTextBrowser* webBrowser1_ = nullptr;
};

}  // namespace vx
