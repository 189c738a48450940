// How the styled menus and tool bars grow with their size, beside plain Qt:
// - a pop-up menu of 10, 100 and 1000 items (a separator every seventh,
//   checkable items, pictures, repeated captions) opened and painted,
//   against a plain QMenu of the same items;
// - a docked tool bar of 10, 100 and 1000 buttons (a separator every
//   eighth) laid out and painted at the end of loading, then its buttons
//   removed one by one, against a plain QToolBar of as many actions;
// - a dock panel of 5, 25 and 100 rows (a bar of four buttons in each):
//   its rows built at the end of loading, and built, shown and painted,
//   against a main window with as many tool-bar lines.
// Each figure is the median of several rounds, with the cost per item (per
// row for the docks). Goal: the cost per item at the largest size within
// twice that at the middle one. A step that cannot be measured (a menu that
// does not open) ends the program with a message and exit code 2. One
// argument (menus, bars, remove, docks) runs that table alone.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QTest>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "BenchTiming.h"
#include "platform/LoadingScope.h"
#include "platform/paint/ImageList.h"
#include "platform/qt/AlignHost.h"
#include "styling/menus/qt/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"
#include "styling/toolbar/qt/FxDockPanel.h"
#include "styling/toolbar/qt/FxToolBar.h"
#include "styling/toolbar/qt/FxToolBarButton.h"
#include "styling/toolbar/qt/FxToolBarOfficeStyler.h"

using namespace vx;

namespace {

constexpr int kWaitMs = 5000;

[[noreturn]] void CannotMeasure(const char* what) {
    std::printf("styling_scale_bench: cannot measure: %s\n", what);
    std::fflush(stdout);
    std::exit(2);
}

// One figure: the median of `rounds` rounds, each set up untimed, then timed.
template <typename Setup>
double MedianMs(int rounds, Setup setup) {
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        std::function<void()> timed = setup();
        QElapsedTimer timer;
        timer.start();
        timed();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    return bench::Median(ms);
}

void Render(QWidget* widget) {
    QImage image(widget->size().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    widget->render(&image);
}

struct TRow {
    int size;
    double styled;
    double plain;  // negative: no plain figure
};

// Prints a table of sizes and tells whether the cost per item at the last
// size stays within twice that at the one before.
bool PrintTable(const char* what, const char* unit, const std::vector<TRow>& rows) {
    std::printf("\n%s\n", what);
    std::printf("%8s  %12s %14s  %12s %14s\n", unit, "styled ms", "us per item", "plain Qt ms",
                "us per item");
    for (const TRow& r : rows) {
        std::printf("%8d  %12.3f %14.2f", r.size, r.styled, r.styled * 1000.0 / r.size);
        if (r.plain >= 0)
            std::printf("  %12.3f %14.2f\n", r.plain, r.plain * 1000.0 / r.size);
        else
            std::printf("  %12s %14s\n", "-", "-");
    }
    const TRow& middle = rows[rows.size() - 2];
    const TRow& last = rows.back();
    const double ratio = (last.styled / last.size) / (middle.styled / middle.size);
    const bool within = ratio <= 2.0;
    std::printf("per item at %d / per item at %d: %.2f (%s)\n", last.size, middle.size, ratio,
                within ? "within twice" : "MORE than twice");
    return within;
}

void AddMenuItems(QMenu& menu, int n, const QIcon& icon) {
    for (int i = 0; i < n; ++i) {
        if (i % 7 == 6) {
            menu.addSeparator();
            continue;
        }
        // Each caption twice in a row, as lists of like commands have.
        QAction* item = menu.addAction(QStringLiteral("命令 %1(&%2)").arg(i / 2).arg(i % 10));
        if (i % 3 == 0) {
            item->setCheckable(true);
            item->setChecked(i % 2 == 0);
        }
        if (i % 4 == 0) item->setIcon(icon);
        if (i % 5 == 0) item->setEnabled(false);
        if (i % 9 == 0) item->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_A + i % 26)));
    }
}

