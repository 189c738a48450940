// The print commands as a user meets them, printed to PDF files: the ladder
// pages (landscape, the header with its page number, the rows of the shown
// block, the page range), the instruction list (portrait, whole), cancel in
// either dialog, a printer that cannot be opened, and the window as it was
// afterwards. The PDFs are read back with poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <set>

#include "editor/PrintPages.h"
#include "editor/ProgramBlocks.h"
#include "editor/qt/Main.h"
#include "editor/qt/Print.h"
#include "model/CellKind.h"
#include "model/LadderProgram.h"
#include "platform/paint/Canvas.h"
#include "support/EditorRunState.h"
#include "support/MessageRecorder.h"
#include "support/QtWait.h"
#include "support/StartedMainWindow.h"
#include "support/TempFolder.h"
#include "support/ToolButtonClick.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// Output of a poppler tool on the file, empty when it fails.
QString Poppler(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(test::kStateWaitMs) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfPage {
    double width = 0;
    double height = 0;
    QString text;
    bool Landscape() const { return width > height; }
};

// Every page of the PDF: its size and its text.
std::vector<PdfPage> ReadPdf(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QString info = Poppler("pdfinfo", {"-f", "1", "-l", "9999", file});
    std::vector<PdfPage> pages;
    static const QRegularExpression size(R"(Page\s+(\d+) size:\s+([\d.]+) x ([\d.]+))");
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        PdfPage page;
        page.width = m.captured(2).toDouble();
        page.height = m.captured(3).toDouble();
        const QString number = m.captured(1);
        // Lines as on the sheet, trimmed, runs of blanks as one.
        const QString text =
            Poppler("pdftotext", {"-layout", "-f", number, "-l", number, file, "-"});
        for (const QString& line : text.split('\n'))
            page.text += line.simplified() + '\n';
        pages.push_back(page);
    }
    return pages;
}

// Counts the events of one type a widget gets.
struct EventCounter : QObject {
    EventCounter(QObject* target, QEvent::Type type) : type(type) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type ? 1 : 0;
        return false;
    }
    QEvent::Type type;
    int count = 0;
};

// Pages of the PDF, 0 when there is none.
int PageCount(const std::string& path) {
    static const QRegularExpression pages(R"(Pages:\s+(\d+))");
    return pages.match(Poppler("pdfinfo", {QString::fromStdString(path)})).captured(1).toInt();
}

// Page `page` of the PDF as a picture at 50 pixels per inch.
QImage PageImage(const std::string& path, int page) {
    const QString prefix = QString::fromStdString(path) + "-page";
    const QString number = QString::number(page);
    Poppler("pdftoppm", {"-r", "50", "-f", number, "-l", number, "-singlefile", "-png",
                         QString::fromStdString(path), prefix});
    return QImage(prefix + ".png");
}

// Page `page` of the PDF in grey at `dpi` pixels per inch.
QImage GreyPage(const std::string& path, int page, int dpi) {
    const QString prefix = QString::fromStdString(path) + "-grey";
    const QString number = QString::number(page);
    Poppler("pdftoppm", {"-r", QString::number(dpi), "-gray", "-f", number, "-l", number,
                         "-singlefile", "-png", QString::fromStdString(path), prefix});
    return QImage(prefix + ".png");
}

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The left edge of the first rail left of `before`: the first column dark
// over the whole band of rows top to bottom; -1 when there is none.
int RailEdge(const QImage& image, int top, int bottom, int before) {
    for (int x = 0; x < before; ++x) {
        bool full = true;
        for (int y = top; y < bottom && full; ++y)
            full = Dark(image, x, y);
        if (full) return x;
    }
    return -1;
}

// In one row's band, the blank pixels between the row number's rightmost
// ink and the rail; -1 when there is no rail or no number.
int NumberGap(const QImage& image, int top, int bottom, int before) {
    const int rail = RailEdge(image, top, bottom, before);
    for (int x = rail - 1; x >= 0; --x) {
        for (int y = top; y < bottom; ++y) {
            if (Dark(image, x, y)) return rail - 1 - x;
        }
    }
    return -1;
}

