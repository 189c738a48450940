#include "online/EvaluateCell.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <ostream>
#include <span>

#include "model/CellKind.h"

namespace vx {

void PrintTo(const MonitorRecord& r, std::ostream* os) {
    *os << "{code " << r.code << ", extra " << r.extraCode1 << " " << r.extraCode2 << ", state "
        << int{r.state} << ", line1 \"" << r.line1 << "\", line2 \"" << r.line2 << "\""
        << (r.read ? "" : ", unread") << "}";
}

namespace {

constexpr auto Code(DeviceKind kind) {
    return [kind](int n) { return MakeDeviceCode(kind, n); };
}
constexpr auto Xn = Code(DeviceKind::X), Yn = Code(DeviceKind::Y), Mn = Code(DeviceKind::M),
               Sn = Code(DeviceKind::S), Tn = Code(DeviceKind::T), Cn = Code(DeviceKind::C),
               Dn = Code(DeviceKind::D), TVn = Code(DeviceKind::TValue),
               CVn = Code(DeviceKind::CValue);
constexpr DeviceCode None = kNoDevice;

constexpr std::uint8_t kNO = CellKind::kOpenContact;
constexpr std::uint8_t kNC = CellKind::kClosedContact;
constexpr std::uint8_t kUp = CellKind::kRisingEdge;
constexpr std::uint8_t kDown = CellKind::kFallingEdge;
constexpr std::uint8_t kCoil = CellKind::kCoil;
constexpr std::uint8_t kBox = CellKind::kFunctionBox;
constexpr std::uint8_t kCmp = CellKind::kCompareContact;
constexpr std::uint8_t kStl = CellKind::kStepContact;

struct Case {
    std::uint8_t kind;
    const char* text;
    MonitorRecord expected;
};

std::uint32_t FloatBits(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

// The controller's values every case reads.
//   bits ON: X17, Y5, M5, M8330, S3, T5, C3 (all others OFF)
//   T5 = 123, C2 = 7, C3 = 65535
//   D0/D1 = 131073 (1 and 2), D2/D3 = -1, D4/D5 = 100, D10 = 65535, D20 = 5,
//   D100 = 45, D200/D201 = 1.5, D202/D203 = -2.25, D204/D205 = 0.0,
//   D9999/D10000 = 65537
// Every entry counts as read from the controller.
const DeviceImage& Image() {
    static const std::unique_ptr<DeviceImage> image = [] {
        auto im = std::make_unique<DeviceImage>();
        for (auto [kind, n] : {std::pair{DeviceKind::X, 17},
                               {DeviceKind::Y, 5},
                               {DeviceKind::M, 5},
                               {DeviceKind::M, 8330},
                               {DeviceKind::S, 3},
                               {DeviceKind::T, 5},
                               {DeviceKind::C, 3}}) {
            im->SetBit(kind, n, true);
        }
        im->SetWord(DeviceKind::TValue, 5, 123);
        im->SetWord(DeviceKind::CValue, 2, 7);
        im->SetWord(DeviceKind::CValue, 3, 65535);
        im->SetRegisterPair(0, 0x00020001);
        im->SetRegisterPair(2, 0xFFFFFFFF);
        im->SetRegisterPair(4, 100);
        im->SetWord(DeviceKind::D, 10, 65535);
        im->SetWord(DeviceKind::D, 20, 5);
        im->SetWord(DeviceKind::D, 100, 45);
        im->SetRegisterPair(200, FloatBits(1.5f));
        im->SetRegisterPair(202, FloatBits(-2.25f));
        im->SetRegisterPair(204, FloatBits(0.0f));
        im->SetRegisterPair(9999, 65537);
        for (int k = 0; k < kDeviceKindCount; ++k) {
            const auto kind = static_cast<DeviceKind>(k);
            im->MarkRead(kind, 0, DeviceImage::Entries(kind), true);
        }
        return im;
    }();
    return *image;
}

void Expect(std::span<const Case> cases, WordDisplay display = WordDisplay::kSigned) {
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("kind ") + std::to_string(c.kind) + " \"" + c.text + "\"");
        EXPECT_EQ(EvaluateCell(c.kind, c.text, Image(), display), c.expected);
    }
}

const MonitorRecord kEmpty{};

TEST(EvaluateCellNothing, LinesInvertersAndEmptyCellsWatchNoDevice) {
    const Case cases[] = {
        {CellKind::kEmpty, "", kEmpty},
        {CellKind::kEmpty, "X17", kEmpty},
        {CellKind::kLine, "", kEmpty},
        {CellKind::kInverter, "", kEmpty},
        {CellKind::kRailMarker, "comment", kEmpty},
        {CellKind::kLinkDown | CellKind::kLinkUp, "M5", kEmpty},
        {11, "X17", kEmpty},
        {15, "M5", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellContacts, StateOfTheBitInvertedForClosedContacts) {
    const Case cases[] = {
        {kNO, "X17", {Xn(17), None, None, 1}},
        {kNO, "X0", {Xn(0), None, None, 0}},
        {kNC, "M5", {Mn(5), None, None, 0}},
        {kNC, "M100", {Mn(100), None, None, 1}},
        {kUp, "Y5", {Yn(5), None, None, 1}},  // edge contacts show the plain state
        {kDown, "S3", {Sn(3), None, None, 1}},
        {kDown, "S4", {Sn(4), None, None, 0}},
        {kNO, "T5", {Tn(5), None, None, 1}},
        {kNC, "C2", {Cn(2), None, None, 1}},
        {CellKind::kOpenContact | CellKind::kLinkUp, "X17", {Xn(17), None, None, 1}},
        {kNO, "X380", {Xn(380), None, None, 0}},
        {kNO, "M10000", {Mn(10000), None, None, 0}},
        // No device of a contact letter: nothing, also no closed state.
        {kNO, "D5", kEmpty},
        {kNC, "K1", kEmpty},
        {kNO, "x17", kEmpty},
        {kNO, "X17 ", kEmpty},
        {kNO, "X", kEmpty},
        {kNO, "", kEmpty},
        {kNO, "X-1", kEmpty},
        // Outside the image.
        {kNO, "X381", kEmpty},
        {kNC, "M10001", kEmpty},
        {kNO, "S201", kEmpty},
        {kNO, "T401", kEmpty},
        {kNO, "C201", kEmpty},
        {kNO, "M99999999999", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellCoils, TimersAndCountersShowCurrentAndSetValue) {
    const Case cases[] = {
        {kCoil, "Y5", {Yn(5), None, None, 1}},
        {kCoil, "M100", {Mn(100), None, None, 0}},
        {kCoil, "S3", {Sn(3), None, None, 1}},
        {kCoil, "T5 K100", {Tn(5), None, None, 1, "123 "}},
        {kCoil, "T5 D100", {Tn(5), Dn(100), None, 1, "123  45"}},
        {kCoil, "C2 K10", {Cn(2), None, None, 0, "7   "}},
        {kCoil, "C3 D10", {Cn(3), Dn(10), None, 1, "-1   -1"}},
        {kCoil, "T5", {Tn(5), None, None, 1, "123 "}},
        {kCoil, "T400 K1", {Tn(400), None, None, 0, "0   "}},
        {kCoil, "T5 D20000", {Tn(5), Dn(20000), None, 1, "123  0"}},
        {kCoil, "X17", kEmpty},  // inputs have no coil
        {kCoil, "D0", kEmpty},
        {kCoil, "T401 K1", kEmpty},
        {kCoil, "C201 D0", kEmpty},
        {kCoil, "T5 D20001", kEmpty},
        {kCoil, "T5 DX", kEmpty},
        {kCoil, "TX K1", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellStepContacts, NumberFromTheSixthCharacter) {
    const Case cases[] = {
        {kStl, "STL S3", {Sn(3), None, None, 1}},
        {kStl, "STL S0", {Sn(0), None, None, 0}},
        {kStl, "STL S200", {Sn(200), None, None, 0}},
        {kStl, "STL S201", kEmpty},
        {kStl, "STL S", kEmpty},
        {kStl, "STL", kEmpty},
        {kStl, "", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellCompareContacts, SixteenBitSignsOnRegistersAndConstants) {
    const Case cases[] = {
        {kCmp, "> D0 K100", {Dn(0), None, None, 0, "1", "100"}},
        {kCmp, "< D0 K100", {Dn(0), None, None, 1, "1", "100"}},
        {kCmp, ">= D20 K5", {Dn(20), None, None, 1, "5", "5"}},
        {kCmp, "<= D20 K4", {Dn(20), None, None, 0, "5", "4"}},
        {kCmp, "> D100 D20", {Dn(100), Dn(20), None, 1, "45", "5"}},
        // Ordering signs compare signed values, = and <> the 16-bit patterns.
        {kCmp, "> D10 K0", {Dn(10), None, None, 0, "-1", "0"}},
        {kCmp, "= D10 K-1", {Dn(10), None, None, 1, "-1", "-1"}},
        {kCmp, "= D10 K65535", {Dn(10), None, None, 1, "-1", "-1"}},
        {kCmp, "<> D10 HFFFF", {Dn(10), None, None, 0, "-1", "-1"}},
        // A constant first: the second operand's register is the device.
        {kCmp, "<> H001F D20", {Dn(20), None, None, 1, "31", "5"}},
        {kCmp, "> K1 K2", {None, None, None, 0, "1", "2"}},
        {kCmp, "> d100 d20", {Dn(100), Dn(20), None, 1, "45", "5"}},
        {kCmp, "> D20000 K0", {Dn(20000), None, None, 0, "0", "0"}},
        {kCmp, "> D20001 K1", kEmpty},
        {kCmp, "> D0 X1", kEmpty},
        {kCmp, "> D0 KABC", kEmpty},
        {kCmp, "> D0 H", kEmpty},
        {kCmp, "> D0", kEmpty},
        {kCmp, ">> D0 D1", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellCompareContacts, ThirtyTwoBitSignsOnPairsAndConstants) {
    const Case cases[] = {
        {kCmp, "D> D0 D4", {Dn(0), Dn(4), None, 1, "131073", "100"}},
        {kCmp, "D< D2 D4", {Dn(2), Dn(4), None, 1, "-1", "100"}},
        {kCmp, "D>= D2 D4", {Dn(2), Dn(4), None, 0, "-1", "100"}},
        {kCmp, "D<= D4 D4", {Dn(4), Dn(4), None, 1, "100", "100"}},
        {kCmp, "D= D9999 D9999", {Dn(9999), Dn(9999), None, 1, "65537", "65537"}},
        // Constants are constants, as in the 16-bit forms.
        {kCmp, "D= D9999 K65537", {Dn(9999), None, None, 1, "65537", "65537"}},
        {kCmp, "D<> K70000 D0", {Dn(0), None, None, 1, "70000", "131073"}},
        {kCmp, "D>= HFFFFFFFF D2", {Dn(2), None, None, 1, "-1", "-1"}},
        {kCmp, "D> D19999 D0", {Dn(19999), Dn(0), None, 0, "0", "131073"}},
        {kCmp, "D<= D20000 D0", kEmpty},  // the pair would end past D20000
        {kCmp, "D> D0 H123456789", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellBitInstructions, StateOfTheOperandInvertedForReset) {
    const Case cases[] = {
        {kBox, "SET M5", {Mn(5), None, None, 1}},
        {kBox, "RST M5", {Mn(5), None, None, 0}},
        {kBox, "RST C2", {Cn(2), None, None, 1}},
        {kBox, "ALT Y5", {Yn(5), None, None, 1}},
        {kBox, "SET S4", {Sn(4), None, None, 0}},
        {kBox, "PLS M5", {Mn(5), None, None, 1}},
        {kBox, "PLF S3", {Sn(3), None, None, 1}},
        {kBox | CellKind::kLinkDown, "SET M5", {Mn(5), None, None, 1}},
        {kBox, "SET X17", kEmpty},
        {kBox, "PLS Y5", kEmpty},
        {kBox, "SET M10001", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellMoves, SourcePaddedToFourThenTheDestination) {
    const Case cases[] = {
        {kBox, "MOV D100 D20", {Dn(100), Dn(20), None, 0, "45   5"}},
        {kBox, "MOV K10 D20", {Dn(20), Dn(20), None, 0, "K10 5"}},
        {kBox, "MOV H00FF D20", {Dn(20), Dn(20), None, 0, "H00FF 5"}},
        {kBox, "MOV T5 D100", {TVn(5), Dn(100), None, 0, "123  45"}},
        {kBox, "MOV C3 D20", {CVn(3), Dn(20), None, 0, "-1   5"}},
        {kBox, "MOV D0Z D1", {Dn(0), Dn(1), None, 0, "1    2"}},  // read at the base
        {kBox, "MOV D100 D20V", {Dn(100), Dn(20), None, 0, "45   5"}},
        {kBox, "MOV D100 WY0", {Dn(100), None, None, 0, "45  "}},
        {kBox, "MOV WX0 D20", {Dn(20), Dn(20), None, 0, "WX0  5"}},
        {kBox, "MOV D100 D20001", kEmpty},
        {kBox, "MOV T401 D0", kEmpty},
        {kBox, "MOV DZ D0", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellMoves, RegisterPairMovesInDecimalOrFloat) {
    const Case cases[] = {
        {kBox, "DMOV D0 D4", {Dn(0), Dn(4), None, 0, " 131073 100"}},
        {kBox, "DMOV K70000 D4", {Dn(4), Dn(4), None, 0, " K70000 100"}},
        {kBox, "DMOV H0001ABCD D2", {Dn(2), Dn(2), None, 0, " H0001ABCD -1"}},
        {kBox, "DEMOV D200 D202", {Dn(200), Dn(202), None, 0, " 1.500 -2.250"}},
        {kBox, "DEMOV E1.5 D204", {Dn(204), Dn(204), None, 0, " E1.5 0.000"}},
        {kBox, "DMOV D0 D20000", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellConversions, IntegerAndFloatPairs) {
    const Case cases[] = {
        {kBox, "DFLT  D4 D200", {Dn(4), Dn(200), None, 0, " 100 1.500"}},
        {kBox, "DABS D2", {Dn(2), None, None, 0, " -1"}},
        {kBox, "DPLSV D0 Y0 M0", {Dn(0), None, None, 0, " 131073"}},
        {kBox, "DINT  D200 D4", {Dn(200), Dn(4), None, 0, " 1.500 100"}},
    };
    Expect(cases);
}

TEST(EvaluateCellFloatArithmetic, OperatorByTheThirdLetter) {
    const Case cases[] = {
        {kBox,
         "DEADD D200 D202 D204",
         {Dn(200), Dn(202), Dn(204), 0, " 1.500 + -2.250", " D204 = 0.000"}},
        {kBox,
         "DESUB D200 D202 D204",
         {Dn(200), Dn(202), Dn(204), 0, " 1.500 - -2.250", " D204 = 0.000"}},
        {kBox,
         "DEMUL D202 D200 D0",
         {Dn(202), Dn(200), Dn(0), 0, " -2.250 * 1.500", " D0 = 0.000"}},  // a tiny denormal
        {kBox,
         "DEDIV D204 D200 D200",
         {Dn(204), Dn(200), Dn(200), 0, " 0.000 / 1.500", " D200 = 1.500"}},
        {kBox, "DECMP D200 D202 M5", {Dn(200), Dn(202), Mn(5), 1, " 1.500 -2.250"}},
        {kBox, "DECMP D200 D202 Y0", {Dn(200), Dn(202), Yn(0), 0, " 1.500 -2.250"}},
        {kBox, "DECMP D200 D202 M10001", kEmpty},
        {kBox, "DEADD D200 D202 D20000", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellWordPairs, FourBlanksBetweenValuesAndTheFlagAfterThem) {
    const Case cases[] = {
        {kBox, "HOUR D20 D100 M5", {Dn(20), Dn(100), Mn(5), 1, "5    45    ON"}},
        {kBox, "HOUR D20 D100 M100", {Dn(20), Dn(100), Mn(100), 0, "5    45    OFF"}},
        {kBox, "WTOB D10 D20 K4", {Dn(10), Dn(20), None, 0, "-1    5"}},
        {kBox, "MEAN D20 D100 K3", {Dn(20), Dn(100), None, 0, "5    45"}},
        {kBox, "SFRD D100 D20 K10", {Dn(100), Dn(20), None, 0, "45    5"}},
        {kBox, "DUTY D20 K100 M8330", {Dn(20), Mn(8330), None, 1, "5    K100    ON"}},
        {kBox, "DUTY K10 D100 M8331", {Dn(100), Dn(100), Mn(8331), 0, "K10    45    OFF"}},
        // Two constants: the flag is still watched.
        {kBox, "DUTY K10 K20 M8330", {Mn(8330), None, None, 1, "K10    K20    ON"}},
        {kBox, "DUTY K10 K20 Y0", kEmpty},
        {kBox, "HOUR D20 D100 M10001", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellSendReceiveAndRamp, TextsAroundTheValues) {
    const Case cases[] = {
        {kBox, "RS1 K5 D20 K10 D100", {Dn(20), Dn(100), None, 0, "K5 5   K10 45"}},
        {kBox, "RS4 V D100 V D20", {Dn(100), Dn(20), None, 0, "V 45   V 5"}},
        {kBox, "RS2 K5 D20 K10 D100000", kEmpty},
        // Ramps are shown unsigned whatever the view option.
        {kBox, "RAMP D10 D20 D100 K50", {Dn(10), Dn(20), Dn(100), 0, " 65535 -> 5", " D100 = 45"}},
        {kBox, "RAMP D20 D100 D10 K50", {Dn(20), Dn(100), Dn(10), 0, " 5 -> 45", " D10 = 65535"}},
    };
    Expect(cases);
}

TEST(EvaluateCellIncrements, SixteenAndThirtyTwoBit) {
    const Case cases[] = {
        {kBox, "INC  D10", {Dn(10), None, None, 0, "-1"}},
        {kBox, "DEC  D10Z", {Dn(10), None, None, 0, "-1"}},
        {kBox, "NEG  D20", {Dn(20), None, None, 0, "5"}},
        {kBox, "DINC  D0", {Dn(0), None, None, 0, "131073"}},
        {kBox, "DNEG D2", {Dn(2), None, None, 0, "-1"}},
        {kBox, "INC V", kEmpty},  // index registers are not in the image
        {kBox, "INC  D20001", kEmpty},
        {kBox, "DDEC D20000", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellArithmetic, SixteenBitRegistersMoveUpOverConstants) {
    const Case cases[] = {
        {kBox, "SUB D0 D20 D100", {Dn(0), Dn(20), Dn(100), 0, "1 5 45"}},
        {kBox, "ADD D20 K5 D100", {Dn(20), Dn(100), None, 0, "5 K5 45"}},
        {kBox, "WAND H00FF D10 D20", {Dn(10), Dn(20), None, 0, "H00FF -1 5"}},
        {kBox, "WXOR K1 K2 D4", {Dn(4), None, None, 0, "K1 K2 100"}},
        {kBox, "ADD D20001 K1 D0", kEmpty},
        {kBox, "ADD D0 X1 D2", kEmpty},
        {kBox, "ADD D0", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellArithmetic, ThirtyTwoBitOperatorBySecondLetterAndConstants) {
    const Case cases[] = {
        {kBox, "DADD D0 D2 D4", {Dn(0), Dn(2), Dn(4), 0, " 131073 + -1", " D4 = 100"}},
        {kBox, "DSUB D0 D2 D4", {Dn(0), Dn(2), Dn(4), 0, " 131073 - -1", " D4 = 100"}},
        {kBox, "DMUL D4 D4 D0", {Dn(4), Dn(4), Dn(0), 0, " 100 * 100", " D0 = 131073"}},
        {kBox, "DDIV D0 D4 D2", {Dn(0), Dn(4), Dn(2), 0, " 131073 / 100", " D2 = -1"}},
        {kBox, "DADD D9999 D0 D4", {Dn(9999), Dn(0), Dn(4), 0, " 65537 + 131073", " D4 = 100"}},
        // Constants are shown as written and name no register.
        {kBox, "DADD K1 D0 D4", {Dn(0), Dn(4), None, 0, " K1 + 131073", " D4 = 100"}},
        {kBox, "DSUB D0 H10 D4", {Dn(0), Dn(4), None, 0, " 131073 - H10", " D4 = 100"}},
        {kBox, "DADD D20000 D0 D4", kEmpty},
        {kBox, "DADD D0 D2 D20000", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellOtherInstructions, OneWatchedOperandAmongTexts) {
    const Case cases[] = {
        {kBox, "PID D0 D1 D2 D100", {Dn(100), None, None, 0, "D0 D1 D2 45"}},
        {kBox, "SPD X0 K100 D20", {Dn(20), None, None, 0, "X0 K100 5"}},
        {kBox, "FILT D0 K10 D20", {Dn(20), None, None, 0, " D0 K10 5"}},
        {kBox, "LADJ D0 D1 D10", {Dn(10), None, None, 0, " D0 D1 -1"}},
        {kBox, "CML K5 D20", {Dn(20), None, None, 0, "K5 5"}},
        {kBox, "XCH D100 D20", {Dn(20), None, None, 0, "D100 5"}},
        {kBox, "SUM D0 D100", {Dn(100), None, None, 0, "D0 45"}},
        {kBox, "FMOV K5 D100 K10", {Dn(100), None, None, 0, "K5 45 K10"}},
        {kBox, "BMOV D0 D10 K2", {Dn(10), None, None, 0, "D0 -1 K2"}},
        {kBox, "ROR D10 K4", {Dn(10), None, None, 0, "-1"}},
        {kBox, "BON D20 M0 K3", {Dn(20), None, None, 0, "5"}},
        {kBox, "ABS  D20", {Dn(20), None, None, 0, "5"}},
        {kBox, "PWM K50 Y0", {None, None, None, 0, "K50"}},
        {kBox, "PLSR D0 D4 D20 K0", {Dn(0), Dn(4), None, 0, " 131073  100"}},
        {kBox, "DDRVI D0 D2 Y0 Y1", {Dn(0), Dn(2), None, 0, " 131073  -1"}},
        {kBox, "DZRN D4 D0 X0 Y0", {Dn(4), Dn(0), None, 0, " 100  131073"}},
        {kBox, "mov d100 d20", {Dn(100), Dn(20), None, 0, "45   5"}},
        {kBox, "PID D0 D1 D2 DX", kEmpty},
        {kBox, "PLSR D20000 D0 D1 K0", kEmpty},
        // Instructions that watch nothing.
        {kBox, "SWAP  D0", kEmpty},
        {kBox, "BCD D0 D2", kEmpty},
        {kBox, "END", kEmpty},
        {kBox, "CJ  P5", kEmpty},
        {kBox, "TXT K0 K0 AB CD ", kEmpty},
        {kBox, "", kEmpty},
    };
    Expect(cases);
}

TEST(EvaluateCellDisplay, UnsignedViewShowsSixteenBitPatternsAsIs) {
    const Case cases[] = {
        {kCoil, "C3 D10", {Cn(3), Dn(10), None, 1, "65535 65535"}},
        {kCmp, "= D10 K-1", {Dn(10), None, None, 1, "65535", "65535"}},
        {kCmp, "> D10 K0", {Dn(10), None, None, 0, "65535", "0"}},  // still a signed comparison
        {kBox, "ADD D10 D10 D10", {Dn(10), Dn(10), Dn(10), 0, "65535 65535 65535"}},
        {kBox, "MOV C3 D10", {CVn(3), Dn(10), None, 0, "65535 65535"}},
        {kBox, "FMOV K5 D100 K10", {Dn(100), None, None, 0, "K5 45  K10"}},
        {kBox, "DADD D2 D2 D2", {Dn(2), Dn(2), Dn(2), 0, " -1 + -1", " D2 = -1"}},
        {kBox, "RAMP D10 D20 D100 K50", {Dn(10), Dn(20), Dn(100), 0, " 65535 -> 5", " D100 = 45"}},
    };
    Expect(cases, WordDisplay::kUnsigned);
}

TEST(EvaluateCellDisplay, FloatsInFixedNotationWithThreeDecimals) {
    auto image = std::make_unique<DeviceImage>();
    struct FloatCase {
        std::uint32_t bits;
        const char* shown;
    };
    const FloatCase cases[] = {
        {FloatBits(3.14159f), "3.142"},
        {FloatBits(-0.0005f), "-0.001"},
        {FloatBits(1e7f), "10000000.000"},
        {0x7FC00000u, "NAN"},
        {0x7F800000u, "INF"},
        {0xFF800000u, "-INF"},
    };
    for (const FloatCase& c : cases) {
        image->SetRegisterPair(0, c.bits);
        EXPECT_EQ(EvaluateCell(kBox, "DABS D0", *image, WordDisplay::kSigned).line1,
                  " " + std::to_string(static_cast<std::int32_t>(c.bits)));
        EXPECT_EQ(EvaluateCell(kBox, "DINT D0 D2", *image, WordDisplay::kSigned).line1,
                  std::string(" ") + c.shown + " 0");
    }
    image->SetRegisterPair(0, FloatBits(3.4e38f));
    const std::string huge = EvaluateCell(kBox, "DINT D0 D2", *image, WordDisplay::kSigned).line1;
    EXPECT_EQ(huge.substr(0, 5), " 3399");
    EXPECT_EQ(huge.substr(huge.size() - 6), ".000 0");
}

// A cell is live only when every entry its state and lines come from was
// read since the link opened: one unread word of a pair, or a timer's value
// unread beside its read contact, leaves it unread.
TEST(EvaluateCellRead, LiveOnlyWhenEverythingShownWasRead) {
    auto image = std::make_unique<DeviceImage>(Image());
    image->ForgetReads();
    for (auto [kind, n] : {std::pair{DeviceKind::M, 5},
                           {DeviceKind::T, 5},
                           {DeviceKind::D, 0},
                           {DeviceKind::D, 1},
                           {DeviceKind::D, 4},
                           {DeviceKind::D, 100}}) {
        image->MarkRead(kind, n, 1, true);
    }
    const struct {
        std::uint8_t kind;
        const char* text;
        bool read;
    } cases[] = {
        {kNC, "M5", true},
        {kNO, "M6", false},
        {kCoil, "Y5", false},
        {kCoil, "T5 K50", false},  // the current value was not read
        {kCoil, "T5 D100", false},
        {kBox, "DADD D0 D0 D0", true},
        {kBox, "DADD D0 D0 D4", false},  // D5, the high word of D4's pair
        {kBox, "MOV K5 D100", true},
        {kCmp, "> D0 K100", true},
        {kCmp, "D> D4 K0", false},
        {kBox, "PWM K50 Y0", true},  // shows a constant only
        {CellKind::kLine, "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EvaluateCell(c.kind, c.text, *image, WordDisplay::kSigned).read, c.read)
            << c.text;
    }
}

TEST(EvaluateCellProgram, ReadsTheCellAtColumnAndRow) {
    auto cells = std::make_unique<LadderCells>();
    cells->Kind(1, 2000) = kNC;
    cells->First(1, 2000) = "M5";
    cells->Kind(12, 10192) = kBox | CellKind::kLinkDown;
    cells->First(12, 10192) = "DADD D0 D2 D4";
    cells->Kind(13, 0) = CellKind::kRailMarker;
    cells->First(13, 0) = "M5";

    const DeviceImage& image = Image();
    const WordDisplay display = WordDisplay::kSigned;
    EXPECT_EQ(EvaluateCell(*cells, 1, 2000, image, display), (MonitorRecord{Mn(5), None, None, 0}));
    EXPECT_EQ(EvaluateCell(*cells, 12, 10192, image, display).extraCode2, Dn(4));
    EXPECT_EQ(EvaluateCell(*cells, 13, 0, image, display), kEmpty);
    EXPECT_EQ(EvaluateCell(*cells, 2, 2000, image, display), kEmpty);
    EXPECT_EQ(EvaluateCell(*cells, 14, 0, image, display), kEmpty);
    EXPECT_EQ(EvaluateCell(*cells, -1, 0, image, display), kEmpty);
    EXPECT_EQ(EvaluateCell(*cells, 1, kRows, image, display), kEmpty);
    EXPECT_EQ(EvaluateCell(*cells, 1, -1, image, display), kEmpty);
}

}  // namespace
}  // namespace vx
