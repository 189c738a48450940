// A controller image running on an emulated Cortex-M3 board, for tests.
//
// QemuBoard starts qemu-system-arm on a raw image (the objcopy'd "plc.elf" of
// the compile stage), on the board "netduino2" (an STM32F205: 1 MB of flash at
// 0x08000000, 128 KB of RAM, USART1 as the first serial port), frozen at
// reset, with qemu's GDB stub on a free loopback TCP port. It speaks the GDB
// remote protocol itself: halt, continue, memory reads and writes,
// breakpoints. Symbols come from the ELF file beside the image, so a test can
// name devices: SetByte("X", 0, 1), Byte("Y", 0), Word("D", 10).
//
// Every wait has a time-out, and the destructor always kills qemu. qemu is
// also told to die with the test process, so a crashed test leaves no board
// behind.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vx::test {

struct ElfSymbol {
    std::uint32_t address = 0;  // a function's without its Thumb bit
    std::uint32_t size = 0;
    bool function = false;
};

// The symbols of an ELF32 little-endian file, globals and statics (where two
// statics share a name, the global wins, else the first). Empty for a file
// that cannot be read or is no such ELF file.
std::map<std::string, ElfSymbol> ReadElfSymbols(const std::string& path);

class QemuBoard {
  public:
    struct Options {
        // The first serial port (USART1) on a pseudo-terminal, else none.
        bool serialPty = false;
        // The ELF file for symbols; empty: "plc.elf" beside the image.
        std::string elfPath;
        std::string machine = "netduino2";
        // The longest wait of any one step (start, halt, a stop, a reply).
        std::chrono::milliseconds timeout{5000};
    };

    // Whether qemu-system-arm is on PATH.
    static bool Available();

    QemuBoard() = default;
    ~QemuBoard();
    QemuBoard(const QemuBoard&) = delete;
    QemuBoard& operator=(const QemuBoard&) = delete;

    // Starts qemu on the image, frozen before its first instruction, and
    // connects to its GDB stub. False (see Error()) when qemu cannot start,
    // the pseudo-terminal or the stub does not appear in time, or the ELF
    // file has no symbols.
    bool Start(const std::string& imagePath, const Options& options);
    bool Start(const std::string& imagePath) { return Start(imagePath, Options{}); }
    // Kills qemu (also done by the destructor).
    void Stop();

    const std::string& Error() const { return error_; }
    // The pseudo-terminal of the first serial port ("/dev/pts/7"); empty without.
    // The board keeps it open itself, so qemu counts it as connected however
    // often a test opens and closes it; qemu looks for that once a second, so
    // the first bytes may take up to a second to go through.
    const std::string& SerialDevice() const { return serialDevice_; }
    int GdbPort() const { return port_; }
    bool Running() const { return running_; }

    // Execution. Halt and Continue are no-ops in the state asked for.
    bool Halt();
    bool Continue();
    // After Continue: waits until the board stops (a breakpoint); false on
    // the time-out (the board is then halted).
    bool WaitForStop();
    // Runs until the function has been entered count times (a breakpoint on
    // its first instruction) and leaves the board halted there. The
    // breakpoint is hardware (Z1) or software (Z0).
    bool RunUntil(const std::string& function, int count = 1, bool hardware = true);
    // Scans of the ladder program: RunUntil("PLCact", count + 1) counts the
    // entry of the scan after the last one, so count whole scans have run.
    bool RunScans(int count) { return RunUntil("PLCact", count + 1); }

    bool InsertBreakpoint(std::uint32_t address, bool hardware);
    bool RemoveBreakpoint(std::uint32_t address, bool hardware);

    // Memory (the board is halted for the access and resumed if it ran).
    std::optional<std::vector<std::uint8_t>> ReadMemory(std::uint32_t address, std::size_t size);
    bool WriteMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    std::optional<std::uint32_t> ReadWord32(std::uint32_t address);

    // Symbols of the ELF file.
    std::optional<ElfSymbol> Symbol(const std::string& name) const;

    // Elements of a device array by name and index, checked against the
    // symbol's size: 8-bit (X, Y, M, S, T_out ...) and 16-bit (D, SD, T_Nonce ...).
    std::optional<std::uint8_t> Byte(const std::string& name, std::uint32_t index = 0);
    bool SetByte(const std::string& name, std::uint32_t index, std::uint8_t value);
    std::optional<std::uint16_t> Word(const std::string& name, std::uint32_t index = 0);
    bool SetWord(const std::string& name, std::uint32_t index, std::uint16_t value);
    std::optional<std::uint32_t> Word32(const std::string& name, std::uint32_t index = 0);

    // One GDB remote packet exchange (for what the helpers above don't cover):
    // sends the packet and returns the reply; nothing on a time-out.
    std::optional<std::string> Request(const std::string& packet);

  private:
    bool Fail(const std::string& text);
    bool Connect();
    bool SendRaw(const std::string& bytes);
    bool SendPacket(const std::string& data);
    std::optional<std::string> ReceivePacket(std::chrono::milliseconds timeout);
    std::optional<std::uint32_t> ElementAddress(const std::string& name, std::uint32_t index,
                                                std::uint32_t width);
    // Halts for a memory access; the bool says whether to resume afterwards.
    std::optional<bool> Pause();
    bool Resume(bool wasRunning);

    Options options_;
    std::string error_;
    std::string serialDevice_;
    std::string logPath_;
    std::map<std::string, ElfSymbol> symbols_;
    int pid_ = -1;
    int port_ = 0;
    int socket_ = -1;
    int serialHolder_ = -1;
    bool running_ = false;
    std::string inbox_;  // bytes received but not yet taken
};

}  // namespace vx::test
