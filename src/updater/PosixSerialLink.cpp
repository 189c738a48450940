#include "updater/PosixSerialLink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/SerialPortNames.h"

namespace vx {
namespace {

speed_t RateConstant(int baud) {
    switch (baud) {
        case 50:
            return B50;
        case 75:
            return B75;
        case 110:
            return B110;
        case 134:
            return B134;
        case 150:
            return B150;
        case 200:
            return B200;
        case 300:
            return B300;
        case 600:
            return B600;
        case 1200:
            return B1200;
        case 1800:
            return B1800;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        case 460800:
            return B460800;
        case 921600:
            return B921600;
        default:
            return B0;
    }
}

tcflag_t SizeFlag(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

// Milliseconds from now to the deadline, rounded up, for poll().
int PollTimeout(const Clock& clock, Clock::TimePoint deadline) {
    auto left = std::chrono::ceil<Millis>(deadline - clock.Now()).count();
    if (left <= 0) return 0;
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

}  // namespace

bool FillTermios(const LineSettings& s, termios& tio, bool* customRate) {
    if (s.dataBits < 5 || s.dataBits > 8) return false;
    if (s.stopBits == LineStopBits::OneAndHalf && s.dataBits != 5) return false;
    if (s.baud <= 0) return false;

    cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR);
    if (s.xonXoff) tio.c_iflag |= IXON | IXOFF;

    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | HUPCL | SizeFlag(s.dataBits);
    switch (s.parity) {
        case LineParity::None:
            break;
        case LineParity::Odd:
            tio.c_cflag |= PARENB | PARODD;
            break;
        case LineParity::Even:
            tio.c_cflag |= PARENB;
            break;
        case LineParity::Mark:
            tio.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case LineParity::Space:
            tio.c_cflag |= PARENB | CMSPAR;
            break;
    }
    // With 5 data bits the UART turns two stop bits into one and a half.
    if (s.stopBits != LineStopBits::One) tio.c_cflag |= CSTOPB;
    if (s.rtsCts) tio.c_cflag |= CRTSCTS;

    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = 17;
    tio.c_cc[VSTOP] = 19;

    speed_t rate = RateConstant(s.baud);
    const bool custom = rate == B0;
    if (custom) rate = B38400;  // replaced by SetCustomRate
    cfsetispeed(&tio, rate);
    cfsetospeed(&tio, rate);
    if (customRate) *customRate = custom;
    return true;
}

bool PosixSerialLink::Open(const std::string& device) {
    if (IsOpen()) return true;
    // Locked before it is opened: opening a terminal raises its modem lines,
    // which would reset a controller that another program is programming.
    if (!lock_.Acquire(device)) return false;
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || !isatty(fd) || ioctl(fd, TIOCEXCL) != 0) {
        if (fd >= 0) ::close(fd);
        lock_.Release();
        return false;
    }
    fd_ = fd;
    pseudo_ = vx::IsPseudoTerminal(fd);
    saved_ = tcgetattr(fd, &original_) == 0;
    return true;
}

void PosixSerialLink::Close() {
    if (!IsOpen()) return;
    // A failure here leaves the device as this program set it; nothing more
    // can be done about it while closing.
    if (saved_) tcsetattr(fd_, TCSANOW, &original_);
    saved_ = false;
    // A pseudo-terminal's slave outlives this open; leave it open to others.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    lock_.Release();
}

bool PosixSerialLink::Configure(const LineSettings& settings) {
    if (!IsOpen()) return false;
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) return false;
    bool custom = false;
    if (!FillTermios(settings, tio, &custom)) return false;
    if (pseudo_) {
        tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
        tio.c_iflag &= ~INPCK;
    }
    if (tcsetattr(fd_, TCSANOW, &tio) != 0) return false;
    return !custom || SetCustomRate(fd_, settings.baud);
}

void PosixSerialLink::Purge(bool receive, bool transmit) {
    if (!IsOpen() || (!receive && !transmit)) return;
    tcflush(fd_, receive && transmit ? TCIOFLUSH : (receive ? TCIFLUSH : TCOFLUSH));
}

int PosixSerialLink::OutputQueued() const {
    int queued = 0;
    if (!IsOpen() || ioctl(fd_, TIOCOUTQ, &queued) != 0) return 0;
    return queued;
}

int PosixSerialLink::WaitFor(short events, Clock::TimePoint deadline) const {
    for (;;) {
        pollfd p{fd_, events, 0};
        int ready = ::poll(&p, 1, PollTimeout(clock_, deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return -1;
        if (ready == 0) return 0;
        // A hung-up terminal also reads as ready (and reads 0 bytes): the
        // far end has closed, or the adapter has gone.
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return -1;
        if (p.revents & events) return 1;
        return -1;
    }
}

long PosixSerialLink::Read(std::uint8_t* into, std::size_t max, Clock::TimePoint deadline) {
    if (!IsOpen()) return -1;
    if (max == 0) return 0;
    bool waited = false;
    for (;;) {
        ssize_t n = ::read(fd_, into, max);
        if (n > 0) return static_cast<long>(n);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return -1;
        // With VMIN and VTIME 0 an empty terminal reads as 0 bytes, or as
        // EAGAIN on some drivers; so does one that has hung up. The poll
        // tells them apart, at once when the deadline has passed.
        const int ready = WaitFor(POLLIN, waited ? clock_.Now() : deadline);
        if (ready < 0) return -1;
        if (ready == 0 || waited) return 0;
        waited = true;
    }
}

long PosixSerialLink::Write(const std::uint8_t* bytes, std::size_t count,
                            Clock::TimePoint deadline) {
    if (!IsOpen()) return -1;
    if (count == 0) return 0;
    for (;;) {
        ssize_t n = ::write(fd_, bytes, count);
        if (n > 0) return static_cast<long>(n);
        if (n == 0) return -1;  // took nothing although asked: a broken device
        if (errno == EINTR) continue;
        if (errno != EAGAIN) return -1;
        int ready = WaitFor(POLLOUT, deadline);
        if (ready < 0) return -1;
        if (ready == 0) return 0;
    }
}

bool PosixSerialLink::SetLine(ModemLine line, bool raised) {
    if (!IsOpen()) return false;
    int bits = line == ModemLine::Dtr ? TIOCM_DTR : TIOCM_RTS;
    const bool applied = ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &bits) == 0;
    const int error = applied ? 0 : errno;
    ReportLine({line, raised, clock_.Now(), applied});
    // A device without modem lines (a pseudo-terminal) refuses with ENOTTY or
    // EINVAL; that is no fault of the port.
    return applied || error == ENOTTY || error == EINVAL;
}

}  // namespace vx
