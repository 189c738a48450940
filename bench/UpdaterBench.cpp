// Flashes a 64 KB image into the simulated boot loader with the line paced at
// the real byte time of 115200 baud 8E1 (11 bits a byte): with Update's
// session (which writes and reads back) and with stm32flash writing it, and
// with the tool's downloader (F6's transfer) and stm32flash writing and
// verifying it. Prints the times and the ratios.
//
//   updater_bench [--chip f10x|f40x] [--size BYTES]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bootsim/PtyChip.h"
#include "outside/BootDownload.h"
#include "outside/DownloadRequest.h"
#include "platform/MessageBox.h"
#include "updater/PosixSerialLink.h"
#include "updater/STM.h"

namespace {

using vx::bootsim::BootChip;
using vx::bootsim::ChipProfile;
using vx::bootsim::PtyChip;
using vx::bootsim::PtyOptions;
using Seconds = std::chrono::duration<double>;

class BenchHost final : public vx::SessionHost {
  public:
    explicit BenchHost(const std::vector<std::uint8_t>& image) : image_(image) {}
    int SelectedPort() const override { return 0; }
    vx::ImageLoad LoadImage(std::vector<std::uint8_t>& buffer) override {
        buffer = image_;
        return {true, {}};
    }
    void ShowStatus(const std::string& text) override { last = text; }
    void ShowProgress(int) override {}
    void ShowProgressHint(const std::string&) override {}
    void ShowLamp(bool) override {}
    void CloseMainWindow() override { closed = true; }

    std::string last;
    bool closed = false;

