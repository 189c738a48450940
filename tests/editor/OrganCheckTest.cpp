#include "editor/OrganCheck.h"

#include <gtest/gtest.h>

#include "editor/Lookup.h"

namespace vx {
namespace {

std::vector<std::string> Listed(const OutputScan& scan, OutputGroup group) {
    std::vector<std::string> lines;
    for (const OutputPlace& p : scan.Duplicates(group))
        lines.push_back(p.name + "|" + p.block + "|" + std::to_string(p.line) +
                        (p.second ? "|2" : "|1"));
    return lines;
}

TEST(OutputScan, ListsTheFirstTwoPlacesOfEachDevice) {
    LadderCells cells;
    cells.First(kOutputColumn, 5) = "Y0";
    cells.First(kOutputColumn, 9) = "Y0";
    cells.First(kOutputColumn, 2000) = "M3";
    cells.First(kOutputColumn, 30) = "M3";
    cells.First(kOutputColumn, 2000 + 256 * 4 + 10) = "M3";  // a third place is never listed
    cells.First(kOutputColumn, 40) = "S1";
    const OutputScan scan(cells);
    EXPECT_EQ(Listed(scan, OutputGroup::Y),
              (std::vector<std::string>{"Y0|Main|6|1", "Y0|Main|10|2"}));
    EXPECT_EQ(Listed(scan, OutputGroup::M),
              (std::vector<std::string>{"M3|Main|31|1", "M3|Sub_0|1|2"}));
    EXPECT_TRUE(Listed(scan, OutputGroup::S).empty()) << "one coil is no duplicate";
}

TEST(OutputScan, TimersAndCountersCompareTheirNamesOnly) {
    LadderCells cells;
    cells.First(kOutputColumn, 1) = "T5 K100";
    cells.First(kOutputColumn, 2) = "T5 D10";
    cells.First(kOutputColumn, 3) = "T50 K1";
    cells.First(kOutputColumn, 4) = "C1 K5";
    cells.First(kOutputColumn, 5) = "C10 K5";
    cells.First(kOutputColumn, 6) = "C1";  // no set value: not a counter coil
    const OutputScan scan(cells);
    EXPECT_EQ(Listed(scan, OutputGroup::T),
              (std::vector<std::string>{"T5 |Main|2|1", "T5 |Main|3|2"}));
    EXPECT_TRUE(Listed(scan, OutputGroup::C).empty());
}

TEST(OutputScan, OnlyTheOutputColumnsCoilNamesCount) {
    LadderCells cells;
    cells.First(kOutputColumn, 1) = "Y1";
    cells.First(kOutputColumn, 2) = "SET Y1";  // function boxes are not compared
    cells.First(3, 3) = "Y1";                  // nor contacts
    cells.First(kOutputColumn, 4) = "Y010";
    cells.First(kOutputColumn, 5) = "Y10";
    cells.First(kOutputColumn, 6) = "Y8";  // not an output name: Y8 and Y9 never match
    cells.First(kOutputColumn, 7) = "Y8";
    cells.First(kOutputColumn, 8) = "M10000";
    cells.First(kOutputColumn, 9) = "M10000";
    cells.First(kOutputColumn, kUnshownRow) = "Y10";  // row 10192 belongs to no block
    const OutputScan scan(cells);
    EXPECT_EQ(Listed(scan, OutputGroup::Y),
              (std::vector<std::string>{"Y8|Main|7|1", "Y8|Main|8|2"}))
        << "the names are checked as decimal numbers 0-377";
    EXPECT_TRUE(Listed(scan, OutputGroup::M).empty());
}

TEST(OutputScan, DevicesComeByNumberWithinTheirGroup) {
    LadderCells cells;
    int row = 0;
    for (const char* name : {"M100", "M2", "M100", "M2", "M30", "M30"})
        cells.First(kOutputColumn, row++) = name;
    const OutputScan scan(cells);
    const auto listed = Listed(scan, OutputGroup::M);
    EXPECT_EQ(listed, (std::vector<std::string>{"M2|Main|2|1", "M2|Main|4|2", "M30|Main|5|1",
                                                "M30|Main|6|2", "M100|Main|1|1", "M100|Main|3|2"}));
}

TEST(OutputPlaceRow, BlockAndLineBackToTheRow) {
    EXPECT_EQ(OutputPlaceRow("Main", "6"), 5);
    EXPECT_EQ(OutputPlaceRow("Sub_0", "1"), 2000);
    EXPECT_EQ(OutputPlaceRow("Sub_31", "256"), kLastFindRow);
    EXPECT_EQ(OutputPlaceRow("Sub_x", "3"), 2002) << "a block number that does not parse is 0";
    EXPECT_EQ(OutputPlaceRow("Main", "?"), 0) << "a line that does not parse is 0, kept in range";
    EXPECT_EQ(OutputPlaceRow("Sub_99", "1"), kLastFindRow);
    EXPECT_EQ(OutputBlockName(1999), "Main");
    EXPECT_EQ(OutputBlockName(2256), "Sub_1");
}

}  // namespace
}  // namespace vx
