#include "bootsim/BootChip.h"

#include <algorithm>

namespace vx::bootsim {
namespace {

std::vector<std::uint32_t> Pages(int count, std::uint32_t size) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(count), size);
}

std::vector<std::uint32_t> F2F4Sectors() {
    std::vector<std::uint32_t> sectors{16 * 1024, 16 * 1024, 16 * 1024, 16 * 1024, 64 * 1024};
    for (int i = 0; i < 7; ++i)
        sectors.push_back(128 * 1024);
    return sectors;
}

std::uint8_t XorOf(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < count; ++i)
        x ^= bytes[i];
    return x;
}

bool Inside(std::uint32_t address, std::uint32_t length, std::uint32_t base, std::uint32_t size) {
    if (size == 0 || address < base) return false;
    const std::uint64_t end = static_cast<std::uint64_t>(address) + length;
    return end <= static_cast<std::uint64_t>(base) + size;
}

}  // namespace

ChipProfile ChipProfile::F10x() {
    ChipProfile p;
    p.name = "f10x";
    p.productId = 0x0414;
    p.bootVersion = 0x22;
    p.extendedErase = false;
    p.eraseUnits = Pages(256, 2048);
    p.ramSize = 64 * 1024;
    p.systemBase = 0x1FFFF000;
    p.systemSize = 0x800;
    p.optionBase = 0x1FFFF800;
    return p;
}

ChipProfile ChipProfile::F20x() {
    ChipProfile p;
    p.name = "f20x";
    p.productId = 0x0411;
    p.bootVersion = 0x20;
    p.extendedErase = true;
    p.eraseUnits = F2F4Sectors();
    p.ramSize = 128 * 1024;
    p.systemBase = 0x1FFF0000;
    p.systemSize = 0x7800;
    p.optionBase = 0x1FFFC000;
    return p;
}

ChipProfile ChipProfile::F40x() {
    ChipProfile p = F20x();
    p.name = "f40x";
    p.productId = 0x0413;
    p.bootVersion = 0x31;
    return p;
}

ChipProfile ChipProfile::Named(const std::string& name) {
    if (name == "f20x") return F20x();
    if (name == "f40x") return F40x();
    return F10x();
}

std::uint32_t ChipProfile::FlashSize() const {
    std::uint32_t size = 0;
    for (std::uint32_t unit : eraseUnits)
        size += unit;
    return size;
}

