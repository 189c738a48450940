// Fills a group bar of three groups with 400 items each, one item at a time
// and in one update bracket per group, and prints the time until the bar is
// laid out and painted.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>
#include <string>

#include "widgets/WgGroupItem.h"
#include "widgets/qt/WgGroup.h"
#include "widgets/qt/WgGroupBar.h"

using namespace vx;

namespace {

constexpr int kGroups = 3;
constexpr int kItems = 400;

double Fill(bool batched) {
    TWgGroupBar bar;
    bar.resize(200, 600);
    bar.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int g = 0; g < kGroups; ++g) {
        auto* group = new TWgGroup(&bar);
        if (batched) group->Items().BeginUpdate();
        for (int i = 0; i < kItems; ++i) {
            TWgGroupItem& item = group->Items().Add();
            item.SetCaption("D" + std::to_string(i * 100) + "-D" + std::to_string(i * 100 + 99));
        }
        if (batched) group->Items().EndUpdate();
    }
    QApplication::processEvents();
    QImage frame(bar.size(), QImage::Format_RGB32);
    bar.render(&frame);
    return timer.elapsed() / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("%d groups of %d items, one at a time: %.3f s\n", kGroups, kItems, Fill(false));
    std::printf("%d groups of %d items, batched:       %.3f s\n", kGroups, kItems, Fill(true));
    return 0;
}
