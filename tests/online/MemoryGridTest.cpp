// The device memory monitor's grids as data: sizes, headers, row labels, the
// device of each cell (octal X and Y, the 32-bit D view, the system
// registers), what a cell shows, and the set/reset captions.
#include "online/MemoryGrid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace vx {
namespace {

TEST(MemoryGridTest, XAndYAreEightOctalColumnsOf32Rows) {
    for (MonitorTab tab : {MonitorTab::X, MonitorTab::Y}) {
        EXPECT_EQ(GridColumns(tab, DFormat::S32), 8);
        EXPECT_EQ(GridRows(tab), 32);
    }
    EXPECT_EQ(ColumnHeader(MonitorTab::X, DFormat::U16, 1), " + 0");
    EXPECT_EQ(ColumnHeader(MonitorTab::X, DFormat::U16, 8), " + 7");
    EXPECT_EQ(ColumnHeader(MonitorTab::X, DFormat::U16, 9), "");
    const char* labels[] = {"X0", "X10", "X20", "X30", "X40", "X50", "X60", "X70", "X100", "X110"};
    for (int row = 1; row <= 10; ++row)
        EXPECT_EQ(RowLabel(MonitorTab::X, row), labels[row - 1]);
    EXPECT_EQ(RowLabel(MonitorTab::Y, 32), "Y370");
    EXPECT_EQ(DeviceOfCell(MonitorTab::X, DFormat::U16, 8, 2), 17);
    EXPECT_EQ(DeviceOfCell(MonitorTab::Y, DFormat::U16, 1, 9), 100);
    EXPECT_EQ(DeviceOfCell(MonitorTab::Y, DFormat::U16, 8, 32), 377);
    EXPECT_EQ(DeviceOfCell(MonitorTab::X, DFormat::U16, 9, 1), -1);
    EXPECT_EQ(DeviceOfCell(MonitorTab::X, DFormat::U16, 1, 33), -1);
    EXPECT_EQ(CellOfDevice(MonitorTab::X, DFormat::U16, 17), std::make_pair(8, 2));
    EXPECT_EQ(CellOfDevice(MonitorTab::X, DFormat::U16, 18), std::nullopt) << "no octal number";
}

TEST(MemoryGridTest, DecimalGridsAndTheSystemRegisters) {
    EXPECT_EQ(GridRows(MonitorTab::M), 1000);
    EXPECT_EQ(GridRows(MonitorTab::S), 20);
    EXPECT_EQ(GridRows(MonitorTab::T), 40);
    EXPECT_EQ(GridRows(MonitorTab::C), 20);
    EXPECT_EQ(GridRows(MonitorTab::D), 1000);
    EXPECT_EQ(GridRows(MonitorTab::SD), 60);
    EXPECT_EQ(GridColumns(MonitorTab::M, DFormat::S32), 10);
    EXPECT_EQ(GridColumns(MonitorTab::SD, DFormat::F32), 10) << "the system registers stay 16-bit";
    EXPECT_EQ(RowLabel(MonitorTab::M, 501), "M5000");
    EXPECT_EQ(RowLabel(MonitorTab::T, 40), "T390");
    EXPECT_EQ(RowLabel(MonitorTab::SD, 1), "D10000");
    EXPECT_EQ(RowLabel(MonitorTab::SD, 60), "D10590");
    EXPECT_EQ(DeviceOfCell(MonitorTab::M, DFormat::U16, 10, 1000), 9999);
    EXPECT_EQ(DeviceOfCell(MonitorTab::SD, DFormat::U16, 4, 2), 10013);
    EXPECT_EQ(CellOfDevice(MonitorTab::M, DFormat::U16, 5432), std::make_pair(3, 544));
    EXPECT_EQ(CellOfDevice(MonitorTab::SD, DFormat::U16, 10599), std::make_pair(10, 60));
    EXPECT_EQ(CellOfDevice(MonitorTab::S, DFormat::U16, 200), std::nullopt);
}

TEST(MemoryGridTest, The32BitViewShowsRegisterPairs) {
    auto image = std::make_unique<DeviceImage>();
    EXPECT_EQ(GridColumns(MonitorTab::D, DFormat::U16), 10);
    EXPECT_EQ(GridColumns(MonitorTab::D, DFormat::H32), 6);
    EXPECT_EQ(ColumnHeader(MonitorTab::D, DFormat::S32, 2), " + 2");
    EXPECT_EQ(ColumnHeader(MonitorTab::D, DFormat::S32, 6), " + 10");
    // Column 3 of the row labelled D100 shows D104/D105.
    ASSERT_EQ(RowLabel(MonitorTab::D, 11), "D100");
    EXPECT_EQ(DeviceOfCell(MonitorTab::D, DFormat::S32, 3, 11), 104);
    image->SetWord(DeviceKind::D, 104, 0x0002);
    image->SetWord(DeviceKind::D, 105, 0x0001);
    image->MarkRead(DeviceKind::D, 104, 2, true);
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::S32, 3, 11, *image),
              (MemoryCell{"D104", "65538", clWindow, false}));
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::H32, 3, 11, *image).value, "00010002");
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 5, 11, *image).value, "2");
    // The sixth column repeats the first pair of the next row.
    EXPECT_EQ(DeviceOfCell(MonitorTab::D, DFormat::S32, 6, 11), 110);
    EXPECT_EQ(DeviceOfCell(MonitorTab::D, DFormat::S32, 1, 12), 110);
    EXPECT_EQ(CellOfDevice(MonitorTab::D, DFormat::S32, 105), std::make_pair(3, 11));
    EXPECT_EQ(CellOfDevice(MonitorTab::D, DFormat::U16, 105), std::make_pair(6, 11));
}

