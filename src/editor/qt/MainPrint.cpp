// The main window's print commands: the ladder diagram as pictures of the
// window, page by page in landscape, with the header panel `Panel3` on top
// and the menus, tool bars, status bar and side panes hidden; the
// instruction list as text lines in portrait, in `Panel3`'s font; and the
// printer set-up.
//
// Both parts of a print go into one print job, so a job sent to a file holds
// them both. The window's picture keeps its lines and texts as such, so the
// sheet is sharp at any scale and its texts can be found in a PDF.
#include <QAbstractScrollArea>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <algorithm>

#include "editor/PrintPages.h"
#include "editor/ProgramBlocks.h"
#include "editor/qt/About.h"
#include "editor/qt/Main.h"
#include "editor/qt/Print.h"
#include "model/LadderProgram.h"
#include "platform/MessageBox.h"
#include "platform/qt/Canvas.h"

namespace vx {
namespace {

constexpr int kHeaderHeight = 45;

// Lets every layout take the change of what is shown, without running any
// other event (timers, input) in the middle of a print.
void SettleLayouts() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

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

}  // namespace

void TMainFrm::ConnectPrint() {
    // The header panel over the grid, hidden except while the ladder prints.
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
    connect(Button("PrintToolButton"), &QToolButton::clicked, this,
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

    QPainter painter;
    bool opened = true;
    if (options.ladder) opened = PrintLadderPages(painter, options);
    if (opened && options.instructionList) opened = PrintInstructionList(painter);
    if (painter.isActive()) painter.end();
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

bool TMainFrm::PrintLadderPages(QPainter& painter, const PrintOptions& options) {
    // What printing hides, noted to be shown again.
    const bool standardShown = !standardBar_->isHidden();
    const bool functionShown = !functionBar_->isHidden();
    const bool auxiliaryShown = !auxiliaryBar_->isHidden();
    const bool statusShown = !statusBar()->isHidden();
    const bool mnemonicShown = !panel4_->isHidden();
    const QFrame::Shape frame = ladderEdit_->frameShape();
    const Qt::ScrollBarPolicy horizontal = ladderEdit_->horizontalScrollBarPolicy();
    const Qt::ScrollBarPolicy vertical = ladderEdit_->verticalScrollBarPolicy();
    const QSize clientSize = centralWidget()->size();

    wgSizePanel2_->hide();
    for (QWidget* w :
         {static_cast<QWidget*>(standardBar_), static_cast<QWidget*>(functionBar_),
          static_cast<QWidget*>(auxiliaryBar_), static_cast<QWidget*>(statusBar()), panel4_}) {
        w->hide();
    }
    for (QAction* menu : mainMenu_->actions())
        menu->setVisible(false);
    panel3_->show();
    ladderEdit_->setFrameShape(QFrame::NoFrame);
    ladderEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ladderEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SettleLayouts();

    const int rowsPerPage = RowsPerPage(Button("OnTopToolButton")->Down());
    // A page shows the rows from the one a page further up to the cursor's,
    // all 14 columns wide: a window too small for that grows, for the print,
    // by what the grid lacks, so that no row is left off between two pages
    // and no column at the right.
    int gridWidth = 0;
    for (int width : kColumnWidths)
        gridWidth += width;
    const int gridHeight = (rowsPerPage + 1) * ladderEdit_->DefaultRowHeight();
    const QSize lacking(std::max(0, gridWidth - ladderEdit_->viewport()->width()),
                        std::max(0, gridHeight - ladderEdit_->viewport()->height()));
    if (!lacking.isNull()) centralWidget()->resize(centralWidget()->size() + lacking);

    // The shown block's own rows: a subroutine is scanned in its rows, not
    // in the main program's rows of the same numbers.
    const int lastUsedRow =
        LastUsedGridRow(TheProgram().cells, TheProgramBlocks().rowBase, ladderEdit_->RowCount());
    const std::vector<LadderPage> pages =
        LadderPagePlan(lastUsedRow, rowsPerPage, ladderEdit_->RowCount(),
                       {options.allPages, options.firstPage, options.lastPage});
    const std::string header =
        LadderHeaderText(names_.projectFile, Today().toStdString(), Now().toStdString(), Chinese());

    ladderEdit_->SetCursor(1, 0);
    bool opened = true;
    for (const LadderPage& page : pages) {
        ladderEdit_->SetCursor(1, page.cursorRow);
        label2_->setText(QString::fromStdString(LadderPageLabel(header, page.number, Chinese())));
        if (!page.printed) continue;
        opened = NextSheet(painter, true);
        if (!opened) break;
        PrintWindowImage(painter);
    }

    panel3_->hide();
    ladderEdit_->setHorizontalScrollBarPolicy(horizontal);
    ladderEdit_->setVerticalScrollBarPolicy(vertical);
    ladderEdit_->setFrameShape(frame);
    Item("N2")->trigger();  // the grid back to its top
    wgSizePanel2_->setVisible(Item("N54")->isChecked() && !CoverShown());
    for (QAction* menu : mainMenu_->actions())
        menu->setVisible(true);
    standardBar_->setVisible(standardShown);
    functionBar_->setVisible(functionShown);
    auxiliaryBar_->setVisible(auxiliaryShown);
    statusBar()->setVisible(statusShown);
    panel4_->setVisible(mnemonicShown);
    centralWidget()->resize(clientSize);
    if (layout() != nullptr) layout()->invalidate();
    SettleLayouts();
    return opened;
}

void TMainFrm::PrintWindowImage(QPainter& painter) {
    // The window's client area, as large as the sheet takes it whole, at the
    // top and in the middle.
    QWidget* client = centralWidget();
    const QSizeF sheet(printer_->width(), printer_->height());
    const QSizeF image = client->size();
    if (image.isEmpty()) return;
    const qreal scale = std::min(sheet.width() / image.width(), sheet.height() / image.height());
    // Drawn into a picture first: widgets drawn straight onto a printer go
    // through a bitmap, a picture keeps their lines and texts.
    QPicture picture;
    {
        QPainter recorder(&picture);
        client->render(&recorder, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.save();
    painter.translate((sheet.width() - image.width() * scale) / 2, 0);
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
    const QTextDocument* document = memo1_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // A memo whose text ends with a line break has no line after it.
        if (!block.next().isValid() && block.text().isEmpty()) break;
        lines << block.text();
    }
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
