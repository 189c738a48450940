// The main window's panes of the widget family: the project tree's size
// panel on the left, the compile-message pane at the bottom of the grid,
// the title bars of the message and mnemonic panes, and the balloon hints
// that every tool tip of the program shows as.
#include <QHeaderView>
#include <QLayout>
#include <QVBoxLayout>

#include "editor/qt/Main.h"
#include "platform/qt/AlignHost.h"
#include "widgets/qt/WgBHints.h"
#include "widgets/qt/WgSplit.h"

namespace vx {
namespace {

constexpr TColor kSidePanelColor = 16116960;
constexpr TColor kSidePanelStop = 14731181;
constexpr TColor kSkyBlue = RGBColor(166, 202, 240);
constexpr int kSidePanelWidth = 180;
constexpr int kMessagePaneHeight = 118;
constexpr int kTitleBarHeight = 16;

}  // namespace

TWgSizePanel* TMainFrm::BuildSidePanel(QWidget* parent) {
    auto* panel = new TWgSizePanel(parent);
    panel->setObjectName(QStringLiteral("WgSizePanel2"));
    panel->SetColor(kSidePanelColor);
    panel->SetHotSpotColor(kSidePanelColor);
    panel->SetFlatColor(clActiveCaption);
    panel->SetGradientColorStyle(TWgGradientColorStyle::gcsMSOffice);
    panel->SetGradientColorStart(kSkyBlue);
    panel->SetGradientColorStop(kSidePanelStop);
    panel->SetHotSpotFrameColor(kSidePanelStop);
    panel->SetGradientDirection(TGradientDirection::gdHorizontalBox);
    panel->SetHotSpotVisible(true);
    panel->SetHotSpotHighlight(clBlue);
    panel->SetSizeBarWidth(7);
    panel->SetBounds(0, 0, kSidePanelWidth, parent->height());

    // The tree in a column that keeps off the bar; it may be collapsed to nothing.
    auto* column = new QVBoxLayout(panel);
    column->setSizeConstraint(QLayout::SetNoConstraint);
    column->setSpacing(0);
    treeView1_ = new QTreeWidget(panel);
    treeView1_->setObjectName(QStringLiteral("TreeView1"));
    treeView1_->setHeaderHidden(true);
    // Node names show whole, in either language: a narrow pane scrolls.
    treeView1_->setTextElideMode(Qt::ElideNone);
    treeView1_->header()->setStretchLastSection(false);
    treeView1_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    column->addWidget(treeView1_);
    panel->Realign();
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