// Pixels of about the colour.
int ColourCount(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                24) {
                ++count;
            }
        }
    }
    return count;
}

// What printing changes for a while and must give back.
struct WindowLook {
    std::vector<std::pair<QString, bool>> shown;
    std::vector<bool> menus;
    Qt::ScrollBarPolicy horizontal{};
    Qt::ScrollBarPolicy vertical{};
    int frame = 0;
    QRect client;
    bool operator==(const WindowLook&) const = default;
};

void PrintTo(const WindowLook& look, std::ostream* out) {
    for (const auto& [name, shown] : look.shown)
        *out << name.toStdString() << (shown ? "+ " : "- ");
    *out << "menus:";
    for (bool m : look.menus)
        *out << m;
    *out << " bars " << look.horizontal << look.vertical << " frame " << look.frame << " client "
         << look.client.width() << "x" << look.client.height();
}

class MainPrintTest : public testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty() ||
            QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext) are not installed";
        }
        test::ResetEditorRunState();
        frm_ = test::StartedMainWindow();
        frm_->FileNewItemClick();
        ASSERT_FALSE(frm_->CoverShown());
        print_ = frm_->findChild<TForPrint*>();
        ASSERT_NE(print_, nullptr);
        frm_->Dialogs().printDialog = [this](QPrinter& printer) {
            ++printDialogs_;
            if (!confirmPrint_) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf_));
            return true;
        };
    }

    // Rungs in rows first to last of the shown block: a contact "X<row>" in
    // column 1, a line on to a coil "Y<row>" in the output column.
    static void Rows(int first, int last, const char* contact = "X", const char* coil = "Y") {
        LadderCells& cells = TheProgram().cells;
        const int base = TheProgramBlocks().rowBase;
        for (int row = first; row <= last; ++row) {
            cells.Kind(1, base + row) = CellKind::kOpenContact;
            cells.First(1, base + row) = contact + std::to_string(row);
            for (int column = 2; column < kOutputColumn; ++column)
                cells.Kind(column, base + row) = CellKind::kLine;
            cells.Kind(kOutputColumn, base + row) = CellKind::kCoil;
            cells.First(kOutputColumn, base + row) = coil + std::to_string(row);
        }
    }

    // The print command with the options `choose` sets, then OK. A print
    // that ran across midnight is made again, so its headers carry the day
    // the test expects.
    void Print(const std::function<void(TForPrint&)>& choose = {}) {
        do {
            printedOn_ = QDate::currentDate();
            test::WhenModal(frm_.get(), [this, choose](QWidget*) {
                print_->RadioButton1()->click();
                print_->CheckBox1()->setChecked(true);
                print_->CheckBox2()->setChecked(false);
                if (choose) choose(*print_);
                print_->BitBtn1()->click();
            });
            frm_->PrintToolButtonClick();
        } while (QDate::currentDate() != printedOn_);
    }

    static void Range(TForPrint& print, int first, int last) {
        print.RadioButton2()->click();
        print.Edit1()->setText(QString::number(first));
        print.Edit2()->setText(QString::number(last));
    }

    WindowLook Look() const {
        QApplication::processEvents();  // the window as it stands, laid out
        WindowLook look;
        for (const char* name : {"WgSizePanel2", "Panel4", "Panel3", "FxDockPanel1", "FxToolBar1",
                                 "FxToolBar2", "FxToolBar3", "StatusBar1"}) {
            auto* w = frm_->findChild<QWidget*>(QString::fromUtf8(name));
            look.shown.emplace_back(name, w != nullptr && !w->isHidden());
        }
        for (QAction* menu : frm_->menuBar()->actions())
            look.menus.push_back(menu->isVisible());
        look.horizontal = frm_->LadderEdit()->horizontalScrollBarPolicy();
        look.vertical = frm_->LadderEdit()->verticalScrollBarPolicy();
        look.frame = frm_->LadderEdit()->frameShape();
        look.client = frm_->centralWidget()->geometry();
        return look;
    }

    // A header's text up to the time, as the last print made it.
    QString HeaderStart(const char* kind = "梯形图打印") const {
        return QStringLiteral("Torvin0   ") + QString::fromUtf8(kind) + QStringLiteral("   ") +
               QLocale().toString(printedOn_, QLocale::ShortFormat);
    }
    // The same as a PDF's text shows it, runs of blanks as one.
    static QString Simple(const QString& text) {
        return QString(text).replace(QRegularExpression("\\s+"), " ");
    }

    QString Label2Text() const {
        auto* label = frm_->findChild<QLabel*>(QStringLiteral("Label2"));
        return label ? label->text() : QString();
    }

    test::MessageRecorder messages_;
    test::TempFolder dir_;
    std::string pdf_ = dir_ / "print.pdf";
    std::unique_ptr<TMainFrm> frm_;
    TForPrint* print_ = nullptr;
    int printDialogs_ = 0;
    bool confirmPrint_ = true;
    QDate printedOn_;
};

