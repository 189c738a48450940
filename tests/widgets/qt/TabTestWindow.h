// A window with a page control for the tab tests: pages with captions, a
// palette in the button face colour, helpers for pixels and clicks.
#pragma once

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <memory>

#include "widgets/qt/WgPageControl.h"

namespace vx::test {

inline TColor PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGBColor(qRed(p), qGreen(p), qBlue(p));
}

// Colours within a few steps of each other (gradient bands).
inline bool Near(TColor a, TColor b, int tolerance = 4) {
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    return std::abs(RedOf(a) - RedOf(b)) <= tolerance &&
           std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
           std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

class TabTestWindow {
  public:
    explicit TabTestWindow(std::initializer_list<const char*> captions, QSize size = {300, 150}) {
        window = std::make_unique<QWidget>();
        window->resize(size.width() + 20, size.height() + 20);
        QPalette palette = window->palette();
        palette.setColor(QPalette::Window, ToQColor(clBtnFace));
        window->setPalette(palette);
        pages = new TWgPageControl(window.get());
        pages->setObjectName(QStringLiteral("Pages"));
        pages->setGeometry(10, 10, size.width(), size.height());
        for (const char* caption : captions) {
            auto* sheet = new TWgTabSheet(pages);
            sheet->SetCaption(QString::fromUtf8(caption));
        }
    }

    TWgTabSheet* Page(int i) const { return pages->Pages(i); }

    void Show() {
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    // The middle of a tab's rectangle, a little towards the outer edge's
    // corner so that it is inside every shape.
    QPoint TabPoint(int tab) const {
        const TRect r = pages->TabRect(tab);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void ClickTab(int tab, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(pages, Qt::LeftButton, modifiers, TabPoint(tab));
    }

    std::unique_ptr<QWidget> window;
    TWgPageControl* pages = nullptr;
};

}  // namespace vx::test
