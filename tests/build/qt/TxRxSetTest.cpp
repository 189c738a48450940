// The system parameter dialog driven through its controls: loading, OK and
// cancel, the rebuild of an unset retentive string, the relay snap, the
// series, CAN, COM3 and C-language rules, and values its lists lack.
#include "build/qt/TxRxSet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "styling/skin/qt/FlatSkin.h"
#include "support/ObjectPath.h"
#include "widgets/qt/WgPageControl.h"

namespace vx {
namespace {

constexpr const char* kNewSys = "0200000000136429200005000100640640650660670C80C9000";
constexpr const char* kNewHold = "0000213025700A90FA008FC000";

class TxRxSetTest : public testing::Test {
  protected:
    void SetUp() override {
        program_.sysParamString = kNewSys;
        program_.holdParamString = kNewHold;
    }

    template <typename T>
    T* Get(const char* name) {
        auto* control = qobject_cast<T*>(frm_.Control(QString::fromUtf8(name)));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Runs the dialog modally; `answer` works the open dialog, then presses a button.
    int Run(const std::function<void()>& answer, const char* button) {
        QTimer::singleShot(0, &frm_, [this, answer, button] {
            EXPECT_EQ(QApplication::activeModalWidget(), &frm_);
            if (answer) answer();
            Get<QPushButton>(button)->click();
        });
        return frm_.Execute(program_);
    }

    static std::string Field(const std::string& text, int position, int width) {
        return text.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(width));
    }

    LadderProgram program_;
    TSystemSetFrm frm_;
};

TEST_F(TxRxSetTest, ConfirmedUnchangedKeepsTheStringsAndSaysYes) {
    int confirmed = 0;
    QObject::connect(&frm_, &TSystemSetFrm::Confirmed, [&] { ++confirmed; });
    EXPECT_EQ(Run(nullptr, "BitBtn1"), TSystemSetFrm::kResultYes);
    EXPECT_EQ(program_.sysParamString, kNewSys);
    EXPECT_EQ(program_.holdParamString, std::string(kNewHold).substr(0, 23));
    EXPECT_EQ(confirmed, 1);
    EXPECT_EQ(frm_.windowTitle(), QString("系统参数"));
    EXPECT_NE(frm_.findChild<TFlatSkin*>(), nullptr);
}

TEST_F(TxRxSetTest, TheWholeDialogStandsOnTheScreen) {
    // The test screen is 800 pixels high: the dialog is too high for its
    // top edge at 180 and rises until its buttons show.
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    ASSERT_GT(frm_.height() + 180, screen.height());
    Run(
        [this, screen] {
            EXPECT_TRUE(screen.contains(frm_.frameGeometry()));
            for (const char* button : {"BitBtn1", "BitBtn2"}) {
                QPushButton* b = Get<QPushButton>(button);
                EXPECT_TRUE(screen.contains(QRect(b->mapToGlobal(QPoint()), b->size())));
            }
        },
        "BitBtn2");
}

TEST_F(TxRxSetTest, SettingsOnFivePagesUnderTheModel) {
    auto* pages = test::FindByPath<TWgPageControl>(&frm_, "WgPageControl1");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->TabStyle(), TWgTabStyle::tsRoundCorners);
    EXPECT_TRUE(pages->Transparent());
    EXPECT_TRUE(pages->BoldCurrentTab());
    EXPECT_EQ(pages->TextColors().Unselected(), clNavy);
    EXPECT_EQ(pages->PageCount(), 5);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_FALSE(pages->isAncestorOf(Get<QWidget>("PlcSeries")));
    EXPECT_FALSE(pages->isAncestorOf(Get<QWidget>("PlcVersion")));
    struct Page {
        const char* caption;
        std::vector<const char*> controls;
    };
    const Page table[] = {
        {" 通讯口 ",
         {"SpinEdit1", "Baud_rate", "SpinEdit2", "ComboBox1", "ComboBox4", "LabelCOM3Model",
          "ComboBox2", "ComboBox3"}},
        {" CAN ",
         {"CAN_Use", "ComboBox5", "ComboBox6", "ComboBox7", "CAN_ID1a", "NMT_Master",
          "TPDO_INHIBIT", "CAN_ID2a", "CAN_ID2b", "CAN_ID2c", "CAN_ID2d", "CAN_ID3a", "CAN_ID3b"}},
        {" 程序/模拟量 ", {"H_Fun1", "H_Fun2", "ADbit", "Fun2", "Fun6"}},
        {" 中断 ", {"Fun3s", "Fun4s", "Fun5s", "FunT"}},
        {" 停电保持 ",
         {"SpinEdit4", "SpinEdit5", "SpinEdit6", "SpinEdit7", "Label7", "SpinEdit8", "Label8"}},
    };
    frm_.show();
    for (int p = 0; p < 5; ++p) {
        const QString sheetPath = QString("WgPageControl1.TabSheet%1").arg(p + 1);
        auto* sheet = test::FindByPath<TWgTabSheet>(&frm_, sheetPath);
        ASSERT_NE(sheet, nullptr) << p;
        EXPECT_EQ(sheet->Caption(), QString::fromUtf8(table[p].caption));
        pages->SetActivePageIndex(p);
        for (const char* name : table[p].controls) {
            auto* control = test::FindByPath<QWidget>(sheet, name);
            ASSERT_NE(control, nullptr) << name;
            EXPECT_TRUE(control->isVisible()) << name;
            const QRect place(control->mapTo(sheet, QPoint(0, 0)), control->size());
            EXPECT_TRUE(sheet->rect().contains(place)) << name << " lies wholly on its page";
        }
    }
    frm_.hide();

