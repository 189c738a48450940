// The simulated boot loader as an independent host sees it: stm32flash reads,
// erases, writes and verifies it like a chip. On a pseudo-terminal the parity
// bit does not exist, so stm32flash runs with 8N1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "bootsim/PtyChip.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using bootsim::BootChip;
using bootsim::ChipProfile;
using bootsim::PtyChip;

bool Installed() {
    return std::system("command -v stm32flash >/dev/null 2>&1") == 0;
}

std::vector<std::uint8_t> Pattern(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed * 17 + (i >> 8)) & 0xFF);
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    test::WriteTestFile(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::string text = test::ReadTestFile(path);
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

class Stm32flash : public testing::Test {
  protected:
    void SetUp() override {
        if (!Installed()) GTEST_SKIP() << "stm32flash is not installed";
    }
    // Runs stm32flash on the chip; its exit code.
    int Run(PtyChip& chip, const std::string& arguments) {
        const std::string command = "stm32flash -b 115200 -m 8n1 " + arguments + " " +
                                    chip.DevicePath() + " >>" + (dir / "log") + " 2>&1";
        const int status = std::system(command.c_str());
        // Let the chip see the port closed, so the next run counts as a new open.
        for (int i = 0; i < 2000 && chip.HostIsOpen(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Log() { return test::ReadTestFile(dir / "log"); }

    test::TempFolder dir;
};

TEST_F(Stm32flash, ReadsErasesWritesAndVerifiesAPageChip) {
    PtyChip chip(ChipProfile::F10x());
    ASSERT_TRUE(chip.Ok());
    const std::vector<std::uint8_t> before = Pattern(4096, 1);
    chip.With([&](BootChip& c) { std::copy(before.begin(), before.end(), c.Flash().begin()); });

    ASSERT_EQ(Run(chip, "-r " + (dir / "read.bin") + " -S 0x08000000:4096"), 0) << Log();
    EXPECT_EQ(ReadBytes(dir / "read.bin"), before);

    ASSERT_EQ(Run(chip, "-o"), 0) << Log();
    EXPECT_TRUE(chip.With([](BootChip& c) {
        return std::all_of(c.Flash().begin(), c.Flash().end(),
                           [](std::uint8_t b) { return b == 0xFF; });
    }));

    const std::vector<std::uint8_t> image = Pattern(10243, 2);  // not a whole number of words
    WriteBytes(dir / "image.bin", image);
    ASSERT_EQ(Run(chip, "-w " + (dir / "image.bin") + " -v"), 0) << Log();
    chip.With([&](BootChip& c) {
        EXPECT_TRUE(std::equal(image.begin(), image.end(), c.Flash().begin()));
        EXPECT_EQ(c.Flash()[image.size()], 0xFF);
    });
    EXPECT_GE(chip.HostOpens(), 3);
}

TEST_F(Stm32flash, WritesAndReadsBackASectorChip) {
    PtyChip chip(ChipProfile::F40x());
    ASSERT_TRUE(chip.Ok());
    const std::vector<std::uint8_t> image = Pattern(40000, 3);  // three sectors
    WriteBytes(dir / "image.bin", image);
    ASSERT_EQ(Run(chip, "-w " + (dir / "image.bin") + " -v"), 0) << Log();
    ASSERT_EQ(Run(chip, "-r " + (dir / "back.bin") + " -S 0x08000000:40000"), 0) << Log();
    EXPECT_EQ(ReadBytes(dir / "back.bin"), image);
    EXPECT_TRUE(chip.With(
        [&](BootChip& c) { return std::equal(image.begin(), image.end(), c.Flash().begin()); }));
}

TEST_F(Stm32flash, ReadProtectionRefusesReadsUntilRemoved) {
    PtyChip chip(ChipProfile::F10x());
    ASSERT_TRUE(chip.Ok());
    chip.With([](BootChip& c) {
        c.Flash()[0] = 0x12;
        c.SetReadProtection(true);
    });
    EXPECT_NE(Run(chip, "-r " + (dir / "read.bin") + " -S 0x08000000:256"), 0) << Log();
    ASSERT_EQ(Run(chip, "-k"), 0) << Log();
    chip.With([](BootChip& c) {
        EXPECT_FALSE(c.ReadProtected());
        EXPECT_EQ(c.Flash()[0], 0xFF) << "removing the protection erases the flash";
    });
    EXPECT_EQ(Run(chip, "-r " + (dir / "read.bin") + " -S 0x08000000:256"), 0) << Log();
}

}  // namespace
}  // namespace vx
