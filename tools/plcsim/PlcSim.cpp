#include "plcsim/PlcSim.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vx::plcsim {
namespace {

using SteadyClock = std::chrono::steady_clock;

// A partial RTU frame is dropped after this much silence.
constexpr auto kRtuFrameGap = std::chrono::milliseconds(20);

std::uint16_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

void WriteAll(int fd, const std::uint8_t* bytes, std::size_t size, bool socket) {
    std::size_t done = 0;
    int stalls = 0;
    while (done < size) {
        const ssize_t n = socket ? ::send(fd, bytes + done, size - done, MSG_NOSIGNAL)
                                 : ::write(fd, bytes + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN && ++stalls < 100) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 10);
            continue;
        }
        return;  // nobody reads: lost on the line
    }
}

void NonBlocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

PlcSim::PlcSim(SimOptions options) : options_(options) {
    if (options_.rtu) {
        int master = -1, slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            termios tio{};
            if (tcgetattr(slave, &tio) == 0) {
                cfmakeraw(&tio);
                tcsetattr(slave, TCSANOW, &tio);
            }
            close(slave);
            NonBlocking(master);
            master_ = master;
            ptyPath_ = name;
        }
    }
    if (options_.tcp) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0) {
            int yes = 1;
            setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<std::uint16_t>(options_.tcpPort));
            socklen_t length = sizeof address;
            if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::listen(fd, 4) == 0 &&
                ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
                NonBlocking(fd);
                listener_ = fd;
                tcpPort_ = ntohs(address.sin_port);
            } else {
                ::close(fd);
            }
        }
    }
    thread_ = std::thread([this] { Run(); });
}

PlcSim::~PlcSim() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    for (TcpClient& c : clients_)
        ::close(c.fd);
    if (listener_ >= 0) ::close(listener_);
    if (master_ >= 0) ::close(master_);
}

bool PlcSim::Ok() const {
    return (!options_.rtu || master_ >= 0) && (!options_.tcp || listener_ >= 0);
}

bool PlcSim::Bit(Area area, int number) const {
    std::lock_guard lock(mutex_);
    return memory_.Bit(area, number);
}

void PlcSim::SetBit(Area area, int number, bool on) {
    std::lock_guard lock(mutex_);
    memory_.SetBit(area, number, on);
}

std::uint16_t PlcSim::Word(Area area, int number) const {
    std::lock_guard lock(mutex_);
    return memory_.Word(area, number);
}

void PlcSim::SetWord(Area area, int number, std::uint16_t value) {
    std::lock_guard lock(mutex_);
    memory_.SetWord(area, number, value);
}

void PlcSim::PushFault(Fault fault) {
    std::lock_guard lock(mutex_);
    faults_.push_back(fault);
}

void PlcSim::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

void PlcSim::SetAnswerDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    options_.answerDelay = delay;
}

std::vector<LoggedRequest> PlcSim::Log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void PlcSim::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

std::vector<LoggedRequest> PlcSim::TakeLog() {
    std::lock_guard lock(mutex_);
    std::vector<LoggedRequest> taken;
    taken.swap(log_);
    return taken;
}

