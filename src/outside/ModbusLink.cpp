#include "outside/ModbusLink.h"

#include <modbus.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "outside/ModbusFrame.h"
#include "platform/SerialPortNames.h"

namespace vx {
namespace {

constexpr int kMaxReadBits = 2000;  // the protocol's limits per request
constexpr int kMaxReadWords = 125;
constexpr int kMaxWriteWords = 3;

constexpr ModbusArea kAreas[] = {
    // code, bits, write, function, base, readEntries, devices
    {2, true, false, 2, 0, 381, 378},                                                  // X
    {1, true, false, 1, 0, 10001, 10000},    {5, true, true, 5, 0, 10001, 10000},      // M
    {12, true, false, 1, 10000, 201, 200},   {14, true, true, 5, 10000, 201, 200},     // S
    {106, true, false, 1, 10400, 401, 400},  {110, true, true, 5, 10400, 401, 400},    // T
    {107, true, false, 1, 10800, 201, 200},  {111, true, true, 5, 10800, 201, 200},    // C
    {105, true, false, 1, 11000, 381, 378},  {109, true, true, 5, 11000, 381, 378},    // Y
    {3, false, false, 3, 0, 20001, 20001},   {16, false, true, 16, 0, 20001, 20001},   // D
    {4, false, false, 3, 21000, 401, 400},   {102, false, true, 16, 21000, 401, 400},  // T values
    {101, false, false, 3, 21500, 201, 200}, {103, false, true, 16, 21500, 201, 200},  // C values
};

modbus_t* Ctx(void* context) {
    return static_cast<modbus_t*>(context);
}

std::optional<int> TcpPortNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 65535) return std::nullopt;
    return value;
}

}  // namespace

std::optional<ModbusArea> AreaOfCode(int code) {
    for (const ModbusArea& area : kAreas) {
        if (area.code == code) return area;
    }
    return std::nullopt;
}

int BaudOfCode(int baudCode) {
    switch (baudCode) {
        case 6:
            return 9600;
        case 8:
            return 19200;
        case 9:
            return 38400;
        case 11:
            return 57600;
        case 12:
            return 115200;
        default:
            return 0;
    }
}

bool LinkReachesStation(int port, int station) {
    if (port == kTcpPort) return station >= 0 && station <= 255;
    return station >= 1 && station <= 255;
}

ModbusLink::ModbusLink() : ModbusLink(Timing{}) {}

ModbusLink::ModbusLink(Timing timing) : timing_(timing) {}

ModbusLink::~ModbusLink() {
    Close();
}

bool ModbusLink::Open(const LinkParameters& p) {
    Close();
    modbus_t* ctx = nullptr;
    if (p.port >= 0 && p.port < kTcpPort) {
        const int baud = BaudOfCode(p.baudCode);
        if (baud == 0 || !LinkReachesStation(p.port, p.station)) return false;
        char parity = 'N';
        int stopBits = 1;
        switch (p.frame) {
            case 0:
                parity = 'N', stopBits = 2;
                break;
            case 1:
                parity = 'O';
                break;
            case 2:
                parity = 'E';
                break;
            default:
                return false;
        }
        const std::string device = SerialPortPath(p.port);
        // Locked before libmodbus opens it: a port that another window or
        // program holds is left alone.
        if (!portLock_.Acquire(device)) return false;
        if (IsPseudoTerminal(device)) parity = 'N';
        ctx = modbus_new_rtu(device.c_str(), baud, parity, 8, stopBits);
    } else if (p.port == kTcpPort) {
        if (!LinkReachesStation(p.port, p.station) || p.tcpAddress.empty() ||
            !TcpPortNumber(p.tcpPort))
            return false;
        ctx = modbus_new_tcp_pi(p.tcpAddress.c_str(), p.tcpPort.c_str());
    } else {
        return false;
    }
    if (ctx == nullptr) {
        portLock_.Release();
        return false;
    }
    // No station is given to libmodbus: it sends none of the link's requests.
    if (modbus_connect(ctx) != 0) {
        modbus_free(ctx);
        portLock_.Release();
        return false;
    }
    const int stopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd < 0 || modbus_get_socket(ctx) < 0) {
        if (stopFd >= 0) ::close(stopFd);
        modbus_close(ctx);
        modbus_free(ctx);
        portLock_.Release();
        return false;
    }
    context_ = ctx;
    fd_ = modbus_get_socket(ctx);
    stopFd_ = stopFd;
    tcp_ = p.port == kTcpPort;
    station_ = p.station;
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        stop_ = false;
        pendingRead_.reset();
        answer_ = Answer{};
        answer_.tag = ++lastTag_;
    }
    worker_ = std::thread([this] { Run(); });
    return true;
}

