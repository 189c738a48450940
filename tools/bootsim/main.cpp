// bootsim: a simulated STM32 boot loader on a pseudo-terminal, for trying the
// updater or stm32flash without a controller.
//
//   bootsim [--chip f10x|f20x|f40x] [--pid HEX] [--version HEX] [--baud RATE]
//           [--rdp] [--silent] [--noise COUNT] [--load FILE] [--save FILE]
//           [--link PATH]
//
// Prints the device to open and runs until interrupted. --baud paces the line
// at the byte time of 8E1 at that rate (unpaced without it); --load fills the
// flash from a file, --save writes the flash to a file at the end; --link makes
// a symbolic link to the device (for VXTORVIN_COM1, say).
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "bootsim/PtyChip.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void OnSignal(int) {
    stopRequested = 1;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bootsim [--chip f10x|f20x|f40x] [--pid HEX] [--version HEX]\n"
                 "               [--baud RATE] [--rdp] [--silent] [--noise COUNT]\n"
                 "               [--load FILE] [--save FILE] [--link PATH]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using vx::bootsim::ChipProfile;
    ChipProfile profile = ChipProfile::F10x();
    int baud = 0;
    bool rdp = false;
    bool silent = false;
    int noise = 0;
    std::string load;
    std::string save;
    std::string link;
    std::string pid;
    std::string version;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : std::string(); };
        if (arg == "--chip") {
            std::string name = value();
            if (name != "f10x" && name != "f20x" && name != "f40x") return Usage();
            profile = ChipProfile::Named(name);
        } else if (arg == "--pid") {
            pid = value();
        } else if (arg == "--version") {
            version = value();
        } else if (arg == "--baud") {
            baud = std::atoi(value().c_str());
        } else if (arg == "--rdp") {
            rdp = true;
        } else if (arg == "--silent") {
            silent = true;
        } else if (arg == "--noise") {
            noise = std::atoi(value().c_str());
        } else if (arg == "--load") {
            load = value();
        } else if (arg == "--save") {
            save = value();
        } else if (arg == "--link") {
            link = value();
        } else {
            return Usage();
        }
    }
    if (!pid.empty())
        profile.productId = static_cast<std::uint16_t>(std::strtoul(pid.c_str(), nullptr, 16));
    if (!version.empty())
        profile.bootVersion = static_cast<std::uint8_t>(std::strtoul(version.c_str(), nullptr, 16));

    vx::bootsim::BootChip chip(profile);
    chip.SetReadProtection(rdp);
    chip.SetSilent(silent);
    std::vector<std::uint8_t> noiseBytes;
    for (int n = 0; n < noise; ++n)
        noiseBytes.push_back(static_cast<std::uint8_t>(std::rand()));
    chip.SetBootNoise(noiseBytes);
    if (!load.empty()) {
        std::ifstream in(load, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "bootsim: cannot read %s\n", load.c_str());
            return 1;
        }
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::copy_n(bytes.begin(), std::min(bytes.size(), chip.Flash().size()),
                    chip.Flash().begin());
    }

    vx::bootsim::PtyOptions options;
    options.byteTime = vx::bootsim::ByteTime8E1(baud);
    vx::bootsim::PtyChip pty(std::move(chip), options);
    if (!pty.Ok()) {
        std::fprintf(stderr, "bootsim: cannot make a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    if (!link.empty()) {
        unlink(link.c_str());
        if (symlink(pty.DevicePath().c_str(), link.c_str()) != 0) {
            std::fprintf(stderr, "bootsim: cannot link %s: %s\n", link.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::printf("bootsim: %s (ID 0x%04X, boot loader %X.%X) on %s\n", profile.name.c_str(),
                profile.productId, profile.bootVersion >> 4, profile.bootVersion & 15,
                pty.DevicePath().c_str());
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    while (!stopRequested)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));

    if (!link.empty()) unlink(link.c_str());
    if (!save.empty()) {
        std::vector<std::uint8_t> flash =
            pty.With([](vx::bootsim::BootChip& c) { return c.Flash(); });
        std::ofstream out(save, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(flash.data()),
                  static_cast<std::streamsize>(flash.size()));
        if (!out) {
            std::fprintf(stderr, "bootsim: cannot write %s\n", save.c_str());
            return 1;
        }
    }
    return 0;
}
