// Times the device usage scan over a program whose every row is full: 10192
// rows of eleven conditions and an output, texts of every kind the scan
// recognises. Prints the best and the median of several runs of the scan
// alone and of the whole refresh (scan, report, usage marks).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/DeviceComments.h"
#include "editor/OrganUse.h"
#include "model/CellKind.h"
#include "model/LadderCells.h"
#include "model/MyPublic.h"

namespace {

using Clock = std::chrono::steady_clock;

void FillDenseProgram(vx::LadderCells& cells) {
    for (int row = 0; row < vx::kUnshownRow; ++row) {
        for (int col = vx::kFirstConditionColumn; col <= vx::kLastConditionColumn; ++col) {
            const int n = row * 11 + col;
            std::string text;
            switch (n % 6) {
                case 0:
                    text = "X" + std::to_string(vx::IntToOctalDigits(n % 256));
                    break;
                case 1:
                    text = "Y" + std::to_string(vx::IntToOctalDigits(n % 256));
                    break;
                case 2:
                    text = "M" + std::to_string(n % 10000);
                    break;
                case 3:
                    text = "S" + std::to_string(n % 200);
                    break;
                case 4:
                    text = "T" + std::to_string(n % 400);
                    break;
                default:
                    text = "C" + std::to_string(n % 200);
                    break;
            }
            cells.Kind(col, row) = vx::CellKind::kOpenContact;
            cells.First(col, row) = text;
            cells.Second(col, row) = "(" + text + ")";
        }
        std::string output;
        switch (row % 4) {
            case 0:
                output = "MOV D" + std::to_string(row % 10000) + " D" +
                         std::to_string((row * 7) % 10000);
                break;
            case 1:
                output = "T" + std::to_string(row % 400) + " K100";
                break;
            case 2:
                output = "SET M" + std::to_string((row * 3) % 10000);
                break;
            default:
                output =
                    "ZRST D" + std::to_string(row % 9000) + " D" + std::to_string(row % 9000 + 50);
                break;
        }
        cells.Kind(vx::kOutputColumn, row) = vx::CellKind::kFunctionBox;
        cells.First(vx::kOutputColumn, row) = output;
    }
}

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main() {
    vx::LadderCells cells;
    FillDenseProgram(cells);
    vx::DeviceComments comments;
    vx::SysRemark(comments);

    constexpr int kRuns = 15;
    std::vector<double> scan;
    std::vector<double> refresh;
    int used = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        const vx::DeviceUsage usage = vx::DeviceUsage::Scan(cells, vx::UsageScopeEnd(true, 0));
        const Clock::time_point scanned = Clock::now();
        const vx::UsageReport report = vx::BuildUsageReport(usage, comments);
        vx::MarkUsage(usage, comments);
        const Clock::time_point done = Clock::now();
        scan.push_back(Milliseconds(scanned - start));
        refresh.push_back(Milliseconds(done - start));
        used = 0;
        for (const vx::UsageSummary& s : report.summaries)
            used += s.count;
    }
    std::sort(scan.begin(), scan.end());
    std::sort(refresh.begin(), refresh.end());
    std::printf("usage scan, %d rows x 12 cells, %d devices used\n", vx::kUnshownRow, used);
    std::printf("  scan:    best %.2f ms, median %.2f ms\n", scan.front(), scan[kRuns / 2]);
    std::printf("  refresh: best %.2f ms, median %.2f ms (scan, report, usage marks)\n",
                refresh.front(), refresh[kRuns / 2]);
    return 0;
}