TEST_F(MainPrintTest, TheItemsAndTheButtonWithAProject) {
    test::ExpectMenuItems(*frm_, {{"PrintItem", "File1", "打印(&P)...", Qt::CTRL | Qt::Key_P},
                                  {"N29", "File1", "打印机设置(&U)...", {}}});
    EXPECT_TRUE(frm_->Button("PrintToolButton")->isEnabled());
    EXPECT_EQ(frm_->Button("PrintToolButton")->toolTip(), QString("打印"));

    // The printer set-up runs its dialog on the printer, and prints nothing.
    int setups = 0;
    frm_->Dialogs().printerSetup = [&](QPrinter& printer) {
        ++setups;
        EXPECT_EQ(&printer, &frm_->Printer());
    };
    frm_->Item("N29")->trigger();
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(printDialogs_, 0);
    EXPECT_FALSE(fs::exists(pdf_));

    // The menu item and the button start the print command.
    test::WhenModal(frm_.get(), [this](QWidget*) { print_->BitBtn3()->click(); });
    frm_->Item("PrintItem")->trigger();
    test::WhenModal(frm_.get(), [this](QWidget*) { print_->BitBtn1()->click(); });
    confirmPrint_ = false;
    test::ClickToolButton(frm_->Button("PrintToolButton"));
    EXPECT_EQ(printDialogs_, 1);
}

// With comments shown (as the window starts) a page holds 10 rows: rows
// 0-19 are two pages, each a landscape picture of its rows under its
// header, with nothing of the menus, tool bars, tree or status bar;
// afterwards the window is as it was, the grid at its top.
TEST_F(MainPrintTest, ATwoPageLadderInLandscapeUnderItsHeader) {
    ASSERT_TRUE(frm_->Button("OnTopToolButton")->Down());
    Rows(0, 19);
    frm_->Item("N18")->trigger();  // the mnemonic pane shown
    frm_->Item("N20")->trigger();  // the function tool bar hidden
    frm_->LadderEdit()->SetCursor(3, 30);
    const WindowLook before = Look();
    ASSERT_TRUE(before.shown[1].second) << "Panel4 shown";

    Print();
    const std::vector<PdfPage> pages = ReadPdf(pdf_);
    ASSERT_EQ(pages.size(), 2u);
    QString all;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(pages[i].Landscape()) << pages[i].width << " x " << pages[i].height;
        EXPECT_TRUE(pages[i].text.contains(Simple(HeaderStart()))) << pages[i].text.toStdString();
        EXPECT_TRUE(pages[i].text.contains(QString("第%1页").arg(i + 1)));
        EXPECT_FALSE(pages[i].text.contains(QString("第%1页").arg(2 - i)));
        all += pages[i].text;
    }
    // Nothing of the chrome: status bar, menus, mnemonic pane, tree.
    for (const char* chrome : {"就绪", "文件", "帮助", "助记码", "主程序"})
        EXPECT_FALSE(all.contains(QString::fromUtf8(chrome))) << chrome;

    // The header as the last page left it.
    EXPECT_TRUE(Label2Text().startsWith(HeaderStart() + "  ")) << Label2Text().toStdString();
    EXPECT_TRUE(Label2Text().endsWith("    第2页")) << Label2Text().toStdString();
    // The window as it was, the grid at its top.
    EXPECT_EQ(Look(), before);
    EXPECT_EQ(frm_->LadderEdit()->Row(), 0);
    EXPECT_EQ(frm_->LadderEdit()->TopRow(), 0);
    EXPECT_TRUE(messages_.Messages().empty());
}

