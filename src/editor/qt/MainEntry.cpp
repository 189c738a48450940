// The entry windows of the main window: the quick entry box a typed letter
// opens, the element entry dialog of the tools, Enter and double clicks, and
// the catalogue, operand picker and resource page behind its "..." button.
// The windows live as long as the main window; they reach the editor through
// the host made here.
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>

#include "editor/DeviceComments.h"
#include "editor/EditCommands.h"
#include "editor/GridCursor.h"
#include "editor/ProgramBlocks.h"
#include "editor/qt/Main.h"
#include "model/LadderProgram.h"
#include "model/QuickEntry.h"
#include "model/qt/FunInput.h"
#include "model/qt/Help.h"
#include "model/qt/KeyInput.h"
#include "model/qt/OUTfun.h"
#include "model/qt/Ucanzhao.h"

namespace vx {
namespace {

// The boxes are placed from the grid panel's top in window coordinates, which
// lay this far (caption and menu bar) above its place on the screen: a box
// placed 100 pixels under a cell's top then sits just under the cell, and one
// lifted by 143 just above it.
constexpr int kPanelLift = 42;

// The host as a set of calls into the main window.
class MainEntryHost : public QObject, public TEntryHost {
  public:
    struct Calls {
        std::function<void(std::int32_t)> placeTool;
        std::function<void()> yline;
        std::function<void()> ylineDel;
        std::function<void()> repaint;
        std::function<void()> backup;
        std::function<void()> commentsChanged;
        std::function<void(int, int)> moveCursor;
        std::function<QPoint()> gridOnScreen;
        std::function<QPixmap(int)> glyph;
        std::function<bool()> hintWanted;
        std::function<void(bool)> showHint;
    };

    MainEntryHost(Calls calls, QObject* parent) : QObject(parent), calls_(std::move(calls)) {}

    void PlaceToolAtCursor(std::int32_t toolKind) override { calls_.placeTool(toolKind); }
    void YlineClick() override { calls_.yline(); }
    void YlineDELClick() override { calls_.ylineDel(); }
    void RepaintGrid() override { calls_.repaint(); }
    void EditFileBackup() override { calls_.backup(); }
    void CommentsChanged() override { calls_.commentsChanged(); }
    void MoveCursor(int column, int row) override { calls_.moveCursor(column, row); }
    QPoint GridPanelOnScreen() const override { return calls_.gridOnScreen(); }
    QPixmap ElementButtonGlyph(int button) const override { return calls_.glyph(button); }
    bool EntryHintWanted() const override { return calls_.hintWanted(); }
    void ShowEntryHint(bool shown) override { calls_.showHint(shown); }

  private:
    Calls calls_;
};

}  // namespace

void TMainFrm::ConnectEntryWindows() {
    MainEntryHost::Calls calls;
    calls.placeTool = [this](std::int32_t toolKind) {
        TheGridCursor().placeArmed = true;
        PlaceTool(toolKind);
    };
    calls.yline = [this] {
        RunEditCommand(
            [this] { return YlineClick(TheProgram().cells, TheGridCursor(), Chinese()); });
    };
    calls.ylineDel = [this] {
        RunEditCommand([] { return YlineDELClick(TheProgram().cells, TheGridCursor()); });
    };
    calls.repaint = [this] { ladderEdit_->viewport()->update(); };
    calls.backup = [this] { EditFileBackup(); };
    calls.commentsChanged = [this] {
        SetSaveEnabled(true);
        ladderEdit_->viewport()->update();
    };
    calls.moveCursor = [this](int column, int row) {
        const int gridRow = row - TheProgramBlocks().rowBase;
        if (gridRow >= 0 && gridRow < ladderEdit_->RowCount())
            ladderEdit_->SetCursor(column, gridRow);
    };
    calls.gridOnScreen = [this] {
        return ladderEdit_->viewport()->mapToGlobal(QPoint(0, 0)) - QPoint(0, kPanelLift);
    };
    calls.glyph = [this](int button) {
        TFxToolBarButton* b = Button(QStringLiteral("FxToolBarButton%1").arg(button));
        return b != nullptr ? QPixmap::fromImage(b->Glyph()) : QPixmap();
    };
    calls.hintWanted = [this] { return Item("N16")->isChecked(); };
    calls.showHint = [this](bool shown) { ldHelp_->setVisible(shown); };
    auto* host = new MainEntryHost(std::move(calls), this);

    auto* funInput = new TFunInputFrm(*host, this);
    auto* keyInput = new TKeyInputFrm(*host, *funInput, this);
    auto* catalogue = new TOUTF(this);
    auto* picker = new Tcanzhao(this);
    auto* help = new TForHelp(this);
    funInput->SetQuickEntryBox(keyInput);
    funInput->SetCatalogue(catalogue);
    funInput->SetPicker(picker);
    catalogue->SetHelp(help);
    catalogue->SetChinese([this] { return Chinese(); });
    picker->SetHelp(help);

    ldHelp_->setPlainText(QString::fromStdString(QuickEntryHintText()));
    ldHelp_->resize(220, 170);
    // The hint shows each of its lines whole, in whichever language: it
    // never wraps and grows to its longest line.
    ldHelp_->setLineWrapMode(QPlainTextEdit::NoWrap);
    ldHelp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ldHelp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto fitHint = [this] {
        const QFontMetrics metrics(ldHelp_->font());
        const QStringList lines = ldHelp_->toPlainText().split(QLatin1Char('\n'));
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const int margins =
            2 * (ldHelp_->frameWidth() + static_cast<int>(ldHelp_->document()->documentMargin())) +
            metrics.averageCharWidth();
        ldHelp_->resize(
            std::max(220, width + margins),
            std::max(170, static_cast<int>(lines.size()) * metrics.lineSpacing() + margins));
    };

    // The cursor cell's place in the grid as it stands now.
    auto placeCursorCell = [this] {
        GridCursor& cursor = TheGridCursor();
        const QPoint cell = ladderEdit_->CellRect(ladderEdit_->Col(), ladderEdit_->Row()).topLeft();
        cursor.cursorCellX = cell.x();
        cursor.cursorCellY = cell.y();
    };

    windows_.entry = [funInput, placeCursorCell](std::int32_t entryKind, const std::string& edit1,
                                                 const std::string& edit2) {
        placeCursorCell();
        funInput->Execute(entryKind, edit1, edit2);
    };

    connect(this, &TMainFrm::LetterTyped, this,
            [this, keyInput, placeCursorCell, fitHint](QChar letter) {
                placeCursorCell();
                fitHint();
                const QuickEntryPlacement p = PlaceQuickEntry(TheGridCursor(), ldHelp_->height());
                const QPoint origin = ladderEdit_->viewport()->mapToGlobal(QPoint(0, 0));
                ldHelp_->move(origin + QPoint(p.hintLeft, p.hintTop));
                keyInput->Execute(letter, origin + QPoint(p.boxLeft, p.boxTop - kPanelLift));
            });
}

}  // namespace vx
