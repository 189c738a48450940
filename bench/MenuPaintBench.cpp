// Opens a File menu of the main window's kind (eleven items with shortcuts
// and separators, on the office styler's blue look) by its Alt key and
// prints the time from the key press until the menu is shown and painted,
// and the time of one full repaint of the open menu. Goal: under one frame
// (16 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchTiming.h"
#include "styling/menus/FxMenuStylers.h"
#include "styling/menus/qt/FxMenus.h"

using namespace vx;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QMainWindow form;
    auto* bar = new TFxMainMenu(&form);
    form.setMenuBar(bar);
    TFxMenuOfficeStyler styler;
    bar->SetMenuStyler(&styler);
    TFxDropDownMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    const char* items[] = {
        "新建(&N)...",       "打开(&O)...", "保存(&S)...", "另存为(&A)...",  "-", "打印(&P)...",
        "打印机设置(&U)...", "-",           "最近文件",    "打开例子库(&E)", "-", "退出(&Q)"};
    int key = 0;
    for (const char* caption : items) {
        if (caption[0] == '-') {
            file->addSeparator();
            continue;
        }
        QAction* item = file->addAction(QString::fromUtf8(caption));
        if (key < 4) item->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_A + key++)));
    }
    for (const char* caption : {"编辑(&E)", "查找(&S)", "视图(&V)", "帮助(&H)"})
        bar->addMenu(QString::fromUtf8(caption))->addAction(QStringLiteral("x"));
    form.resize(1024, 700);
    form.show();
    form.activateWindow();
    QTest::qWaitForWindowActive(&form);

    constexpr int kRounds = 50;
    std::vector<double> open;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
        while (!file->isVisible())
            QApplication::processEvents();
        QImage shown(file->size(), QImage::Format_ARGB32_Premultiplied);
        file->render(&shown);  // the menu's painting, whenever the display asks for it
        open.push_back(timer.nsecsElapsed() / 1e6);
        file->close();
        QApplication::processEvents();
    }
    // The open menu's whole window painted again, into an image, so that
    // the figure is the menu's own painting.
    QTest::keyClick(&form, Qt::Key_F, Qt::AltModifier);
    QTest::qWaitFor([&] { return file->isVisible(); }, 5000);
    QImage image(file->size(), QImage::Format_ARGB32_Premultiplied);
    const std::vector<double> paint = bench::Timed(kRounds * 4, [&](int) { file->render(&image); });
    std::printf("File menu %dx%d, platform %s\n", file->width(), file->height(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("key press to painted open menu: median %.2f ms, worst %.2f ms (%d rounds)\n",
                bench::Median(open), *std::max_element(open.begin(), open.end()), kRounds);
    std::printf("one full repaint of the open menu: median %.2f ms, worst %.2f ms\n",
                bench::Median(paint), *std::max_element(paint.begin(), paint.end()));
    return 0;
}
