// Ladder monitoring over Modbus TCP on the loopback address, against the
// simulated controller: a full screen of dense rows (20 rows, eleven contacts
// and an output each). Prints the requests one poll sweep makes, the fewest
// the span rules allow for the same devices, and the time of a sweep with
// the tool's 10 ms poll ticks and with ticks back to back.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "model/CellKind.h"
#include "online/CommunicationsScheme.h"
#include "online/EvaluateCell.h"
#include "online/LadderStakeout.h"
#include "outside/ModbusLink.h"
#include "plcsim/PlcSim.h"

namespace {

using namespace vx;
using Clock = std::chrono::steady_clock;

constexpr int kScreenRows = 20;

// Contacts on X, Y, M, S, T and C, outputs alternating between coils, timers
// and register instructions; devices within `spread` of each other.
void FillScreen(LadderCells& cells, int spread, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int base, int highest) {
        const int range = std::min(spread, highest - base + 1);
        return base + static_cast<int>(random() % static_cast<unsigned>(range));
    };
    auto octal = [](int n) { return (n / 64) * 100 + (n / 8 % 8) * 10 + n % 8; };
    const char letters[] = {'X', 'Y', 'M', 'S', 'T', 'C'};
    for (int row = 0; row < kScreenRows; ++row) {
        for (int column = 1; column <= 11; ++column) {
            const char letter = letters[random() % 6];
            int number = 0;
            switch (letter) {
                case 'X':
                case 'Y':
                    number = octal(pick(0, 255));
                    break;
                case 'M':
                    number = pick(0, 9999);
                    break;
                case 'S':
                    number = pick(0, 199);
                    break;
                case 'T':
                    number = pick(0, 399);
                    break;
                default:
                    number = pick(0, 199);
                    break;
            }
            cells.Kind(column, row) =
                column % 3 == 0 ? CellKind::kClosedContact : CellKind::kOpenContact;
            cells.First(column, row) = letter + std::to_string(number);
        }
        std::string output;
        switch (row % 3) {
            case 0:
                output = "ADD D" + std::to_string(pick(0, 9990)) + " D" +
                         std::to_string(pick(0, 9990)) + " D" + std::to_string(pick(0, 9990));
                cells.Kind(12, row) = CellKind::kFunctionBox;
                break;
            case 1:
                output = "T" + std::to_string(pick(0, 399)) + " D" + std::to_string(pick(0, 9990));
                cells.Kind(12, row) = CellKind::kCoil;
                break;
            default:
                output = "M" + std::to_string(pick(0, 9999));
                cells.Kind(12, row) = CellKind::kCoil;
                break;
        }
        cells.First(12, row) = output;
    }
}

// The requests before merging.
ScanScheme Unmerged(const LadderCells& cells) {
    static const DeviceImage image;
    ScanScheme s;
    for (int row = 0; row < kScreenRows; ++row) {
        for (int column = 1; column <= 12; ++column) {
            const MonitorRecord r = EvaluateCell(cells, column, row, image, WordDisplay::kUnsigned);
            if (r.code == kNoDevice) continue;
            LadderRegion_Add_ComR1Scheme(s, r.code);
            if (r.extraCode1 != kNoDevice) LadderRegion_Add_ComR1Scheme(s, r.extraCode1);
            if (r.extraCode2 != kNoDevice) LadderRegion_Add_ComR1Scheme(s, r.extraCode2);
        }
    }
    return s;
}

// The fewest spans that hold every request whole: per kind, a span opened at
// the lowest uncovered start takes every request that ends within its limit.
std::size_t FewestRequests(const ScanScheme& requests) {
    std::map<int, std::vector<ScanRequest>> byKind;
    for (const ScanRequest& r : requests)
        byKind[r.kind].push_back(r);
    std::size_t spans = 0;
    for (auto& [kind, list] : byKind) {
        std::sort(list.begin(), list.end(),
                  [](const ScanRequest& a, const ScanRequest& b) { return a.start < b.start; });
        std::size_t i = 0;
        while (i < list.size()) {
            const int limit = list[i].start + SpanLimit(list[i].isBit);
            ++spans;
            std::size_t j = i;
            while (j < list.size() && list[j].End() <= limit)
                ++j;
            i = std::max(j, i + 1);
        }
    }
    return spans;
}

