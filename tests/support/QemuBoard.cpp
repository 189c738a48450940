#include "support/QemuBoard.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/Launcher.h"

namespace vx::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr const char* kQemu = "qemu-system-arm";
constexpr std::size_t kMemoryChunk = 512;  // bytes per m/M packet, well below the stub's limit

std::uint16_t Le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      static_cast<std::uint8_t>(b[at + 1]) << 8);
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(Le16(b, at)) | static_cast<std::uint32_t>(Le16(b, at + 2))
                                                         << 16;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A free TCP port on the loopback address (qemu binds it right after).
int FreePort() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0) return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &length) == 0)
        port = ntohs(a.sin_port);
    close(s);
    return port;
}

std::string ReadLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The pseudo-terminal qemu names on its output, empty while none.
std::string PtyOf(const std::string& log) {
    const std::string mark = "char device redirected to ";
    const std::size_t at = log.find(mark);
    if (at == std::string::npos) return {};
    const std::size_t from = at + mark.size();
    const std::size_t end = log.find_first_of(" \t\r\n", from);
    if (end == std::string::npos) return {};  // the line is not complete yet
    return log.substr(from, end - from);
}

}  // namespace

std::map<std::string, ElfSymbol> ReadElfSymbols(const std::string& path) {
    std::map<std::string, ElfSymbol> symbols;
    std::ifstream in(path, std::ios::binary);
    const std::string b(std::istreambuf_iterator<char>(in), {});
    // ELF32, little endian.
    if (b.size() < 52 ||
        b.compare(0, 4,
                  "\x7f"
                  "ELF") != 0 ||
        b[4] != 1 || b[5] != 1)
        return symbols;
    const std::uint32_t sectionTable = Le32(b, 32);
    const std::uint16_t entrySize = Le16(b, 46), sections = Le16(b, 48);
    if (entrySize < 40 || sectionTable + std::uint64_t{entrySize} * sections > b.size())
        return symbols;
    std::map<std::string, bool> global;
    for (std::uint16_t i = 0; i < sections; ++i) {
        const std::size_t h = sectionTable + std::size_t{entrySize} * i;
        if (Le32(b, h + 4) != 2) continue;  // SHT_SYMTAB
        const std::uint32_t offset = Le32(b, h + 16), size = Le32(b, h + 20);
        const std::uint32_t link = Le32(b, h + 24);
        if (link >= sections || offset + std::uint64_t{size} > b.size()) continue;
        const std::size_t s = sectionTable + std::size_t{entrySize} * link;
        const std::uint32_t names = Le32(b, s + 16), namesSize = Le32(b, s + 20);
        if (names + std::uint64_t{namesSize} > b.size()) continue;
        for (std::uint32_t e = offset; e + 16 <= offset + size; e += 16) {
            const std::uint32_t name = Le32(b, e);
            const auto info = static_cast<std::uint8_t>(b[e + 12]);
            const int type = info & 15, bind = info >> 4;
            if (name == 0 || name >= namesSize || Le16(b, e + 14) == 0) continue;  // undefined
            if (type != 0 && type != 1 && type != 2) continue;  // NOTYPE, OBJECT, FUNC only
            const std::size_t end = b.find('\0', names + name);
            if (end == std::string::npos) continue;
            const std::string text = b.substr(names + name, end - names - name);
            const bool isGlobal = bind != 0;
            auto found = symbols.find(text);
            if (found != symbols.end() && (global[text] || !isGlobal)) continue;
            ElfSymbol symbol;
            symbol.function = type == 2;
            symbol.address = Le32(b, e + 4) & (symbol.function ? ~1u : ~0u);
            symbol.size = Le32(b, e + 8);
            symbols[text] = symbol;
            global[text] = isGlobal;
        }
    }
    return symbols;
}

bool QemuBoard::Available() {
    return !FindExecutable(kQemu).empty();
}

QemuBoard::~QemuBoard() {
    Stop();
}

bool QemuBoard::Fail(const std::string& text) {
    error_ = text;
    return false;
}

