// The STM32 ROM boot loader's USART protocol, as both the updater's session
// and the tool's downloader speak it: the frames the host sends, the checks of
// the chip's replies, the chip families by product ID and their erase plans.
// No timing and no port: each side sends and waits in its own way.
//
// The protocol is the chip maker's application note AN3155: the host opens
// with 0x7F, the chip answers ACK (0x79) or NACK (0x1F); a command is its code
// and the code's complement; an address goes most significant byte first with
// the XOR of its four bytes; a length N - 1 goes with its complement (Read
// Memory) or before the N bytes and the XOR of all (Write Memory); flash takes
// whole 32-bit words. The reset and boot-mode pins hang on the port's modem
// lines: DTR holds the controller in reset, RTS raises BOOT0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "updater/SerialLink.h"

namespace vx {

inline constexpr std::uint8_t kBootAck = 0x79;
inline constexpr std::uint8_t kBootNack = 0x1F;
inline constexpr std::uint8_t kBootSync = 0x7F;
inline constexpr std::uint32_t kFlashStart = 0x08000000;
// The most image a transfer takes.
inline constexpr std::size_t kImageBufferSize = 1024 * 1024;
// The most bytes one Write Memory or Read Memory moves.
inline constexpr std::size_t kBootBlockSize = 256;

// Command codes.
inline constexpr std::uint8_t kBootGet = 0x00;
inline constexpr std::uint8_t kBootGetId = 0x02;
inline constexpr std::uint8_t kBootReadMemory = 0x11;
inline constexpr std::uint8_t kBootGo = 0x21;
inline constexpr std::uint8_t kBootWriteMemory = 0x31;
inline constexpr std::uint8_t kBootErase = 0x43;
inline constexpr std::uint8_t kBootExtendedErase = 0x44;

// The controller's programming cable: DTR holds the reset, RTS raises BOOT0.
inline constexpr ModemLine kResetLine = ModemLine::Dtr;
inline constexpr ModemLine kBoot0Line = ModemLine::Rts;

// The boot loader's line: 115200 baud, 8 data bits, even parity, 1 stop bit.
LineSettings BootLoaderLineSettings();

// A command: its code and the code's complement.
std::vector<std::uint8_t> CommandFrame(std::uint8_t code);
// An address: four bytes, most significant first, and their XOR.
std::vector<std::uint8_t> AddressFrame(std::uint32_t address);
// The length of a Read Memory (1-256 bytes): N - 1 and its complement.
std::vector<std::uint8_t> ReadLengthFrame(std::size_t count);
// The data of a Write Memory (1-256 bytes): filled up to whole 32-bit words
// with 0xFF (the value of erased flash), sent as N - 1, the N bytes and the
// XOR of all of them.
std::vector<std::uint8_t> WriteBlockFrame(const std::uint8_t* bytes, std::size_t count);

// The reply to Get: ACK, N, the version, N command codes (Get first), ACK.
// The boot-loader version (high nibble major, low nibble minor) of a whole,
// well-formed reply; nothing otherwise.
std::optional<std::uint8_t> ParseGetReply(const std::uint8_t* reply, std::size_t count);
// "Boot:2.2" for the version 0x22.
std::string BootVersionText(std::uint8_t version);
// The reply to Get ID: ACK, 1, the product ID (2 bytes), ACK. The product ID
// of a whole, well-formed reply; nothing otherwise.
std::optional<std::uint16_t> ParseGetIdReply(const std::uint8_t* reply, std::size_t count);

// What the transfer needs to know of a chip, by its product ID.
struct ChipFamily {
    std::string name;  // "F10x", "F20x", "F40x"; empty for an unknown ID
    // 2 KB pages erased with Erase (true), or the 16/16/16/16/64/128 KB
    // sectors with Extended Erase. An unknown chip is taken for a page chip.
    bool pageMode = true;
};
ChipFamily ChipFamilyOf(std::uint16_t productId);
// The product ID as four hex digits, "0414".
std::string ProductIdText(std::uint16_t productId);

// The erase command of the chip's erase mode.
std::uint8_t EraseCommand(bool pageMode);
// The erase list sent after the Erase command (page mode): pages - 1, the page
// numbers from 0, and their XOR; pages = size div 2048 + 1, at most 127.
std::vector<std::uint8_t> PageEraseList(std::size_t imageSize);
// The erase list sent after the Extended Erase command (sector mode): the
// sector count - 1 and each sector number from 0 as 16-bit values, then the
// XOR of all these bytes. The count follows the 16/16/16/16/64/128 KB sectors.
std::vector<std::uint8_t> SectorEraseList(std::size_t imageSize);
std::vector<std::uint8_t> EraseList(bool pageMode, std::size_t imageSize);
// How many pages or sectors the erase list for an image of this size names.
std::size_t EraseUnits(bool pageMode, std::size_t imageSize);
// Bytes of flash from 0x08000000 that the erase list for an image of this size
// erases.
std::size_t EraseCoverage(bool pageMode, std::size_t imageSize);
// The most flash an erase list can cover in either mode (8 sectors, 512 KB).
std::size_t LargestErasePlan();

// The chip's memory read before the erase, in the erase mode: 4 bytes at
// 0x1FFFF7E0 (page chips) or 2 bytes at 0x1FFF77DE (sector chips). Only
// whether the chip lets it be read counts: a chip under read protection
// refuses Read Memory, and would refuse the erase and the writes as well.
struct BootRead {
    std::uint32_t address = 0;
    std::size_t count = 0;
};
BootRead ChipInfoRead(bool pageMode);

}  // namespace vx