struct Sweep {
    double perSweepMs = 0;
    double perRequestMs = 0;
    int givenUp = 0;
    bool ended = true;  // false: the sweeps did not end within the bound
};

// Longer than any run of sweeps takes, even when every request is given up.
constexpr auto kSweepsBound = std::chrono::minutes(5);

// Runs the poller for `sweeps` full sweeps of the list (every request sent
// and answered or given up).
Sweep TimeSweeps(const ScanScheme& scheme, int sweeps, std::chrono::microseconds tick) {
    auto image = std::make_unique<DeviceImage>();
    PollState state;
    int answers = 0, sent = 0;
    const int wanted = sweeps * static_cast<int>(scheme.size());
    const auto start = Clock::now();
    // Until every request of the sweeps was sent and the last one has ended.
    while (sent < wanted || !state.answerReady) {
        if (Clock::now() - start > kSweepsBound) return {0, 0, 0, false};
        const TickResult r = LadderStakeoutTick(state, scheme, *image, TheModbusCalls());
        answers += r.answered;
        sent += r.sent;
        if (r.sent && sent > wanted) break;  // one too many: the sweeps are done
        std::this_thread::sleep_for(tick);
    }
    if (sent > wanted) sent = wanted;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return {ms / sweeps, ms / wanted, sent - answers};
}

}  // namespace

int main() {
    plcsim::PlcSim sim(plcsim::SimOptions{1, false, true, 0, {}});
    if (!sim.Ok()) {
        std::fprintf(stderr, "ladder_monitor_bench: the simulator cannot listen\n");
        return 1;
    }
    if (!Modbus_Link_Open(12, kTcpPort, 2, 1, "127.0.0.1", std::to_string(sim.TcpPort()))) {
        std::fprintf(stderr, "ladder_monitor_bench: the link does not open\n");
        return 1;
    }
    std::printf(
        "Ladder monitoring, %d dense rows (11 contacts and an output each), Modbus TCP on "
        "loopback\n",
        kScreenRows);
    std::printf("%-16s %9s %9s %9s %14s %14s %12s %9s\n", "devices within", "unmerged", "merged",
                "fewest", "sweep@10ms", "sweep fast", "per request", "given up");
    for (int spread : {50, 200, 1000, 10000}) {
        auto cells = std::make_unique<LadderCells>();
        FillScreen(*cells, spread, 7u + static_cast<unsigned>(spread));
        const ScanScheme raw = Unmerged(*cells);
        const ScanScheme merged = LadderRegionScheme(*cells, 0, 0, kScreenRows - 1);
        const std::size_t fewest = FewestRequests(raw);
        const Sweep paced = TimeSweeps(merged, 5, std::chrono::milliseconds(10));
        const Sweep fast = TimeSweeps(merged, 50, std::chrono::microseconds(100));
        if (!paced.ended || !fast.ended) {
            std::fprintf(stderr,
                         "ladder_monitor_bench: cannot measure: the poller did not finish its "
                         "sweeps within %d minutes\n",
                         static_cast<int>(kSweepsBound.count()));
            Modbus_LinkClose();
            return 2;
        }
        std::printf("%-16d %9zu %9zu %9zu %11.1f ms %11.2f ms %9.3f ms %9d\n", spread, raw.size(),
                    merged.size(), fewest, paced.perSweepMs, fast.perSweepMs, fast.perRequestMs,
                    paced.givenUp + fast.givenUp);
    }
    std::printf(
        "sweep@10ms: the tool's poll timer (one tick sends, the next takes the answer);\n"
        "sweep fast: ticks every 0.1 ms, the link's own pace.\n");
    Modbus_LinkClose();
    return 0;
}