// Every row's devices are printed once, on its own page (rows 0-9 on page 1
// with comments shown, 0-13 without), whatever the window's size, and the
// grid's cursor and selection stay off the paper.
TEST_F(MainPrintTest, EveryRowOnceOnItsPageWhateverTheWindowsSize) {
    constexpr int kLast = 32;
    Rows(0, kLast);
    LadderCells& cells = TheProgram().cells;
    for (int row = 0; row <= kLast; ++row)
        cells.First(kCommentColumn, row) = "N" + std::to_string(row);
    frm_->setWindowState(Qt::WindowNoState);
    const struct {
        QSize window;
        bool comments;
    } cases[] = {
        {{1600, 1000}, true}, {{900, 420}, true}, {{1600, 1000}, false}, {{900, 420}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.window.width() << "x" << c.window.height()
                                        << (c.comments ? " comments" : ""));
        frm_->resize(c.window);
        VX_WAIT_EQ(frm_->size(), c.window, test::kStateWaitMs);
        if (frm_->Button("OnTopToolButton")->Down() != c.comments) frm_->Item("N28")->trigger();
        ASSERT_EQ(frm_->Button("OnTopToolButton")->Down(), c.comments);
        const int rowsPerPage = c.comments ? 10 : 14;
        // A selection over the first rows, the cursor among them.
        frm_->LadderEdit()->SetCursor(1, 0);
        QTest::keyClick(frm_->LadderEdit(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(frm_->LadderEdit(), Qt::Key_Right, Qt::ShiftModifier);
        ASSERT_EQ(frm_->LadderEdit()->Selection().bottom, 1);

        Print();
        const std::vector<PdfPage> pages = ReadPdf(pdf_);
        ASSERT_EQ(pages.size(), static_cast<std::size_t>(kLast / rowsPerPage + 1));
        for (int row = 0; row <= kLast; ++row) {
            for (const char* device : {"X", "Y", "N"}) {
                const QRegularExpression name(QString(R"(\b%1%2\b)").arg(device).arg(row));
                for (std::size_t page = 0; page < pages.size(); ++page) {
                    EXPECT_EQ(pages[page].text.count(name),
                              static_cast<int>(page) == row / rowsPerPage ? 1 : 0)
                        << device << row << " on page " << page + 1;
                }
            }
        }
        // No selection's colour on the first page.
        const QImage sheet = PageImage(pdf_, 1);
        ASSERT_FALSE(sheet.isNull());
        EXPECT_EQ(ColourCount(sheet, ToQColor(clHighlight)), 0);
    }
}

// A printed row number leaves the gap to the left rail that the grid shows
// on the screen, at the page's scale: its last digit never touches the rail.
TEST_F(MainPrintTest, RowNumbersKeepTheGridsGapToTheRail) {
    Rows(0, 3);
    const int rowHeight = frm_->LadderEdit()->DefaultRowHeight();
    const QImage screen = frm_->LadderEdit()->viewport()->grab().toImage();
    Print();
    constexpr int kDpi = 300;
    const QImage sheet = GreyPage(pdf_, 1, kDpi);
    ASSERT_FALSE(sheet.isNull());

    // The two rails on the sheet: the left one at x 31-32 of the grid, the
    // right one at 845-846; the rows start where the left rail does.
    const int midRow = sheet.height() / 2;
    const int left = RailEdge(sheet, midRow, midRow + 40, sheet.width() / 4);
    int right = sheet.width() - 1;
    while (right > left && !(Dark(sheet, right, midRow) && Dark(sheet, right, midRow + 40)))
        --right;
    while (right > left && Dark(sheet, right - 1, midRow))
        --right;
    ASSERT_GT(left, 0);
    ASSERT_GT(right, left);
    const double scale = (right - left) / 814.0;  // sheet pixels per grid pixel
    int top = midRow;
    while (top > 0 && Dark(sheet, left + 1, top - 1))
        --top;

    for (int row = 0; row < RowsPerPage(true); ++row) {
        SCOPED_TRACE(row + 1);
        const int screenGap = NumberGap(screen, row * rowHeight, (row + 1) * rowHeight, 40);
        ASSERT_GE(screenGap, 2) << "the grid's gap";
        const int bandTop = top + static_cast<int>(std::ceil(row * rowHeight * scale));
        const int bandBottom = top + static_cast<int>((row + 1) * rowHeight * scale) - 1;
        const int paperGap = NumberGap(sheet, bandTop, bandBottom, left + 4);
        EXPECT_NEAR(paperGap / scale, screenGap, 0.5)
            << "on paper " << paperGap << " of " << scale << " pixels each";
    }
}

TEST_F(MainPrintTest, AProgramWithinTheFirstPagePrintsOnePage) {
    Rows(0, 9);  // the first page's last row
    Print();
    ASSERT_EQ(ReadPdf(pdf_).size(), 1u);

    // Without comments a page is 14 rows.
    frm_->Item("N28")->trigger();
    ASSERT_FALSE(frm_->Button("OnTopToolButton")->Down());
    Rows(0, 13);
    Print();
    const std::vector<PdfPage> pages = ReadPdf(pdf_);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].text.contains(QRegularExpression(R"(\bX13\b)")));
    EXPECT_TRUE(pages[0].text.contains(QRegularExpression(R"(\bX0\b)")));

    TheProgram().cells.Clear();
    Print();
    EXPECT_EQ(ReadPdf(pdf_).size(), 1u) << "an empty program is one empty page";
}