// The menu opened and painted once: from the call until its window is
// painted into an image.
void OpenAndPaint(QMenu& menu, const std::function<void()>& open) {
    open();
    if (!QTest::qWaitFor([&] { return menu.isVisible(); }, kWaitMs))
        CannotMeasure("a menu did not open within 5 s");
    Render(&menu);
}

double StyledMenuMs(int n, int rounds, TCustomFxMenuStyler& styler, const QIcon& icon) {
    std::unique_ptr<TFxPopupMenu> menu;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        if (menu) menu->close();
        menu = std::make_unique<TFxPopupMenu>();
        menu->SetMenuStyler(&styler);
        AddMenuItems(*menu, n, icon);
        return [&] { OpenAndPaint(*menu, [&] { menu->OpenAt({40, 40}); }); };
    });
}

double PlainMenuMs(int n, int rounds, const QIcon& icon) {
    std::unique_ptr<QMenu> menu;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        if (menu) menu->close();
        menu = std::make_unique<QMenu>();
        AddMenuItems(*menu, n, icon);
        return [&] { OpenAndPaint(*menu, [&] { menu->popup({40, 40}); }); };
    });
}

// A form with a dock panel 1000 pixels wide holding one bar per row, each
// with `buttons` controls (every eighth a separator), built inside a
// loading bracket that the caller closes.
struct TStyledDock {
    QWidget form;
    TFxToolBarOfficeStyler* styler = nullptr;
    TFxDockPanel* panel = nullptr;
    std::vector<TFxToolBar*> bars;
    std::vector<QWidget*> controls;
    std::unique_ptr<TLoadingScope> loading = std::make_unique<TLoadingScope>();

    TStyledDock(int rows, int buttons, TImageList& images) {
        form.resize(1000, 60);
        TAlignHost::Attach(&form);
        styler = new TFxToolBarOfficeStyler(&form);
        panel = new TFxDockPanel(&form);
        panel->SetToolBarStyler(styler);
        panel->SetBounds(0, 0, 1000, 43);
        for (int r = 0; r < rows; ++r) {
            auto* bar = new TFxToolBar(panel);
            bar->SetBounds(3, 1 + 29 * r, 331, 28);
            bar->SetImages(&images);
            for (int i = 0; i < buttons; ++i) {
                if (i % 8 == 7) {
                    controls.push_back(new TFxToolBarSeparator(bar));
                    continue;
                }
                auto* button = new TFxToolBarButton(bar);
                button->SetImageIndex(0);
                controls.push_back(button);
            }
            bars.push_back(bar);
        }
    }
    // Ends loading: the rows are built and the bars lay their controls out.
    void Load() { loading.reset(); }
};

// Layout and painting at the end of loading.
void LoadAndPaint(TStyledDock& dock) {
    dock.Load();
    dock.form.show();
    QApplication::processEvents();
    Render(dock.panel);
}

double StyledBarMs(int n, int rounds, TImageList& images) {
    std::unique_ptr<TStyledDock> dock;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        dock.reset();
        dock = std::make_unique<TStyledDock>(1, n, images);
        return [&] { LoadAndPaint(*dock); };
    });
}

double StyledRemoveMs(int n, int rounds, TImageList& images) {
    std::unique_ptr<TStyledDock> dock;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        dock.reset();
        dock = std::make_unique<TStyledDock>(1, n, images);
        LoadAndPaint(*dock);
        return [&] {
            while (!dock->controls.empty()) {
                delete dock->controls.back();
                dock->controls.pop_back();
            }
            QApplication::processEvents();
            Render(dock->panel);
        };
    });
}

// The rows built at the end of loading; with `paint` the form is shown and
// the panel painted as well.
double StyledDockMs(int rows, int rounds, TImageList& images, bool paint) {
    std::unique_ptr<TStyledDock> dock;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        dock.reset();
        dock = std::make_unique<TStyledDock>(rows, 4, images);
        if (!paint) return [&] { dock->Load(); };
        return [&] { LoadAndPaint(*dock); };
    });
}

