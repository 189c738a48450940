// The master's end of an emulated board's serial port, for the tests that
// speak Modbus RTU to a controller image byte by byte.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "runtime/ModbusFrames.h"

namespace vx::test {

// The master's end of the board's serial port.
class Line {
  public:
    explicit Line(const std::string& device) {
        fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) return;
        termios t{};
        tcgetattr(fd_, &t);
        cfmakeraw(&t);
        tcsetattr(fd_, TCSANOW, &t);
    }
    ~Line() {
        if (fd_ >= 0) close(fd_);
    }
    bool Ok() const { return fd_ >= 0; }

    // Sends the request and collects the answer until expected bytes are in
    // or the wait is over (generous: an emulated board on a busy machine can
    // be slow, and a good answer ends the wait at once).
    Bytes Exchange(const Bytes& request, std::size_t expected,
                   std::chrono::milliseconds wait = std::chrono::seconds(15)) {
        using Clock = std::chrono::steady_clock;
        tcflush(fd_, TCIFLUSH);
        if (write(fd_, request.data(), request.size()) != static_cast<ssize_t>(request.size()))
            return {};
        Bytes answer;
        const auto deadline = Clock::now() + wait;
        while (answer.size() < expected && Clock::now() < deadline) {
            pollfd p{fd_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (poll(&p, 1, static_cast<int>(left.count()) + 1) <= 0) continue;
            std::uint8_t buffer[300];
            const ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n > 0) answer.insert(answer.end(), buffer, buffer + n);
        }
        return answer;
    }

    // The same for a request that may be sent again (a read, or a write of
    // the same values): the emulated board's serial port on a busy machine
    // can hand the slave a frame in pieces, which it rightly drops; the
    // request then goes again, a few times at the most.
    Bytes Ask(const Bytes& request, std::size_t expected) {
        Bytes answer;
        for (int attempt = 0; attempt < 4 && answer.size() < expected; ++attempt)
            answer = Exchange(request, expected, std::chrono::seconds(4));
        return answer;
    }

  private:
    int fd_ = -1;
};

}  // namespace vx::test