void ModbusLink::Close() {
    {
        std::lock_guard lock(mutex_);
        if (!open_) return;
        open_ = false;
        stop_ = true;
    }
    // Ends the wait for an answer in flight, then the worker.
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopFd_, &one, sizeof one);
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
    {
        // Writers still waiting are told their write did not happen.
        std::lock_guard lock(mutex_);
        for (Write* w : writes_) {
            w->done = true;
            w->ok = false;
        }
        writes_.clear();
        pendingRead_.reset();
        answer_ = Answer{};
        answer_.tag = ++lastTag_;
    }
    doneCv_.notify_all();
    modbus_close(Ctx(context_));
    modbus_free(Ctx(context_));
    portLock_.Release();
    context_ = nullptr;
    fd_ = -1;
    ::close(stopFd_);
    stopFd_ = -1;
}

bool ModbusLink::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::uint64_t ModbusLink::RequestsSent() const {
    std::lock_guard lock(mutex_);
    return requestsSent_;
}

std::size_t ModbusLink::QueuedWrites() const {
    std::lock_guard lock(mutex_);
    return writes_.size();
}

void ModbusLink::ReadBits(int start, int count, int areaCode) {
    StartRead(true, start, count, areaCode);
}

void ModbusLink::ReadWords(int start, int count, int areaCode) {
    StartRead(false, start, count, areaCode);
}

void ModbusLink::StartRead(bool bits, int start, int count, int areaCode) {
    std::lock_guard lock(mutex_);
    // Whatever happens, this is now the last read: an older answer is stale.
    const std::uint64_t tag = ++lastTag_;
    pendingRead_.reset();
    answer_ = Answer{};
    answer_.tag = tag;
    const std::optional<ModbusArea> area = AreaOfCode(areaCode);
    if (!open_ || !area || area->write || area->bits != bits) return;
    if (count < 1 || count > (bits ? kMaxReadBits : kMaxReadWords)) return;
    if (start < 0 || start + count > area->readEntries) return;
    pendingRead_ =
        Read{tag, bits, count, modbus::ReadRequest(area->function, area->base + start, count)};
    wake_.notify_all();
}

bool ModbusLink::RetakeBits(std::uint8_t* destination, int count) {
    std::lock_guard lock(mutex_);
    Answer& a = answer_;
    if (!a.ready || a.taken || !a.bits || a.tag != lastTag_ || destination == nullptr ||
        count < 0 || static_cast<std::size_t>(count) > a.bitValues.size())
        return false;
    std::copy_n(a.bitValues.begin(), count, destination);
    a.taken = true;
    return true;
}

bool ModbusLink::RetakeWords(std::uint16_t* destination, int count) {
    std::lock_guard lock(mutex_);
    Answer& a = answer_;
    if (!a.ready || a.taken || a.bits || a.tag != lastTag_ || destination == nullptr || count < 0 ||
        static_cast<std::size_t>(count) > a.wordValues.size())
        return false;
    std::copy_n(a.wordValues.begin(), count, destination);
    a.taken = true;
    return true;
}