bool QemuBoard::Start(const std::string& imagePath, const Options& options) {
    Stop();
    options_ = options;
    error_.clear();
    const std::string qemu = FindExecutable(kQemu);
    if (qemu.empty()) return Fail("qemu-system-arm is not on PATH");
    if (access(imagePath.c_str(), R_OK) != 0) return Fail("no image " + imagePath);
    std::string elf = options.elfPath;
    if (elf.empty()) {
        const std::size_t slash = imagePath.rfind('/');
        elf = (slash == std::string::npos ? std::string() : imagePath.substr(0, slash + 1)) +
              "plc.elf";
    }
    symbols_ = ReadElfSymbols(elf);
    if (symbols_.empty()) return Fail("no symbols in " + elf);

    char logTemplate[] = "/tmp/vx-qemu-XXXXXX";
    const int logFd = mkstemp(logTemplate);
    if (logFd < 0) return Fail("cannot make qemu's log file");
    logPath_ = logTemplate;

    // A port found free may be taken before qemu binds it: try a few.
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = FreePort();
        if (port_ == 0) break;
        const std::string gdb = "tcp:127.0.0.1:" + std::to_string(port_);
        std::vector<std::string> args = {
            qemu,       "-M",      options.machine, "-nographic",
            "-monitor", "none",    "-serial",       options.serialPty ? "pty" : "none",
            "-kernel",  imagePath, "-gdb",          gdb,
            "-S"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (ftruncate(logFd, 0) != 0) break;
        const pid_t parent = getpid();
        const pid_t pid = fork();
        if (pid < 0) break;
        if (pid == 0) {
            // Dies with the test process; nothing on the terminal.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent) _exit(127);
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(logFd, 1);  // the pseudo-terminal's name comes on standard output
            dup2(logFd, 2);
            execv(argv[0], argv.data());
            _exit(127);
        }
        pid_ = pid;

        const auto deadline = Clock::now() + options.timeout;
        bool exited = false;
        while (Clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                exited = true;
                break;
            }
            if (options.serialPty && serialDevice_.empty())
                serialDevice_ = PtyOf(ReadLog(logPath_));
            if ((!options.serialPty || !serialDevice_.empty()) && Connect()) break;
            std::this_thread::sleep_for(milliseconds(10));
        }
        if (exited) {
            const std::string log = ReadLog(logPath_);
            serialDevice_.clear();
            if (log.find("ddress already in use") != std::string::npos) continue;
            close(logFd);
            return Fail("qemu ended at start: " + log);
        }
        close(logFd);
        if (socket_ < 0) {
            const std::string log = ReadLog(logPath_);
            Stop();
            return Fail("qemu's GDB stub or serial port did not appear in time: " + log);
        }
        if (options.serialPty) {
            serialHolder_ = open(serialDevice_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (serialHolder_ < 0) {
                Stop();
                return Fail("cannot open the serial port's pseudo-terminal");
            }
        }
        // The board waits, frozen at reset.
        const auto reply = Request("?");
        if (!reply || reply->empty() || ((*reply)[0] != 'T' && (*reply)[0] != 'S')) {
            Stop();
            return Fail("qemu's GDB stub does not answer");
        }
        running_ = false;
        return true;
    }
    close(logFd);
    Stop();
    return Fail("no free port for qemu's GDB stub");
}

void QemuBoard::Stop() {
    if (socket_ >= 0) {
        close(socket_);
        socket_ = -1;
    }
    if (serialHolder_ >= 0) {
        close(serialHolder_);
        serialHolder_ = -1;
    }
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    if (!logPath_.empty()) {
        unlink(logPath_.c_str());
        logPath_.clear();
    }
    running_ = false;
    inbox_.clear();
    serialDevice_.clear();
}

bool QemuBoard::Connect() {
    const int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port_));
    if (connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(s);
        return false;
    }
    const int one = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    socket_ = s;
    return true;
}