TEST_F(MainPrintTest, ARangePrintsItsPagesWhileTheGridStepsThroughAll) {
    Rows(0, 45);  // pages from rows 0, 10, 20, 30, 40
    QSignalSpy steps(frm_->LadderEdit(), &TLadderGrid::SelectCell);
    Print([](TForPrint& print) { Range(print, 2, 3); });
    const std::vector<PdfPage> pages = ReadPdf(pdf_);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].text.contains("第2页"));
    EXPECT_TRUE(pages[1].text.contains("第3页"));
    EXPECT_TRUE(pages[0].text.contains(QRegularExpression(R"(\bX10\b)")));
    EXPECT_TRUE(pages[0].text.contains(QRegularExpression(R"(\bX19\b)")));
    EXPECT_TRUE(pages[1].text.contains(QRegularExpression(R"(\bX20\b)")));
    EXPECT_TRUE(pages[1].text.contains(QRegularExpression(R"(\bX29\b)")));

    std::vector<int> rows;
    for (const QList<QVariant>& step : steps)
        rows.push_back(step.at(1).toInt());
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 6),
              (std::vector<int>{0, 10, 20, 30, 40, 0}))
        << "every page's first row, then back to the top";
    EXPECT_TRUE(Label2Text().endsWith("第5页")) << "the label went on to the last page";

    // A range past the last page prints nothing at all.
    fs::remove(pdf_);
    Print([](TForPrint& print) { Range(print, 6, 9); });
    EXPECT_FALSE(fs::exists(pdf_));
}

