// The catalogue, the operand picker, the resource page and the edit field
// that never cuts a handed text, each on its own.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "model/qt/EntryEdit.h"
#include "model/qt/EntryHost.h"
#include "model/qt/Help.h"
#include "model/qt/OUTfun.h"
#include "model/qt/Ucanzhao.h"

namespace vx {
namespace {

// Dialogs are shown without waiting, so the test drives them while open.
class ShownWithoutWaiting : public testing::Test {
  protected:
    void SetUp() override {
        previous_ = SetModalRunner([](QDialog& d) { d.show(); });
    }
    void TearDown() override { SetModalRunner(previous_); }

    static void Choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static QStringList Items(QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    ModalRunner previous_;
};

using Catalogue = ShownWithoutWaiting;
using Picker = ShownWithoutWaiting;

TEST_F(Catalogue, ListsCategoriesAndAlignsTheDescriptions) {
    TOUTF outf;
    EXPECT_EQ(outf.windowTitle(), QString(" 指令表"));
    // Wide enough for the English captions and the longest English
    // description in the dialog's font.
    EXPECT_EQ(outf.size(), QSize(588, 254));
    EXPECT_EQ(outf.Edit1()->count(), 114) << "created with all mnemonics";
    EXPECT_EQ(outf.Edit1()->currentText(), QString("SET"));
    EXPECT_EQ(outf.Explain()->currentText(), QString("动作保持 (ON)"));
    Choose(outf.ComboBox1(), 12);
    EXPECT_EQ(Items(outf.Edit1()), (QStringList{"TXT", "REG", "CLR"}));
    EXPECT_EQ(outf.Explain()->count(), 3);
    EXPECT_EQ(outf.Explain()->currentText(), QString("文本显示[行Y  列X  字符串]"));
    EXPECT_FALSE(outf.OPer(3)->isHidden()) << "TXT shows three panels";
    EXPECT_TRUE(outf.OPer(4)->isHidden());
    EXPECT_EQ(outf.OPera(3)->count(), 0) << "its text operand offers no letter";

    // Typing: an exact entry selects its description, other text none.
    outf.Edit1()->setEditText("REG");
    EXPECT_EQ(outf.Explain()->currentIndex(), 1);
    EXPECT_FALSE(outf.OPer(4)->isHidden());
    outf.Edit1()->setEditText("REGX");
    EXPECT_EQ(outf.Explain()->currentIndex(), -1);
    EXPECT_TRUE(outf.OPer(1)->isHidden());
}

TEST_F(Catalogue, LettersRangesAndTheIndexRegister) {
    TOUTF outf;
    outf.Edit1()->setEditText("PLS");
    EXPECT_EQ(Items(outf.OPera(1)), (QStringList{"M", "S"}));
    EXPECT_EQ(Items(outf.OPeran(1)), (QStringList{"M0...M9999", "S0...S199"}));
    outf.Edit1()->setEditText("rst");
    EXPECT_EQ(Items(outf.OPera(1)), (QStringList{"M", "S", "Y", "C"})) << "compared upper-cased";

    outf.Edit1()->setEditText("MOV");
    Choose(outf.OPera(1), 7);  // K
    EXPECT_EQ(outf.OperandField(1)->text(), QString("K0"));
    EXPECT_EQ(outf.OPeran(1)->currentText(), QString("K0...K65535"));
    EXPECT_TRUE(outf.OPerICB(1)->isHidden());
    Choose(outf.OPera(1), 6);  // D
    EXPECT_EQ(outf.OperandField(1)->text(), QString("D0"));
    EXPECT_FALSE(outf.OPerICB(1)->isHidden());
    EXPECT_FALSE(outf.OPerIL(1)->isHidden());
    Choose(outf.OPera(1), 9);  // V: no "0"
    EXPECT_EQ(outf.OperandField(1)->text(), QString("V"));
    EXPECT_TRUE(outf.OPerICB(1)->isHidden());
    outf.Edit1()->setEditText("mov");
    Choose(outf.OPera(2), 4);  // D
    EXPECT_FALSE(outf.OPerICB(2)->isHidden()) << "lower-case mov offers it too";
    outf.Edit1()->setEditText("ADD");
    Choose(outf.OPera(1), 2);  // D
    EXPECT_TRUE(outf.OPerICB(1)->isHidden()) << "no other mnemonic offers an index";
}

TEST_F(Catalogue, OpeningOnAnInstructionRebuildsIt) {
    TOUTF outf;
    TEntryEdit target;
    outf.SetTarget(&target);

    outf.Open("MOV", {"D5V", "D6", "", ""});
    ASSERT_TRUE(outf.isVisible());
    EXPECT_EQ(outf.ComboBox1()->currentIndex(), 0);
    EXPECT_EQ(outf.Explain()->currentText(), QString("数据传送"));
    EXPECT_EQ(outf.OPera(1)->currentText(), QString("D"));
    EXPECT_EQ(outf.OperandField(1)->text(), QString("D5"));
    EXPECT_FALSE(outf.OPerICB(1)->isHidden());
    EXPECT_EQ(outf.OPerICB(1)->currentText(), QString("V"));
    EXPECT_EQ(outf.OPeran(1)->currentText(), QString("D0...D9999"));
    EXPECT_EQ(outf.OPera(2)->currentText(), QString("D"));
    outf.BitBtn7()->click();
    EXPECT_FALSE(outf.isVisible());
    EXPECT_EQ(target.text(), QString("MOV D5V D6"));
    EXPECT_TRUE(outf.OperandField(1)->text().isEmpty()) << "OK empties the fields";

    outf.Open("INC", {"V", "", "", ""});
    EXPECT_EQ(outf.OperandField(1)->text(), QString("V"));
    EXPECT_EQ(outf.OPera(1)->currentText(), QString("V"));
    outf.BitBtn7()->click();
    EXPECT_EQ(target.text(), QString("INC V"));

    // A mnemonic the catalogue knows no operands for keeps what it was handed.
    outf.Open("TO", {"K0", "K1", "D0", "K1"});
    EXPECT_EQ(outf.Edit1()->currentText(), QString("TO"));
    EXPECT_EQ(outf.Explain()->currentText(), QString("扩充模块CR数据写入"))
        << "TO itself, not WTOB or BTOW";
    EXPECT_TRUE(outf.OPer(1)->isHidden());
    outf.BitBtn7()->click();
    EXPECT_EQ(target.text(), QString("TO K0 K1 D0 K1"));

    // Choosing another mnemonic without operands drops the old ones.
    outf.Open("MOV", {"D1", "D2", "", ""});
    outf.Edit1()->setEditText("END");
    outf.BitBtn7()->click();
    EXPECT_EQ(target.text(), QString("END"));

    // Cancel leaves the target alone.
    outf.Open("ADD", {"D1", "D2", "D3", ""});
    outf.BitBtn8()->click();
    EXPECT_FALSE(outf.isVisible());
    EXPECT_EQ(target.text(), QString("END"));
    EXPECT_TRUE(outf.OperandField(3)->text().isEmpty());

    // Without a mnemonic the catalogue opens on SET.
    outf.Open("", {"", "", "", ""});
    EXPECT_EQ(outf.Edit1()->currentText(), QString("SET"));
    outf.reject();
}

TEST_F(Catalogue, DescriptionsFollowTheInterfaceLanguage) {
    TOUTF outf;
    bool chinese = false;
    outf.SetChinese([&chinese] { return chinese; });
    TEntryEdit target;
    outf.SetTarget(&target);

    outf.Open("PLSR", {"D0", "D2", "D4", "K0"});
    EXPECT_EQ(outf.Explain()->currentText(),
              QString("High-speed pulse output [pulses speed accel/decel channel]"));
    for (int category = 0; category <= 12; ++category) {
        Choose(outf.ComboBox1(), category);
        for (const QString& text : Items(outf.Explain())) {
            EXPECT_FALSE(text.isEmpty());
            EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) {
                return c.unicode() < 0x80;
            })) << text.toStdString();
            // Whole within the list's field, beside its arrow.
            EXPECT_LE(outf.Explain()->fontMetrics().horizontalAdvance(text),
                      outf.Explain()->width() - 24)
                << text.toStdString();
        }
    }
    Choose(outf.ComboBox1(), 0);
    outf.reject();