BootChip::BootChip(ChipProfile profile)
    : profile_(std::move(profile)),
      flash_(profile_.FlashSize(), 0xFF),
      ram_(profile_.ramSize, 0),
      system_(profile_.systemSize, 0),
      options_(profile_.optionSize, 0xFF) {
    // Something recognisable in the boot loader's ROM, and the flash size in
    // KB where an F10x keeps it.
    for (std::size_t i = 0; i < system_.size(); ++i)
        system_[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const std::uint32_t sizeRegister = 0x1FFFF7E0;
    if (Inside(sizeRegister, 2, profile_.systemBase, profile_.systemSize)) {
        const std::uint32_t kb = profile_.FlashSize() / 1024;
        system_[sizeRegister - profile_.systemBase] = static_cast<std::uint8_t>(kb);
        system_[sizeRegister - profile_.systemBase + 1] = static_cast<std::uint8_t>(kb >> 8);
    }
    // Option bytes as delivered: read protection off (0xA5 and its complement).
    if (options_.size() >= 2) {
        options_[0] = 0xA5;
        options_[1] = 0x5A;
    }
}

std::vector<std::uint8_t> BootChip::TakeOutput() {
    std::vector<std::uint8_t> out;
    out.swap(output_);
    return out;
}

std::vector<std::uint8_t> BootChip::TakeStrayOutput() {
    std::vector<std::uint8_t> out;
    out.swap(stray_);
    return out;
}

void BootChip::ArmFaults(std::uint8_t command) {
    const int taken = ++commandsTaken_[command];
    for (const LineFault& fault : faults_) {
        if (fault.command != command || fault.occurrence != taken) continue;
        if (fault.strayAck) stray_.push_back(kAck);
        if (fault.strayNack) stray_.push_back(kNack);
        if (fault.damagedByte >= 0) damageIn_ = fault.damagedByte;
        if (fault.damagedAnswerByte >= 0) answerDamageIn_ = fault.damagedAnswerByte;
    }
}

void BootChip::Send(std::uint8_t byte) {
    if (silent_) return;
    if (answerDamageIn_ == 0) byte ^= 0x01;
    if (answerDamageIn_ >= 0) --answerDamageIn_;
    output_.push_back(byte);
}

void BootChip::Send(const std::vector<std::uint8_t>& bytes) {
    for (std::uint8_t b : bytes)
        Send(b);
}

void BootChip::Nack() {
    Send(kNack);
    step_ = Step::Command;
}

void BootChip::Boot() {
    mode_ = ChipMode::WaitSync;
    step_ = Step::Command;
    frame_.clear();
    Send(bootNoise_);
}

void BootChip::SetReset(bool held) {
    if (held) {
        resetHeld_ = true;
        mode_ = ChipMode::Running;  // deaf while held
        return;
    }
    if (!resetHeld_) return;
    resetHeld_ = false;
    if (boot0_) {
        Boot();
    } else {
        mode_ = ChipMode::Running;
    }
}

void BootChip::EraseAll() {
    std::fill(flash_.begin(), flash_.end(), 0xFF);
    unitsErased_ += static_cast<int>(profile_.eraseUnits.size());
}

std::vector<std::uint8_t> BootChip::Commands() const {
    return {0x00,
            0x01,
            0x02,
            0x11,
            0x21,
            0x31,
            static_cast<std::uint8_t>(profile_.extendedErase ? 0x44 : 0x43),
            0x63,
            0x73,
            0x82,
            0x92};
}

bool BootChip::InFlash(std::uint32_t address, std::uint32_t length) const {
    return Inside(address, length, profile_.flashBase, static_cast<std::uint32_t>(flash_.size()));
}

bool BootChip::InRam(std::uint32_t address, std::uint32_t length) const {
    return Inside(address, length, profile_.ramBase, profile_.ramSize);
}

bool BootChip::Readable(std::uint32_t address, std::uint32_t length) const {
    return InFlash(address, length) || InRam(address, length) ||
           Inside(address, length, profile_.systemBase, profile_.systemSize) ||
           Inside(address, length, profile_.optionBase, profile_.optionSize);
}

bool BootChip::Writable(std::uint32_t address, std::uint32_t length) const {
    return InFlash(address, length) || InRam(address, length);
}

std::uint8_t BootChip::ReadByte(std::uint32_t address) const {
    if (InFlash(address, 1)) return flash_[address - profile_.flashBase];
    if (InRam(address, 1)) return ram_[address - profile_.ramBase];
    if (Inside(address, 1, profile_.systemBase, profile_.systemSize))
        return system_[address - profile_.systemBase];
    return options_[address - profile_.optionBase];
}

bool BootChip::EraseUnit(std::size_t unit) {
    if (unit >= profile_.eraseUnits.size()) return false;
    std::size_t offset = 0;
    for (std::size_t i = 0; i < unit; ++i)
        offset += profile_.eraseUnits[i];
    std::fill_n(flash_.begin() + static_cast<std::ptrdiff_t>(offset), profile_.eraseUnits[unit],
                0xFF);
    ++unitsErased_;
    return true;
}

void BootChip::ResetAfterCommand() {
    // The option-byte commands end in a system reset; BOOT0 is still high, so
    // the boot loader starts again and waits for 0x7F.
    Boot();
}

void BootChip::Receive(std::uint8_t byte) {
    if (damageIn_ == 0) byte ^= 0x01;
    if (damageIn_ >= 0) --damageIn_;
    if (mode_ == ChipMode::Running) return;
    if (mode_ == ChipMode::WaitSync) {
        // Only the synchronisation byte lets the boot loader find the rate.
        if (byte == 0x7F) {
            Send(kAck);
            mode_ = ChipMode::BootLoader;
            step_ = Step::Command;
        }
        return;
    }
    switch (step_) {
        case Step::Command:
            command_ = byte;
            step_ = Step::Complement;
            return;
        case Step::Complement:
            step_ = Step::Command;
            if (byte != static_cast<std::uint8_t>(command_ ^ 0xFF)) {
                Nack();
                return;
            }
            ArmFaults(command_);
            Dispatch(command_);
            return;
        case Step::Address:
            frame_.push_back(byte);
            if (frame_.size() < 5) return;
            if (XorOf(frame_.data(), 4) != frame_[4]) {
                Nack();
                return;
            }
            address_ = static_cast<std::uint32_t>(frame_[0]) << 24 |
                       static_cast<std::uint32_t>(frame_[1]) << 16 |
                       static_cast<std::uint32_t>(frame_[2]) << 8 | frame_[3];
            AddressDone();
            return;
        case Step::ReadLength:
            frame_.push_back(byte);
            if (frame_.size() < 2) return;
            ReadLengthDone();
            return;
        case Step::WriteLength:
            count_ = byte;
            frame_.clear();
            frameWanted_ = static_cast<std::size_t>(count_) + 2;  // the bytes and the checksum
            step_ = Step::WriteData;
            return;
        case Step::WriteData:
            frame_.push_back(byte);
            if (frame_.size() < frameWanted_) return;
            WriteDone();
            return;
        case Step::EraseCount:
            frame_.push_back(byte);
            if (profile_.extendedErase) {
                if (frame_.size() < 2) return;
                count_ = static_cast<std::uint16_t>(frame_[0] << 8 | frame_[1]);
                specialErase_ = count_ >= 0xFFF0;
                frameWanted_ = specialErase_ ? 1 : (static_cast<std::size_t>(count_) + 1) * 2 + 1;
            } else {
                count_ = frame_[0];
                specialErase_ = count_ == 0xFF;
                frameWanted_ = specialErase_ ? 1 : static_cast<std::size_t>(count_) + 2;
            }
            headXor_ = XorOf(frame_.data(), frame_.size());
            frame_.clear();
            step_ = Step::EraseList;
            return;
        case Step::EraseList:
            frame_.push_back(byte);
            if (frame_.size() < frameWanted_) return;
            EraseDone();
            return;
        case Step::ProtectCount:
            count_ = byte;
            headXor_ = byte;
            frame_.clear();
            frameWanted_ = static_cast<std::size_t>(count_) + 2;
            step_ = Step::ProtectList;
            return;
        case Step::ProtectList:
            frame_.push_back(byte);
            if (frame_.size() < frameWanted_) return;
            ProtectDone();
            return;
    }
}

void BootChip::Dispatch(std::uint8_t command) {
    frame_.clear();
    switch (command) {
        case 0x00: {  // Get
            std::vector<std::uint8_t> commands = Commands();
            Send(kAck);
            Send(static_cast<std::uint8_t>(commands.size()));  // bytes that follow, less one
            Send(profile_.bootVersion);
            Send(commands);
            Send(kAck);
            return;
        }
        case 0x01:  // Get Version and Read Protection Status
            Send({kAck, profile_.bootVersion, 0x00, 0x00, kAck});
            return;
        case 0x02:  // Get ID
            Send({kAck, 0x01, static_cast<std::uint8_t>(profile_.productId >> 8),
                  static_cast<std::uint8_t>(profile_.productId), kAck});
            return;
        case 0x11:  // Read Memory
        case 0x21:  // Go
        case 0x31:  // Write Memory
            if (readProtected_) {
                Nack();
                return;
            }
            Send(kAck);
            step_ = Step::Address;
            return;
        case 0x43:  // Erase
        case 0x44:  // Extended Erase
            if (readProtected_ || (command == 0x44) != profile_.extendedErase) {
                Nack();
                return;
            }
            Send(kAck);
            step_ = Step::EraseCount;
            return;
        case 0x63:  // Write Protect
            if (readProtected_) {
                Nack();
                return;
            }
            Send(kAck);
            step_ = Step::ProtectCount;
            return;
        case 0x73:  // Write Unprotect
            if (readProtected_) {
                Nack();
                return;
            }
            Send({kAck, kAck});
            ResetAfterCommand();
            return;
        case 0x82:  // Readout Protect
            Send({kAck, kAck});
            readProtected_ = true;
            ResetAfterCommand();
            return;
        case 0x92:  // Readout Unprotect: the flash goes with the protection
            Send(kAck);
            EraseAll();
            readProtected_ = false;
            Send(kAck);
            ResetAfterCommand();
            return;
        default:
            Nack();
            return;
    }
}

void BootChip::AddressDone() {
    frame_.clear();
    switch (command_) {
        case 0x11:
            if (!Readable(address_, 1)) {
                Nack();
                return;
            }
            Send(kAck);
            step_ = Step::ReadLength;
            return;
        case 0x21:
            if (!InFlash(address_, 1) && !InRam(address_, 1)) {
                Nack();
                return;
            }
            Send(kAck);
            lastGo_ = address_;
            mode_ = ChipMode::Running;
            step_ = Step::Command;
            return;
        case 0x31:
            if (!Writable(address_, 1)) {
                Nack();
                return;
            }
            Send(kAck);
            step_ = Step::WriteLength;
            return;
        default:
            Nack();
            return;
    }
}

void BootChip::ReadLengthDone() {
    const std::uint8_t n = frame_[0];
    const bool complementOk = frame_[1] == static_cast<std::uint8_t>(n ^ 0xFF);
    frame_.clear();
    const std::uint32_t length = static_cast<std::uint32_t>(n) + 1;
    if (!complementOk || !Readable(address_, length)) {
        Nack();
        return;
    }
    Send(kAck);
    for (std::uint32_t i = 0; i < length; ++i)
        Send(ReadByte(address_ + i));
    step_ = Step::Command;
}

void BootChip::WriteDone() {
    const std::uint32_t length = static_cast<std::uint32_t>(count_) + 1;
    const std::uint8_t checksum =
        static_cast<std::uint8_t>(XorOf(frame_.data(), length) ^ static_cast<std::uint8_t>(count_));
    const bool checksumOk = checksum == frame_[length];
    std::vector<std::uint8_t> data(frame_.begin(), frame_.begin() + length);
    frame_.clear();
    if (!checksumOk || !Writable(address_, length)) {
        Nack();
        return;
    }
    if (InFlash(address_, length)) {
        // Flash is programmed in whole words, and only where it is erased.
        if (address_ % 4 != 0 || length % 4 != 0) {
            Nack();
            return;
        }
        const std::size_t offset = address_ - profile_.flashBase;
        for (std::size_t i = 0; i < length; ++i) {
            if (flash_[offset + i] != 0xFF) {
                Nack();
                return;
            }
        }
        std::copy(data.begin(), data.end(), flash_.begin() + static_cast<std::ptrdiff_t>(offset));
        for (std::uint32_t weak : weakCells_) {
            if (weak >= offset && weak < offset + length) flash_[weak] ^= 0x01;
        }
    } else if (InRam(address_, length)) {
        std::copy(data.begin(), data.end(),
                  ram_.begin() + static_cast<std::ptrdiff_t>(address_ - profile_.ramBase));
    } else {
        Nack();
        return;
    }
    ++blocksWritten_;
    Send(kAck);
    step_ = Step::Command;
}

void BootChip::EraseDone() {
    std::vector<std::uint8_t> list;
    list.swap(frame_);
    const std::uint8_t checksum = list.back();
    list.pop_back();
    step_ = Step::Command;
    if (specialErase_) {
        // Erase: 0xFF then 0x00. Extended Erase: 0xFFFF (mass) then 0x00; the
        // bank erases 0xFFFE and 0xFFFD do not exist on one-bank chips.
        const bool ok =
            profile_.extendedErase ? (count_ == 0xFFFF && checksum == headXor_) : checksum == 0x00;
        if (!ok) {
            Nack();
            return;
        }
        EraseAll();
        Send(kAck);
        return;
    }
    if ((XorOf(list.data(), list.size()) ^ headXor_) != checksum) {
        Nack();
        return;
    }
    std::vector<std::size_t> units;
    if (profile_.extendedErase) {
        for (std::size_t i = 0; i + 1 < list.size(); i += 2)
            units.push_back(static_cast<std::size_t>(list[i] << 8 | list[i + 1]));
    } else {
        units.assign(list.begin(), list.end());
    }
    for (std::size_t unit : units) {
        if (unit >= profile_.eraseUnits.size()) {
            Nack();
            return;
        }
    }
    for (std::size_t unit : units)
        EraseUnit(unit);
    Send(kAck);
}

void BootChip::ProtectDone() {
    const std::uint8_t checksum = frame_.back();
    frame_.pop_back();
    const bool ok = (XorOf(frame_.data(), frame_.size()) ^ headXor_) == checksum;
    frame_.clear();
    if (!ok) {
        Nack();
        return;
    }
    Send(kAck);
    ResetAfterCommand();
}

}  // namespace vx::bootsim
