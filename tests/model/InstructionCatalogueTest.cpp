// The catalogue's lists and operand panels, and the texts its OK builds.
#include "model/InstructionCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace vx {
namespace {

std::vector<std::string> Mnemonics(int entry) {
    std::vector<std::string> out;
    for (const CatalogueEntry& e : CatalogueListing(entry))
        out.emplace_back(e.mnemonic);
    return out;
}

std::vector<std::string> Letters(std::string_view mnemonic, int operand) {
    std::vector<std::string> out;
    const OperandLayout* layout = FindOperandLayout(mnemonic);
    if (layout == nullptr) return out;
    for (const OperandChoice& c : layout->operands[static_cast<std::size_t>(operand - 1)].List())
        out.emplace_back(c.letter);
    return out;
}

using Words = std::vector<std::string>;

TEST(InstructionCatalogue, CategoriesListTheirMnemonicsInOrder) {
    const Words names = CatalogueCategoryNames();
    ASSERT_EQ(names.size(), 13u);
    EXPECT_EQ(names[0], "所有应用指令");
    EXPECT_EQ(names[12], "LCD终端指令");
    const std::size_t counts[] = {5, 6, 7, 14, 21, 4, 17, 13, 12, 2, 10, 3};
    std::size_t total = 0;
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(Mnemonics(k).size(), counts[k - 1]) << names[static_cast<std::size_t>(k)];
        total += counts[k - 1];
    }
    const Words all = Mnemonics(0);
    ASSERT_EQ(all.size(), 114u);
    EXPECT_EQ(total, 114u);
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 114u);
    EXPECT_EQ(all.front(), "SET");
    EXPECT_EQ(all.back(), "CLR");
    EXPECT_EQ(Mnemonics(12), (Words{"TXT", "REG", "CLR"}));
    EXPECT_TRUE(Mnemonics(13).empty());
}

TEST(InstructionCatalogue, DescriptionsStayAlignedAndRepeatForTheirFamilies) {
    const std::vector<CatalogueEntry> all = CatalogueListing(0);
    auto description = [&](std::string_view m) -> std::string {
        for (const CatalogueEntry& e : all) {
            if (m == e.mnemonic) return e.description;
        }
        return "?";
    };
    EXPECT_EQ(description("SET"), "动作保持 (ON)");
    EXPECT_EQ(description("DMOV"), description("MOV"));
    EXPECT_EQ(description("DDEC"), "BIN减一");
    EXPECT_EQ(description("D<>"), "比较 S1<>S2 触点有效");
    EXPECT_EQ(description("TXT"), "文本显示[行Y  列X  字符串]");
    EXPECT_EQ(description("RS4"), "自由CAN [写长度 写数据 读长度 读数据]");
}

TEST(InstructionCatalogue, EveryDescriptionHasAnEnglishText) {
    for (const CatalogueEntry& e : CatalogueListing(0)) {
        const std::string english = e.Description(false);
        EXPECT_FALSE(english.empty()) << e.mnemonic;
        EXPECT_TRUE(std::all_of(english.begin(), english.end(),
                                [](char c) { return c >= ' ' && c <= '~'; }))
            << e.mnemonic << ": " << english;
        EXPECT_EQ(std::string(e.Description(true)), e.description) << e.mnemonic;
    }
    // The operand notes in brackets and the 32-bit forms carry over.
    const std::pair<const char*, const char*> samples[] = {
        {"SET", "Set and hold ON"},
        {"MOV", "Move data"},
        {"DMOV", "Move data (32-bit)"},
        {"PLSR", "High-speed pulse output [pulses speed accel/decel channel]"},
        {"D<>", "Contact ON when S1<>S2 (32-bit)"},
        {"MODWL", "MODBUS 16 write registers [station address length]"},
        {"TXT", "Show text [row Y  column X  string]"},
    };
    const std::vector<CatalogueEntry> all = CatalogueListing(0);
    for (const auto& [mnemonic, english] : samples) {
        const auto e = std::find_if(
            all.begin(), all.end(),
            [m = mnemonic](const CatalogueEntry& c) { return std::string_view(c.mnemonic) == m; });
        ASSERT_NE(e, all.end()) << mnemonic;
        EXPECT_EQ(std::string(e->english), english);
    }
}

