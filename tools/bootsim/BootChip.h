// A simulated STM32 ROM boot loader: the chip's side of the USART boot-loader
// protocol, byte in, bytes out, with no input or output of its own.
//
// After a reset with BOOT0 high the boot loader waits for 0x7F and answers ACK
// (0x79); from then on it takes commands as a code and its complement and
// answers NACK (0x1F) to a bad complement, a bad checksum, an address outside
// its memory or a refused operation. It knows Get (0x00), Get Version (0x01),
// Get ID (0x02), Read Memory (0x11), Go (0x21), Write Memory (0x31), Erase
// (0x43) or Extended Erase (0x44), Write Protect (0x63), Write Unprotect
// (0x73), Readout Protect (0x82) and Readout Unprotect (0x92).
//
// The flash is a list of erase units (2 KB pages, or the 16/16/16/16/64/128 KB
// sectors); it is written only where it is erased and only in whole, aligned
// 32-bit words. Under read protection Read Memory, Write Memory, Go, Erase and
// Write Protect are refused with NACK.
//
// Faults on the line around a chosen command can be added for tests: a stray
// ACK or NACK that the chip never sent, a host byte or a byte of the chip's
// answer that arrives damaged; and weak
// flash cells that store a wrong bit. They are chosen by the test, never
// drawn at random.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vx::bootsim {

inline constexpr std::uint8_t kAck = 0x79;
inline constexpr std::uint8_t kNack = 0x1F;

struct ChipProfile {
    std::string name;
    std::uint16_t productId = 0x0414;
    std::uint8_t bootVersion = 0x22;
    bool extendedErase = false;  // Extended Erase (0x44) instead of Erase (0x43)
    std::uint32_t flashBase = 0x08000000;
    std::vector<std::uint32_t> eraseUnits;  // sizes of the pages or sectors, in order
    std::uint32_t ramBase = 0x20000000;
    std::uint32_t ramSize = 64 * 1024;
    std::uint32_t systemBase = 0;  // the boot loader's own ROM, readable
    std::uint32_t systemSize = 0;
    std::uint32_t optionBase = 0;  // option bytes, readable
    std::uint32_t optionSize = 16;

    // Connectivity-line and high-density F10x: ID 0x414, 256 pages of 2 KB.
    static ChipProfile F10x();
    // F2: ID 0x411, sectors 4 x 16, 64, 7 x 128 KB (1 MB).
    static ChipProfile F20x();
    // F40x: ID 0x413, the same sectors.
    static ChipProfile F40x();
    // The profile of "f10x", "f20x" or "f40x"; F10x for anything else.
    static ChipProfile Named(const std::string& name);

    std::uint32_t FlashSize() const;
};

// A fault on the line around one command the chip takes.
struct LineFault {
    std::uint8_t command = 0x31;  // the command code it follows
    int occurrence = 1;           // the nth time the chip takes that command, from 1
    // One ACK that the chip never sent arrives at the host at once, ahead of
    // the chip's own answer.
    bool strayAck = false;
    // Likewise one NACK.
    bool strayNack = false;
    // The host byte this many bytes after the command's complement (0: the
    // first) arrives with its lowest bit flipped; -1: none. For Write Memory,
    // 0-4 are the address, 5 the length, 6 on the data.
    int damagedByte = -1;
    // The chip's byte this many bytes into what it sends from the command's
    // ACK on (0: that ACK) arrives with its lowest bit flipped; -1: none. For
    // Read Memory, 0-2 are the ACKs of the command, the address and the
    // length, 3 on the data.
    int damagedAnswerByte = -1;
};

enum class ChipMode {
    Running,    // running its program (or held in reset): deaf to the line
    WaitSync,   // the boot loader waits for 0x7F
    BootLoader  // synchronised, taking commands
};

class BootChip {
  public:
    explicit BootChip(ChipProfile profile);

    const ChipProfile& Profile() const { return profile_; }

    // A byte from the host; answers are appended to the output.
    void Receive(std::uint8_t byte);
    // Takes the bytes the chip has sent since the last call.
    std::vector<std::uint8_t> TakeOutput();

