// The main window's panes of the widget family: the project tree's size
// panel on the left (a page control whose project tab holds the tree), the
// compile-message pane at the bottom of the grid,
// the title bars of the message and mnemonic panes, and the balloon hints
// that every tool tip of the program shows as; the status bar's panels.
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>
#include <numeric>

#include "editor/StatusPanels.h"
#include "editor/qt/Main.h"
#include "platform/LoadingScope.h"
#include "platform/qt/AlignHost.h"
#include "platform/qt/ProgramText.h"
#include "widgets/qt/WgBHints.h"
#include "widgets/qt/WgPageControl.h"
#include "widgets/qt/WgSplit.h"

namespace vx {
namespace {

constexpr TColor kSidePanelColor = 16116960;
constexpr TColor kSidePanelStop = 14731181;
constexpr int kSidePanelWidth = 180;
constexpr int kMessagePaneHeight = 118;
constexpr int kTitleBarHeight = 16;

// A status panel: its text is cut short with "…" at the panel's edge, never
// drawn beyond it, and a long text does not widen the panel by itself (the
// row decides its width).
class StatusPanel : public QLabel {
  public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }
    // The width that shows the whole text (the text's width in fractions of a
    // pixel, rounded up, as the cutting measures it).
    int TextWidth() const {
        const auto advance = QFontMetricsF(font()).horizontalAdvance(text());
        return static_cast<int>(std::ceil(advance)) + width() - contentsRect().width();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect room = contentsRect();
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, room.width()));
    }
};

// The row of the seven panels, placed by StatusPanelPlaces at every width and
// whenever a panel's text changes (a new text asks its parent for a layout),
// so that the port and state panels fit what they tell.
class StatusPanelRow : public QWidget {
  public:
    explicit StatusPanelRow(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        for (StatusPanel*& panel : panels)
            panel = new StatusPanel(this);
    }
    std::array<StatusPanel*, kStatusPanelCount> panels{};

    QSize sizeHint() const override {
        return {std::accumulate(kStatusPanelWidths.begin(), kStatusPanelWidths.end(), 0),
                panels[0]->sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {0, panels[0]->sizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent*) override { PlacePanels(); }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) PlacePanels();
        return QWidget::event(event);
    }

  private:
    void PlacePanels() {
        const auto places = StatusPanelPlaces(width(), panels[kPortPanel]->TextWidth(),
                                              panels[kStatePanel]->TextWidth());
        for (std::size_t i = 0; i < places.size(); ++i)
            panels[i]->setGeometry(places[i].left, 0, places[i].width, height());
    }
};

}  // namespace

void TMainFrm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto* row = new StatusPanelRow(bar);
    bar->addWidget(row, 1);
    for (int i = 0; i < kStatusPanelCount; ++i)
        statusPanels_[static_cast<std::size_t>(i)] = row->panels[static_cast<std::size_t>(i)];
}

void TMainFrm::ShowStatus(int panel, std::function<QString()> text) {
    const auto i = static_cast<std::size_t>(panel);
    statusPanels_[i]->setText(text ? text() : QString());
    statusTexts_[i] = std::move(text);
}

void TMainFrm::ShowStatus(int panel, const char* chinese, const char* english) {
    ShowStatus(panel,
               [this, chinese, english] { return QString::fromStdString(Tr(chinese, english)); });
}

void TMainFrm::ShowReady() {
    readyCountdown_ = 0;
    ShowStatus(1, " 就绪", " Ready");
}

void TMainFrm::RefreshStatusPanels() {
    for (std::size_t i = 0; i < statusTexts_.size(); ++i) {
        if (statusTexts_[i]) statusPanels_[i]->setText(statusTexts_[i]());
    }
}

