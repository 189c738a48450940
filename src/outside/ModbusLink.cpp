#include "outside/ModbusLink.h"

#include <modbus.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

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

bool IsExceptionReply(int error) {
    return error >= EMBXILFUN && error <= EMBXGTAR;
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

void SetTimeout(modbus_t* ctx, int (*setter)(modbus_t*, std::uint32_t, std::uint32_t),
                std::chrono::milliseconds timeout) {
    const auto ms = std::max<std::int64_t>(1, timeout.count());
    setter(ctx, static_cast<std::uint32_t>(ms / 1000),
           static_cast<std::uint32_t>(ms % 1000 * 1000));
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
        if (baud == 0 || p.station < 1 || p.station > 247) return false;
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
        ctx = modbus_new_rtu(SerialPortPath(p.port).c_str(), baud, parity, 8, stopBits);
    } else if (p.port == kTcpPort) {
        if (p.station < 0 || p.station > 255 || p.tcpAddress.empty() || !TcpPortNumber(p.tcpPort))
            return false;
        ctx = modbus_new_tcp_pi(p.tcpAddress.c_str(), p.tcpPort.c_str());
    } else {
        return false;
    }
    if (ctx == nullptr) return false;
    modbus_set_error_recovery(ctx, MODBUS_ERROR_RECOVERY_NONE);
    SetTimeout(ctx, modbus_set_response_timeout, timing_.response);
    SetTimeout(ctx, modbus_set_byte_timeout, timing_.byte);
    if (modbus_set_slave(ctx, p.station) != 0 || modbus_connect(ctx) != 0) {
        modbus_free(ctx);
        return false;
    }
    context_ = ctx;
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
    context_ = nullptr;
}

bool ModbusLink::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

std::uint64_t ModbusLink::RequestsSent() const {
    std::lock_guard lock(mutex_);
    return requestsSent_;
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
    pendingRead_ = Read{tag, bits, area->function, area->base + start, count};
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
    write.bits = true;
    write.address = area->base + address;
    write.words = {static_cast<std::uint16_t>(value != 0 ? 1 : 0)};
    return WriteAndWait(write);
}

bool ModbusLink::WriteWords(const std::uint16_t* source, int address, int count, int areaCode) {
    const std::optional<ModbusArea> area = AreaOfCode(areaCode);
    if (!area || !area->write || area->bits || source == nullptr) return false;
    if (count < 1 || count > kMaxWriteWords) return false;
    if (address < 0 || address + count > area->devices) return false;
    Write write;
    write.address = area->base + address;
    write.words.assign(source, source + count);
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
            const bool ok = Exchange(*write);
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
        Answer answer;
        answer.tag = read.tag;
        answer.bits = read.bits;
        const bool ok = Exchange(read, answer);
        lock.lock();
        // Only the read asked last may deliver; an abandoned one is dropped.
        if (ok && read.tag == lastTag_) {
            answer.ready = true;
            answer_ = std::move(answer);
        }
    }
}

bool ModbusLink::Exchange(const Read& read, Answer& answer) {
    modbus_t* ctx = Ctx(context_);
    modbus_flush(ctx);
    int rc = -1;
    if (read.bits) {
        answer.bitValues.assign(static_cast<std::size_t>(read.count), 0);
        rc = read.function == 2
                 ? modbus_read_input_bits(ctx, read.address, read.count, answer.bitValues.data())
                 : modbus_read_bits(ctx, read.address, read.count, answer.bitValues.data());
    } else {
        answer.wordValues.assign(static_cast<std::size_t>(read.count), 0);
        rc = modbus_read_registers(ctx, read.address, read.count, answer.wordValues.data());
    }
    if (rc == read.count) return true;
    if (rc < 0 && !IsExceptionReply(errno)) Quiet();
    return false;
}

bool ModbusLink::Exchange(Write& write) {
    modbus_t* ctx = Ctx(context_);
    modbus_flush(ctx);
    const int count = static_cast<int>(write.words.size());
    const int rc = write.bits
                       ? modbus_write_bit(ctx, write.address, write.words[0] != 0 ? 1 : 0)
                       : modbus_write_registers(ctx, write.address, count, write.words.data());
    if (rc == (write.bits ? 1 : count)) return true;
    if (rc < 0 && !IsExceptionReply(errno)) Quiet();
    return false;
}

void ModbusLink::Quiet() {
    const int fd = modbus_get_socket(Ctx(context_));
    if (fd < 0) return;
    using Clock = std::chrono::steady_clock;
    const auto limit = Clock::now() + timing_.quietLimit;
    auto quietSince = Clock::now();
    std::uint8_t scrap[256];
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stop_) return;
        }
        const auto now = Clock::now();
        if (now - quietSince >= timing_.quiet || now >= limit) return;
        // Short slices, so that a close is not held up.
        const auto left = std::min({quietSince + timing_.quiet - now, limit - now,
                                    Clock::duration(std::chrono::milliseconds(20))});
        const int wait =
            static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, std::max(wait, 1));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return;
        if (ready == 0) continue;
        if ((p.revents & POLLIN) == 0) return;  // hang-up or error: nothing more will come
        const ssize_t n = ::read(fd, scrap, sizeof scrap);
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