TEST_F(MainPrintTest, CancelInEitherDialogPrintsNothingAndLeavesTheWindow) {
    Rows(0, 30);
    frm_->LadderEdit()->SetCursor(4, 37);
    const WindowLook before = Look();
    const int row = frm_->LadderEdit()->Row();
    const int top = frm_->LadderEdit()->TopRow();

    test::WhenModal(frm_.get(), [this](QWidget*) { print_->BitBtn3()->click(); });
    frm_->PrintToolButtonClick();
    EXPECT_EQ(printDialogs_, 0);
    confirmPrint_ = false;
    Print();
    EXPECT_EQ(printDialogs_, 1);

    EXPECT_FALSE(fs::exists(pdf_));
    EXPECT_EQ(Look(), before);
    EXPECT_EQ(frm_->LadderEdit()->Row(), row);
    EXPECT_EQ(frm_->LadderEdit()->Col(), 4);
    EXPECT_EQ(frm_->LadderEdit()->TopRow(), top);
    EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(MainPrintTest, APrinterThatCannotBeOpenedIsReportedAndTheWindowComesBack) {
    Rows(0, 5);
    const WindowLook before = Look();
    pdf_ = dir_ / "no such folder/print.pdf";
    Print();
    ASSERT_EQ(messages_.Count(), 1u);
    EXPECT_EQ(messages_.Last().text, "打印机无法打开 ！");
    EXPECT_EQ(Look(), before);
}

// The instruction list: portrait, its header line, then the list of the
// program as it stands (no compile has run: the mnemonic pane is empty),
// in full whatever page range the ladder has; in the same job after the
// ladder's pages.
TEST_F(MainPrintTest, TheInstructionListOfTheProgramAsItStands) {
    constexpr int kLast = 79;
    Rows(0, kLast, "M", "M");  // decimal device numbers, as the list needs
    auto* memo = frm_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(memo->toPlainText().isEmpty());

    Print([](TForPrint& print) {
        print.CheckBox1()->setChecked(false);
        print.CheckBox2()->setChecked(true);
        Range(print, 2, 3);
    });
    std::vector<PdfPage> pages = ReadPdf(pdf_);
    ASSERT_GE(pages.size(), 2u) << "80 rungs take more than a sheet";
    QString all;
    for (const PdfPage& page : pages) {
        EXPECT_FALSE(page.Landscape());
        all += page.text;
    }
    EXPECT_TRUE(pages[0].text.startsWith(Simple(HeaderStart("指令表打印"))))
        << pages[0].text.left(80).toStdString();
    // Each rung's two steps, numbered in order, once.
    for (int row = 0; row <= kLast; ++row) {
        for (const auto& [step, line] : {std::pair{2 * row, QString("LD M%1").arg(row)},
                                         {2 * row + 1, QString("OUT M%1").arg(row)}}) {
            const QRegularExpression expected(
                QString(R"((^|\n)%1 %2\n)").arg(step, 4, 10, QChar('0')).arg(line));
            EXPECT_EQ(all.count(expected), 1) << line.toStdString() << "\n"
                                              << all.left(400).toStdString();
        }
    }
    EXPECT_TRUE(all.contains(QRegularExpression(R"(\nEND\n)")));
    EXPECT_TRUE(memo->toPlainText().isEmpty()) << "the pane is left as it was";
    EXPECT_FALSE(Look().shown[2].second) << "Panel3 hidden";

    // Both: the ladder's page 2 in landscape, then the list in portrait.
    Print([](TForPrint& print) {
        print.CheckBox2()->setChecked(true);
        Range(print, 2, 3);
    });
    pages = ReadPdf(pdf_);
    ASSERT_GE(pages.size(), 4u);
    EXPECT_TRUE(pages[0].Landscape());
    EXPECT_TRUE(pages[0].text.contains("第2页"));
    EXPECT_TRUE(pages[1].Landscape());
    EXPECT_TRUE(pages[1].text.contains("第3页"));
    EXPECT_FALSE(pages[2].Landscape());
    EXPECT_TRUE(pages[2].text.startsWith(Simple(HeaderStart("指令表打印"))));
    EXPECT_FALSE(pages.back().Landscape());
    EXPECT_TRUE(pages.back().text.contains(QString("OUT M%1").arg(kLast)));
}

// A print of 150 pages shows its progress, keeps the window painted between
// pages, and can be cancelled: then nothing more is printed and nothing is
// reported.
TEST_F(MainPrintTest, ALongPrintShowsItsProgressAndCanBeCancelled) {
    Rows(0, 1499);  // 150 pages of 10 rows
    struct Seen {
        bool shown = false;
        int maximum = 0;
        std::set<int> values;
        int paintsAtShow = 0;    // the grid's paints when the progress first showed
        int paints = 0;          // and when it last showed
        bool dockShown = false;  // the tool bars' dock, while it printed
        int cancelledAt = -1;    // the pages printed when the cancel was pressed
    } seen;
    bool cancel = false;
    EventCounter paints(frm_->LadderEdit()->viewport(), QEvent::Paint);
    // Looks at the progress at every turn of the event loop the print makes
    // (after each page, once the progress shows): the print's own pace
    // decides when, not a guessed time.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* progress = frm_->findChild<QProgressDialog*>(QStringLiteral("PrintProgress"));
        if (progress == nullptr || !progress->isVisible()) return;
        if (!seen.shown) seen.paintsAtShow = paints.count;
        seen.paints = paints.count;
        seen.shown = true;
        seen.maximum = progress->maximum();
        seen.dockShown |= !frm_->findChild<QWidget*>(QStringLiteral("FxDockPanel1"))->isHidden();
        seen.values.insert(progress->value());
        if (cancel && seen.cancelledAt < 0) {
            seen.cancelledAt = progress->value();
            progress->cancel();
        }
    });
    watch.start();
    Print();
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.maximum, 150);
    EXPECT_GT(seen.values.size(), 2u) << "the progress moved on";
    EXPECT_FALSE(seen.dockShown) << "the tool bars leave the window while it prints";
    EXPECT_FALSE(frm_->findChild<QWidget*>(QStringLiteral("FxDockPanel1"))->isHidden());
    EXPECT_GT(seen.paints - seen.paintsAtShow, 2) << "the window was painted while it printed";
    EXPECT_EQ(PageCount(pdf_), 150);
    EXPECT_EQ(frm_->findChild<QProgressDialog*>(QStringLiteral("PrintProgress")), nullptr);

    fs::remove(pdf_);
    cancel = true;
    seen = {};
    Print([](TForPrint& print) { print.CheckBox2()->setChecked(true); });
    ASSERT_TRUE(seen.shown);
    ASSERT_GE(seen.cancelledAt, 0);
    EXPECT_LT(seen.cancelledAt, 150);
    EXPECT_EQ(*seen.values.rbegin(), seen.cancelledAt) << "no page after the cancel";
    EXPECT_LE(PageCount(pdf_), seen.cancelledAt) << "nothing after the cancel";
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(frm_->LadderEdit()->TopRow(), 0);
}

// A subroutine prints its own rows, however long the main program is, and
// all of them, however short the main program is.
TEST_F(MainPrintTest, ASubroutinePrintsItsOwnRows) {
    Rows(0, 60, "M", "T");  // the main program: six pages
    frm_->ShowTreeNode(kFirstSubroutineNode + 3);
    ASSERT_EQ(TheProgramBlocks().rowBase, BlockFirstRow(3));
    Rows(0, 4);
    Print();
    std::vector<PdfPage> pages = ReadPdf(pdf_);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].text.contains(QRegularExpression(R"(\bX4\b)")));
    EXPECT_FALSE(pages[0].text.contains(QRegularExpression(R"(\bM0\b)")));

    TheProgram().cells.Clear();  // no main program
    frm_->ShowTreeNode(kFirstSubroutineNode + 5);
    Rows(0, 25, "S", "C");
    Print();
    pages = ReadPdf(pdf_);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[2].text.contains(QRegularExpression(R"(\bS25\b)")));
}

}  // namespace
}  // namespace vx
