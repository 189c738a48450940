// The device usage and comment window `TOrganUseFrm` ("元件使用情况表").
//
// Three pages: " 元件使用情况表 " shows which devices the program uses (a
// grid per device letter, a count and ratio per letter, and the report,
// which can be saved and printed), " 软元件注释 " shows the comment of every
// device in a grid per letter, editable, and choosing " 关 闭 " closes the
// window. The window stays on top and does not block the main window.
// Showing it runs the usage scan 10 ms later.
//
// The comment grids are views of the process-wide comments
// (TheDeviceComments()); an edit is stored at once and reported through
// CommentEdited, so the main window can enable Save and redraw the ladder.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/DeviceComments.h"
#include "editor/OrganUse.h"

class QPrinter;

namespace vx {

class TFlatSkin;
class TWgPageControl;
class TWgProgressBar;
class TWgTabSheet;
class UsageGridModel;
class CommentTableModel;

class TOrganUseFrm : public QDialog {
    Q_OBJECT
  public:
    enum Page { kUsagePage = 0, kCommentPage = 1, kClosePage = 2 };

    explicit TOrganUseFrm(QWidget* parent = nullptr);
    ~TOrganUseFrm() override;

    // Shows the window on a page, without blocking, and brings it forward.
    void ShowPage(Page page);

    // 刷新(&R): the usage scan over the chosen scope.
    void BitBtn2Click();
    // 元件使用情况表保存(&S): asks for a file and writes the report there.
    void BitBtn6Click();
    // 元件使用情况表打印(&P): the print dialog, then the report on the printer.
    void BitBtn5Click();
    // 关闭(&C).
    void BitBtn1Click() { close(); }

    // After a switch of the interface language: the texts the window writes
    // itself (the usage cells, the counts, the report, the grids' headers)
    // written again in the new language, from the last scan.
    void LanguageRefresh();

    // The report's lines as printed: the project file, "   元件使用情况表打印   "
    // (in English "   Device usage print   "), the date and the time, a line
    // of 86 "_", then the report lines.
    static std::vector<std::string> PrintLines(const std::string& projectFile,
                                               const QDateTime& when,
                                               const std::vector<std::string>& report,
                                               bool chinese = true);
    // Prints the lines in the given font, page after page.
    static void PrintText(QPrinter& printer, const QFont& font,
                          const std::vector<std::string>& lines, bool chinese = true);

    // The window's parts, by their names.
    TWgPageControl* PageControl() const { return pageControl_; }
    QTableView* UsageGrid(int table) const { return usageGrids_[static_cast<std::size_t>(table)]; }
    QTableView* CommentGrid(int table) const {
        return commentGrids_[static_cast<std::size_t>(table)];
    }
    QLabel* SummaryLabel(int table) const { return summaries_[static_cast<std::size_t>(table)]; }
    TWgProgressBar* RatioBar(int table) const {
        return ratioBars_[static_cast<std::size_t>(table)];
    }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QPlainTextEdit* Memo1() const { return memo1_; }
    QRadioButton* WholeProgram() const { return wholeProgram_; }
    QRadioButton* ChosenProgram() const { return chosenProgram_; }
    QComboBox* ProRange() const { return proRange_; }
    // The report's lines as the memo shows them.
    std::vector<std::string> MemoLines() const;

    // What the window asks the rest of the tool; tests set their own.
    struct Seams {
        // The report file: the chosen name, or nothing when cancelled.
        std::function<std::optional<std::string>(const std::string& suggested)> reportFile;
        // The print dialog: true when the printer was chosen.
        std::function<bool(QPrinter&)> printer;
        // The open project's file, for the printed heading.
        std::function<std::string()> projectFile;
        // The interface language of the report and the grids (Chinese when unset).
        std::function<bool()> chinese;
    };
    Seams& Asks() { return seams_; }

  signals:
    // A comment was changed in a comment grid.
    void CommentEdited();
    // The window was closed (comments may have changed).
    void Closed();
    // A usage scan has finished.
    void Refreshed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildUsagePage(TWgTabSheet* page);
    void BuildCommentPage(TWgTabSheet* page);
    void PageControl1Change();
    void AskFont(QWidget* control);
    bool Chinese() const { return !seams_.chinese || seams_.chinese(); }
    void ResetUsage();
    // The scan's result into the usage grids, the counts and the report.
    void ShowUsage(const DeviceUsage& usage);

    TFlatSkin* flatSkin1_ = nullptr;
    TWgPageControl* pageControl_ = nullptr;
    int lastPage_ = kUsagePage;
    bool settingPage_ = false;  // the window chooses the page itself
    QRadioButton* wholeProgram_ = nullptr;
    QRadioButton* chosenProgram_ = nullptr;
    QComboBox* proRange_ = nullptr;
    QPushButton *bitBtn1_ = nullptr, *bitBtn2_ = nullptr, *bitBtn5_ = nullptr, *bitBtn6_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QTabWidget* usageTabs_ = nullptr;
    std::array<QTableView*, kCommentTableCount> usageGrids_{};
    std::array<UsageGridModel*, kCommentTableCount> usageModels_{};
    std::array<QLabel*, kCommentTableCount> summaries_{};
    std::array<TWgProgressBar*, kCommentTableCount> ratioBars_{};
    QPlainTextEdit* memo1_ = nullptr;
    QTabWidget* commentTabs_ = nullptr;
    std::array<QTableView*, kCommentTableCount> commentGrids_{};
    std::array<CommentTableModel*, kCommentTableCount> commentModels_{};
    std::optional<DeviceUsage> lastScan_;  // what the last refresh found
    Seams seams_;
};

}  // namespace vx
