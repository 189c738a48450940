// A picture of skinned speed buttons over a striped parent, for review:
// transparent ones idle (framed and flat), under the mouse and down, beside
// opaque ones; the top row in the plain look, the bottom row in the true-XP
// look. Writes the form to the file named on its command line.
#include <QApplication>
#include <QDialog>
#include <QPainter>

#include "platform/qt/SpeedButton.h"
#include "styling/skin/SkinSets.h"
#include "styling/skin/qt/FlatSkin.h"

namespace {

// A parent whose own painting shows through transparent buttons.
class StripedDialog : public QDialog {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int x = -height(); x < width(); x += 12) {
            painter.setPen(QPen(QColor(0x60, 0xA0, 0xE0), 5));
            painter.drawLine(x, height(), x + height(), 0);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace vx;
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    StripedDialog form;
    form.resize(470, 110);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(0xF0, 0xE8, 0xD0));
    form.setPalette(palette);
    const struct {
        const char* caption;
        bool transparent, flat, hot, down;
    } kinds[] = {
        {"Framed", true, false, false, false},  {"Flat", true, true, false, false},
        {"Hot", true, false, true, false},      {"Down", true, true, false, true},
        {"Opaque", false, false, false, false}, {"Op. hot", false, false, true, false},
    };
    std::vector<std::pair<TSpeedButton*, bool>> hot;
    for (int row = 0; row < 2; ++row) {
        int x = 10;
        for (const auto& k : kinds) {
            auto* button = new TSpeedButton(&form);
            button->setGeometry(x, 10 + row * 50, 66, 36);
            button->SetCaption(QString::fromLatin1(k.caption));
            button->SetTransparent(k.transparent);
            button->SetFlat(k.flat);
            button->SetGroupIndex(k.down ? 1 + row : 0);
            button->SetDown(k.down);
            if (row == 0) SetControlTag(button, kSkinPlainLookTag);
            if (k.hot) hot.emplace_back(button, true);
            x += 76;
        }
    }
    TFlatSkin::ForDialog(&form);
    form.show();
    QApplication::processEvents();
    for (auto& [button, on] : hot) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
    }
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
