#include "editor/ProjectFile.h"

#include <gtest/gtest.h>

#include <random>

#include "RecordBytes.h"
#include "editor/ProjectRecord.h"
#include "model/CellKind.h"
#include "model/MyPublic.h"
#include "support/TempFolder.h"

namespace vx {
namespace {

using test::RawRecord;

const std::string kSys = kDefaultSysParamString;

// The 23 leading records of a project with default strings and nothing else.
std::string PlainLeadingRecords(std::uint8_t tag = 201, std::int32_t magic = 0x56454B) {
    std::string bytes = RawRecord(tag, kSys.substr(0, 26), kSys.substr(26), magic);
    bytes += RawRecord(0, kDefaultHoldParamString, "", 0);
    for (int i = 2; i < 23; ++i)
        bytes += RawRecord(0, "", "", 0);
    return bytes;
}

TEST(ProjectRecordCodec, FieldsSitAtTheirOffsets) {
    std::string out;
    AppendRecord(out, 0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2);
    ASSERT_EQ(out.size(), 60u);
    EXPECT_EQ(out, RawRecord(0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2));
    EXPECT_EQ(static_cast<unsigned char>(out[56]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>(out[59]), 0xFF);
    EXPECT_EQ(out[55], '\0') << "padding";

    const ProjectRecord back = RecordView(out).Decode();
    EXPECT_EQ(back, (ProjectRecord{0x16, "MOV D0 D1", "MOV(D[0],D[1])", -2}));
}

TEST(ProjectRecordCodec, TextsAreGbkAndCutBetweenCharactersAt26Bytes) {
    std::string out;
    // 14 Chinese characters are 28 GBK bytes: 13 of them fit.
    AppendRecord(out, 0, "中中中中中中中中中中中中中中", std::string(25, 'a') + "中", 0);
    std::string thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen += "\xD6\xD0";
    EXPECT_EQ(out, RawRecord(0, thirteen, std::string(25, 'a'), 0))
        << "never half a character, and the unused bytes stay zero";
    EXPECT_EQ(RecordView(out).Text1(), "中中中中中中中中中中中中中");

    std::string ascii;
    AppendRecord(ascii, 0, std::string(40, 'x'), "", 0);
    EXPECT_EQ(RecordView(ascii).Text1(), std::string(26, 'x'));
}

TEST(ProjectRecordCodec, LengthBytesAbove26CountAs26) {
    const std::string raw = RawRecord(1, std::string(26, 'A'), "B", 7, 200, 255);
    const RecordView view(raw);
    EXPECT_EQ(view.Text1(), std::string(26, 'A'));
    EXPECT_EQ(view.Text2(), std::string("B") + std::string(25, '\0'));
    EXPECT_EQ(view.Value(), 7) << "the value is not read from the text bytes";
}

TEST(ProjectFileLayout, WriterProducesTheRecordsByteForByte) {
    LadderProgram p;
    SetDefaultParameters(p);
    p.passwordText = "密码";
    p.passwordFlag = 1;
    p.usePlugin = 1;
    p.pluginName = "Can.dll";
    p.subroutineNames[0] = "Init";
    p.subroutineNames[1] = "报警";
    p.subroutineNames[31] = "Last";
    p.cells.Kind(12, 0) = CellKind::kCoil;
    p.cells.First(12, 0) = "Y0";
    p.cells.Second(12, 0) = "Y[0]";
    p.cells.Kind(1, 0) = CellKind::kOpenContact;
    p.cells.First(1, 0) = "X0";
    p.cells.Second(1, 0) = "(X[0])";
    p.cells.First(13, 0) = "启动";  // a block comment the grid never painted
    p.cells.Kind(2, kUnshownRow) = 0x13;
    p.cells.First(2, kUnshownRow) = "M5";
    p.cells.Kind(5, 7) = CellKind::kLine;

    std::string expected = RawRecord(201, kSys.substr(0, 26), kSys.substr(26), 0x56454B);
    expected += RawRecord(0, "0000213025700A90FA008FC000", "\xC3\xDC\xC2\xEB", 1);
    expected += RawRecord(1, "Can.dll", "", 0);
    for (int i = 0; i < 4; ++i)
        expected += RawRecord(0, "", "", 0);
    expected += RawRecord(0, "Init", "\xB1\xA8\xBE\xAF", 0);
    for (int k = 1; k < 15; ++k)
        expected += RawRecord(0, "", "", 0);
    expected += RawRecord(0, "", "Last", 0);
    expected += RawRecord(1, "X0", "(X[0])", 1);
    expected += RawRecord(4, "Y0", "Y[0]", 12);
    expected += RawRecord(0xCD, "\xC6\xF4\xB6\xAF", "", 13);
    expected += RawRecord(3, "", "", 7 * 14 + 5);
    expected += RawRecord(0x13, "M5", "", 10192 * 14 + 2);

    const std::string bytes = SerialiseProject(p);
    ASSERT_EQ(bytes.size(), 28u * 60u);
    EXPECT_EQ(bytes, expected);
}

TEST(ProjectFileLayout, ReaderTakesWhatTheOriginalWrote) {
    std::string file = RawRecord(201, kSys.substr(0, 26), kSys.substr(26), 0x56454B);
    file += RawRecord(0, "0000213025700A90FA008FC000", "abc", 1);
    file += RawRecord(2, "Plug.dll", "", 0);
    for (int i = 0; i < 4; ++i)
        file += RawRecord(0, "", "", 0);
    for (int k = 0; k < 16; ++k)
        file += RawRecord(0, "S" + std::to_string(2 * k), k == 3 ? "\xB5\xE7\xBB\xFA" : "", 0);
    file += RawRecord(0xCD, "\xCD\xA3\xD6\xB9\xB0\xB4\xC5\xA5", "line 2", 13);
    file += RawRecord(0x16, "MOV D0 D1", "MOV(D[0],D[1])", 2000 * 14 + 12);
    file += RawRecord(0x21, "X17", "(X[17])", 10192 * 14 + 3);

    LadderProgram p;
    p.cells.Kind(4, 4) = 1;  // whatever the store held before goes
    ASSERT_EQ(ParseProject(file, p), ProjectReadResult::Ok);
    EXPECT_EQ(p.sysParamString, kSys);
    EXPECT_EQ(p.holdParamString, kDefaultHoldParamString);
    EXPECT_EQ(p.passwordText, "abc");
    EXPECT_EQ(p.passwordFlag, 1);
    EXPECT_EQ(p.usePlugin, 2);
    EXPECT_EQ(p.pluginName, "Plug.dll");
    EXPECT_EQ(p.subroutineNames[0], "S0");
    EXPECT_EQ(p.subroutineNames[6], "S6");
    EXPECT_EQ(p.subroutineNames[7], "电机");
    EXPECT_EQ(p.subroutineNames[30], "S30");
    EXPECT_EQ(p.cells.Kind(13, 0), 0xCD);
    EXPECT_EQ(p.cells.First(13, 0), "停止按钮");
    EXPECT_EQ(p.cells.Second(13, 0), "line 2");
    EXPECT_EQ(p.cells.Kind(12, 2000), 0x16);
    EXPECT_EQ(p.cells.Second(12, 2000), "MOV(D[0],D[1])");
    EXPECT_EQ(p.cells.Kind(3, kUnshownRow), 0x21);
    EXPECT_EQ(p.cells.First(3, kUnshownRow), "X17");
    EXPECT_EQ(p.cells.Kind(4, 4), 0);
}

TEST(ProjectFileLayout, NewProjectParameterStringsFollowTheirFields) {
    LadderProgram p;
    SetDefaultParameters(p);
    const std::string& s = p.sysParamString;
    ASSERT_EQ(s.size(), 51u);
    struct Field {
        int pos, width, value;
    };
    const Field fields[] = {{1, 2, 2},    {3, 2, 0},    {5, 5, 0},    {10, 2, 1},   {12, 1, 3},
                            {13, 2, 100}, {15, 1, 2},   {16, 1, 9},   {17, 1, 2},   {18, 1, 0},
                            {19, 2, 0},   {21, 1, 0},   {22, 1, 5},   {23, 1, 0},   {24, 1, 0},
                            {25, 2, 1},   {27, 1, 0},   {28, 3, 100}, {31, 3, 100}, {34, 3, 101},
                            {37, 3, 102}, {40, 3, 103}, {43, 3, 200}, {46, 3, 201}, {49, 1, 0},
                            {50, 2, 0}};
    for (const Field& f : fields)
        EXPECT_EQ(HexFieldToInt(s, f.pos, f.width), f.value) << "field at " << f.pos;
    const std::string& h = p.holdParamString;
    ASSERT_EQ(h.size(), 26u);
    EXPECT_EQ(h.substr(0, 3), "000") << "no external interrupts";
    EXPECT_EQ(HexFieldToInt(h, 4, 4), 531);
    EXPECT_EQ(HexFieldToInt(h, 8, 4), 599);
    EXPECT_EQ(HexFieldToInt(h, 12, 4), 169);
    EXPECT_EQ(HexFieldToInt(h, 16, 4), 4000);
    EXPECT_EQ(HexFieldToInt(h, 20, 4), 2300);
    EXPECT_EQ(h.substr(23), "000");
}

TEST(ProjectFileHeader, AcceptsBothVersionsAndRefusesMixedOnes) {
    struct Case {
        int tag;
        std::int32_t magic;
        bool valid;
    };
    const Case cases[] = {{188, 0x56656B, true},  {201, 0x56454B, true},  {200, 0x56454B, true},
                          {255, 0x56454B, true},  {201, 0x56656B, false}, {188, 0x56454B, false},
                          {199, 0x56454B, false}, {0, 0, false},          {189, 0x56656B, false}};
    for (const Case& c : cases) {
        LadderProgram p;
        const auto result =
            ParseProject(PlainLeadingRecords(static_cast<std::uint8_t>(c.tag), c.magic), p);
        EXPECT_EQ(result, c.valid ? ProjectReadResult::Ok : ProjectReadResult::VersionError)
            << "tag " << c.tag << " magic " << std::hex << c.magic;
    }
}

TEST(ProjectFileReader, DistrustsTheFile) {
    LadderProgram p;
    EXPECT_EQ(ParseProject("", p), ProjectReadResult::NotFound);
    EXPECT_EQ(ParseProject(PlainLeadingRecords().substr(0, 59), p), ProjectReadResult::NotFound);
    EXPECT_EQ(ParseProject(PlainLeadingRecords().substr(0, 22 * 60), p),
              ProjectReadResult::NotFound)
        << "fewer than the 23 leading records";
    EXPECT_EQ(ParseProject(PlainLeadingRecords().substr(0, 23 * 60 - 1), p),
              ProjectReadResult::NotFound);

    p.passwordText = "kept";
    EXPECT_EQ(ParseProject(PlainLeadingRecords().substr(0, 5 * 60), p),
              ProjectReadResult::NotFound);
    EXPECT_EQ(p.passwordText, "kept") << "a short file changes no field";

    // Only the leading records: an empty program.
    LadderProgram empty;
    ASSERT_EQ(ParseProject(PlainLeadingRecords(), empty), ProjectReadResult::Ok);
    EXPECT_EQ(empty.cells, LadderCells());

    std::string file = PlainLeadingRecords();
    file += RawRecord(1, "X1", "", -1);
    file += RawRecord(1, "X2", "", 14 * 10193);
    file += RawRecord(1, "X3", "", 0x7FFFFFFF);
    file += RawRecord(2, std::string(26, 'L'), "C", 14 * 10193 - 1, 90, 27);
    file += RawRecord(1, "X4", "", 15).substr(0, 59);  // cut off
    LadderProgram q;
    ASSERT_EQ(ParseProject(file, q), ProjectReadResult::Ok);
    LadderCells expected;
    expected.Kind(13, kUnshownRow) = 2;
    expected.First(13, kUnshownRow) = std::string(26, 'L');
    expected.Second(13, kUnshownRow) = std::string("C") + std::string(25, '\0');
    EXPECT_EQ(q.cells, expected) << "out-of-store cells skipped, lengths clamped, the last part "
                                    "of a record ignored";
}

// A program with every row used, random kinds, and texts of up to 26 GBK bytes.
LadderProgram RandomProgram(unsigned seed) {
    std::mt19937 rng(seed);
    const std::vector<std::string> words = {"X17",      "MOV D0 D1", "电机", "(X[17])",
                                            "启动按钮", "T5 K100",   "",     "DEADD D0 D2 D4",
                                            "中",       "停止"};
    auto text = [&] {
        std::string t;
        while (true) {
            std::string next = t + words[rng() % words.size()];
            if (next.size() > 24 || rng() % 3 == 0) break;  // at most 8 Chinese, 24 bytes
            t = next;
        }
        return t;
    };
    LadderProgram p;
    SetDefaultParameters(p);
    p.passwordText = "密码12";
    p.passwordFlag = 1;
    p.usePlugin = 1;
    p.pluginName = "插件.dll";
    for (int i = 0; i < kSubroutineCount; ++i)
        p.subroutineNames[i] = text();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (rng() % 4 == 0) continue;
            if (column == kCommentColumn) {
                p.cells.Kind(column, row) = CellKind::kRailMarker;
            } else {
                p.cells.Kind(column, row) = static_cast<std::uint8_t>(1 + rng() % 255);
            }
            p.cells.First(column, row) = text();
            p.cells.Second(column, row) = text();
        }
    }
    p.cells.Kind(7, kUnshownRow) = CellKind::kCoil;
    p.cells.First(7, kUnshownRow) = "last row";
    return p;
}

TEST(ProjectFileRoundTrip, AFullRandomProgramComesBackUnchanged) {
    test::TempFolder dir;
    const LadderProgram original = RandomProgram(20240501);
    const std::string path = dir / "random.PSP";
    ASSERT_TRUE(WriteFileAtomically(path, SerialiseProject(original)));
    const auto bytes = ReadWholeFile(path);
    ASSERT_TRUE(bytes);
    LadderProgram back;
    ASSERT_EQ(ParseProject(*bytes, back), ProjectReadResult::Ok);
    EXPECT_EQ(back.cells, original.cells);
    EXPECT_EQ(back.cells.First(7, kUnshownRow), "last row");
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

TEST(ProjectFilePaths, ExtensionsAndBackups) {
    EXPECT_EQ(ChangeFileExtension("/p/a.BAK", ".PSP"), "/p/a.PSP");
    EXPECT_EQ(ChangeFileExtension("/p/a", ".PLCC"), "/p/a.PLCC");
    EXPECT_EQ(ChangeFileExtension("/p.d/a", ".PSP"), "/p.d/a.PSP");
    EXPECT_EQ(ChangeFileExtension("/p/a.b.PSP", ".PLCC"), "/p/a.b.PLCC");
    EXPECT_EQ(BackupPathFor("/p/泵站.PSP"), "/p/泵站.BAK");

    test::TempFolder dir;
    const std::string saved = dir / "a.PSP";
    EXPECT_EQ(MakeBackupOnce(saved, "first"), BackupResult::Made);
    EXPECT_EQ(MakeBackupOnce(saved, "second"), BackupResult::AlreadyThere);
    EXPECT_EQ(test::ReadTestFile(dir / "a.BAK"), "first") << "a backup is never overwritten";
    EXPECT_EQ(MakeBackupOnce(dir / "missing/a.PSP", "x"), BackupResult::Failed);
}

}  // namespace
}  // namespace vx
