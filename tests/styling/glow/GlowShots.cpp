// A window of glow buttons for review: each of the eight look numbers in a
// row, its buttons idle, hot, pressed, checked and disabled, a joined group
// of three, a split drop-down and a radial face. Hover and press are driven
// by the mouse events the button takes and their fades run to the end on a
// timer ticked here, so the picture shows the settled states. Under them,
// tool bars in two office looks hold glow buttons beside a tool-bar button:
// the bar gives them its styler's look. Written as one PNG file into the
// folder given on the command line.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/gdiplus/FxGDIP.h"
#include "styling/glow/qt/FxGlowButton.h"
#include "styling/toolbar/GlowButtonAppearance.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"

using namespace vx;

namespace {

// Every fade timer of the window, ticked by hand until none runs.
class Fades {
  public:
    TFadeTimerFactory Factory() {
        return [this] { return std::make_unique<Timer>(*this); };
    }
    void Settle() {
        for (int guard = 0; guard < 100 && !ticks_.empty(); ++guard) {
            const auto now = ticks_;
            for (const auto& [owner, tick] : now)
                if (ticks_.count(owner) != 0) tick();
        }
    }

  private:
    class Timer final : public TFadeTimer {
      public:
        explicit Timer(Fades& fades) : fades_(fades) {}
        ~Timer() override { fades_.ticks_.erase(this); }
        void Start(int, std::function<void()> tick) override {
            fades_.ticks_[this] = std::move(tick);
        }

      private:
        Fades& fades_;
    };
    std::map<Timer*, std::function<void()>> ticks_;
};

QPixmap Glyph(QColor colour) {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(colour);
    g.setPen(colour.darker(150));
    g.drawEllipse(2, 2, 12, 12);
    return p;
}

void Enter(QWidget* w) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &e);
}

void Press(QWidget* w) {
    const QPointF at(w->width() / 3.0, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: glow_shots FOLDER\n");
        return 2;
    }
    std::uintptr_t token = 0;
    GdiplusStartup(&token);
    {
        Fades fades;
        TImageList images(16, 16);
        images.Add(Glyph(QColor(40, 130, 220)));
        images.Add(Glyph(QColor(220, 120, 30)));

        QWidget form;
        form.setObjectName("GlowShots");
        form.setAutoFillBackground(true);
        QPalette pal = form.palette();
        pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
        form.setPalette(pal);
        form.resize(900, 8 * 40 + 40 + 2 * 44);

        const char* captions[] = {"Idle", "Hot", "Pressed", "Checked", "Disabled"};
        std::vector<TFxGlowButton*> toPress;
        for (int look = 0; look < 8; ++look) {
            const int y = 30 + look * 40;
            auto make = [&](int x, int width, const QString& caption) {
                auto* b = new TFxGlowButton(&form);
                b->SetFadeTimerFactory(fades.Factory());
                b->SetComponentStyle(static_cast<std::uint8_t>(look));
                b->SetCaption(caption);
                b->SetImages(&images);
                b->SetImageIndex(look % 2);
                b->SetBounds(x, y, width, 28);
                return b;
            };
            int x = 10;
            for (int state = 0; state < 5; ++state, x += 92) {
                TFxGlowButton* b = make(x, 86, captions[state]);
                if (state == 3) {
                    b->SetStyle(TFxButtonStyle::bsCheck);
                    b->SetDown(true);
                }
                if (state == 4) b->setEnabled(false);
                if (state == 1) Enter(b);
                if (state == 2) toPress.push_back(b);
            }
            const TButtonPosition joined[] = {TButtonPosition::bpLeft, TButtonPosition::bpMiddle,
                                              TButtonPosition::bpRight};
            const char* parts[] = {"Left", "Mid", "Right"};
            for (int j = 0; j < 3; ++j, x += 50) {
                TFxGlowButton* b = make(x, 50, parts[j]);
                b->SetImageIndex(-1);
                b->SetPosition(joined[j]);
            }
            x += 12;
            TFxGlowButton* drop = make(x, 80, "Menu");
            drop->SetDropDownButton(true);
            x += 88;
            TFxGlowButton* radial = make(x, 80, "Radial");
            radial->Appearance().SetGradient(TGDIPGradient::ggRadial);
            radial->Appearance().SetGradientMirror(TGDIPGradient::ggRadial);
            radial->update();
        }
        // Two docks, Olive and Blue, each with a bar: a tool-bar button, an
        // idle and a hot glow button.
        const TToolBarStyle looks[] = {TToolBarStyle::bsOffice2003Olive,
                                       TToolBarStyle::bsOffice2003Blue};
        std::vector<TFxGlowButton*> hotOnBar;
        for (int i = 0; i < 2; ++i) {
            auto* host = new QWidget(&form);
            host->setGeometry(0, 8 * 40 + 40 + i * 44, 900, 44);
            TAlignHost::Attach(host);
            TLoadingScope scope;
            auto* styler = new TFxToolBarOfficeStyler(host);
            styler->SetStyle(looks[i]);
            auto* panel = new TFxDockPanel(host);
            panel->SetBounds(0, 0, 900, 43);
            panel->SetToolBarStyler(styler);
            auto* bar = new TFxToolBar(panel);
            bar->SetBounds(3, 1, 400, 28);
            bar->SetImages(&images);
            auto* button = new TFxToolBarButton(bar);
            button->SetImageIndex(0);
            for (int j = 0; j < 2; ++j) {
                auto* b = new TFxGlowButton(bar);
                b->SetFadeTimerFactory(fades.Factory());
                b->SetCaption(j == 0 ? "Glow" : "Glow hot");
                b->SetImages(&images);
                b->SetImageIndex(1);
                b->SetBounds(0, 0, 90, 24);
                if (j == 1) hotOnBar.push_back(b);
            }
        }
        form.show();
        QApplication::processEvents();
        for (TFxGlowButton* b : hotOnBar)
            Enter(b);
        for (TFxGlowButton* b : toPress) {
            Enter(b);
            Press(b);
        }
        fades.Settle();
        QApplication::processEvents();

        QPixmap shot = form.grab();
        {
            QPainter p(&shot);
            p.setPen(Qt::black);
            p.drawText(10, 18,
                       "Looks 0 to 7 (rows): idle, hot, pressed, checked, disabled; "
                       "joined; drop-down; radial. Below: bars in Olive and Blue");
        }
        const QString file = QDir(QString::fromLocal8Bit(argv[1])).filePath("glow_buttons.png");
        if (!shot.save(file)) {
            std::fprintf(stderr, "glow_shots: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    GdiplusShutdown(token);
    return 0;
}