TEST(MemoryGridTest, CellsShowStateValuesAndAreaColours) {
    auto image = std::make_unique<DeviceImage>();
    image->SetBit(DeviceKind::X, 17, true);
    image->SetBit(DeviceKind::M, 600, true);
    image->SetBit(DeviceKind::T, 235, true);
    image->SetWord(DeviceKind::TValue, 235, 65535);
    image->SetWord(DeviceKind::CValue, 165, 12);
    image->SetWord(DeviceKind::D, 10060, 40000);
    for (int k = 0; k < kDeviceKindCount; ++k) {
        const auto kind = static_cast<DeviceKind>(k);
        image->MarkRead(kind, 0, DeviceImage::Entries(kind), true);
    }

    EXPECT_EQ(CellOf(MonitorTab::X, DFormat::U16, 8, 2, *image),
              (MemoryCell{"■X17", "", kOnColor, false}));
    EXPECT_EQ(CellOf(MonitorTab::Y, DFormat::U16, 8, 2, *image),
              (MemoryCell{"□Y17", "", clWindow, false}));
    // M is coloured by area, not by state.
    EXPECT_EQ(CellOf(MonitorTab::M, DFormat::U16, 1, 61, *image),
              (MemoryCell{"■M600", "", kYellowColor, false}));
    EXPECT_EQ(CellOf(MonitorTab::M, DFormat::U16, 10, 130, *image).background, kYellowColor);
    EXPECT_EQ(CellOf(MonitorTab::M, DFormat::U16, 1, 131, *image).background, clWindow);
    EXPECT_EQ(CellOf(MonitorTab::M, DFormat::U16, 10, 50, *image).background, clWindow);
    // Timers: bold from T235, the value beside the label.
    EXPECT_EQ(CellOf(MonitorTab::T, DFormat::U16, 6, 24, *image),
              (MemoryCell{"■T235", "65535", kOnColor, true}));
    EXPECT_FALSE(CellOf(MonitorTab::T, DFormat::U16, 5, 24, *image).bold);
    EXPECT_EQ(CellOf(MonitorTab::C, DFormat::U16, 6, 17, *image),
              (MemoryCell{"□C165", "12", kYellowColor, false}));
    EXPECT_EQ(CellOf(MonitorTab::C, DFormat::U16, 5, 17, *image).background, clWindow);
    // Registers.
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 1, 51, *image).background, kYellowColor);
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 1, 131, *image).background, clWindow);
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 1, 201, *image).background, kGreenColor);
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 10, 260, *image).background, kGreenColor);
    EXPECT_EQ(CellOf(MonitorTab::D, DFormat::U16, 1, 261, *image).background, clWindow);
    // System registers: unsigned, in bands.
    EXPECT_EQ(CellOf(MonitorTab::SD, DFormat::S16, 1, 7, *image),
              (MemoryCell{"D10060", "40000", kYellowColor, false}));
    struct Band {
        int index;
        TColor colour;
    };
    for (Band b : {Band{0, kGreenColor}, Band{54, kGreenColor}, Band{55, clWindow},
                   Band{84, kYellowColor}, Band{99, clWindow}, Band{156, kGreenColor},
                   Band{223, kYellowColor}, Band{250, kGreenColor}, Band{319, kYellowColor},
                   Band{320, kGreenColor}, Band{397, kYellowColor}, Band{426, kGreenColor},
                   Band{427, clWindow}, Band{599, clWindow}}) {
        EXPECT_EQ(CellOf(MonitorTab::SD, DFormat::U16, b.index % 10 + 1, b.index / 10 + 1, *image)
                      .background,
                  b.colour)
            << "D" << 10000 + b.index;
    }
    EXPECT_EQ(CellOf(MonitorTab::M, DFormat::U16, 11, 1, *image), MemoryCell{});
}

