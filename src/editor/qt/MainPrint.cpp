// The main window's print commands: the ladder diagram page by page in
// landscape, each page the header panel `Panel3` over a page's rows of the
// grid; the instruction list as text lines in portrait, in `Panel3`'s font;
// and the printer set-up.
//
// A ladder page is drawn from the program, not taken from the window: every
// row is on exactly one page whatever the window's size, the grid's cursor
// and selection stay off the paper, and the ladder takes the sheet's width.
// The instruction list is made from the program as it stands, the way the
// compile makes it. Both parts go into one print job, so a job sent to a
// file holds them both. Pages are recorded as pictures, so lines and texts
// stay sharp at any scale and can be found in a PDF. A long print shows its
// progress and keeps the window painted between pages.
#include <QBoxLayout>
#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollBar>
#include <algorithm>

#include "editor/PrintPages.h"
#include "editor/ProgramBlocks.h"
#include "editor/ProjectFile.h"
#include "editor/qt/About.h"
#include "editor/qt/Main.h"
#include "editor/qt/Print.h"
#include "model/LadderProgram.h"
#include "outside/LadderConvert.h"
#include "platform/MessageBox.h"
#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr int kHeaderHeight = 45;

// The instruction list's font on paper: a font the window sizes in screen
// pixels keeps its size in points (at 96 pixels per inch).
QFont PaperFont(QFont font) {
    if (font.pixelSize() > 0) font.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    return font;
}

QString Today() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString Now() {
    return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
}

// The instruction list of the program as it stands, made as the compile
// makes it from the saved project (without saving or compiling anything);
// when the program cannot be converted, the reason instead.
QStringList CurrentInstructionList(const LadderProgram& current) {
    LadderProgram program;
    std::string text;
    if (ParseProject(SerialiseProject(current), program) == ProjectReadResult::Ok) {
        ConvertedProgram converted;
        if (ConvertLadder(program, converted, text)) text = converted.list;
    }
    QStringList lines = QString::fromStdString(text).remove(QChar('\r')).split(QChar('\n'));
    // A text that ends with a line break has no line after it.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
}

}  // namespace

