// The device usage and comment window: what it shows after its scan against
// the scan without a window, the scope choice, editing comments, the close
// page, and the report saved and printed.
#include "editor/qt/OrganUse.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "editor/OrganUse.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/FileIo.h"
#include "platform/Text.h"
#include "styling/skin/qt/FlatSkin.h"
#include "support/MessageRecorder.h"
#include "support/ObjectPath.h"
#include "support/QtWait.h"
#include "support/TempFolder.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgPrgres.h"

namespace vx {
namespace {

using test::MessageRecorder;
using test::TempFolder;

class OrganUseFrmTest : public testing::Test {
  protected:
    void SetUp() override {
        TheProgram().Clear();
        TheDeviceComments().Clear();
    }
    void TearDown() override {
        TheProgram().Clear();
        TheDeviceComments().Clear();
    }

    static void Put(int column, int row, std::uint8_t kind, const char* text) {
        TheProgram().cells.Kind(column, row) = kind;
        TheProgram().cells.First(column, row) = text;
    }

    // Shows the window on a page and waits for the scan that showing starts.
    void ShowAndWait(TOrganUseFrm::Page page) {
        QSignalSpy refreshed(&frm_, &TOrganUseFrm::Refreshed);
        frm_.ShowPage(page);
        ASSERT_TRUE(refreshed.wait(test::kStateWaitMs));
    }

    static QString CellText(QTableView* view, int row, int column) {
        return view->model()->index(row, column).data().toString();
    }

    MessageRecorder messages_;
    TempFolder dir_;
    TOrganUseFrm frm_;
};

TEST_F(OrganUseFrmTest, PagesAndRatioBarsAsDesigned) {
    auto* pages = test::FindByPath<TWgPageControl>(&frm_, "PageControl1");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages, frm_.PageControl());
    EXPECT_EQ(pages->TabStyle(), TWgTabStyle::tsRoundCorners);
    EXPECT_TRUE(pages->Transparent());
    EXPECT_TRUE(pages->BoldCurrentTab());
    const char* sheets[][2] = {{"PageControl1.TabSheet1", " 元件使用情况表 "},
                               {"PageControl1.TabSheet2", " 软元件注释 "},
                               {"PageControl1.TabSheet3", " 关 闭 "}};
    for (int p = 0; p < 3; ++p) {
        auto* sheet = test::FindByPath<TWgTabSheet>(&frm_, sheets[p][0]);
        ASSERT_NE(sheet, nullptr) << sheets[p][0];
        EXPECT_EQ(sheet->Caption(), QString::fromUtf8(sheets[p][1]));
        EXPECT_EQ(sheet->PageIndex(), p);
    }
    EXPECT_NE(test::FindByPath<QTabWidget>(&frm_, "PageControl1.TabSheet1.PageControl2"), nullptr);
    EXPECT_NE(test::FindByPath<QTabWidget>(&frm_, "PageControl1.TabSheet2.PageControl3"), nullptr);