bool QemuBoard::SendRaw(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(socket_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail("the GDB connection broke");
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool QemuBoard::SendPacket(const std::string& data) {
    if (socket_ < 0) return Fail("the board is not started");
    unsigned sum = 0;
    for (char c : data)
        sum += static_cast<std::uint8_t>(c);
    char tail[4];
    std::snprintf(tail, sizeof tail, "#%02x", sum & 0xFF);
    const std::string packet = "$" + data + tail;
    for (int tries = 0; tries < 3; ++tries) {
        if (!SendRaw(packet)) return false;
        // The acknowledgement.
        const auto deadline = Clock::now() + options_.timeout;
        while (true) {
            if (!inbox_.empty()) {
                const char c = inbox_[0];
                if (c == '+') {
                    inbox_.erase(0, 1);
                    return true;
                }
                if (c == '-') {
                    inbox_.erase(0, 1);
                    break;  // send again
                }
                return true;  // a packet without an ack before it: take it as acknowledged
            }
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return Fail("no acknowledgement of " + data);
            pollfd p{socket_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
            char buffer[4096];
            const ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
            if (n <= 0) return Fail("the GDB connection broke");
            inbox_.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return Fail("the GDB stub refused " + data);
}

std::optional<std::string> QemuBoard::ReceivePacket(milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (true) {
        // Stray acknowledgements before a packet are dropped.
        const std::size_t start = inbox_.find('$');
        if (start != std::string::npos) {
            const std::size_t hash = inbox_.find('#', start);
            if (hash != std::string::npos && hash + 2 < inbox_.size()) {
                const std::string body = inbox_.substr(start + 1, hash - start - 1);
                inbox_.erase(0, hash + 3);
                if (!SendRaw("+")) return std::nullopt;
                // Escapes and run lengths.
                std::string out;
                for (std::size_t i = 0; i < body.size(); ++i) {
                    if (body[i] == '}' && i + 1 < body.size()) {
                        out += static_cast<char>(body[++i] ^ 0x20);
                    } else if (body[i] == '*' && i + 1 < body.size() && !out.empty()) {
                        out.append(static_cast<std::size_t>(body[++i] - 29), out.back());
                    } else {
                        out += body[i];
                    }
                }
                return out;
            }
        }
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            Fail("no reply from the GDB stub in time");
            return std::nullopt;
        }
        pollfd p{socket_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
        char buffer[4096];
        const ssize_t n = recv(socket_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            Fail("the GDB connection broke");
            return std::nullopt;
        }
        inbox_.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> QemuBoard::Request(const std::string& packet) {
    if (!SendPacket(packet)) return std::nullopt;
    return ReceivePacket(options_.timeout);
}

bool QemuBoard::Halt() {
    if (!running_) return true;
    if (!SendRaw("\x03")) return false;
    const auto reply = ReceivePacket(options_.timeout);
    if (!reply) return false;
    running_ = false;
    return !reply->empty() && ((*reply)[0] == 'T' || (*reply)[0] == 'S');
}

bool QemuBoard::Continue() {
    if (running_) return true;
    if (!SendPacket("c")) return false;
    running_ = true;
    return true;
}

bool QemuBoard::WaitForStop() {
    if (!running_) return true;
    const auto reply = ReceivePacket(options_.timeout);
    if (!reply) {
        Halt();
        return Fail("the board did not stop in time");
    }
    running_ = false;
    if (reply->empty() || ((*reply)[0] != 'T' && (*reply)[0] != 'S'))
        return Fail("unexpected stop reply " + *reply);
    return true;
}

bool QemuBoard::InsertBreakpoint(std::uint32_t address, bool hardware) {
    const auto paused = Pause();
    if (!paused) return false;
    const auto reply = Request(std::string(hardware ? "Z1," : "Z0,") + Hex(address) + ",2");
    if (!Resume(*paused)) return false;
    if (!reply || *reply != "OK") return Fail("breakpoint refused at 0x" + Hex(address));
    return true;
}

bool QemuBoard::RemoveBreakpoint(std::uint32_t address, bool hardware) {
    const auto paused = Pause();
    if (!paused) return false;
    const auto reply = Request(std::string(hardware ? "z1," : "z0,") + Hex(address) + ",2");
    if (!Resume(*paused)) return false;
    return reply && *reply == "OK";
}

bool QemuBoard::RunUntil(const std::string& function, int count, bool hardware) {
    const auto symbol = Symbol(function);
    if (!symbol) return Fail("no symbol " + function);
    if (!Halt()) return false;
    for (int i = 0; i < count; ++i) {
        // Leave the function's entry before its breakpoint goes in again: run
        // to its return address. (A single step would not do: a timer
        // interrupt due at that moment takes the step into its handler, and
        // the breakpoint would hit again at once on the way back.)
        if (i > 0) {
            // All registers: r0-r15, eight hex digits each, lr is r14.
            const auto regs = Request("g");
            if (!regs || regs->size() < 16 * 8) return Fail("registers unreadable");
            std::uint32_t back = 0;
            for (int b = 3; b >= 0; --b) {
                const std::size_t at = 14 * 8 + 2 * static_cast<std::size_t>(b);
                const int hi = HexDigit((*regs)[at]), lo = HexDigit((*regs)[at + 1]);
                if (hi < 0 || lo < 0) return Fail("registers unreadable");
                back = (back << 8) | static_cast<std::uint32_t>(hi * 16 + lo);
            }
            back &= ~1u;
            if (!InsertBreakpoint(back, true)) return false;
            const bool returned = Continue() && WaitForStop();
            RemoveBreakpoint(back, true);
            if (!returned) return false;
        }
        if (!InsertBreakpoint(symbol->address, hardware)) return false;
        const bool ok = Continue() && WaitForStop();
        RemoveBreakpoint(symbol->address, hardware);
        if (!ok) return false;
    }
    return true;
}

std::optional<bool> QemuBoard::Pause() {
    const bool was = running_;
    if (!Halt()) return std::nullopt;
    return was;
}

bool QemuBoard::Resume(bool wasRunning) {
    return !wasRunning || Continue();
}

std::optional<std::vector<std::uint8_t>> QemuBoard::ReadMemory(std::uint32_t address,
                                                               std::size_t size) {
    const auto paused = Pause();
    if (!paused) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bool ok = true;
    while (ok && bytes.size() < size) {
        const std::size_t n = std::min(kMemoryChunk, size - bytes.size());
        const auto at = address + static_cast<std::uint32_t>(bytes.size());
        const auto reply = Request("m" + Hex(at) + "," + Hex(static_cast<std::uint32_t>(n)));
        if (!reply || reply->size() != 2 * n) {
            ok = Fail("memory read refused at 0x" + Hex(at));
            break;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const int hi = HexDigit((*reply)[2 * i]), lo = HexDigit((*reply)[2 * i + 1]);
            if (hi < 0 || lo < 0) {
                ok = Fail("bad memory reply");
                break;
            }
            bytes.push_back(static_cast<std::uint8_t>(hi << 4 | lo));
        }
    }
    if (!Resume(*paused) || !ok) return std::nullopt;
    return bytes;
}

bool QemuBoard::WriteMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    const auto paused = Pause();
    if (!paused) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size(); done += kMemoryChunk) {
        const std::size_t n = std::min(kMemoryChunk, bytes.size() - done);
        const std::vector<std::uint8_t> part(bytes.begin() + static_cast<std::ptrdiff_t>(done),
                                             bytes.begin() + static_cast<std::ptrdiff_t>(done + n));
        const auto at = address + static_cast<std::uint32_t>(done);
        const auto reply = Request("M" + Hex(at) + "," + Hex(static_cast<std::uint32_t>(n)) + ":" +
                                   HexBytes(part));
        if (!reply || *reply != "OK") ok = Fail("memory write refused at 0x" + Hex(at));
    }
    return Resume(*paused) && ok;
}

std::optional<std::uint32_t> QemuBoard::ReadWord32(std::uint32_t address) {
    const auto bytes = ReadMemory(address, 4);
    if (!bytes) return std::nullopt;
    const auto& b = *bytes;
    return static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | b[3] << 24);
}

std::optional<ElfSymbol> QemuBoard::Symbol(const std::string& name) const {
    const auto found = symbols_.find(name);
    if (found == symbols_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::uint32_t> QemuBoard::ElementAddress(const std::string& name, std::uint32_t index,
                                                       std::uint32_t width) {
    const auto symbol = Symbol(name);
    if (!symbol) {
        Fail("no symbol " + name);
        return std::nullopt;
    }
    if (std::uint64_t{index + 1ull} * width > symbol->size) {
        Fail(name + "[" + std::to_string(index) + "] is outside the symbol");
        return std::nullopt;
    }
    return symbol->address + index * width;
}

std::optional<std::uint8_t> QemuBoard::Byte(const std::string& name, std::uint32_t index) {
    const auto address = ElementAddress(name, index, 1);
    if (!address) return std::nullopt;
    const auto bytes = ReadMemory(*address, 1);
    if (!bytes) return std::nullopt;
    return (*bytes)[0];
}

bool QemuBoard::SetByte(const std::string& name, std::uint32_t index, std::uint8_t value) {
    const auto address = ElementAddress(name, index, 1);
    return address && WriteMemory(*address, {value});
}

std::optional<std::uint16_t> QemuBoard::Word(const std::string& name, std::uint32_t index) {
    const auto address = ElementAddress(name, index, 2);
    if (!address) return std::nullopt;
    const auto bytes = ReadMemory(*address, 2);
    if (!bytes) return std::nullopt;
    return static_cast<std::uint16_t>((*bytes)[0] | (*bytes)[1] << 8);
}

bool QemuBoard::SetWord(const std::string& name, std::uint32_t index, std::uint16_t value) {
    const auto address = ElementAddress(name, index, 2);
    return address && WriteMemory(*address, {static_cast<std::uint8_t>(value & 0xFF),
                                             static_cast<std::uint8_t>(value >> 8)});
}

std::optional<std::uint32_t> QemuBoard::Word32(const std::string& name, std::uint32_t index) {
    const auto address = ElementAddress(name, index, 4);
    if (!address) return std::nullopt;
    return ReadWord32(*address);
}

}  // namespace vx::test