bool ModbusLink::WriteBit(int value, int address, int areaCode) {
    const std::optional<ModbusArea> area = AreaOfCode(areaCode);
    if (!area || !area->write || !area->bits) return false;
    if (value != 0 && value != 1 && value != 255) return false;
    if (address < 0 || address >= area->devices) return false;
    Write write;
    write.request = modbus::WriteCoilRequest(area->base + address, value != 0);
    return WriteAndWait(write);
}

bool ModbusLink::WriteWords(const std::uint16_t* source, int address, int count, int areaCode) {
    const std::optional<ModbusArea> area = AreaOfCode(areaCode);
    if (!area || !area->write || area->bits || source == nullptr) return false;
    if (count < 1 || count > kMaxWriteWords) return false;
    if (address < 0 || address + count > area->devices) return false;
    Write write;
    write.request = modbus::WriteRegistersRequest(
        area->base + address, std::vector<std::uint16_t>(source, source + count));
    return WriteAndWait(write);
}

bool ModbusLink::WriteAndWait(Write& write) {
    std::unique_lock lock(mutex_);
    if (!open_) return false;
    writes_.push_back(&write);
    wake_.notify_all();
    doneCv_.wait(lock, [&] { return write.done; });
    return write.ok;
}

void ModbusLink::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !writes_.empty() || pendingRead_.has_value(); });
        if (stop_) return;
        if (!writes_.empty()) {
            // Writes go before further reads; the read in flight has ended here.
            Write* write = writes_.front();
            writes_.pop_front();
            ++requestsSent_;
            lock.unlock();
            std::vector<std::uint8_t> echo;
            const bool ok = Transact(write->request, echo) == Outcome::Answered;
            lock.lock();
            write->ok = ok;
            write->done = true;
            doneCv_.notify_all();
            continue;
        }
        const Read read = *pendingRead_;
        pendingRead_.reset();
        ++requestsSent_;
        lock.unlock();
        std::vector<std::uint8_t> pdu;
        const bool ok = Transact(read.request, pdu) == Outcome::Answered;
        lock.lock();
        // Only the read asked last may deliver; an abandoned one is dropped.
        if (ok && read.tag == lastTag_) {
            Answer answer;
            answer.tag = read.tag;
            answer.bits = read.bits;
            answer.ready = true;
            if (read.bits) {
                answer.bitValues = modbus::AnswerBits(pdu, read.count);
            } else {
                answer.wordValues = modbus::AnswerWords(pdu, read.count);
            }
            answer_ = std::move(answer);
        }
    }
}

ModbusLink::Outcome ModbusLink::Transact(const std::vector<std::uint8_t>& request,
                                         std::vector<std::uint8_t>& answer) {
    const modbus::Transport transport = tcp_ ? modbus::Transport::Tcp : modbus::Transport::Rtu;
    const std::uint16_t transaction = ++transaction_;
    modbus_flush(Ctx(context_));  // what came after the last answer is no answer
    if (!Send(modbus::Frame(transport, station_, transaction, request))) {
        Quiet();
        return Outcome::Failed;
    }
    // The first byte within the response time-out, each further one within
    // the byte time-out, until the frame is whole.
    std::vector<std::uint8_t> frame;
    std::chrono::milliseconds timeout = timing_.response;
    int length = 0;
    while (length <= 0 || frame.size() < static_cast<std::size_t>(length)) {
        switch (WaitFor(POLLIN, timeout)) {
            case Wait::Ready:
                break;
            case Wait::Stopped:
                return Outcome::Stopped;
            case Wait::TimedOut:
            case Wait::Failed:
                Quiet();
                return Outcome::Failed;
        }
        // Never more than the frame: at first only what every answer begins with.
        std::uint8_t bytes[300];
        const std::size_t header = tcp_ ? 6 : 3;
        const std::size_t want = length > 0 ? static_cast<std::size_t>(length) - frame.size()
                                 : frame.size() < header ? header - frame.size()
                                                         : std::size_t{1};
        const ssize_t n = ::read(fd_, bytes, std::min(want, sizeof bytes));
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {  // the peer has gone, or the port with it
            Quiet();
            return Outcome::Failed;
        }
        frame.insert(frame.end(), bytes, bytes + n);
        timeout = timing_.byte;
        if (length == 0) {
            length = modbus::AnswerLength(transport, frame.data(), frame.size());
            if (length < 0) {
                Quiet();
                return Outcome::Failed;
            }
        }
    }
    std::optional<std::vector<std::uint8_t>> pdu =
        modbus::AnswerPdu(transport, station_, transaction, frame.data(), frame.size());
    if (!pdu) {  // damaged, or sent for another station or an earlier request
        Quiet();
        return Outcome::Failed;
    }
    if (modbus::CheckAnswer(request, *pdu) != modbus::AnswerCheck::Ok) return Outcome::Refused;
    answer = std::move(*pdu);
    return Outcome::Answered;
}