    // The language is taken afresh each time the catalogue opens.
    chinese = true;
    outf.Open("MOV", {"D1", "D2", "", ""});
    EXPECT_EQ(outf.Explain()->currentText(), QString("数据传送"));
    outf.reject();
    chinese = false;
    outf.Open("MOV", {"D1", "D2", "", ""});
    EXPECT_EQ(outf.Explain()->currentText(), QString("Move data"));
    outf.reject();
}

TEST_F(Picker, SplitsTheTextAndOffersSetValuesToTimerAndCounterCoils) {
    Tcanzhao picker;
    TEntryEdit target;
    picker.SetTarget(&target);
    EXPECT_EQ(picker.windowTitle(), QString("元件"));
    EXPECT_EQ(picker.size(), QSize(287, 182));

    picker.Open("T5 K100", /*coilMode=*/true);
    EXPECT_EQ(picker.Edit1()->text(), QString("T5"));
    EXPECT_EQ(picker.Edit2()->text(), QString("K100"));
    EXPECT_TRUE(picker.Edit2()->isEnabled());
    EXPECT_FALSE(picker.StringGrid2()->isHidden());
    EXPECT_EQ(picker.StringGrid1()->rowCount(), 5);
    EXPECT_EQ(picker.StringGrid1()->item(0, 0)->text(), QString("Y0...Y377"));
    picker.BitBtn1()->click();
    EXPECT_EQ(target.text(), QString("T5 K100"));

    // The set-value field holds the largest set value.
    picker.Open("T399 K65535", true);
    EXPECT_EQ(picker.Edit2()->text(), QString("K65535"));
    picker.BitBtn1()->click();
    EXPECT_EQ(target.text(), QString("T399 K65535"));

    picker.Open("M8 K10", true);
    EXPECT_EQ(picker.Edit1()->text(), QString("M8"));
    EXPECT_EQ(picker.Edit2()->text(), QString("K10"));
    EXPECT_FALSE(picker.Edit2()->isEnabled());
    EXPECT_TRUE(picker.StringGrid2()->isHidden());
    EXPECT_FALSE(picker.Panel1()->isHidden());
    picker.BitBtn1()->click();
    EXPECT_EQ(target.text(), QString("M8"));

    // Choosing rows.
    picker.Open("Y1", true);
    picker.StringGrid1SelectCell(3);
    EXPECT_EQ(picker.Edit1()->text(), QString("T0"));
    EXPECT_TRUE(picker.Edit2()->isEnabled());
    picker.StringGrid2SelectCell(0);
    EXPECT_EQ(picker.Edit2()->text(), QString("D0"));
    picker.StringGrid1SelectCell(1);
    EXPECT_EQ(picker.Edit1()->text(), QString("M0"));
    EXPECT_FALSE(picker.Edit2()->isEnabled());
    picker.BitBtn3()->click();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(target.text(), QString("M8")) << "cancel writes nothing";

    // Lower-case letters name timers and counters as well.
    struct Typed {
        const char* text;
        bool setValue;  // offered and kept
        const char* result;
    };
    for (const Typed& t : {Typed{"t5 K100", true, "t5 K100"}, Typed{"c7 K3", true, "c7 K3"},
                           Typed{"m8 K10", false, "m8"}}) {
        SCOPED_TRACE(t.text);
        picker.Open(t.text, true);
        EXPECT_EQ(picker.Edit2()->isEnabled(), t.setValue);
        EXPECT_EQ(picker.StringGrid2()->isHidden(), !t.setValue);
        picker.BitBtn1()->click();
        EXPECT_EQ(target.text(), QString(t.result));
    }
}

