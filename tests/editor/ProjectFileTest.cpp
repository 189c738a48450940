#include "editor/ProjectFile.h"

#include <gtest/gtest.h>

#include <random>

#include "RecordBytes.h"
#include "editor/ProjectRecord.h"
#include "model/CellKind.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::RawRecord;

const std::string kSys = kDefaultSysParamString;

// The 23 leading records of a project with the default strings and nothing else.
std::string LeadingRecords(std::uint8_t tag = 201, std::int32_t magic = 0x56454B) {
    return RawRecord(tag, kSys.substr(0, 26), kSys.substr(26), magic) +
           RawRecord(0, kDefaultHoldParamString, "", 0) + std::string(21 * 60, '\0');
}

TEST(ProjectRecordCodec, FieldsOffsetsAndTextLimits) {
    std::string out;
    AppendRecord(out, 0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2);
    EXPECT_EQ(out, RawRecord(0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2));
    EXPECT_EQ(RecordView(out).Decode(), (ProjectRecord{0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2}));

    // 14 Chinese characters are 28 GBK bytes: 13 fit, never half of one.
    out.clear();
    AppendRecord(out, 0, "中中中中中中中中中中中中中中", std::string(25, 'a') + "中", 0);
    std::string thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen += "\xD6\xD0";
    EXPECT_EQ(out, RawRecord(0, thirteen, std::string(25, 'a'), 0));

    // Length bytes above 26 count as 26.
    const std::string raw = RawRecord(1, std::string(26, 'A'), "B", 7, 200, 255);
    EXPECT_EQ(RecordView(raw).Text1(), std::string(26, 'A'));
    EXPECT_EQ(RecordView(raw).Text2(), std::string("B") + std::string(25, '\0'));
}

TEST(ProjectFileLayout, WriterProducesTheRecordsByteForByte) {
    LadderProgram p;
    SetDefaultParameters(p);
    p.passwordText = "密码";
    p.passwordFlag = 1;
    p.usePlugin = 1;
    p.pluginName = "Can.dll";
    p.subroutineNames[1] = "报警";
    p.subroutineNames[31] = "Last";
    p.cells.Kind(12, 0) = CellKind::kCoil;
    p.cells.First(12, 0) = "Y0";
    p.cells.Kind(1, 0) = CellKind::kOpenContact;
    p.cells.Second(1, 0) = "(X[0])";
    p.cells.First(13, 0) = "启动";  // a block comment the grid never painted
    p.cells.Kind(5, 7) = CellKind::kLine;
    p.cells.Kind(2, kUnshownRow) = 0x13;

    std::string expected = RawRecord(201, kSys.substr(0, 26), kSys.substr(26), 0x56454B);
    expected += RawRecord(0, "0000213025700A90FA008FC000", "\xC3\xDC\xC2\xEB", 1);
    expected += RawRecord(1, "Can.dll", "", 0) + std::string(4 * 60, '\0');
    expected += RawRecord(0, "", "\xB1\xA8\xBE\xAF", 0) + std::string(14 * 60, '\0');
    expected += RawRecord(0, "", "Last", 0);
    expected += RawRecord(1, "", "(X[0])", 1);
    expected += RawRecord(4, "Y0", "", 12);
    expected += RawRecord(0xCD, "\xC6\xF4\xB6\xAF", "", 13);
    expected += RawRecord(3, "", "", 7 * 14 + 5);
    expected += RawRecord(0x13, "", "", 10192 * 14 + 2);
    EXPECT_EQ(SerialiseProject(p), expected);
}

