// The simulated boot loader keeps to the protocol on its own terms: what it
// answers and what it refuses, whoever the host is.
#include "bootsim/BootChip.h"

#include <gtest/gtest.h>

namespace vx::bootsim {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Send(BootChip& chip, const Bytes& bytes) {
    for (std::uint8_t b : bytes)
        chip.Receive(b);
    return chip.TakeOutput();
}

Bytes Address(std::uint32_t a) {
    Bytes bytes{static_cast<std::uint8_t>(a >> 24), static_cast<std::uint8_t>(a >> 16),
                static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a)};
    bytes.push_back(bytes[0] ^ bytes[1] ^ bytes[2] ^ bytes[3]);
    return bytes;
}

Bytes WriteFrame(const Bytes& data) {
    Bytes frame{static_cast<std::uint8_t>(data.size() - 1)};
    std::uint8_t x = frame[0];
    for (std::uint8_t b : data) {
        frame.push_back(b);
        x ^= b;
    }
    frame.push_back(x);
    return frame;
}

BootChip Synced(ChipProfile profile = ChipProfile::F10x()) {
    BootChip chip(std::move(profile));
    EXPECT_EQ(Send(chip, {0x7F}), Bytes{kAck});
    return chip;
}

TEST(BootChip, SynchronisesOnlyOnTheSyncByte) {
    BootChip chip(ChipProfile::F10x());
    EXPECT_TRUE(Send(chip, {0x00, 0xFF, 0x55}).empty()) << "deaf until 0x7F";
    EXPECT_EQ(Send(chip, {0x7F}), Bytes{kAck});
    EXPECT_EQ(Send(chip, {0x7F, 0x7F}), Bytes{kNack}) << "once synchronised 0x7F is a command";
}

TEST(BootChip, AnswersGetGetVersionAndGetId) {
    BootChip chip = Synced(ChipProfile::F40x());
    const Bytes get = Send(chip, {0x00, 0xFF});
    ASSERT_EQ(get.size(), 15u);
    EXPECT_EQ(get[0], kAck);
    EXPECT_EQ(get[1], 11);
    EXPECT_EQ(get[2], 0x31);
    EXPECT_EQ(get[3], 0x00);
    EXPECT_EQ(get[9], 0x44) << "a sector chip offers Extended Erase";
    EXPECT_EQ(get[14], kAck);
    EXPECT_EQ(Send(chip, {0x01, 0xFE}), (Bytes{kAck, 0x31, 0x00, 0x00, kAck}));
    EXPECT_EQ(Send(chip, {0x02, 0xFD}), (Bytes{kAck, 0x01, 0x04, 0x13, kAck}));
    EXPECT_EQ(Send(chip, {0x43, 0xBC}), Bytes{kNack}) << "and not the page Erase";
}

TEST(BootChip, NacksBadComplementsChecksumsAndAddresses) {
    BootChip chip = Synced();
    EXPECT_EQ(Send(chip, {0x11, 0xEF}), Bytes{kNack});
    EXPECT_EQ(Send(chip, {0x11, 0xEE}), Bytes{kAck});
    Bytes bad = Address(0x08000000);
    bad[4] ^= 1;
    EXPECT_EQ(Send(chip, bad), Bytes{kNack});
    EXPECT_EQ(Send(chip, {0x11, 0xEE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x30000000)), Bytes{kNack}) << "no memory there";
    EXPECT_EQ(Send(chip, {0x11, 0xEE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x1FFFF7E0)), Bytes{kAck});
    EXPECT_EQ(Send(chip, {0x03, 0xFD}), Bytes{kNack}) << "length without its complement";
    EXPECT_EQ(Send(chip, {0x11, 0xEE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x1FFFF7E0)), Bytes{kAck});
    EXPECT_EQ(Send(chip, {0x03, 0xFC}), (Bytes{kAck, 0x00, 0x02, 0x31, 0x38}))
        << "flash size 512 KB, then the ROM pattern";
    EXPECT_EQ(Send(chip, {0x11, 0xEE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x1FFFF7FE)), Bytes{kAck});
    EXPECT_EQ(Send(chip, {0x03, 0xFC}), Bytes{kNack}) << "read past the end of the ROM";
}