// A main window 1000 pixels wide with `lines` plain tool bars, one per line,
// of `actions` actions each.
struct TPlainBars {
    QMainWindow form;
    std::vector<QToolBar*> bars;

    TPlainBars(int lines, int actions, const QIcon& icon) {
        form.resize(1000, 40 + 30 * lines);
        for (int l = 0; l < lines; ++l) {
            if (l > 0) form.addToolBarBreak();
            auto* bar = form.addToolBar(QStringLiteral("bar"));
            for (int i = 0; i < actions; ++i) {
                if (i % 8 == 7)
                    bar->addSeparator();
                else
                    bar->addAction(icon, QStringLiteral("x"));
            }
            bars.push_back(bar);
        }
    }
    void ShowAndPaint() {
        form.show();
        QApplication::processEvents();
        Paint();
    }
    void Paint() {
        for (QToolBar* bar : bars)
            Render(bar);
    }
};

double PlainBarsMs(int lines, int actions, int rounds, const QIcon& icon) {
    std::unique_ptr<TPlainBars> plain;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        plain.reset();
        plain = std::make_unique<TPlainBars>(lines, actions, icon);
        return [&] { plain->ShowAndPaint(); };
    });
}

double PlainRemoveMs(int n, int rounds, const QIcon& icon) {
    std::unique_ptr<TPlainBars> plain;
    return MedianMs(rounds, [&]() -> std::function<void()> {
        plain.reset();
        plain = std::make_unique<TPlainBars>(1, n, icon);
        plain->ShowAndPaint();
        return [&] {
            QToolBar* bar = plain->bars.front();
            while (!bar->actions().isEmpty())
                delete bar->actions().back();
            QApplication::processEvents();
            plain->Paint();
        };
    });
}

// The offscreen platform's notes on what it leaves out are no figures.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

int Rounds(int n) {
    return n >= 1000 ? 7 : n >= 100 ? 15 : 31;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietPlatformNotes);
    QApplication app(argc, argv);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    QPixmap picture(16, 16);
    picture.fill(Qt::darkBlue);
    const QIcon icon(picture);
    TImageList images(16, 16);
    images.Add(picture);
    TFxMenuOfficeStyler menuStyler;

    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    auto wanted = [&](const char* table) { return only.isEmpty() || only == QLatin1String(table); };
    bool within = true;
    std::vector<TRow> rows;
    if (wanted("menus")) {
        for (int n : {10, 100, 1000})
            rows.push_back(
                {n, StyledMenuMs(n, Rounds(n), menuStyler, icon), PlainMenuMs(n, Rounds(n), icon)});
        within &= PrintTable("pop-up menu opened and painted", "items", rows);
    }
    if (wanted("bars")) {
        rows.clear();
        for (int n : {10, 100, 1000})
            rows.push_back(
                {n, StyledBarMs(n, Rounds(n), images), PlainBarsMs(1, n, Rounds(n), icon)});
        within &= PrintTable("docked tool bar laid out and painted", "buttons", rows);
    }
    if (wanted("remove")) {
        rows.clear();
        for (int n : {10, 100, 1000})
            rows.push_back(
                {n, StyledRemoveMs(n, Rounds(n), images), PlainRemoveMs(n, Rounds(n), icon)});
        within &= PrintTable("every button of a bar removed, one by one", "buttons", rows);
    }
    if (wanted("docks")) {
        rows.clear();
        for (int n : {5, 25, 100})
            rows.push_back({n, StyledDockMs(n, Rounds(n * 10), images, false), -1});
        within &= PrintTable(
            "dock panel's rows built at the end of loading (a bar of four "
            "buttons in each)",
            "rows", rows);
        rows.clear();
        for (int n : {5, 25, 100})
            rows.push_back({n, StyledDockMs(n, Rounds(n * 10), images, true),
                            PlainBarsMs(n, 4, Rounds(n * 10), icon)});
        within &= PrintTable("dock panel's rows built, shown and painted", "rows", rows);
    }

    std::printf("\n%s\n", within ? "every cost per item at the largest size is within twice"
                                 : "some cost per item at the largest size is MORE than twice");
    return 0;
}