    // Seven upright gradient bars, black to red on white fading to the
    // framework's medium grey.
    for (int t = 0; t < kCommentTableCount; ++t) {
        const QString path = QString("PageControl1.TabSheet1.WgProgressBar%1").arg(t + 1);
        auto* bar = test::FindByPath<TWgProgressBar>(&frm_, path);
        ASSERT_NE(bar, nullptr) << path.toStdString();
        EXPECT_EQ(bar, frm_.RatioBar(t));
        EXPECT_EQ(bar->size(), QSize(33, 380));
        EXPECT_EQ(bar->Orientation(), TOrientation::orVertical);
        EXPECT_EQ(bar->BarStyle(), TBarStyle::bsGradient);
        EXPECT_EQ(bar->GradientDirection(), TGradientDirection::gdVerticalEnd);
        EXPECT_EQ(bar->BackColor(), clWindow);
        EXPECT_EQ(bar->BackColorStop(), RGBColor(160, 160, 164));
        EXPECT_EQ(bar->BarColor(), clBlack);
        EXPECT_EQ(bar->BarColorStop(), clRed);
    }
}

TEST_F(OrganUseFrmTest, ShownReportMatchesTheScan) {
    Put(1, 0, CellKind::kOpenContact, "X17");
    Put(2, 0, CellKind::kClosedContact, "M100");
    Put(12, 0, CellKind::kFunctionBox, "SET Y5");
    Put(12, 1, CellKind::kCoil, "T3 K50");
    Put(12, 2, CellKind::kFunctionBox, "MOV K1 D100");
    Put(1, 3, CellKind::kOpenContact, "X3");
    Put(1, 4, CellKind::kOpenContact, "X8");      // not an octal number
    Put(2, 4, CellKind::kOpenContact, "M10000");  // past the M table
    Put(12, 4, CellKind::kFunctionBox, "MOV K1 D10000");
    TheDeviceComments().SetComment(DeviceKind::M, 100, "泵启动");

    ShowAndWait(TOrganUseFrm::kUsagePage);
    EXPECT_TRUE(frm_.isVisible());
    EXPECT_FALSE(frm_.isModal());
    EXPECT_TRUE(frm_.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frm_.windowTitle(), QString("元件使用情况表"));
    EXPECT_NE(frm_.findChild<TFlatSkin*>(), nullptr);
    EXPECT_EQ(frm_.PageControl()->ActivePageIndex(), TOrganUseFrm::kUsagePage);

    const DeviceUsage usage = DeviceUsage::Scan(TheProgram().cells, kUnshownRow);
    const UsageReport report = BuildUsageReport(usage, TheDeviceComments());
    EXPECT_EQ(frm_.MemoLines(), report.memoLines);
    for (int t = 0; t < kCommentTableCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        EXPECT_EQ(frm_.SummaryLabel(t)->text().toStdString(), report.summaries[i].label);
        EXPECT_EQ(frm_.RatioBar(t)->Percent(), report.summaries[i].ratioBar);
        const UsageGrid grid = BuildUsageGrid(kCommentTableKinds[i], usage, TheDeviceComments());
        QTableView* view = frm_.UsageGrid(t);
        ASSERT_EQ(view->model()->rowCount(), grid.rows - 1);
        ASSERT_EQ(view->model()->columnCount(), grid.columns);
        for (int c = 0; c < grid.columns; ++c) {
            EXPECT_EQ(view->model()->headerData(c, Qt::Horizontal).toString().toStdString(),
                      grid.Cell(c, 0));
        }
        for (int r = 1; r < grid.rows; ++r) {
            for (int c = 0; c < grid.columns; ++c)
                ASSERT_EQ(CellText(view, r - 1, c).toStdString(), grid.Cell(c, r)) << t;
        }
    }
    EXPECT_EQ(frm_.ProgressBar1()->value(), 100);
    EXPECT_EQ(frm_.SummaryLabel(0)->text(), QString(" X接点使用数:2  使用比率:0.78%"));
    EXPECT_EQ(CellText(frm_.UsageGrid(2), 10, 1), QString("泵启动"));  // M100
    EXPECT_EQ(CellText(frm_.UsageGrid(6), 10, 1), QString("已使用"));  // D100
    EXPECT_EQ(CellText(frm_.UsageGrid(6), 1, 1), QString(" *"));       // D10

    // The usage marks of the comment grids.
    EXPECT_EQ(CellText(frm_.CommentGrid(0), 15, 1), QString("   U"));  // X17
    EXPECT_EQ(CellText(frm_.CommentGrid(0), 14, 1), QString());
    EXPECT_EQ(CellText(frm_.CommentGrid(2), 100, 1), QString("   U"));
    EXPECT_EQ(CellText(frm_.CommentGrid(2), 100, 0), QString(" M100"));
    EXPECT_EQ(CellText(frm_.CommentGrid(2), 100, 2), QString("泵启动"));
}

TEST_F(OrganUseFrmTest, UsedDevicesShowTheWordOfTheInterfaceLanguage) {
    Put(12, 0, CellKind::kFunctionBox, "MOV K1 D100");
    Put(1, 1, CellKind::kOpenContact, "M100");
    TheDeviceComments().SetComment(DeviceKind::M, 100, "泵启动");
    bool chinese = false;
    frm_.Asks().chinese = [&chinese] { return chinese; };
    ShowAndWait(TOrganUseFrm::kUsagePage);
    EXPECT_EQ(CellText(frm_.UsageGrid(6), 10, 1), QString("Used"));    // D100
    EXPECT_EQ(CellText(frm_.UsageGrid(2), 10, 1), QString("泵启动"));  // M100: the comment
    const std::vector<std::string> memo = frm_.MemoLines();
    EXPECT_NE(std::find(memo.begin(), memo.end(), "D100   Used"), memo.end());
}

TEST_F(OrganUseFrmTest, ScopeMainLeavesTheSubroutinesOut) {
    Put(1, BlockFirstRow(0) + 3, CellKind::kOpenContact, "X5");
    Put(1, 7, CellKind::kOpenContact, "X6");
    ShowAndWait(TOrganUseFrm::kUsagePage);
    EXPECT_EQ(frm_.SummaryLabel(0)->text(), QString(" X接点使用数:2  使用比率:0.78%"));
    EXPECT_FALSE(frm_.ProRange()->isEnabled());
    frm_.ChosenProgram()->click();
    EXPECT_TRUE(frm_.ProRange()->isEnabled());
    EXPECT_EQ(frm_.ProRange()->count(), 33);
    frm_.ProRange()->setCurrentIndex(0);  // "Main"
    frm_.BitBtn2Click();
    EXPECT_EQ(frm_.SummaryLabel(0)->text(), QString(" X接点使用数:1  使用比率:0.39%"));
    EXPECT_EQ(CellText(frm_.CommentGrid(0), 5, 1), QString()) << "the mark of X5 is gone";
    frm_.ProRange()->setCurrentIndex(1);  // "Main -> Sub0"
    frm_.BitBtn2Click();
    EXPECT_EQ(frm_.SummaryLabel(0)->text(), QString(" X接点使用数:2  使用比率:0.78%"));
}

TEST_F(OrganUseFrmTest, EditingACommentStoresItAtOnce) {
    ShowAndWait(TOrganUseFrm::kCommentPage);
    EXPECT_EQ(frm_.PageControl()->ActivePageIndex(), TOrganUseFrm::kCommentPage);
    QSignalSpy edited(&frm_, &TOrganUseFrm::CommentEdited);
    QTableView* grid = frm_.CommentGrid(6);  // D
    EXPECT_EQ(grid->objectName(), QString("StringGrid13"));
    ASSERT_EQ(grid->model()->rowCount(), 10000);
    frm_.findChild<QTabWidget*>("PageControl3")->setCurrentWidget(grid);
    const QModelIndex cell = grid->model()->index(9999, 2);
    grid->scrollTo(cell);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Last");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits from the event loop
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::D, 9999), "Last");
    EXPECT_EQ(edited.count(), 1);

    // The label column is not editable; an unchanged comment is no edit.
    EXPECT_FALSE(grid->model()->setData(grid->model()->index(5, 0), "x"));
    EXPECT_TRUE(grid->model()->setData(cell, "Last"));
    EXPECT_EQ(edited.count(), 1);
    EXPECT_TRUE(grid->model()->setData(grid->model()->index(0, 2), "油泵"));
    EXPECT_EQ(TheDeviceComments().Comment(DeviceKind::D, 0), "油泵");
    EXPECT_EQ(edited.count(), 2);
}