void TMainFrm::ConnectPrint() {
    // The header panel over the grid: always hidden in the window, drawn at
    // the top of every ladder page.
    panel3_ = new QWidget(centralWidget());
    panel3_->setObjectName(QStringLiteral("Panel3"));
    panel3_->setFixedHeight(kHeaderHeight);
    QPalette palette = panel3_->palette();
    palette.setColor(QPalette::Window, ToQColor(clWindow));
    panel3_->setPalette(palette);
    panel3_->setAutoFillBackground(true);
    image1_ = new QLabel(panel3_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setFixedSize(kHeaderHeight - 6, kHeaderHeight - 6);
    image1_->setScaledContents(true);
    if (auto* about = findChild<TaboutForm*>()) image1_->setPixmap(about->Image1()->pixmap());
    label2_ = new QLabel(panel3_);
    label2_->setObjectName(QStringLiteral("Label2"));
    // A long header is cut at the panel's edge; it never widens the window.
    label2_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* header = new QHBoxLayout(panel3_);
    header->setContentsMargins(3, 3, 3, 3);
    header->addWidget(image1_);
    header->addWidget(label2_, 1);
    static_cast<QBoxLayout*>(centralWidget()->layout())->insertWidget(0, panel3_);
    panel3_->hide();

    // The window's own resolution: what it draws keeps its size on paper.
    printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
    printer_->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    windows_.printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    windows_.printerSetup = [this](QPrinter& printer) {
        QPageSetupDialog dialog(&printer, this);
        dialog.exec();
    };

    connect(Item("PrintItem"), &QAction::triggered, this, &TMainFrm::PrintToolButtonClick);
    connect(Button("PrintToolButton"), &TFxCustomToolBarButton::Clicked, this,
            &TMainFrm::PrintToolButtonClick);
    connect(Item("N29"), &QAction::triggered, this, &TMainFrm::N29Click);
}

void TMainFrm::N29Click() {
    if (windows_.printerSetup) windows_.printerSetup(*printer_);
}

void TMainFrm::PrintToolButtonClick() {
    auto* forPrint = findChild<TForPrint*>(QStringLiteral("ForPrint"));
    if (forPrint == nullptr) return;
    forPrint->SetInstructionFont(panel3_->font());
    const PrintOptions options = forPrint->Execute();
    // A font chosen with "..." is the header's and the instruction list's
    // from then on, whatever became of the print.
    if (options.instructionFont != panel3_->font()) panel3_->setFont(options.instructionFont);
    if (!options.confirmed) return;
    if (!windows_.printDialog || !windows_.printDialog(*printer_)) return;

    // The pages the print will send, known before the first is drawn.
    std::vector<LadderPage> pages;
    if (options.ladder) {
        // The shown block's own rows: a subroutine is scanned in its rows,
        // not in the main program's rows of the same numbers.
        const int lastUsedRow = LastUsedGridRow(TheProgram().cells, TheProgramBlocks().rowBase,
                                                ladderEdit_->RowCount());
        pages = LadderPagePlan(lastUsedRow, RowsPerPage(Button("OnTopToolButton")->Down()),
                               ladderEdit_->RowCount(),
                               {options.allPages, options.firstPage, options.lastPage});
    }
    int steps = options.instructionList ? 1 : 0;
    for (const LadderPage& page : pages)
        steps += page.printed ? 1 : 0;

    QProgressDialog progress(QString::fromStdString(Tr("正在打印…", "Printing...")),
                             QString::fromStdString(Tr("取消", "Cancel")), 0, steps, this);
    progress.setObjectName(QStringLiteral("PrintProgress"));
    progress.setWindowTitle(QString::fromStdString(kProductTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    // The tool bars leave the window while it prints and come back as they
    // were, whatever ends the print.
    struct DockBack {
        QWidget* dock;
        bool shown;
        ~DockBack() { dock->setVisible(shown); }
    } dockBack{fxDockPanel1_, !fxDockPanel1_->isHidden()};
    fxDockPanel1_->hide();

    QPainter painter;
    bool opened = true;
    if (options.ladder) opened = PrintLadderPages(painter, pages, progress);
    if (opened && options.instructionList && !progress.wasCanceled()) {
        progress.setLabelText(
            QString::fromStdString(Tr("正在打印指令表…", "Printing the instruction list...")));
        opened = PrintInstructionList(painter);
        progress.setValue(steps);
    }
    if (progress.wasCanceled()) {
        // Nothing of a cancelled print is sent.
        printer_->abort();
    }
    if (painter.isActive()) painter.end();
    progress.close();
    if (!opened) {
        ShowMessage({kProductTitle, Tr("打印机无法打开 ！", "The printer cannot be opened!"),
                     MsgIcon::Exclamation, MsgButtons::Ok});
    }
}

bool TMainFrm::NextSheet(QPainter& painter, bool landscape) {
    // The orientation of a sheet may change within the job: it holds from
    // the next sheet on.
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (painter.isActive()) return printer_->newPage();
    return painter.begin(printer_.get());
}

bool TMainFrm::PrintLadderPages(QPainter& painter, const std::vector<LadderPage>& pages,
                                QProgressDialog& progress) {
    const int rowsPerPage = RowsPerPage(Button("OnTopToolButton")->Down());
    const std::string header =
        LadderHeaderText(names_.projectFile, Today().toStdString(), Now().toStdString(), Chinese());
    int printed = 0;
    bool opened = true;
    for (const LadderPage& page : pages) {
        // The grid shows the page as it goes by, and the header names it.
        ladderEdit_->SetCursor(1, page.firstRow);
        ladderEdit_->verticalScrollBar()->setValue(page.firstRow);
        label2_->setText(QString::fromStdString(LadderPageLabel(header, page.number, Chinese())));
        if (!page.printed) continue;
        progress.setLabelText(
            QString::fromStdString(Tr("正在打印梯形图第 %1 页…", "Printing ladder page %1..."))
                .arg(page.number));
        opened = NextSheet(painter, true);
        if (!opened) break;
        PrintLadderPage(painter, page, rowsPerPage);
        // Lets the window paint and the progress show between pages.
        progress.setValue(++printed);
        if (progress.wasCanceled()) break;
    }
    Item("N2")->trigger();  // the grid back to its top
    return opened;
}

void TMainFrm::PrintLadderPage(QPainter& painter, const LadderPage& page, int rowsPerPage) {
    // The header panel over the page's rows, as wide as the grid's columns;
    // every page is scaled as a full one, so all pages share one scale.
    const int width = TLadderGrid::FullWidth();
    const int rowsHeight = rowsPerPage * ladderEdit_->DefaultRowHeight();
    const QSizeF sheet(printer_->width(), printer_->height());
    const double scale =
        LadderPageScale(sheet.width(), sheet.height(), width, kHeaderHeight + rowsHeight);

    // Drawn into a picture first: widgets drawn straight onto a printer go
    // through a bitmap, a picture keeps their lines and texts.
    QPicture picture;
    {
        QPainter recorder(&picture);
        // The panel stays hidden in the window; it is laid out at the page's
        // width only to be drawn.
        panel3_->resize(width, kHeaderHeight);
        if (panel3_->layout() != nullptr) panel3_->layout()->activate();
        panel3_->render(&recorder, QPoint(), QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
        recorder.translate(0, kHeaderHeight);
        recorder.setClipRect(QRect(0, 0, width, page.rows * ladderEdit_->DefaultRowHeight()));
        ladderEdit_->PaintRows(recorder, page.firstRow, page.rows);
    }
    painter.save();
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

bool TMainFrm::PrintInstructionList(QPainter& painter) {
    if (!NextSheet(painter, false)) return false;
    const QFont font = PaperFont(panel3_->font());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font, printer_.get());
    const int lineHeight = std::max(1, metrics.lineSpacing());

    QStringList lines{QString::fromStdString(InstructionListHeader(
        names_.projectFile, Today().toStdString(), Now().toStdString(), Chinese()))};
    lines << CurrentInstructionList(TheProgram());
    int y = 0;
    for (const QString& line : lines) {
        if (y > 0 && y + lineHeight > printer_->height()) {
            if (!NextSheet(painter, false)) return false;
            painter.setFont(font);
            painter.setPen(Qt::black);
            y = 0;
        }
        painter.drawText(QRect(0, y, printer_->width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                         line);
        y += lineHeight;
    }
    return true;
}

}  // namespace vx