TEST(ProjectFileLayout, ReaderTakesWhatTheOriginalWrote) {
    std::string file = RawRecord(201, kSys.substr(0, 26), kSys.substr(26), 0x56454B);
    file += RawRecord(0, "0000213025700A90FA008FC000", "abc", 1);
    file += RawRecord(2, "Plug.dll", "", 0) + std::string(4 * 60, '\0');
    for (int k = 0; k < 16; ++k)
        file += RawRecord(0, "S" + std::to_string(2 * k), k == 3 ? "\xB5\xE7\xBB\xFA" : "", 0);
    file += RawRecord(0xCD, "\xCD\xA3\xD6\xB9\xB0\xB4\xC5\xA5", "line 2", 13);
    file += RawRecord(0x16, "MOV D0 D1", "MOV(D[0],D[1])", 2000 * 14 + 12);

    LadderProgram p;
    p.cells.Kind(4, 4) = 1;  // whatever the store held before goes
    ASSERT_EQ(ParseProject(file, p), ProjectReadResult::Ok);
    EXPECT_EQ(p.sysParamString, kSys);
    EXPECT_EQ(p.holdParamString, kDefaultHoldParamString);
    EXPECT_EQ(p.passwordText, "abc");
    EXPECT_EQ(p.passwordFlag, 1);
    EXPECT_EQ(p.usePlugin, 2);
    EXPECT_EQ(p.pluginName, "Plug.dll");
    EXPECT_EQ(p.subroutineNames[6], "S6");
    EXPECT_EQ(p.subroutineNames[7], "电机");
    EXPECT_EQ(p.cells.First(13, 0), "停止按钮");
    EXPECT_EQ(p.cells.Second(13, 0), "line 2");
    EXPECT_EQ(p.cells.Kind(12, 2000), 0x16);
    EXPECT_EQ(p.cells.Second(12, 2000), "MOV(D[0],D[1])");
    EXPECT_EQ(p.cells.Kind(4, 4), 0);
}

TEST(ProjectFileHeader, AcceptsBothVersionsAndRefusesMixedOnes) {
    const struct {
        int tag;
        std::int32_t magic;
        bool valid;
    } cases[] = {{188, 0x56656B, true},  {201, 0x56454B, true},  {200, 0x56454B, true},
                 {255, 0x56454B, true},  {201, 0x56656B, false}, {188, 0x56454B, false},
                 {199, 0x56454B, false}, {189, 0x56656B, false}};
    for (const auto& c : cases) {
        LadderProgram p;
        EXPECT_EQ(ParseProject(LeadingRecords(static_cast<std::uint8_t>(c.tag), c.magic), p),
                  c.valid ? ProjectReadResult::Ok : ProjectReadResult::VersionError)
            << "tag " << c.tag << " magic " << std::hex << c.magic;
    }
}

TEST(ProjectFileReader, DistrustsTheFile) {
    LadderProgram p;
    p.passwordText = "kept";
    for (std::size_t size : {0, 59, 60, 22 * 60, 23 * 60 - 1})
        EXPECT_EQ(ParseProject(LeadingRecords().substr(0, size), p), ProjectReadResult::NotFound)
            << size;
    EXPECT_EQ(p.passwordText, "kept") << "a short file changes no field";

    std::string file = LeadingRecords();
    file += RawRecord(1, "X1", "", -1);
    file += RawRecord(1, "X2", "", 14 * 10193);
    file += RawRecord(2, std::string(26, 'L'), "C", 14 * 10193 - 1, 90, 27);
    file += RawRecord(1, "X4", "", 15).substr(0, 59);  // cut off
    ASSERT_EQ(ParseProject(file, p), ProjectReadResult::Ok);
    LadderCells expected;
    expected.Kind(13, kUnshownRow) = 2;
    expected.First(13, kUnshownRow) = std::string(26, 'L');
    expected.Second(13, kUnshownRow) = std::string("C") + std::string(25, '\0');
    EXPECT_EQ(p.cells, expected) << "out-of-store cells skipped, lengths clamped, the last part "
                                    "of a record ignored";
}

