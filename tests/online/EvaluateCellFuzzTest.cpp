// Random cells into the evaluator: kinds of every value, texts taken from real
// cells of every family and then damaged. Nothing may read outside the image
// (the sanitizer build watches that), and every record must stay one that the
// grid and the request planner can use: once the reads ladder monitoring
// requests for a cell's devices are answered, the cell is live, and not before.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "model/CellKind.h"
#include "online/CommunicationsScheme.h"
#include "online/EvaluateCell.h"

namespace vx {
namespace {

constexpr std::string_view kSeeds[] = {
    "X17",
    "X377",
    "Y5",
    "M9999",
    "S199",
    "T399",
    "C199",
    "T5 K100",
    "C3 D10",
    "T5 D9999",
    "STL S3",
    "> D0 K100",
    "<> H001F D5",
    ">= D9999 K-32768",
    "D>= D10 D20",
    "D<> D9998 K70000",
    "SET M10",
    "RST C1",
    "PLS M1999",
    "PLF S0",
    "ALT Y377",
    "MOV K10 D5",
    "MOV D0Z D1",
    "MOV T5 D100",
    "MOV C3 D9999",
    "MOV WX0 WM8",
    "MOV D0 WY0",
    "DMOV K70000 D0",
    "DEMOV E1.5 D10",
    "DMOV H7FFFFFFF D9998",
    "DFLT  D0 D2",
    "DINT  D4 D6",
    "DABS D9998",
    "DPLSV D0 Y0 M0",
    "DEADD D0 D2 D4",
    "DESUB D0 D2 D4",
    "DEMUL D0 D2 D4",
    "DEDIV D0 D2 D4",
    "DECMP D0 D2 M0",
    "HOUR D0 D2 Y0",
    "WTOB D0 D10 K4",
    "BTOW D0 D10 K4",
    "MEAN D0 D10 K64",
    "WSUM D0 D10 K256",
    "WSFR D0 D10 K5 K2",
    "WSFL D0 D10 K5 K2",
    "SFWR D0 D10 K5",
    "SFRD D0 D10 K5",
    "POP D0 D10 K5",
    "DUTY K10 D1 M8330",
    "RAMP D0 D1 D2 K100",
    "RS1 K5 D0 K10 D100",
    "RS3 V D0 V D9999",
    "INC  D0",
    "DEC  D9999",
    "NEG  D5",
    "INC V",
    "DINC  D0",
    "DDEC  D9998",
    "DNEG  D2",
    "ADD D0 K5 D2",
    "SUB H00FF D1 D3",
    "MUL D0 D1 D2",
    "DIV D0 D1 D2",
    "WOR D0 D1 D2",
    "WAND H00FF D1 D3",
    "WXOR D0 D1 D2",
    "DADD D0 D2 D4",
    "DSUB D0 D2 D4",
    "DMUL D0 D2 D4",
    "DDIV D9999 D2 D4",
    "PID D0 D1 D2 D3",
    "SPD X0 K100 D0",
    "LADJ D0 D1 D2",
    "FILT D0 K10 D2",
    "CML K5 D0",
    "XCH D0 D1",
    "SUM D0 D2",
    "FMOV K5 D100 K10",
    "BMOV D0 D100 K10",
    "ROR D0 K16",
    "ROL D0 K1",
    "PWM K50 Y0",
    "BON D0 M0 K15",
    "ABS  D0",
    "PLSR D0 D1 D2 K0",
    "PLSF D0 D1 D2 K2",
    "DDRVI D0 D2 Y0 Y1",
    "DDRVA D0 D2 Y0 S1",
    "DZRN D0 D2 X0 Y0",
    "SWAP  D0",
    "CJ  P5",
    "P   5",
    "END",
    "TXT K0 K0 AB CD ",
    "",
};

// Characters damage is made of: the ones cell texts hold, and some they never do.
constexpr std::string_view kAlphabet =
    "0123456789000999 DDDKKHHEXYMSTCVZW><=-.+ABFdkx\xB9\xA4\xFF\t\"";

// Numbers at the edges of the areas and of the number types.
constexpr std::string_view kEdgeNumbers[] = {
    "0",     "1",     "199",   "200",   "201",       "377",        "380",        "381",   "399",
    "400",   "401",   "9998",  "9999",  "10000",     "10001",      "19999",      "20000", "20001",
    "32767", "65535", "65536", "99999", "999999999", "2147483647", "4294967296",
};

std::string Damage(std::string text, std::mt19937& random) {
    auto pick = [&random](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const int changes = static_cast<int>(pick(4));
    for (int i = 0; i < changes; ++i) {
        const std::size_t at = text.empty() ? 0 : pick(text.size() + 1);
        switch (pick(10)) {
            case 0:  // replace a character
                if (!text.empty()) {
                    text[std::min(at, text.size() - 1)] = kAlphabet[pick(kAlphabet.size())];
                }
                break;
            case 1:  // insert one
                text.insert(at, 1, kAlphabet[pick(kAlphabet.size())]);
                break;
            case 2:  // delete one
                if (at < text.size()) text.erase(at, 1);
                break;
            case 3:  // cut the text
                text.resize(at);
                break;
            case 4:  // lengthen a number
                text.insert(at, std::string(1 + pick(12), static_cast<char>('0' + pick(10))));
                break;
            case 5:  // a NUL byte inside
                text.insert(at, 1, '\0');
                break;
            case 6:  // a blank more
                text.insert(at, 1, ' ');
                break;
            default: {  // a number from the edges in place of one
                constexpr const char* kDigits = "0123456789";
                std::size_t begin = text.find_first_of(kDigits, at);
                if (begin == std::string::npos) begin = text.find_first_of(kDigits);
                if (begin == std::string::npos) break;
                const std::size_t end = text.find_first_not_of(kDigits, begin);
                text.replace(begin, end == std::string::npos ? std::string::npos : end - begin,
                             kEdgeNumbers[pick(std::size(kEdgeNumbers))]);
                break;
            }
        }
    }
    return text;
}

// The symbol of the cell a seed text stands in.
std::uint8_t KindOf(std::string_view seed, std::mt19937& random) {
    constexpr std::uint8_t kContacts[] = {CellKind::kOpenContact, CellKind::kClosedContact,
                                          CellKind::kRisingEdge, CellKind::kFallingEdge};
    if (seed.size() < 2) return CellKind::kFunctionBox;
    if (seed.starts_with("STL ")) return CellKind::kStepContact;
    if (seed.find(' ') == std::string_view::npos && seed.size() > 1 && seed[1] >= '0' &&
        seed[1] <= '9') {
        return random() % 5 == 0 ? CellKind::kCoil : kContacts[random() % 4];
    }
    if ((seed[0] == 'T' || seed[0] == 'C') && seed[1] >= '0' && seed[1] <= '9') {
        return CellKind::kCoil;
    }
    if (seed.find_first_of("<>=") < 2) return CellKind::kCompareContact;
    return CellKind::kFunctionBox;
}

std::string RandomText(std::mt19937& random) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, 24)(random), ' ');
    for (char& c : text)
        c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return text;
}