    // Restarts the boot loader: it waits for 0x7F again, sending the noise
    // bytes first when set.
    void Boot();
    // The reset pin (held while true) and the BOOT0 pin. Releasing the reset
    // starts the boot loader when BOOT0 is high, the program otherwise.
    void SetReset(bool held);
    void SetBoot0(bool high) { boot0_ = high; }
    // As after power-on with BOOT0 low: the chip runs its program.
    void StartProgram() { mode_ = ChipMode::Running; }
    ChipMode Mode() const { return mode_; }

    // Options.
    void SetSilent(bool silent) { silent_ = silent; }  // answers nothing at all
    void SetBootNoise(std::vector<std::uint8_t> noise) { bootNoise_ = std::move(noise); }
    void SetReadProtection(bool on) { readProtected_ = on; }
    bool ReadProtected() const { return readProtected_; }
    void AddLineFault(const LineFault& fault) { faults_.push_back(fault); }
    // A weak flash cell: the byte at this offset from flashBase is stored with
    // its lowest bit flipped whenever it is written, so that only reading the
    // flash back shows the fault.
    void AddWeakCell(std::uint32_t offset) { weakCells_.push_back(offset); }
    // Takes the stray bytes the line has brought since the last call. A line
    // that delays the chip's answers delivers these at once.
    std::vector<std::uint8_t> TakeStrayOutput();

    // The flash, from flashBase.
    const std::vector<std::uint8_t>& Flash() const { return flash_; }
    std::vector<std::uint8_t>& Flash() { return flash_; }
    void EraseAll();

    // What happened, for tests: erase units erased and blocks written since
    // construction, and the address of the last Go.
    int UnitsErased() const { return unitsErased_; }
    int BlocksWritten() const { return blocksWritten_; }
    std::uint32_t LastGoAddress() const { return lastGo_; }

  private:
    enum class Step {
        Command,      // waiting for a command code
        Complement,   // waiting for its complement
        Address,      // 4 address bytes and their XOR
        ReadLength,   // N and its complement
        WriteLength,  // N
        WriteData,    // N + 1 bytes and the checksum
        EraseCount,   // 1 byte (Erase) or 2 bytes (Extended Erase)
        EraseList,    // the page or sector numbers and the checksum
        ProtectCount,
        ProtectList,
    };

    void Send(std::uint8_t byte);
    void Send(const std::vector<std::uint8_t>& bytes);
    void Nack();
    void Dispatch(std::uint8_t command);
    void AddressDone();
    void ReadLengthDone();
    void WriteDone();
    void EraseDone();
    void ProtectDone();
    void ResetAfterCommand();
    void ArmFaults(std::uint8_t command);

    bool Readable(std::uint32_t address, std::uint32_t length) const;
    bool Writable(std::uint32_t address, std::uint32_t length) const;
    bool InFlash(std::uint32_t address, std::uint32_t length) const;
    bool InRam(std::uint32_t address, std::uint32_t length) const;
    std::uint8_t ReadByte(std::uint32_t address) const;
    bool EraseUnit(std::size_t unit);
    std::vector<std::uint8_t> Commands() const;

    ChipProfile profile_;
    std::vector<std::uint8_t> flash_;
    std::vector<std::uint8_t> ram_;
    std::vector<std::uint8_t> system_;
    std::vector<std::uint8_t> options_;
    std::vector<std::uint8_t> output_;

    ChipMode mode_ = ChipMode::WaitSync;
    bool resetHeld_ = false;
    bool boot0_ = false;
    bool silent_ = false;
    bool readProtected_ = false;
    std::vector<std::uint8_t> bootNoise_;
    std::vector<LineFault> faults_;
    std::vector<std::uint32_t> weakCells_;
    std::map<std::uint8_t, int> commandsTaken_;
    std::vector<std::uint8_t> stray_;
    int damageIn_ = -1;        // host bytes until the damaged one; -1 none pending
    int answerDamageIn_ = -1;  // chip bytes until the damaged one; -1 none pending

    Step step_ = Step::Command;
    std::uint8_t command_ = 0;
    std::vector<std::uint8_t> frame_;  // bytes of the current step
    std::size_t frameWanted_ = 0;
    std::uint32_t address_ = 0;
    std::uint16_t count_ = 0;    // N of the write or of the erase list
    bool specialErase_ = false;  // global or mass erase instead of a list
    std::uint8_t headXor_ = 0;   // XOR of the count bytes, part of the checksum

    int unitsErased_ = 0;
    int blocksWritten_ = 0;
    std::uint32_t lastGo_ = 0;
};

}  // namespace vx::bootsim