TEST(InstructionCatalogue, OperandLettersPerMnemonic) {
    EXPECT_EQ(Letters("PLS", 1), (Words{"M", "S"}));
    EXPECT_EQ(Letters("SET", 1), (Words{"M", "S", "Y"}));
    EXPECT_EQ(Letters("RST", 1), (Words{"M", "S", "Y", "C"}));
    EXPECT_EQ(Letters("DMOV", 1), (Words{"K", "H", "D"}));
    EXPECT_EQ(Letters("SUM", 1), (Words{"D"}));
    EXPECT_EQ(Letters("INC", 1), (Words{"D", "V", "Z"}));
    EXPECT_EQ(Letters("DINC", 1), (Words{"D"}));
    EXPECT_EQ(Letters("MOV", 1),
              (Words{"WX", "WY", "WM", "WS", "T", "C", "D", "K", "H", "V", "Z"}));
    EXPECT_EQ(Letters("MOV", 2), (Words{"WX", "WY", "WM", "WS", "D", "V", "Z"}));
    EXPECT_EQ(Letters("DZRN", 3), (Words{"X", "Y"}));
    EXPECT_TRUE(Letters("TXT", 3).empty()) << "the text operand offers no letter";
    EXPECT_EQ(FindOperandLayout("TXT")->panels, 3);
    EXPECT_EQ(FindOperandLayout("REG")->panels, 4);
    EXPECT_EQ(FindOperandLayout("<>")->panels, 2);
    EXPECT_EQ(FindOperandLayout("D<>")->operands[0].choices[0].range, std::string("D0...D9998"));
    EXPECT_EQ(FindOperandLayout("DUTY")->operands[2].choices[0].range,
              std::string("M8330...M8334"));
    // Whole words only, exact case.
    for (const char* none : {"TO", "FROM", "END", "INV", "FOR", "NEXT", "RET", "FEND", "CLR",
                             "DECO", "ENCO", "mov", "MO", "", "D"}) {
        EXPECT_EQ(FindOperandLayout(none), nullptr) << none;
    }
}

TEST(InstructionCatalogue, EveryLayoutBelongsToACatalogueMnemonic) {
    const Words all = Mnemonics(0);
    const std::set<std::string> listed(all.begin(), all.end());
    int withPanels = 0;
    for (const std::string& m : all) {
        if (const OperandLayout* layout = FindOperandLayout(m)) {
            ++withPanels;
            EXPECT_GE(layout->panels, 1) << m;
            EXPECT_LE(layout->panels, 4) << m;
            for (int n = layout->panels; n < kOperandPanels; ++n)
                EXPECT_EQ(layout->operands[static_cast<std::size_t>(n)].count, 0) << m;
        }
    }
    EXPECT_EQ(withPanels, 114 - 12)
        << "all but END INV FOR NEXT RET FEND CLR DECO ENCO FROM TO ZCP";
}

TEST(InstructionCatalogue, OpeningPicksTheLetterAndTheIndexRegister) {
    const OperandLayout* mov = FindOperandLayout("MOV");
    ASSERT_NE(mov, nullptr);
    EXPECT_EQ(ChoiceForOperand(mov->operands[0], "D5"), 6);
    EXPECT_EQ(ChoiceForOperand(mov->operands[0], "WM10"), 2);
    EXPECT_EQ(ChoiceForOperand(mov->operands[0], "123"), 0);

    struct Case {
        const char* text;
        const char* left;
        const char* index;
    };
    for (Case c :
         {Case{"D5V", "D5", "V"}, Case{"D5Z", "D5", "Z"}, Case{"V", "V", ""}, Case{"Z", "Z", ""},
          Case{"D5", "D5", ""}, Case{"D5ZV", "D5", "Z"}, Case{"", "", ""}}) {
        std::string operand = c.text;
        EXPECT_EQ(TakeIndexRegister(operand), c.index) << c.text;
        EXPECT_EQ(operand, c.left) << c.text;
    }
    EXPECT_TRUE(OffersIndexRegister("MOV", "D"));
    EXPECT_TRUE(OffersIndexRegister("mov", "D"));
    EXPECT_FALSE(OffersIndexRegister("Mov", "D"));
    EXPECT_FALSE(OffersIndexRegister("MOV", "K"));
    EXPECT_FALSE(OffersIndexRegister("DMOV", "D"));
}

TEST(InstructionCatalogue, OkBuildsTheInstructionText) {
    using Ops = std::array<CatalogueOperand, kOperandPanels>;
    Ops ops{};
    ops[0] = {true, "D10", "Z"};
    ops[1] = {true, "D20", ""};
    EXPECT_EQ(BuildCatalogueText("MOV", ops, false), "MOV D10Z D20");
    ops[1].text.clear();
    EXPECT_EQ(BuildCatalogueText("mov", ops, false), "mov D10Z") << "an empty field adds nothing";
    ops = {};
    ops[0] = {false, "K0", ""};
    ops[1] = {false, "K1", ""};
    ops[2] = {false, "D0", ""};
    ops[3] = {false, "K1", ""};
    EXPECT_EQ(BuildCatalogueText("TO", ops, true), "TO K0 K1 D0 K1");
    EXPECT_EQ(BuildCatalogueText("END", ops, false), "END") << "hidden panels add nothing";
}

}  // namespace
}  // namespace vx