// Every code names a device whose entry lies in the image; the main code is
// there whenever an extra one is.
void ExpectUsable(const MonitorRecord& r) {
    for (DeviceCode code : {r.code, r.extraCode1, r.extraCode2}) {
        if (code == kNoDevice) continue;
        ASSERT_GE(code, 0);
        const DeviceKind kind = DeviceCodeKind(code);
        ASSERT_LT(static_cast<int>(kind), kDeviceKindCount);
        ASSERT_TRUE(DeviceImage::Holds(kind, DeviceCodeNumber(code))) << code;
    }
    if (r.code == kNoDevice) {
        ASSERT_EQ(r.extraCode1, kNoDevice);
        ASSERT_EQ(r.extraCode2, kNoDevice);
    }
    ASSERT_LE(r.state, 1);
    ASSERT_LT(r.line1.size(), 256u);
    ASSERT_LT(r.line2.size(), 256u);
}

TEST(EvaluateCellFuzz, RandomCellsGiveUsableRecords) {
    std::mt19937 random(20240611);
    auto image = std::make_unique<DeviceImage>();
    for (int k = 0; k < kDeviceKindCount; ++k) {
        const auto kind = static_cast<DeviceKind>(k);
        const int entries = DeviceImage::Entries(kind);
        if (DeviceImage::IsBitKind(kind)) {
            for (std::uint8_t& bit : image->BitSpan(kind, 0, entries))
                bit = static_cast<std::uint8_t>(random() & 0x3);
        } else {
            for (std::uint16_t& word : image->WordSpan(kind, 0, entries))
                word = static_cast<std::uint16_t>(random());
        }
    }

    int devices = 0;
    for (int i = 0; i < 120000; ++i) {
        // Mostly a text with the kind it belongs to, damaged or not; now and then
        // any kind byte, or a text of random bytes.
        const std::string_view seed = kSeeds[random() % std::size(kSeeds)];
        std::uint8_t kind = static_cast<std::uint8_t>((random() & 0x30) | KindOf(seed, random));
        if (i % 4 == 0) kind = static_cast<std::uint8_t>(random());
        std::string text(seed);
        if (i % 10 == 0) {
            text = RandomText(random);
        } else if (i % 3 != 0) {
            text = Damage(std::move(text), random);
        }
        const WordDisplay display = i % 2 ? WordDisplay::kSigned : WordDisplay::kUnsigned;
        const MonitorRecord record = EvaluateCell(kind, text, *image, display);
        SCOPED_TRACE("kind " + std::to_string(kind) + " \"" + text + "\"");
        ASSERT_NO_FATAL_FAILURE(ExpectUsable(record));
        if (!IsConditionSymbol(Symbol(kind)) && !IsOutputSymbol(Symbol(kind))) {
            ASSERT_EQ(record, MonitorRecord{});
        }
        if (i % 16 == 0) {
            ASSERT_EQ(EvaluateCell(kind, text, *image, display), record);
        }
        // Nothing is read yet: only a cell that shows no device is live. The
        // requests of its devices cover everything it shows (unless a device
        // sits where a read two wide would run past its area: it is never read).
        ASSERT_EQ(record.read, record.code == kNoDevice);
        ScanScheme requests;
        bool requestable = true;
        for (DeviceCode code : {record.code, record.extraCode1, record.extraCode2}) {
            if (code == kNoDevice) continue;
            LadderRegion_Add_ComR1Scheme(requests, code);
            requestable =
                requestable && DeviceImage::Holds(DeviceCodeKind(code), DeviceCodeNumber(code), 2);
        }
        for (const ScanRequest& r : requests)
            image->MarkRead(static_cast<DeviceKind>(r.kind), r.start, r.count, true);
        if (requestable) {
            ASSERT_TRUE(EvaluateCell(kind, text, *image, display).read);
        }
        for (const ScanRequest& r : requests)
            image->MarkRead(static_cast<DeviceKind>(r.kind), r.start, r.count, false);
        if (record.code != kNoDevice) ++devices;
    }
    // The damage leaves enough cells intact that the families are reached.
    EXPECT_GT(devices, 30000);
}

}  // namespace
}  // namespace vx
