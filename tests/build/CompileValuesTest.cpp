// The fields the compile reads from the parameter strings, the parameter table
// of PLC.c and the names of the kit files a project is linked with.
#include "build/CompileValues.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/ProjectFile.h"

namespace vx {
namespace {

// A SysParamString with series, version, CAN function and flag byte replaced.
std::string Sys(const char* series, const char* version, char can = '0', const char* flags = "00") {
    std::string s = kDefaultSysParamString;
    s.replace(0, 2, series);
    s.replace(2, 2, version);
    s[20] = can;
    s.replace(49, 2, flags);
    return s;
}

TEST(CompileValuesTest, FieldsOfTheParameterString) {
    CompileValues v = ReadCompileValues(kDefaultSysParamString, false);
    EXPECT_EQ(v.series, 2);
    EXPECT_EQ(v.version, 0);
    EXPECT_EQ(v.canFunction, 0);
    EXPECT_FALSE(v.cBlock);
    EXPECT_FALSE(v.cLibrary);
    EXPECT_FALSE(v.plugin);

    v = ReadCompileValues(Sys("0C", "01", '2', "39"), true);
    EXPECT_EQ(v.series, 10) << "series above 10 count as 10";
    EXPECT_EQ(v.version, 1);
    EXPECT_EQ(v.canFunction, 2);
    EXPECT_TRUE(v.cBlock) << "bit 0";
    EXPECT_TRUE(v.cLibrary) << "bit 3";
    EXPECT_TRUE(v.plugin);
    EXPECT_FALSE(ReadCompileValues(Sys("02", "00", '0', "F6"), false).cBlock);
    EXPECT_FALSE(ReadCompileValues(Sys("02", "00", '0', "F6"), false).cLibrary);
}

TEST(CompileValuesTest, TheLargerMemoryMapBelongsToThreeSeries) {
    auto suffix = [](const char* series, const char* version) {
        return LinkerSuffix(ReadCompileValues(Sys(series, version), false));
    };
    EXPECT_EQ(suffix("03", "01"), "");
    EXPECT_EQ(suffix("03", "02"), "2");
    EXPECT_EQ(suffix("06", "00"), "");
    EXPECT_EQ(suffix("06", "01"), "2");
    EXPECT_EQ(suffix("0A", "01"), "");
    EXPECT_EQ(suffix("0A", "02"), "2");
    EXPECT_EQ(suffix("0F", "02"), "2") << "capped to series 10";
    EXPECT_EQ(suffix("02", "05"), "");
    EXPECT_EQ(suffix("05", "02"), "");
}

TEST(CompileValuesTest, VariantAndModelObjects) {
    auto variant = [](char can) {
        return RuntimeVariant(ReadCompileValues(Sys("02", "00", can), false));
    };
    EXPECT_EQ(variant('0'), "../STFUN");
    EXPECT_EQ(variant('1'), "../STFUNC");
    EXPECT_EQ(variant('2'), "../STFUNCO");
    EXPECT_EQ(variant('7'), "../STFUN") << "an unknown CAN function links the plain run-time";

    EXPECT_EQ(ModelObject(2, 0), "../MOD020.d");
    EXPECT_EQ(ModelObject(10, 2), "../MOD102.d");
    EXPECT_EQ(ModelObject(6, 9), "../MOD062.d") << "versions beyond the table take the last";
    EXPECT_EQ(ModelObject(-1, -1), "../MOD000.d");
}

// One table, model x 3 + variant, read by the compile and the kit list alike.
TEST(CompileValuesTest, TheModelLinkLibraryTable) {
    const auto& table = ModelLibraryTable();
    ASSERT_EQ(table.size(), 33u);
    std::set<std::string> distinct(table.begin(), table.end());
    EXPECT_EQ(distinct.size(), 33u);
    for (int model = 0; model < 11; ++model) {
        for (int variant = 0; variant < 3; ++variant) {
            const std::string& entry = table[static_cast<std::size_t>(model * 3 + variant)];
            EXPECT_EQ(ModelObject(model, variant), entry);
            EXPECT_EQ(entry.size(), 11u) << "\"../\" + a six-character stem + \".d\": " << entry;
        }
    }
    EXPECT_EQ(table[19], "../MOD061.d");
    EXPECT_EQ(ModelObject(99, 1), table[31]) << "a series beyond the table takes the last row";
}

TEST(CompileValuesTest, SysIniTableOfANewProject) {
    const std::vector<std::string> expected = {
        "4000", "2300", "1", "3", "100", "2",   "9",   "2",    "0",   "0",   "0",
        "5",    "0",    "0", "1", "0",   "100", "100", "101",  "102", "103", "200",
        "201",  "0",    "0", "0", "0",   "0",   "0",   "1302", "600", "1355"};
    EXPECT_EQ(SysIniTable(kDefaultSysParamString, kDefaultHoldParamString), expected);
}

TEST(CompileValuesTest, SysIniTableInterruptModesAndRetentiveAreas) {
    // X00 both edges, X01 rising, X02 falling; relays from M1299, registers
    // from D1299, counters from C199.
    const std::string hold = "3120513051300C70FA008FC";
    const std::vector<std::string> t = SysIniTable(kDefaultSysParamString, hold);
    ASSERT_EQ(t.size(), 32u);
    EXPECT_EQ(t[26], "0x10");
    EXPECT_EQ(t[27], "0x0C");
    EXPECT_EQ(t[28], "0x08");
    EXPECT_EQ(t[29], std::to_string((1299 - 484) / 16 + 1300));
    EXPECT_EQ(t[30], "1300");
    EXPECT_EQ(t[31], std::to_string(199 + 1186));

    const std::vector<std::string> zero = SysIniTable(kDefaultSysParamString, "00");
    EXPECT_EQ(zero[26], "0");
    EXPECT_EQ(zero[29], "1270") << "(0 - 484) div 16 truncates toward zero: -30";
    EXPECT_EQ(zero[0], "0") << "missing fields read as 0";
}

}  // namespace
}  // namespace vx