  private:
    const std::vector<std::uint8_t>& image_;
};

bool FlashHolds(PtyChip& chip, const std::vector<std::uint8_t>& image) {
    return chip.With(
        [&](BootChip& c) { return std::equal(image.begin(), image.end(), c.Flash().begin()); });
}

// Update's session on the paced line; seconds, negative on failure.
double RunUpdate(const ChipProfile& profile, const std::vector<std::uint8_t>& image,
                 std::chrono::nanoseconds byteTime, std::size_t* hostBytes) {
    PtyChip chip(profile, PtyOptions{byteTime, false});
    if (!chip.Ok()) return -1;
    chip.With([](BootChip& c) { c.StartProgram(); });
    setenv("VXTORVIN_COM1", chip.DevicePath().c_str(), 1);
    vx::PosixSerialLink link;
    link.SetLineObserver([&](const vx::LineChange& change) {
        if (change.line == vx::ModemLine::Dtr) chip.SetReset(change.raised);
        if (change.line == vx::ModemLine::Rts) chip.SetBoot0(change.raised);
    });
    vx::TimerSet timers(vx::TheSystemClock());
    BenchHost host(image);
    vx::TSTMForm stm(link, timers, host);
    const auto start = std::chrono::steady_clock::now();
    stm.AttemptCount = 0;
    stm.STM_ISP();
    const bool ended = timers.RunUntil([&] { return !stm.Busy(); }, vx::Millis(600000));
    const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    *hostBytes = chip.Received().size();
    if (!ended) {
        std::fprintf(stderr, "Update's session did not end within 10 minutes: %s\n",
                     host.last.c_str());
        return -1;
    }
    if (!host.closed || !FlashHolds(chip, image)) {
        std::fprintf(stderr, "Update's session failed: %s\n", host.last.c_str());
        return -1;
    }
    return seconds;
}

// F6's transfer on the paced line, the reset pins wired as for Update;
// seconds, negative on failure.
double RunDownload(const ChipProfile& profile, const std::vector<std::uint8_t>& image,
                   std::chrono::nanoseconds byteTime, std::size_t* hostBytes) {
    PtyChip chip(profile, PtyOptions{byteTime, false});
    if (!chip.Ok()) return -1;
    chip.With([](BootChip& c) { c.StartProgram(); });
    setenv("VXTORVIN_COM1", chip.DevicePath().c_str(), 1);
    vx::PosixSerialLink link;
    link.SetLineObserver([&](const vx::LineChange& change) {
        if (change.line == vx::ModemLine::Dtr) chip.SetReset(change.raised);
        if (change.line == vx::ModemLine::Rts) chip.SetBoot0(change.raised);
    });
    vx::BootDownload download(link, vx::TheSystemClock());
    const auto start = std::chrono::steady_clock::now();
    const vx::DownloadOutcome outcome = download.Run(0, image);
    const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    *hostBytes = chip.Received().size();
    if (!outcome.Ok() || !FlashHolds(chip, image)) {
        std::fprintf(stderr, "the download failed: %s\n",
                     vx::DownloadMessage(outcome, false).c_str());
        return -1;
    }
    return seconds;
}

// stm32flash on the paced line, writing and, with verify, reading back each
// block; seconds, negative on failure.
double RunStm32flash(const ChipProfile& profile, const std::vector<std::uint8_t>& image,
                     std::chrono::nanoseconds byteTime, bool verify, std::size_t* hostBytes) {
    PtyChip chip(profile, PtyOptions{byteTime, true});
    if (!chip.Ok()) return -1;
    char folder[] = "/tmp/vxbench-XXXXXX";
    if (!mkdtemp(folder)) return -1;
    const std::string file = std::string(folder) + "/image.bin";
    {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
    }
    const std::string log = std::string(folder) + "/log";
    // Bounded, should stm32flash never end: ten minutes, far more than a
    // transfer takes.
    const std::string command = "timeout 600 stm32flash -b 115200 -m 8n1 -w " + file +
                                (verify ? " -v " : " ") + chip.DevicePath() + " >" + log + " 2>&1";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    *hostBytes = chip.Received().size();
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && FlashHolds(chip, image);
    std::remove(file.c_str());
    std::remove(log.c_str());
    rmdir(folder);
    if (!ok) {
        if (WIFEXITED(status) && WEXITSTATUS(status) == 124) {
            std::fprintf(stderr, "stm32flash did not end within 10 minutes\n");
        } else {
            std::fprintf(stderr, "stm32flash failed (status %d)\n", status);
        }
        return -1;
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    std::string chipName = "f10x";
    std::size_t size = 64 * 1024;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string arg = argv[i];
        if (arg == "--chip") chipName = argv[i + 1];
        if (arg == "--size") size = static_cast<std::size_t>(std::atol(argv[i + 1]));
    }
    vx::SetMessagePresenter([](const vx::Message& m) {
        std::fprintf(stderr, "[%s] %s\n", m.caption.c_str(), m.text.c_str());
        return vx::MsgAnswer::Ok;
    });
    const ChipProfile profile = ChipProfile::Named(chipName);
    std::vector<std::uint8_t> image(size);
    unsigned x = 12345;
    for (std::uint8_t& b : image) {
        x = x * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(x >> 16);
    }
    const auto byteTime = vx::bootsim::ByteTime8E1(115200);
    std::printf("Image %zu bytes into simulated %s, line paced at %.1f us a byte (115200 8E1)\n",
                size, profile.name.c_str(), byteTime.count() / 1000.0);

    std::size_t updateBytes = 0;
    const double update = RunUpdate(profile, image, byteTime, &updateBytes);
    if (update < 0) return 1;
    std::printf("Update:     %7.2f s  (%zu bytes sent; includes 1.36 s of reset waits)\n", update,
                updateBytes);

    if (std::system("command -v stm32flash >/dev/null 2>&1") != 0) {
        std::size_t downloadBytes = 0;
        const double download = RunDownload(profile, image, byteTime, &downloadBytes);
        if (download < 0) return 1;
        std::printf("F6 download: %7.2f s  (%zu bytes sent; includes 0.11 s of reset waits)\n",
                    download, downloadBytes);
        std::fprintf(stderr,
                     "updater_bench: cannot measure the ratios: stm32flash is not installed\n");
        return 2;
    }
    std::size_t flashBytes = 0;
    const double stm32flash = RunStm32flash(profile, image, byteTime, false, &flashBytes);
    if (stm32flash < 0) return 1;
    std::printf("stm32flash: %7.2f s  (%zu bytes sent)\n", stm32flash, flashBytes);
    std::printf("Update / stm32flash: %.2f\n\n", update / stm32flash);

    std::printf("Writing and reading back:\n");
    std::size_t downloadBytes = 0;
    const double download = RunDownload(profile, image, byteTime, &downloadBytes);
    if (download < 0) return 1;
    std::printf("F6 download:   %7.2f s  (%zu bytes sent; includes 0.11 s of reset waits)\n",
                download, downloadBytes);
    std::size_t verifyBytes = 0;
    const double verified = RunStm32flash(profile, image, byteTime, true, &verifyBytes);
    if (verified < 0) return 1;
    std::printf("stm32flash -v: %7.2f s  (%zu bytes sent)\n", verified, verifyBytes);
    std::printf("F6 download / stm32flash -v: %.2f (target 1.10 at most)\n", download / verified);
    std::printf("Update / stm32flash -v: %.2f (Update reads the flash back too)\n",
                update / verified);
    return 0;
}