TEST(MemoryGridTest, DevicesNotReadShowNoStateAndNoValue) {
    auto image = std::make_unique<DeviceImage>();
    image->SetBit(DeviceKind::X, 17, true);
    image->SetBit(DeviceKind::T, 235, true);
    image->MarkRead(DeviceKind::T, 235, 1, true);  // the contact, not the value
    image->SetWord(DeviceKind::D, 104, 2);
    image->MarkRead(DeviceKind::D, 104, 1, true);  // half of the pair D104/D105
    image->SetWord(DeviceKind::D, 600, 9);
    struct Case {
        MonitorTab tab;
        DFormat format;
        int column, row;
        MemoryCell cell;
    };
    const Case cases[] = {
        {MonitorTab::X, DFormat::U16, 8, 2, {"X17", "", clWindow, false, false}},
        {MonitorTab::T, DFormat::U16, 6, 24, {"■T235", "", kOnColor, true, true}},
        {MonitorTab::C, DFormat::U16, 6, 17, {"C165", "", kYellowColor, false, false}},
        {MonitorTab::D, DFormat::U16, 5, 11, {"D104", "2", clWindow, false, true}},
        {MonitorTab::D, DFormat::S32, 3, 11, {"D104", "", clWindow, false, false}},
        {MonitorTab::D, DFormat::U16, 1, 61, {"D600", "", kYellowColor, false, false}},
        {MonitorTab::SD, DFormat::U16, 1, 7, {"D10060", "", kYellowColor, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellOf(c.tab, c.format, c.column, c.row, *image), c.cell) << c.cell.label;
}

TEST(MemoryGridTest, SetResetCaptionsNameTheBitToWrite) {
    EXPECT_EQ(SetResetCaption(MonitorTab::Y, 17), "Y:17");
    EXPECT_EQ(SetResetCaption(MonitorTab::M, 100), "M:100");
    EXPECT_EQ(SetResetCaption(MonitorTab::S, 5), "S:5");
    EXPECT_EQ(SetResetCaption(MonitorTab::X, 5), "");
    EXPECT_EQ(SetResetCaption(MonitorTab::D, 5), "");
    EXPECT_EQ(BitWriteOfCaption("Y:17"), (BitWriteTarget{17, 109}));
    EXPECT_EQ(BitWriteOfCaption("M:100"), (BitWriteTarget{100, 5}));
    EXPECT_EQ(BitWriteOfCaption("S:199"), (BitWriteTarget{199, 14}));
    for (const char* bad : {"X:1", "Y:18", "Y:400", "M:10000", "S:200", "M:", "M100", "M:1a", ""})
        EXPECT_EQ(BitWriteOfCaption(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace vx