bool ModbusLink::Send(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        // A socket whose peer has gone must fail the send, not raise SIGPIPE.
        const ssize_t n = tcp_ ? ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL)
                               : ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN && WaitFor(POLLOUT, timing_.response) == Wait::Ready) continue;
        return false;
    }
    return true;
}

ModbusLink::Wait ModbusLink::WaitFor(short events, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        pollfd p[2] = {{fd_, events, 0}, {stopFd_, POLLIN, 0}};
        const int ready =
            ::poll(p, 2, static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, INT_MAX)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return Wait::Failed;
        if (p[1].revents != 0) return Wait::Stopped;
        if (ready == 0) return Wait::TimedOut;
        // A hang-up or error still lets what was sent before it be read.
        if ((p[0].revents & events) != 0) return Wait::Ready;
        return Wait::Failed;
    }
}

void ModbusLink::Quiet() {
    using Clock = std::chrono::steady_clock;
    const auto limit = Clock::now() + timing_.quietLimit;
    auto quietSince = Clock::now();
    std::uint8_t scrap[256];
    for (;;) {
        const auto now = Clock::now();
        if (now - quietSince >= timing_.quiet || now >= limit) return;
        const auto left = std::min(quietSince + timing_.quiet - now, limit - now);
        const Wait wait = WaitFor(POLLIN, std::chrono::ceil<std::chrono::milliseconds>(left));
        if (wait == Wait::TimedOut) continue;  // quiet at last
        if (wait != Wait::Ready) return;       // closing, or nothing more will come
        const ssize_t n = ::read(fd_, scrap, sizeof scrap);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            return;  // the peer has closed
        }
        quietSince = Clock::now();
    }
}

ModbusLink& TheModbusLink() {
    static ModbusLink link;
    return link;
}

bool Modbus_Link_Open(int baudCode, int port, int frame, int station, const std::string& tcpAddress,
                      const std::string& tcpPort) {
    return TheModbusLink().Open({baudCode, port, frame, station, tcpAddress, tcpPort});
}

void Modbus_LinkClose() {
    TheModbusLink().Close();
}

void Modbus_Read_B_relay(int start, int count, int areaCode) {
    TheModbusLink().ReadBits(start, count, areaCode);
}

void Modbus_Read_W_register(int start, int count, int areaCode) {
    TheModbusLink().ReadWords(start, count, areaCode);
}

bool Modbus_Retake_B_data(std::uint8_t* destination, int count) {
    return TheModbusLink().RetakeBits(destination, count);
}

bool Modbus_Retake_W_data(std::uint16_t* destination, int count) {
    return TheModbusLink().RetakeWords(destination, count);
}

bool Modbus_Write_B_relay(int value, int address, int areaCode) {
    return TheModbusLink().WriteBit(value, address, areaCode);
}

bool Modbus_Write_W_register(const std::uint16_t* source, int address, int count, int areaCode) {
    return TheModbusLink().WriteWords(source, address, count, areaCode);
}

}  // namespace vx
