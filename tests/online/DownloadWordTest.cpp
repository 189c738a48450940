// The download word: the link settings and the project's series, frame and
// station packed for the downloader.
#include <gtest/gtest.h>

#include "online/DownloadWord.h"

namespace vx {
namespace {

// A parameter string with the series (field 1), station (10), COM1 baud
// index (12) and frame (15) set; every other digit 0.
std::string Params(const char* series, const char* station, char baud, char frame) {
    std::string s(64, '0');
    s.replace(0, 2, series);
    s.replace(9, 2, station);
    s[11] = baud;
    s[14] = frame;
    return s;
}

TEST(DownloadWord, PacksTheFieldsWhereTheDownloaderLooks) {
    LinkSettings com2;
    com2.comPortIndex = 1;
    com2.baudIndex = 3;
    com2.fromProject = false;
    const std::string params = Params("02", "01", '0', '2');
    EXPECT_EQ(MakeDownloadWord(com2, params), 1u + 11 * 16 + 2 * 256 + 2 * 4096 + 1 * 1048576);

    // The same baud rate from the project.
    LinkSettings project = com2;
    project.fromProject = true;
    project.baudIndex = 0;
    EXPECT_EQ(MakeDownloadWord(project, Params("02", "01", '3', '2')),
              MakeDownloadWord(com2, params));

    // The widest fields stay in their bits.
    EXPECT_EQ(MakeDownloadWord(com2, Params("FF", "FF", '0', 'F')),
              1u + 11 * 16 + 15 * 256 + 255 * 4096 + 255 * 1048576);
}

TEST(DownloadWord, EthernetGoesToCom1WithTheProjectsBaudRate) {
    LinkSettings ethernet;
    ethernet.comPortIndex = kEthernetPortIndex;
    ethernet.fromProject = false;  // Ethernet takes the project's rate whatever the choice
    ethernet.baudIndex = 0;
    const std::uint32_t word = MakeDownloadWord(ethernet, Params("01", "05", '4', '1'));
    EXPECT_EQ(word & 0xF, 0u);
    EXPECT_EQ(word >> 4 & 0xF, 12u);
}

TEST(DownloadWord, BaudIndexesPastTheTableGiveNoCode) {
    LinkSettings s;
    s.fromProject = true;
    EXPECT_EQ(DownloadBaudCode(s, Params("01", "01", '4', '2')), 12);
    EXPECT_EQ(DownloadBaudCode(s, Params("01", "01", '5', '2')), 12) << "the sixth entry";
    // The project's field is one hex digit; the table has six entries.
    for (char digit : {'6', '9', 'A', 'F'}) {
        EXPECT_EQ(DownloadBaudCode(s, Params("01", "01", digit, '2')), 0) << digit;
        const std::uint32_t word = MakeDownloadWord(s, Params("01", "01", digit, '2'));
        EXPECT_EQ(word, 0u + 2 * 256 + 1 * 4096 + 1 * 1048576) << "nothing spills: " << digit;
    }
    s.fromProject = false;
    s.baudIndex = 200;
    EXPECT_EQ(DownloadBaudCode(s, Params("01", "01", '4', '2')), 0);
}

}  // namespace
}  // namespace vx