TEST(BootChip, FlashTakesWholeWordsAndOnlyWhereErased) {
    BootChip chip = Synced();
    auto write = [&](std::uint32_t address, const Bytes& data) {
        Bytes out = Send(chip, {0x31, 0xCE});
        Bytes more = Send(chip, Address(address));
        out.insert(out.end(), more.begin(), more.end());
        more = Send(chip, WriteFrame(data));
        out.insert(out.end(), more.begin(), more.end());
        return out;
    };
    EXPECT_EQ(write(0x08000000, {1, 2, 3, 4}), (Bytes{kAck, kAck, kAck}));
    EXPECT_EQ(write(0x08000000, {1, 2, 3, 4}), (Bytes{kAck, kAck, kNack})) << "not erased";
    EXPECT_EQ(write(0x08000004, {1, 2, 3}), (Bytes{kAck, kAck, kNack})) << "not whole words";
    EXPECT_EQ(write(0x08000006, {1, 2, 3, 4}), (Bytes{kAck, kAck, kNack})) << "not aligned";
    EXPECT_EQ(write(0x20000001, {9, 8, 7}), (Bytes{kAck, kAck, kAck})) << "RAM takes any bytes";
    Bytes spoilt = WriteFrame({5, 6, 7, 8});
    spoilt.back() ^= 0x40;
    EXPECT_EQ(Send(chip, {0x31, 0xCE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x08000008)), Bytes{kAck});
    EXPECT_EQ(Send(chip, spoilt), Bytes{kNack});
    EXPECT_EQ(chip.Flash()[8], 0xFF);
    EXPECT_EQ(chip.BlocksWritten(), 2);

    // Page 0 erased, the word can be written again.
    EXPECT_EQ(Send(chip, {0x43, 0xBC}), Bytes{kAck});
    EXPECT_EQ(Send(chip, {0x00, 0x00, 0x00}), Bytes{kAck});
    EXPECT_EQ(write(0x08000000, {1, 2, 3, 4}), (Bytes{kAck, kAck, kAck}));
}

TEST(BootChip, LineFaultsStrikeOnlyTheChosenCommand) {
    BootChip chip = Synced();
    LineFault fault;
    fault.command = 0x31;
    fault.occurrence = 2;
    fault.strayAck = true;
    fault.damagedByte = 6 + 1;  // the second data byte
    chip.AddLineFault(fault);
    const Bytes block = WriteFrame({1, 2, 3, 4});

    EXPECT_EQ(Send(chip, {0x31, 0xCE}), Bytes{kAck});
    EXPECT_TRUE(chip.TakeStrayOutput().empty()) << "the first Write Memory is left alone";
    EXPECT_EQ(Send(chip, Address(0x08000000)), Bytes{kAck});
    EXPECT_EQ(Send(chip, block), Bytes{kAck});

    EXPECT_EQ(Send(chip, {0x31, 0xCE}), Bytes{kAck});
    EXPECT_EQ(chip.TakeStrayOutput(), Bytes{kAck}) << "one stray ACK, apart from the answer";
    EXPECT_EQ(Send(chip, Address(0x08000004)), Bytes{kAck});
    EXPECT_EQ(Send(chip, block), Bytes{kNack}) << "the damaged byte spoils the checksum";
    EXPECT_EQ(chip.Flash()[4], 0xFF);

    EXPECT_EQ(Send(chip, {0x31, 0xCE}), Bytes{kAck});
    EXPECT_TRUE(chip.TakeStrayOutput().empty());
    EXPECT_EQ(Send(chip, Address(0x08000004)), Bytes{kAck});
    EXPECT_EQ(Send(chip, block), Bytes{kAck});
    EXPECT_EQ(chip.Flash()[5], 2);
}

