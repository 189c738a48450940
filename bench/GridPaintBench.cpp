// Paints the ladder grid over a dense main program, a full screen at a time,
// scrolling through all 2000 rows, and prints the time per frame.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <cstdio>
#include <random>

#include "editor/qt/LadderGrid.h"
#include "model/CellKind.h"

using namespace vx;

namespace {

void FillDense(LadderCells& cells) {
    std::mt19937 random(1);
    const std::uint8_t contacts[] = {CellKind::kOpenContact, CellKind::kClosedContact,
                                     CellKind::kRisingEdge, CellKind::kCompareContact,
                                     CellKind::kLine};
    for (int row = 0; row < kMainRows; ++row) {
        for (int col = 1; col <= kLastConditionColumn; ++col) {
            const std::uint8_t kind = contacts[random() % 5];
            cells.Kind(col, row) = kind | (col > 1 && random() % 4 == 0 ? CellKind::kLinkUp : 0);
            cells.First(col, row) =
                kind == CellKind::kCompareContact ? "D>= D100 K5000" : "M" + std::to_string(row);
        }
        cells.Kind(kOutputColumn, row) = row % 2 ? CellKind::kCoil : CellKind::kFunctionBox;
        cells.First(kOutputColumn, row) = row % 2 ? "Y17" : "DADD D0 D2 D4";
        cells.First(kCommentColumn, row) = "启动回路";
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    LadderCells cells;
    FillDense(cells);

    for (bool comments : {false, true}) {
        TLadderGrid grid;
        grid.resize(1280, 1000);
        grid.DrawContext().cells = &cells;
        grid.DrawContext().commentsShown = comments;
        grid.SetDefaultRowHeight(comments ? 55 : 43);
        grid.DrawContext().comment = [](DeviceCode) { return std::string("注释文字"); };
        grid.show();
        QImage frame(grid.viewport()->size(), QImage::Format_RGB32);

        QElapsedTimer timer;
        int frames = 0;
        timer.start();
        for (int top = 0; top < kMainRows; top += grid.VisibleRowCount()) {
            grid.verticalScrollBar()->setValue(top);
            grid.viewport()->render(&frame);
            ++frames;
        }
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        std::printf("comments %-3s: %d frames of %d rows x 14 cells, %.2f ms per frame\n",
                    comments ? "on" : "off", frames, grid.VisibleRowCount(), ms / frames);
    }
    return 0;
}