void PlcSim::Run() {
    std::uint8_t buffer[1024];
    while (!stop_) {
        std::vector<pollfd> fds;
        if (master_ >= 0) fds.push_back({master_, POLLIN, 0});
        const std::size_t listenerAt = fds.size();
        if (listener_ >= 0) fds.push_back({listener_, POLLIN, 0});
        const std::size_t clientsAt = fds.size();
        for (const TcpClient& c : clients_)
            fds.push_back({c.fd, POLLIN, 0});
        const int ready = ::poll(fds.data(), fds.size(), 2);
        if (ready < 0 && errno != EINTR) break;
        auto now = SteadyClock::now();
        bool idleHangUp = false;

        if (master_ >= 0) {
            const short events = fds[0].revents;
            if (events & POLLIN) {
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n > 0) {
                    rtuBuffer_.insert(rtuBuffer_.end(), buffer, buffer + n);
                    rtuLastByte_ = now;
                    ServeRtu();
                } else {
                    idleHangUp = true;  // the host has closed the port
                }
            } else if (events & POLLHUP) {
                idleHangUp = true;  // no host has the port open
            }
            if (!rtuBuffer_.empty() && now - rtuLastByte_ > kRtuFrameGap) rtuBuffer_.clear();
        }
        if (listener_ >= 0 && (fds[listenerAt].revents & POLLIN)) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd >= 0) {
                int yes = 1;
                setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
                clients_.push_back({fd, {}});
                ++tcpConnections_;
            }
        }
        const std::size_t polledClients = fds.size() - clientsAt;
        for (std::size_t i = polledClients; i-- > 0;) {
            const short events = fds[clientsAt + i].revents;
            if (!(events & (POLLIN | POLLHUP | POLLERR))) continue;
            TcpClient& client = clients_[i];
            bool closed = false;
            const ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                client.buffer.insert(client.buffer.end(), buffer, buffer + n);
                ServeTcp(client, closed);
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                closed = true;
            }
            if (closed) {
                const int fd = client.fd;
                ::close(fd);
                pending_.erase(std::remove_if(pending_.begin(), pending_.end(),
                                              [fd](const Pending& p) { return p.fd == fd; }),
                               pending_.end());
                clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i));
                --tcpConnections_;
            }
        }
        Flush(SteadyClock::now());
        if (idleHangUp && ready == 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void PlcSim::ServeRtu() {
    while (!rtuBuffer_.empty()) {
        const int length = RtuRequestLength(rtuBuffer_.data(), rtuBuffer_.size());
        // Unknown functions cannot be framed: the silence after them drops them.
        if (length <= 0 || rtuBuffer_.size() < static_cast<std::size_t>(length)) return;
        const auto n = static_cast<std::size_t>(length);
        const std::uint16_t crc = Crc16(rtuBuffer_.data(), n - 2);
        if (rtuBuffer_[n - 2] != (crc & 0xFF) || rtuBuffer_[n - 1] != (crc >> 8)) {
            rtuBuffer_.clear();  // out of step: start afresh with the next frame
            return;
        }
        const int unit = rtuBuffer_[0];
        std::vector<std::uint8_t> frame(rtuBuffer_.begin(), rtuBuffer_.begin() + length);
        rtuBuffer_.erase(rtuBuffer_.begin(), rtuBuffer_.begin() + length);
        if (unit != options_.station && unit != 0) continue;
        Fault fault;
        std::vector<std::uint8_t> answer = Handle(false, unit, frame.data() + 1, n - 3, fault);
        if (unit == 0 || answer.empty()) continue;  // broadcasts are never answered
        std::vector<std::uint8_t> out;
        out.push_back(
            static_cast<std::uint8_t>(fault.kind == Fault::Kind::OtherStation ? unit + 1 : unit));
        out.insert(out.end(), answer.begin(), answer.end());
        const std::uint16_t check = Crc16(out.data(), out.size());
        out.push_back(static_cast<std::uint8_t>(check & 0xFF));
        out.push_back(static_cast<std::uint8_t>(check >> 8));
        if (fault.kind == Fault::Kind::BadCrc) out.back() ^= 0x5A;
        Send(master_, std::move(out), fault);
    }
}

void PlcSim::ServeTcp(TcpClient& client, bool& closed) {
    std::vector<std::uint8_t>& b = client.buffer;
    while (b.size() >= 7) {
        const int length = Be16(b.data() + 4);
        if (length < 2 || length > 254) {
            closed = true;  // no Modbus TCP peer
            return;
        }
        const std::size_t total = 6 + static_cast<std::size_t>(length);
        if (b.size() < total) return;
        const std::uint16_t transaction = Be16(b.data());
        const std::uint16_t protocol = Be16(b.data() + 2);
        const int unit = b[6];
        std::vector<std::uint8_t> pdu(b.begin() + 7,
                                      b.begin() + static_cast<std::ptrdiff_t>(total));
        b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(total));
        if (protocol != 0) continue;
        if (unit != options_.station && unit != 0 && unit != 255) continue;
        Fault fault;
        std::vector<std::uint8_t> answer = Handle(true, unit, pdu.data(), pdu.size(), fault);
        if (fault.kind == Fault::Kind::Hangup) {
            closed = true;
            return;
        }
        if (answer.empty()) continue;
        const std::uint16_t id = fault.kind == Fault::Kind::BadCrc
                                     ? static_cast<std::uint16_t>(transaction + 1)
                                     : transaction;
        const std::size_t size = answer.size() + 1;
        const int answerUnit = fault.kind == Fault::Kind::OtherStation ? (unit + 1) & 0xFF : unit;
        std::vector<std::uint8_t> out{
            static_cast<std::uint8_t>(id >> 8),
            static_cast<std::uint8_t>(id & 0xFF),
            0,
            fault.kind == Fault::Kind::OtherProtocol ? std::uint8_t{1} : std::uint8_t{0},
            static_cast<std::uint8_t>(size >> 8),
            static_cast<std::uint8_t>(size & 0xFF),
            static_cast<std::uint8_t>(answerUnit)};
        out.insert(out.end(), answer.begin(), answer.end());
        Send(client.fd, std::move(out), fault);
    }
}