TEST(BootChip, ErasesPagesSectorsAndEverything) {
    BootChip pages = Synced();
    std::fill(pages.Flash().begin(), pages.Flash().end(), 0x00);
    EXPECT_EQ(Send(pages, {0x43, 0xBC}), Bytes{kAck});
    EXPECT_EQ(Send(pages, {0x01, 0x00, 0x02, 0x03}), Bytes{kAck}) << "pages 0 and 2";
    EXPECT_EQ(pages.Flash()[0], 0xFF);
    EXPECT_EQ(pages.Flash()[2048], 0x00);
    EXPECT_EQ(pages.Flash()[4096], 0xFF);
    EXPECT_EQ(Send(pages, {0x43, 0xBC}), Bytes{kAck});
    EXPECT_EQ(Send(pages, {0x00, 0x01, 0x00}), Bytes{kNack}) << "bad checksum";
    EXPECT_EQ(Send(pages, {0x43, 0xBC}), Bytes{kAck});
    EXPECT_EQ(Send(pages, {0xFF, 0x00}), Bytes{kAck}) << "global erase";
    EXPECT_EQ(pages.Flash()[2048], 0xFF);

    BootChip sectors = Synced(ChipProfile::F40x());
    std::fill(sectors.Flash().begin(), sectors.Flash().end(), 0x00);
    EXPECT_EQ(Send(sectors, {0x44, 0xBB}), Bytes{kAck});
    EXPECT_EQ(Send(sectors, {0x00, 0x00, 0x00, 0x04, 0x04}), Bytes{kAck}) << "sector 4";
    EXPECT_EQ(sectors.Flash()[64 * 1024 - 1], 0x00);
    EXPECT_EQ(sectors.Flash()[64 * 1024], 0xFF);
    EXPECT_EQ(sectors.Flash()[128 * 1024 - 1], 0xFF);
    EXPECT_EQ(sectors.Flash()[128 * 1024], 0x00);
    EXPECT_EQ(Send(sectors, {0x44, 0xBB}), Bytes{kAck});
    EXPECT_EQ(Send(sectors, {0x00, 0x00, 0x00, 0x0C, 0x0C}), Bytes{kNack}) << "no sector 12";
    EXPECT_EQ(Send(sectors, {0x44, 0xBB}), Bytes{kAck});
    EXPECT_EQ(Send(sectors, {0xFF, 0xFF, 0x00}), Bytes{kAck}) << "mass erase";
    EXPECT_EQ(sectors.Flash()[0], 0xFF);
}

TEST(BootChip, ReadProtectionRefusesMemoryCommands) {
    BootChip chip = Synced();
    chip.Flash()[0] = 0x42;
    EXPECT_EQ(Send(chip, {0x82, 0x7D}), (Bytes{kAck, kAck}));
    EXPECT_TRUE(chip.ReadProtected());
    EXPECT_EQ(Send(chip, {0x7F}), Bytes{kAck}) << "the chip reset itself";
    for (Bytes command :
         {Bytes{0x11, 0xEE}, Bytes{0x31, 0xCE}, Bytes{0x21, 0xDE}, Bytes{0x43, 0xBC}})
        EXPECT_EQ(Send(chip, command), Bytes{kNack});
    EXPECT_EQ(Send(chip, {0x02, 0xFD}).size(), 5u) << "identification still answers";
    EXPECT_EQ(Send(chip, {0x92, 0x6D}), (Bytes{kAck, kAck}));
    EXPECT_FALSE(chip.ReadProtected());
    EXPECT_EQ(chip.Flash()[0], 0xFF);
}

TEST(BootChip, PinsChooseBetweenBootLoaderAndProgram) {
    BootChip chip(ChipProfile::F10x());
    chip.SetBootNoise({0x12, 0x34});
    chip.StartProgram();
    EXPECT_TRUE(Send(chip, {0x7F}).empty());
    chip.SetBoot0(true);
    chip.SetReset(true);
    EXPECT_TRUE(Send(chip, {0x7F}).empty()) << "held in reset";
    chip.SetReset(false);
    EXPECT_EQ(chip.Mode(), ChipMode::WaitSync);
    EXPECT_EQ(Send(chip, {0x7F}), (Bytes{0x12, 0x34, kAck}));
    chip.SetReset(true);
    chip.SetBoot0(false);
    chip.SetReset(false);
    EXPECT_EQ(chip.Mode(), ChipMode::Running);
    // Go also leaves the boot loader.
    chip.SetBoot0(true);
    chip.SetReset(true);
    chip.SetReset(false);
    chip.TakeOutput();
    Send(chip, {0x7F});
    EXPECT_EQ(Send(chip, {0x21, 0xDE}), Bytes{kAck});
    EXPECT_EQ(Send(chip, Address(0x08000000)), Bytes{kAck});
    EXPECT_EQ(chip.Mode(), ChipMode::Running);
    EXPECT_EQ(chip.LastGoAddress(), 0x08000000u);

    BootChip silent(ChipProfile::F10x());
    silent.SetSilent(true);
    EXPECT_TRUE(Send(silent, {0x7F, 0x00, 0xFF}).empty());
}

}  // namespace
}  // namespace vx::bootsim