TWgSizePanel* TMainFrm::BuildSidePanel(QWidget* parent) {
    auto* panel = new TWgSizePanel(parent);
    panel->setObjectName(QStringLiteral("WgSizePanel2"));
    panel->SetColor(kSidePanelColor);
    panel->SetHotSpotColor(kSidePanelColor);
    panel->SetFlatColor(clActiveCaption);
    panel->SetGradientColorStyle(TWgGradientColorStyle::gcsMSOffice);
    panel->SetGradientColorStart(clSkyBlue);
    panel->SetGradientColorStop(kSidePanelStop);
    panel->SetHotSpotFrameColor(kSidePanelStop);
    panel->SetGradientDirection(TGradientDirection::gdHorizontalBox);
    panel->SetHotSpotVisible(true);
    panel->SetHotSpotHighlight(clBlue);
    panel->SetSizeBarWidth(7);
    panel->SetBounds(0, 0, kSidePanelWidth, parent->height());

    // The project tab over the tree, in the room the bar leaves; the pane
    // may be collapsed to its bar. Set up as a stored window is read.
    {
        TLoadingScope loading;
        auto* pages = new TWgPageControl(panel);
        pages->setObjectName(QStringLiteral("WgPageControl1"));
        pages->SetAlign(TAlign::alClient);
        pages->SetAlignTabs(true);
        pages->SetAllowTabDragging(true);
        pages->SetBoldCurrentTab(true);
        pages->SetFixedDimension(18);
        tabSheet1_ = new TWgTabSheet(pages);
        tabSheet1_->setObjectName(QStringLiteral("TabSheet1"));
        MarkProgramText(tabSheet1_);  // the project's model and version
        auto* treePanel = new TWgSizePanel(tabSheet1_);
        treePanel->setObjectName(QStringLiteral("WgSizePanel3"));
        treePanel->SetAlign(TAlign::alClient);
        treeView1_ = new QTreeWidget(treePanel);
        treeView1_->setObjectName(QStringLiteral("TreeView1"));
        treeView1_->setHeaderHidden(true);
        // Node names show whole, in either language: a narrow pane scrolls.
        treeView1_->setTextElideMode(Qt::ElideNone);
        treeView1_->header()->setStretchLastSection(false);
        treeView1_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        SetWidgetAlign(treeView1_, TAlign::alClient);
        pages->SetActivePage(tabSheet1_);
    }
    panel->hide();
    return panel;
}

TWgSizePanel* TMainFrm::BuildMessagePane(QWidget* parent) {
    auto* pane = new TWgSizePanel(parent);
    pane->setObjectName(QStringLiteral("WgSizePanel1"));
    pane->SetAlign(TAlign::alBottom);
    pane->SetHotSpotVisible(true);
    pane->SetHotSpotHighlight(clBlue);
    pane->SetSizeBarWidth(7);
    pane->SetVisualStyle(TWgVisualStyle::vsGradient);
    pane->SetBounds(0, 0, parent->width(), kMessagePaneHeight);
    TWgPanel* title = BuildTitleBar(pane, "WgPanel1", "高级语言编译信息");
    title->SetAlign(TAlign::alTop);
    memo2_ = new QPlainTextEdit(pane);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->setReadOnly(true);
    SetWidgetAlign(memo2_, TAlign::alClient);
    pane->hide();
    return pane;
}

TWgPanel* TMainFrm::BuildTitleBar(QWidget* parent, const char* name, const char* caption) {
    auto* title = new TWgPanel(parent);
    title->setObjectName(QString::fromUtf8(name));
    title->SetCaption(QString::fromUtf8(caption));
    title->setFixedHeight(kTitleBarHeight);
    title->SetBorderOuter(TFrameStyle::fsFlat);
    title->SetBorderSides({TSide::sdBottom});
    title->SetFlatColor(RGBColor(150, 150, 160));
    title->SetGradientColorStop(RGBColor(240, 230, 180));
    title->SetVisualStyle(TWgVisualStyle::vsGradient);
    title->SetAlignment(TAlignment::taLeftJustify);
    title->SetTextMargin(4);
    title->SetWordWrap(false);
    return title;
}

void TMainFrm::BuildBalloonHints() {
    auto* hints = new TWgBalloonHints(this);
    hints->setObjectName(QStringLiteral("WgBalloonHints1"));
    hints->SetColor(RGBColor(255, 255, 70));
    hints->SetFrameColor(cl3DDkShadow);
    hints->SetCenterThreshold(0);
    hints->Bitmaps().transparentColor = clOlive;
    CanvasFont font;
    font.name = "MS Sans Serif";
    font.size = 10;  // 13 pixels high
    font.color = clInfoText;
    hints->SetFont(font);
}

}  // namespace vx
