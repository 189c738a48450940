// plcsim: a simulated controller answering Modbus RTU on a pseudo-terminal and
// Modbus TCP on 127.0.0.1, for trying the online functions without hardware.
//
//   plcsim [--station N] [--tcp PORT] [--no-tcp] [--no-rtu] [--link PATH]
//          [--delay MS] [--blink] [--log]
//
// Prints where it listens and runs until interrupted. --link makes a symbolic
// link to the pseudo-terminal (for VXTORVIN_COM1, say); --tcp picks the TCP
// port (any free one without it); --delay holds every answer that long;
// --blink makes the devices move: X0-X7, Y0-Y7 and M0-M7 run a light along,
// D0 counts and T0 and C0 count up; --log prints every request.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "plcsim/PlcSim.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void OnSignal(int) {
    stopRequested = 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: plcsim [--station N] [--tcp PORT] [--no-tcp] [--no-rtu] [--link PATH]\n"
                 "              [--delay MS] [--blink] [--log]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vx::plcsim;
    SimOptions options;
    std::string link;
    bool blink = false;
    bool log = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (arg == "--station") {
            options.station = std::atoi(value().c_str());
        } else if (arg == "--tcp") {
            options.tcpPort = std::atoi(value().c_str());
        } else if (arg == "--no-tcp") {
            options.tcp = false;
        } else if (arg == "--no-rtu") {
            options.rtu = false;
        } else if (arg == "--link") {
            link = value();
        } else if (arg == "--delay") {
            options.answerDelay = std::chrono::milliseconds(std::atoi(value().c_str()));
        } else if (arg == "--blink") {
            blink = true;
        } else if (arg == "--log") {
            log = true;
        } else {
            return Usage();
        }
    }
    PlcSim sim(options);
    if (!sim.Ok()) {
        std::fprintf(stderr, "plcsim: cannot listen: %s\n", std::strerror(errno));
        return 1;
    }
    if (!link.empty() && !sim.DevicePath().empty()) {
        unlink(link.c_str());
        if (symlink(sim.DevicePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "plcsim: cannot link %s: %s\n", link.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::printf("plcsim: station %d", options.station);
    if (!sim.DevicePath().empty()) std::printf(", RTU on %s", sim.DevicePath().c_str());
    if (sim.TcpPort() != 0) std::printf(", TCP on 127.0.0.1:%d", sim.TcpPort());
    std::printf("\n");
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    int step = 0;
    while (!stopRequested) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        if (blink) {
            ++step;
            for (int n = 0; n < 8; ++n) {
                sim.SetBit(Area::X, n, n == step % 8);
                sim.SetBit(Area::Y, n, n == (step + 4) % 8);
                sim.SetBit(Area::M, n, n <= step % 8);
            }
            sim.SetWord(Area::D, 0, static_cast<std::uint16_t>(step));
            sim.SetWord(Area::TValue, 0, static_cast<std::uint16_t>(step % 100));
            sim.SetBit(Area::T, 0, step % 100 >= 50);
            sim.SetWord(Area::CValue, 0, static_cast<std::uint16_t>(step / 4 % 10));
            sim.SetBit(Area::C, 0, step / 4 % 10 >= 5);
        }
        // The log is taken every round, so that a long run does not pile it up.
        const std::vector<LoggedRequest> entries = sim.TakeLog();
        if (log) {
            for (const LoggedRequest& e : entries) {
                std::printf("%s unit %d function %02d address %d count %d%s\n",
                            e.tcp ? "TCP" : "RTU", e.unit, e.function, e.address, e.count,
                            e.fault == Fault::Kind::None ? "" : " (fault)");
            }
            std::fflush(stdout);
        }
    }
    if (!link.empty()) unlink(link.c_str());
    return 0;
}