TEST_F(Picker, ContactsNeverTakeASetValue) {
    Tcanzhao picker;
    TEntryEdit target;
    picker.SetTarget(&target);
    picker.Open("X1", false);
    EXPECT_EQ(picker.StringGrid1()->rowCount(), 6);
    EXPECT_EQ(picker.StringGrid1()->item(0, 0)->text(), QString("X0...X377"));
    QTest::mouseClick(
        picker.StringGrid1()->viewport(), Qt::LeftButton, {},
        picker.StringGrid1()->visualItemRect(picker.StringGrid1()->item(4, 0)).center());
    EXPECT_EQ(picker.Edit1()->text(), QString("T0"));
    EXPECT_FALSE(picker.Edit2()->isEnabled());
    EXPECT_TRUE(picker.StringGrid2()->isHidden());
    picker.BitBtn1()->click();
    EXPECT_EQ(target.text(), QString("T0"));
}

TEST_F(Picker, HelpShowsTheResourcePage) {
    Tcanzhao picker;
    TForHelp help;
    picker.SetHelp(&help);
    picker.BitBtn4()->click();
    ASSERT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), QString("PLC可用资源"));
    const QStringList lines = help.Memo1()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[1], QString(89, '_'));
    EXPECT_EQ(lines[12], QString(89, '_'));
    EXPECT_EQ(lines[3], QString(" Mn\tn: 0-5119       M8\tB\t0\tn\t0"));
    EXPECT_EQ(lines[13].split('\t').size(), 5);
    EXPECT_TRUE(help.Memo1()->isReadOnly());
    QTest::mouseDClick(help.Memo1()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible()) << "a double click closes it";
}

TEST(EntryEdit, TheLimitHoldsForTypingOnly) {
    TEntryEdit edit;
    edit.SetTypingLimit(5);
    edit.SetText("T399 K65535");
    EXPECT_EQ(edit.text(), QString("T399 K65535")) << "a handed text is shown whole";
    edit.setCursorPosition(11);
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), QString("T399 K65535")) << "but typing adds nothing to it";
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QString("T39"));
    QTest::keyClicks(&edit, "9KLM");
    EXPECT_EQ(edit.text(), QString("T399K")) << "typing stops at the limit";
    edit.SetText("");
    QTest::keyClicks(&edit, "ABCDEFG");
    EXPECT_EQ(edit.text(), QString("ABCDE"));
}

}  // namespace
}  // namespace vx