    // Longer captions, as another language gives them: the pages widen so
    // that every tab stays in view.
    for (int p = 0; p < 5; ++p)
        pages->Pages(p)->SetCaption(QString(" Page %1 of the settings ").arg(p + 1));
    frm_.show();
    pages->LayoutNow();
    for (int t = 0; t < 5; ++t)
        EXPECT_TRUE(pages->TabInView(t)) << t;
    EXPECT_LE(pages->TabRect(4).right, pages->width());
    frm_.hide();
}

TEST_F(TxRxSetTest, ControlsWriteTheirFields) {
    const int result = Run(
        [this] {
            Get<QSpinBox>("SpinEdit1")->setValue(7);
            Get<QComboBox>("Baud_rate")->setCurrentIndex(4);
            Get<QSpinBox>("SpinEdit2")->setValue(200);
            Get<QComboBox>("CAN_Use")->setCurrentIndex(2);
            Get<QSpinBox>("TPDO_INHIBIT")->setValue(4000);
            Get<QComboBox>("Fun3s")->setCurrentIndex(3);
            Get<QComboBox>("FunT")->setCurrentIndex(1);
            Get<QComboBox>("Fun6")->setCurrentIndex(1);
            Get<QSpinBox>("SpinEdit7")->setValue(100);
            Get<QSpinBox>("SpinEdit8")->setValue(5000);
        },
        "BitBtn1");
    ASSERT_EQ(result, TSystemSetFrm::kResultYes);
    const std::string& sys = program_.sysParamString;
    ASSERT_EQ(sys.size(), 51u);
    EXPECT_EQ(Field(sys, 10, 2), "07");
    EXPECT_EQ(Field(sys, 12, 1), "4");
    EXPECT_EQ(Field(sys, 13, 2), "C8");
    EXPECT_EQ(Field(sys, 21, 1), "2");
    EXPECT_EQ(Field(sys, 28, 3), "FA0");
    EXPECT_EQ(Field(sys, 50, 2), "50");  // timer interrupt 1, encoder 1 in A mode
    EXPECT_EQ(program_.holdParamString,
              "300"
              "0213"
              "0257"
              "00A9"
              "0064"
              "1388");
}

TEST_F(TxRxSetTest, CancelChangesNothing) {
    EXPECT_EQ(Run([this] { Get<QSpinBox>("SpinEdit1")->setValue(9); }, "BitBtn2"),
              TSystemSetFrm::kResultNo);
    EXPECT_EQ(program_.sysParamString, kNewSys);
    EXPECT_EQ(program_.holdParamString, kNewHold);
}

TEST_F(TxRxSetTest, UnsetRetentiveStringIsRebuiltAtOnceEvenWhenCancelled) {
    program_.holdParamString =
        "2100213"
        "01F3"
        "00A90FA008FC";
    frm_.FormShow(program_);
    EXPECT_EQ(program_.holdParamString,
              "210"
              "0213"
              "0513"
              "00A9"
              "0032"
              "08FC");
    EXPECT_EQ(Get<QComboBox>("Fun3s")->currentIndex(), 2);
    EXPECT_EQ(Get<QComboBox>("Fun4s")->currentIndex(), 1);
    Run(nullptr, "BitBtn2");
    EXPECT_EQ(program_.holdParamString,
              "210"
              "0213"
              "0513"
              "00A9"
              "0032"
              "08FC");
}

TEST_F(TxRxSetTest, RelayStartSnapsOnLeavingAndOnOk) {
    frm_.FormShow(program_);
    QSpinBox* relay = Get<QSpinBox>("SpinEdit4");
    for (const auto& [typed, snapped] :
         {std::pair{500, 515}, std::pair{530, 531}, std::pair{531, 531}, std::pair{1299, 1299}}) {
        relay->setValue(typed);
        emit relay->editingFinished();
        EXPECT_EQ(relay->value(), snapped) << typed;
    }
    Run([relay] { relay->setValue(600); }, "BitBtn1");
    EXPECT_EQ(Field(program_.holdParamString, 4, 4), "0263");  // 611
}

TEST_F(TxRxSetTest, SeriesChangeKeepsTheVersionOrTakesTheLast) {
    program_.sysParamString.replace(0, 4, "0502");  // series 5, version 2
    frm_.FormShow(program_);
    QComboBox* series = Get<QComboBox>("PlcSeries");
    QComboBox* version = Get<QComboBox>("PlcVersion");
    EXPECT_EQ(version->currentIndex(), 2);
    series->setCurrentIndex(1);  // two versions
    EXPECT_EQ(version->count(), 2);
    EXPECT_EQ(version->currentIndex(), 1);
    series->setCurrentIndex(4);
    EXPECT_EQ(version->count(), 3);
    EXPECT_EQ(version->currentIndex(), 1);
    EXPECT_EQ(frm_.ModelText().toStdString(), PlcSeriesNames()[4]);
    EXPECT_EQ(frm_.VersionText(), QString("V2.0"));

    // A stored series outside the list shows series 8.
    program_.sysParamString.replace(0, 4, "2000");
    frm_.FormShow(program_);
    EXPECT_EQ(series->currentIndex(), 8);
    EXPECT_EQ(version->currentIndex(), 0);
}

TEST_F(TxRxSetTest, CanChoiceEnablesItsOwnSettings) {
    frm_.FormShow(program_);
    QWidget* nodeId = Get<QSpinBox>("CAN_ID1a");
    QWidget* shareId = Get<QSpinBox>("CAN_ID2a");
    EXPECT_FALSE(nodeId->isEnabled());
    EXPECT_TRUE(shareId->isEnabled());
    Get<QComboBox>("CAN_Use")->setCurrentIndex(2);
    EXPECT_TRUE(nodeId->isEnabled());
    EXPECT_FALSE(shareId->isEnabled());
    Get<QComboBox>("CAN_Use")->setCurrentIndex(1);
    EXPECT_FALSE(nodeId->isEnabled());
}

TEST_F(TxRxSetTest, Com3RoleTogglesOnAClickOfItsCaption) {
    frm_.show();
    frm_.FormShow(program_);
    QLabel* role = Get<QLabel>("LabelCOM3Model");
    EXPECT_EQ(role->text(), QString("(Modbus Slave)"));
    EXPECT_TRUE(role->toolTip().startsWith("Click To (Slave/Master)"));
    QTest::mouseClick(role, Qt::LeftButton);
    EXPECT_EQ(role->text(), QString("(Modbus Master)"));
    EXPECT_EQ(Field(frm_.SysParamText(), 19, 2), "01");
    QTest::mouseClick(role, Qt::LeftButton);
    EXPECT_EQ(Field(frm_.SysParamText(), 19, 2), "00");
    frm_.hide();
}

TEST_F(TxRxSetTest, OnlyOneCLanguageBoxStaysTicked) {
    frm_.show();
    frm_.FormShow(program_);
    auto* block = Get<QCheckBox>("H_Fun1");
    auto* library = Get<QCheckBox>("H_Fun2");
    // Each click in turn, with the two boxes and the flag byte after it.
    struct Step {
        QCheckBox* clicked;
        bool block, library;
        const char* flags;
    };
    const Step steps[] = {
        {block, true, false, "01"},   {library, false, true, "08"}, {library, false, false, "00"},
        {library, false, true, "08"}, {block, true, false, "01"},
    };
    for (const Step& step : steps) {
        QTest::mouseClick(step.clicked, Qt::LeftButton);
        EXPECT_EQ(block->isChecked(), step.block);
        EXPECT_EQ(library->isChecked(), step.library);
        EXPECT_EQ(Field(frm_.SysParamText(), 50, 2), step.flags);
    }
    frm_.hide();
}

TEST_F(TxRxSetTest, BlockBLabelsFollowTheirSpinBoxes) {
    frm_.FormShow(program_);
    EXPECT_EQ(Get<QLabel>("Label7")->text(), QString("-->D4039"));
    EXPECT_EQ(Get<QLabel>("Label8")->text(), QString("-->D2303"));
    Get<QSpinBox>("SpinEdit7")->setValue(10);
    EXPECT_EQ(Get<QLabel>("Label7")->text(), QString("-->D49"));
}

// A stored value that a list does not offer leaves the list without a choice;
// OK writes the stored value back instead of a corrupt field.
TEST_F(TxRxSetTest, ValuesTheListsLackAreKept) {
    program_.sysParamString.replace(11, 1, "7");   // COM1 baud 7
    program_.sysParamString.replace(49, 2, "20");  // timer interrupt 2
    program_.holdParamString.replace(1, 1, "9");   // X01 mode 9
    frm_.FormShow(program_);
    EXPECT_EQ(Get<QComboBox>("Baud_rate")->currentIndex(), -1);
    EXPECT_EQ(Get<QComboBox>("FunT")->toolTip(), QString("每秒钟 10000次"));
    Run(nullptr, "BitBtn1");
    EXPECT_EQ(program_.sysParamString.size(), 51u);
    EXPECT_EQ(Field(program_.sysParamString, 12, 1), "7");
    EXPECT_EQ(Field(program_.sysParamString, 50, 2), "20");
    EXPECT_EQ(Field(program_.holdParamString, 2, 1), "9");
    EXPECT_EQ(program_.holdParamString.size(), 23u);
}

TEST_F(TxRxSetTest, ShortStringsLoadAndWriteWholeStrings) {
    program_.sysParamString = "03";
    program_.holdParamString.clear();
    Run(nullptr, "BitBtn1");
    EXPECT_EQ(program_.sysParamString.size(), 51u);
    EXPECT_EQ(Field(program_.sysParamString, 1, 2), "03");
    EXPECT_EQ(Field(program_.sysParamString, 13, 2), "0A") << "time-out held to its least, 10";
    EXPECT_EQ(program_.holdParamString.size(), 23u);
}

}  // namespace
}  // namespace vx
