#include "updater/BootProtocol.h"

#include <algorithm>
#include <cstdio>

namespace vx {
namespace {

constexpr std::size_t kPageSize = 2048;
constexpr std::size_t kMostPages = 127;
constexpr std::size_t kSectorSizes[] = {16 * 1024, 16 * 1024,  16 * 1024,  16 * 1024,
                                        64 * 1024, 128 * 1024, 128 * 1024, 128 * 1024};

std::size_t PageCount(std::size_t imageSize) {
    return std::min(imageSize / kPageSize + 1, kMostPages);
}

std::size_t SectorCount(std::size_t imageSize) {
    const std::size_t k = imageSize / 1024 + 1;
    std::size_t sectors = 1;
    if (k > 16) sectors = 2;
    if (k > 32) sectors = 3;
    if (k > 48) sectors = 4;
    if (k > 64) sectors = 5;
    if (k > 128) sectors = 6;
    if (k > 256) sectors = 7;
    if (k > 384) sectors = 8;
    return sectors;
}

std::uint8_t Xor(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t x = 0;
    for (std::uint8_t b : bytes)
        x ^= b;
    return x;
}

// The chips the controllers are built on, by product ID.
struct KnownChip {
    std::uint16_t productId;
    const char* name;
    bool pageMode;
};
constexpr KnownChip kKnownChips[] = {
    {0x0414, "F10x", true},
    {0x0411, "F20x", false},
    {0x0413, "F40x", false},
};

}  // namespace

LineSettings BootLoaderLineSettings() {
    LineSettings s;
    s.baud = 115200;
    s.dataBits = 8;
    s.parity = LineParity::Even;
    s.stopBits = LineStopBits::One;
    return s;
}

std::vector<std::uint8_t> CommandFrame(std::uint8_t code) {
    return {code, static_cast<std::uint8_t>(code ^ 0xFF)};
}

std::vector<std::uint8_t> AddressFrame(std::uint32_t address) {
    std::vector<std::uint8_t> frame{
        static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
        static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
    frame.push_back(Xor(frame));
    return frame;
}

std::vector<std::uint8_t> ReadLengthFrame(std::size_t count) {
    const auto n = static_cast<std::uint8_t>(count - 1);
    return {n, static_cast<std::uint8_t>(n ^ 0xFF)};
}

std::vector<std::uint8_t> WriteBlockFrame(const std::uint8_t* bytes, std::size_t count) {
    const std::size_t padded = (count + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> frame;
    frame.reserve(padded + 2);
    frame.push_back(static_cast<std::uint8_t>(padded - 1));
    frame.insert(frame.end(), bytes, bytes + count);
    frame.resize(padded + 1, 0xFF);
    frame.push_back(Xor(frame));
    return frame;
}

std::optional<std::uint8_t> ParseGetReply(const std::uint8_t* reply, std::size_t count) {
    if (count < 5 || reply[0] != kBootAck) return std::nullopt;
    const std::size_t n = reply[1];
    if (count != n + 4 || reply[3] != kBootGet || reply[count - 1] != kBootAck) return std::nullopt;
    return reply[2];
}

std::string BootVersionText(std::uint8_t version) {
    return "Boot:" + std::to_string(version >> 4) + "." + std::to_string(version & 0x0F);
}

std::optional<std::uint16_t> ParseGetIdReply(const std::uint8_t* reply, std::size_t count) {
    if (count != 5 || reply[0] != kBootAck || reply[1] != 1 || reply[4] != kBootAck)
        return std::nullopt;
    return static_cast<std::uint16_t>(reply[2] << 8 | reply[3]);
}

ChipFamily ChipFamilyOf(std::uint16_t productId) {
    for (const KnownChip& chip : kKnownChips) {
        if (chip.productId == productId) return {chip.name, chip.pageMode};
    }
    return {};
}

std::string ProductIdText(std::uint16_t productId) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(productId));
    return text;
}

std::uint8_t EraseCommand(bool pageMode) {
    return pageMode ? kBootErase : kBootExtendedErase;
}

std::vector<std::uint8_t> PageEraseList(std::size_t imageSize) {
    const std::size_t pages = PageCount(imageSize);
    std::vector<std::uint8_t> list;
    list.push_back(static_cast<std::uint8_t>(pages - 1));
    for (std::size_t page = 0; page < pages; ++page)
        list.push_back(static_cast<std::uint8_t>(page));
    list.push_back(Xor(list));
    return list;
}

std::vector<std::uint8_t> SectorEraseList(std::size_t imageSize) {
    const std::size_t sectors = SectorCount(imageSize);
    std::vector<std::uint8_t> list{0x00, static_cast<std::uint8_t>(sectors - 1)};
    for (std::size_t sector = 0; sector < sectors; ++sector) {
        list.push_back(0x00);
        list.push_back(static_cast<std::uint8_t>(sector));
    }
    list.push_back(Xor(list));
    return list;
}

std::vector<std::uint8_t> EraseList(bool pageMode, std::size_t imageSize) {
    return pageMode ? PageEraseList(imageSize) : SectorEraseList(imageSize);
}

std::size_t EraseUnits(bool pageMode, std::size_t imageSize) {
    return pageMode ? PageCount(imageSize) : SectorCount(imageSize);
}

std::size_t EraseCoverage(bool pageMode, std::size_t imageSize) {
    if (pageMode) return PageCount(imageSize) * kPageSize;
    std::size_t bytes = 0;
    for (std::size_t sector = 0; sector < SectorCount(imageSize); ++sector)
        bytes += kSectorSizes[sector];
    return bytes;
}

std::size_t LargestErasePlan() {
    return std::max(EraseCoverage(true, kImageBufferSize), EraseCoverage(false, kImageBufferSize));
}

BootRead ChipInfoRead(bool pageMode) {
    if (pageMode) return {0x1FFFF7E0, 4};
    return {0x1FFF77DE, 2};
}

}  // namespace vx