// Every row used, random kinds, texts of up to 24 GBK bytes.
LadderProgram RandomProgram(unsigned seed) {
    std::mt19937 rng(seed);
    const std::vector<std::string> words = {"X17",      "MOV D0 D1", "电机", "(X[17])",
                                            "启动按钮", "T5 K100",   "",     "中"};
    auto text = [&] {
        std::string t;
        for (std::string next; (next = t + words[rng() % words.size()]).size() <= 24 && rng() % 3;)
            t = next;
        return t;
    };
    LadderProgram p;
    SetDefaultParameters(p);
    p.passwordText = "密码12";
    p.passwordFlag = 1;
    p.usePlugin = 1;
    p.pluginName = "插件.dll";
    for (std::string& name : p.subroutineNames)
        name = text();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (rng() % 4 == 0) continue;
            p.cells.Kind(column, row) = column == kCommentColumn
                                            ? CellKind::kRailMarker
                                            : static_cast<std::uint8_t>(1 + rng() % 255);
            p.cells.First(column, row) = text();
            p.cells.Second(column, row) = text();
        }
    }
    return p;
}

TEST(ProjectFileRoundTrip, AFullRandomProgramComesBackUnchanged) {
    test::TempFolder dir;
    const LadderProgram original = RandomProgram(20240501);
    ASSERT_TRUE(WriteFileAtomically(dir / "random.PSP", SerialiseProject(original)));
    LadderProgram back;
    ASSERT_EQ(ParseProject(*ReadWholeFile(dir / "random.PSP"), back), ProjectReadResult::Ok);
    EXPECT_EQ(back.cells, original.cells);
    EXPECT_EQ(back.subroutineNames, original.subroutineNames);
    EXPECT_EQ(back.sysParamString, original.sysParamString);
    EXPECT_EQ(back.holdParamString, original.holdParamString);
    EXPECT_EQ(back.passwordText, original.passwordText);
    EXPECT_EQ(back.passwordFlag, original.passwordFlag);
    EXPECT_EQ(back.usePlugin, original.usePlugin);
    EXPECT_EQ(back.pluginName, original.pluginName);
}

TEST(ProjectFileRoundTrip, LongTextsComeBackCutAndCommentsComeBackAsRailCells) {
    LadderProgram p;
    p.cells.Kind(12, 3) = CellKind::kFunctionBox;
    p.cells.First(12, 3) = "DEADD D1000 D2000 D3000 D4000";
    p.cells.Second(13, 3) = "只有第二行的注释";   // kind 0: never painted
    p.cells.Kind(13, 4) = CellKind::kRailMarker;  // painted, no text
    LadderProgram back;
    ASSERT_EQ(ParseProject(SerialiseProject(p), back), ProjectReadResult::Ok);
    EXPECT_EQ(back.cells.First(12, 3), "DEADD D1000 D2000 D3000 D4");
    EXPECT_EQ(back.cells.Kind(13, 3), CellKind::kRailMarker);
    EXPECT_EQ(back.cells.Second(13, 3), "只有第二行的注释");
    EXPECT_EQ(back.cells.Kind(13, 4), CellKind::kRailMarker);
}

TEST(ProjectFilePaths, ExtensionsAndTheBackupThatIsNeverOverwritten) {
    EXPECT_EQ(ChangeFileExtension("/p/a.BAK", ".PSP"), "/p/a.PSP");
    EXPECT_EQ(ChangeFileExtension("/p.d/a", ".PLCC"), "/p.d/a.PLCC");
    EXPECT_EQ(BackupPathFor("/p/泵站.PSP"), "/p/泵站.BAK");
    test::TempFolder dir;
    EXPECT_EQ(MakeBackupOnce(dir / "a.PSP", "first"), BackupResult::Made);
    EXPECT_EQ(MakeBackupOnce(dir / "a.PSP", "second"), BackupResult::AlreadyThere);
    EXPECT_EQ(test::ReadTestFile(dir / "a.BAK"), "first");
}

}  // namespace
}  // namespace vx