std::vector<std::uint8_t> PlcSim::Handle(bool tcp, int unit, const std::uint8_t* pdu,
                                         std::size_t size, Fault& fault) {
    std::lock_guard lock(mutex_);
    LoggedRequest entry;
    entry.tcp = tcp;
    entry.unit = unit;
    entry.at = SteadyClock::now();
    if (size >= 1) entry.function = pdu[0];
    if (size >= 5) {
        entry.address = Be16(pdu + 1);
        entry.count = (entry.function == 5 || entry.function == 6) ? 1 : Be16(pdu + 3);
    }
    const bool broadcast = !tcp && unit == 0;
    if (!broadcast && !faults_.empty()) {
        fault = faults_.front();
        faults_.pop_front();
    }
    entry.fault = fault.kind;
    log_.push_back(entry);
    if (fault.kind == Fault::Kind::Silence || fault.kind == Fault::Kind::Hangup) return {};
    if (broadcast && entry.function != 5 && entry.function != 6 && entry.function != 15 &&
        entry.function != 16)
        return {};
    // A refused request is not carried out.
    std::vector<std::uint8_t> answer =
        fault.kind == Fault::Kind::Exception
            ? std::vector<std::uint8_t>{static_cast<std::uint8_t>(entry.function | 0x80),
                                        fault.exceptionCode}
            : memory_.Answer(pdu, size);
    // A write's echo repeats the address (bytes 1-2) and the value or quantity
    // (bytes 3-4) of the request; these faults change one of them.
    const bool echo =
        entry.function == 5 || entry.function == 6 || entry.function == 15 || entry.function == 16;
    if (echo && answer.size() == 5 && answer[0] == entry.function) {
        if (fault.kind == Fault::Kind::EchoAddress) {
            const int next = (Be16(&answer[1]) + 1) & 0xFFFF;
            answer[1] = static_cast<std::uint8_t>(next >> 8);
            answer[2] = static_cast<std::uint8_t>(next & 0xFF);
        } else if (fault.kind == Fault::Kind::EchoValue) {
            const int value = Be16(&answer[3]);
            const int other = value == 0xFF00 ? 0 : value == 0 ? 0xFF00 : (value + 1) & 0xFFFF;
            answer[3] = static_cast<std::uint8_t>(other >> 8);
            answer[4] = static_cast<std::uint8_t>(other & 0xFF);
        }
    }
    if (fault.kind == Fault::Kind::None && options_.answerDelay.count() > 0) {
        fault = Fault::Late(options_.answerDelay);
    }
    return answer;
}

void PlcSim::Send(int fd, std::vector<std::uint8_t> bytes, const Fault& fault) {
    if (fault.kind == Fault::Kind::Trickle) {
        auto due = SteadyClock::now();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            due += fault.delay;
            pending_.push_back({due, fd, {bytes[i]}, true, i + 1 == bytes.size()});
        }
        return;
    }
    if (fault.kind == Fault::Kind::Late) {
        pending_.push_back({SteadyClock::now() + fault.delay, fd, std::move(bytes)});
        return;
    }
    WriteAll(fd, bytes.data(), bytes.size(), fd != master_);
}

void PlcSim::Flush(SteadyClock::time_point now) {
    for (std::size_t i = 0; i < pending_.size();) {
        if (pending_[i].due <= now) {
            Pending p = std::move(pending_[i]);
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            // Counted before the byte goes out, so that a reader that has the
            // whole answer always finds the trickle completed.
            if (p.trickled) ++trickledBytes_;
            if (p.lastOfTrickle) ++tricklesCompleted_;
            WriteAll(p.fd, p.bytes.data(), p.bytes.size(), p.fd != master_);
        } else {
            ++i;
        }
    }
}

}  // namespace vx::plcsim
