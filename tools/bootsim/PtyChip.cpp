#include "bootsim/PtyChip.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vx::bootsim {

using SteadyClock = std::chrono::steady_clock;

std::chrono::nanoseconds ByteTime8E1(int baud) {
    if (baud <= 0) return std::chrono::nanoseconds(0);
    return std::chrono::nanoseconds(11LL * 1000000000LL / baud);
}

PtyChip::PtyChip(ChipProfile profile, PtyOptions options)
    : chip_(std::move(profile)), options_(options) {
    Start();
}

PtyChip::PtyChip(BootChip chip, PtyOptions options) : chip_(std::move(chip)), options_(options) {
    Start();
}

void PtyChip::Start() {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
    // Raw from the start, so nothing the chip sends before the host has set
    // the line up comes back as an echo.
    termios tio{};
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
    }
    // The slave is the host's to open; closing it here lets the chip see when
    // a host comes and goes.
    close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    fcntl(master, F_SETFD, FD_CLOEXEC);
    master_ = master;
    path_ = name;
    // Every open of the slave is queued here, however quickly a host closes
    // the port and opens it again: the hang-up in between may be too short
    // for the chip's thread to see.
    opens_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (opens_ >= 0 && inotify_add_watch(opens_, name, IN_OPEN) < 0) {
        close(opens_);
        opens_ = -1;
    }
    thread_ = std::thread([this] { Run(); });
}

PtyChip::~PtyChip() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) close(master_);
    if (opens_ >= 0) close(opens_);
}

void PtyChip::SetReset(bool held) {
    std::lock_guard lock(mutex_);
    chip_.SetReset(held);
}

void PtyChip::SetBoot0(bool high) {
    std::lock_guard lock(mutex_);
    chip_.SetBoot0(high);
}

std::vector<std::uint8_t> PtyChip::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void PtyChip::ClearReceived() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

void PtyChip::HangUp() {
    hangUpNow_ = true;
    // The chip's thread closes the line between two polls of it, and ends.
    if (thread_.joinable()) thread_.join();
}

void PtyChip::Run() {
    std::uint8_t buffer[4096];
    while (!stop_) {
        if (hangUpNow_) {
            std::lock_guard lock(mutex_);
            CloseLine();
            return;
        }
        // What the chip sent by itself (noise after a reset by the pins).
        std::vector<std::uint8_t> pending;
        {
            std::lock_guard lock(mutex_);
            pending = chip_.TakeOutput();
        }
        if (!pending.empty()) SendOut(pending, SteadyClock::now());

        pollfd fds[2] = {{master_, POLLIN, 0}, {opens_, POLLIN, 0}};
        int ready = poll(fds, opens_ >= 0 ? 2 : 1, 2);
        if (ready < 0 && errno != EINTR) break;
        if (ready < 0) continue;
        const pollfd& p = fds[0];
        // A host opened the port: the adapter resets the board before the
        // host's first byte is read.
        if (opens_ >= 0 && (fds[1].revents & POLLIN) != 0) HostOpenedAgain();
        const bool hangUp = (p.revents & POLLHUP) != 0;
        if (!hangUp && !hostOpen_) {
            hostOpen_ = true;
            ++hostOpens_;
            lastArrival_ = lastDeparture_ = SteadyClock::now();
            if (options_.resetOnHostOpen) {
                std::lock_guard lock(mutex_);
                chip_.Boot();
            }
        }
        if (p.revents & POLLIN) {
            ssize_t n = read(master_, buffer, sizeof buffer);
            if (n > 0) Feed(buffer, static_cast<std::size_t>(n));
            if (n > 0) continue;
        }
        if (hangUp) {
            hostOpen_ = false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

void PtyChip::CloseLine() {
    if (master_ >= 0) close(master_);
    master_ = -1;
    stop_ = true;
}

void PtyChip::HostOpenedAgain() {
    alignas(inotify_event) char events[4096];
    bool opened = false;
    for (;;) {
        const ssize_t n = read(opens_, events, sizeof events);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opened = opened || (event->mask & IN_OPEN) != 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (!opened || !options_.resetOnHostOpen) return;
    std::lock_guard lock(mutex_);
    chip_.Boot();
}

void PtyChip::Feed(const std::uint8_t* bytes, std::size_t count) {
    const auto readAt = SteadyClock::now();
    for (std::size_t i = 0; i < count; ++i) {
        // A byte has arrived one byte time after the line was free for it.
        const auto arrival = std::max(lastArrival_, readAt) + options_.byteTime;
        lastArrival_ = arrival;
        std::vector<std::uint8_t> stray;
        std::vector<std::uint8_t> answer;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(bytes[i]);
            if (hangUpAfter_ != 0 && received_.size() >= hangUpAfter_) {
                CloseLine();
                return;
            }
            chip_.Receive(bytes[i]);
            stray = chip_.TakeStrayOutput();
            answer = chip_.TakeOutput();
        }
        if (!stray.empty()) SendOut(stray, arrival);
        if (!answer.empty()) SendOut(answer, arrival + options_.answerDelay);
    }
}

void PtyChip::SendOut(const std::vector<std::uint8_t>& bytes, SteadyClock::time_point earliest) {
    if (options_.byteTime.count() == 0) {
        std::this_thread::sleep_until(earliest);
        std::size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
            if (n <= 0) return;  // nobody listens, or the host does not read: lost on the line
            done += static_cast<std::size_t>(n);
        }
        return;
    }
    for (std::uint8_t byte : bytes) {
        const auto departure = std::max(lastDeparture_, earliest) + options_.byteTime;
        lastDeparture_ = departure;
        std::this_thread::sleep_until(departure);
        if (write(master_, &byte, 1) != 1) return;
    }
}

}  // namespace vx::bootsim