TEST_F(OrganUseFrmTest, TheClosePageClosesTheWindow) {
    ShowAndWait(TOrganUseFrm::kCommentPage);
    QSignalSpy closed(&frm_, &TOrganUseFrm::Closed);
    TWgPageControl* pages = frm_.PageControl();
    const TRect tab = pages->TabRect(TOrganUseFrm::kClosePage);
    QTest::mouseClick(pages, Qt::LeftButton, {},
                      QPoint((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    EXPECT_FALSE(frm_.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(pages->ActivePageIndex(), TOrganUseFrm::kCommentPage)
        << "the window comes back on the page it had";
    EXPECT_EQ(pages->TabIndex(), TOrganUseFrm::kCommentPage);

    frm_.ShowPage(TOrganUseFrm::kUsagePage);
    pages->SetActivePageIndex(TOrganUseFrm::kClosePage);
    EXPECT_FALSE(frm_.isVisible());
    EXPECT_EQ(pages->ActivePageIndex(), TOrganUseFrm::kUsagePage);
}

TEST_F(OrganUseFrmTest, ReportSavedWithTxtAndPrinted) {
    Put(1, 0, CellKind::kOpenContact, "X0");
    TheDeviceComments().SetComment(DeviceKind::X, 0, "启动按钮");
    ShowAndWait(TOrganUseFrm::kUsagePage);

    std::string suggested;
    frm_.Asks().reportFile = [&](const std::string& name) {
        suggested = name;
        return std::optional<std::string>(dir_ / "usage");
    };
    frm_.BitBtn6Click();
    EXPECT_EQ(suggested, "元件使用情况表");
    const std::optional<std::string> saved = ReadWholeFile(dir_ / "usage.Txt");
    ASSERT_TRUE(saved);
    EXPECT_NE(GbkToUtf8(*saved).find("X0   启动按钮\r\n"), std::string::npos);
    EXPECT_EQ(messages_.Count(), 0u);

    // A folder that cannot be written is told, not taken for done.
    frm_.Asks().reportFile = [&](const std::string&) {
        return std::optional<std::string>(dir_ / "missing/usage.Txt");
    };
    frm_.BitBtn6Click();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().icon, MsgIcon::Exclamation);

    const std::string pdf = dir_ / "usage.pdf";
    frm_.Asks().projectFile = [] { return std::string("/p/泵站.PSP"); };
    frm_.Asks().printer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    };
    frm_.BitBtn5Click();
    const std::optional<std::string> printed = ReadWholeFile(pdf);
    ASSERT_TRUE(printed);
    EXPECT_TRUE(printed->starts_with("%PDF"));

    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7));
    const std::vector<std::string> lines =
        TOrganUseFrm::PrintLines("/p/泵站.PSP", when, frm_.MemoLines());
    ASSERT_EQ(lines.size(), frm_.MemoLines().size() + 2);
    EXPECT_TRUE(lines[0].starts_with("/p/泵站.PSP   元件使用情况表打印   "));
    EXPECT_EQ(lines[1], std::string(86, '_'));
    EXPECT_EQ(lines[2], frm_.MemoLines()[0]);
}

TEST_F(OrganUseFrmTest, DoubleClickAsksBeforeChangingTheFont) {
    ShowAndWait(TOrganUseFrm::kUsagePage);
    const QFont before = frm_.Memo1()->font();
    messages_.Answer(MsgAnswer::Cancel);
    QTest::mouseDClick(frm_.Memo1()->viewport(), Qt::LeftButton);
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().caption, "字体设置");
    EXPECT_EQ(messages_.Last().text, "是否重新设置显示字体 ？");
    EXPECT_EQ(frm_.Memo1()->font(), before);
}

}  // namespace
}  // namespace vx
