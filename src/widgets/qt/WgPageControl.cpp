#include "widgets/qt/WgPageControl.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <cstdio>

#include "platform/qt/AlignHost.h"
#include "platform/qt/DockDrag.h"
#include "platform/qt/Docking.h"

namespace vx {
namespace {

// The first control inside the page that takes the focus by Tab.
QWidget* FirstFocusable(QWidget* page) {
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page)) return w;
    }
    return nullptr;
}

bool CanFocus(QWidget* widget) {
    return widget->isEnabled() && widget->isVisibleTo(widget->window()) &&
           widget->window()->isVisible();
}

}  // namespace

TWgPageControl::TWgPageControl(QWidget* parent) : TWgCustomTabControl(parent) {
    resize(width(), 150);
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { SelectNextPage(true); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { SelectNextPage(false); });
}

TWgPageControl::~TWgPageControl() {
    // The pages go with their parent; they are only detached here.
    for (TWgTabSheet* page : pages_)
        page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

TWgTabSheet* TWgPageControl::Pages(int index) const {
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

TWgTabSheet* TWgPageControl::PageOfTab(int tabIndex) const {
    if (tabIndex < 0) return nullptr;
    for (TWgTabSheet* page : pages_)
        if (page->TabIndex() == tabIndex) return page;
    return nullptr;
}

void TWgPageControl::InsertPage(TWgTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    RebuildTabs();
}

void TWgPageControl::RemovePage(TWgTabSheet* page) {
    if (page == activePage_) {
        ChangeActivePage(nullptr);
        SetTabIndex(-1);
    }
    if (page == storedActivePage_) storedActivePage_ = nullptr;
    if (page == activePageDefault_) activePageDefault_ = nullptr;
    pages_.removeOne(page);
    RebuildTabs();
    page->pageControl_ = nullptr;
}

void TWgPageControl::MovePage(TWgTabSheet* page, int index) {
    const int last = PageCount() - 1;
    if (index < 0 || index > last) {
        char message[128];
        std::snprintf(message, sizeof message,
                      "%d is an invalid PageIndex value. PageIndex must be between 0 and %d", index,
                      last);
        throw EWgTabControlError(message);
    }
    const int old = pages_.indexOf(page);
    if (old < 0 || old == index) return;
    pages_.move(old, index);
    RebuildTabs();
    if (OnTabOrderChange) OnTabOrderChange(old, index);
}

void TWgPageControl::RebuildTabs() {
    TWgTabDataList& tabs = EditTabs();
    tabs.Clear();
    for (const TWgTabSheet* page : pages_) {
        if (!page->tabVisible_) continue;
        TWgTabData& tab = tabs.Add();
        tab.Caption = page->Caption().toStdString();
        tab.Color = page->Color();
        tab.DisabledIndex = page->disabledIndex_;
        tab.Enabled = page->tabEnabled_;
        tab.Hint = page->hint_.toStdString();
        tab.ImageIndex = page->imageIndex_;
        tab.Visible = true;
    }
    if (activePage_) {
        const int t = activePage_->TabIndex();
        if (t < 0)
            SetTabIndex(-1);
        else if (t != TabIndex())
            SetTabIndexInternal(t);
    }
    TabsChanged();
}

bool TWgPageControl::CanChange(int newIndex) {
    const bool allowed = finishingLoad_ || TWgCustomTabControl::CanChange(newIndex);
    if (allowed) ChangeActivePage(PageOfTab(newIndex));
    return allowed;
}

void TWgPageControl::Change() {
    // A selection the strip made itself shows its page too.
    TWgTabSheet* page = PageOfTab(TabIndex());
    if (page && page != activePage_) ChangeActivePage(page);
    if (finishingLoad_) return;
    TWgCustomTabControl::Change();
}

void TWgPageControl::FirePageChange() {
    if (!finishingLoad_ && OnPageChange) OnPageChange();
}

void TWgPageControl::ChangeActivePage(TWgTabSheet* page) {
    if (page == activePage_) return;
    QWidget* form = window();
    QWidget* active = form->focusWidget();
    TWgTabSheet* old = activePage_;
    if (old && active && old->isAncestorOf(active)) {
        old->setFocus(Qt::OtherFocusReason);
        active = old;
    }
    if (page) {
        page->raise();
        page->QWidget::setVisible(true);
        if (old && active == old) {
            if (CanFocus(page))
                page->setFocus(Qt::OtherFocusReason);
            else
                setFocus(Qt::OtherFocusReason);
        }
    }
    if (old) old->QWidget::setVisible(false);
    activePage_ = page;
    if (page && form->focusWidget() == page) {
        if (QWidget* first = FirstFocusable(page)) first->setFocus(Qt::TabFocusReason);
    }
}

void TWgPageControl::SetActivePage(TWgTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    if (IsLoading()) {
        storedActivePage_ = page;
        return;
    }
    const int t = page ? page->TabIndex() : -1;
    if (t < 0) {
        if (page != activePage_) {
            ChangeActivePage(page);
            FirePageChange();
        }
    } else if (t == TabIndex() && page != activePage_) {
        // The tab is selected already; only its page was not shown.
        ChangeActivePage(page);
        FirePageChange();
        return;
    }
    SetTabIndex(t);
}

int TWgPageControl::ActivePageIndex() const {
    return activePage_ ? static_cast<int>(pages_.indexOf(activePage_)) : -1;
}

void TWgPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount())
        SetActivePage(pages_[index]);
    else
        SetTabIndex(-1);
}

void TWgPageControl::SetUseColoredTabs(bool value) {
    TWgCustomTabControl::SetUseColoredTabs(value);
    if (!value)
        for (TWgTabSheet* page : pages_)
            page->SetColor(Color());
    if (!value) RebuildTabs();
}

void TWgPageControl::ColorChanged() {
    TWgCustomTabControl::ColorChanged();
    if (UseColoredTabs()) return;
    for (TWgTabSheet* page : pages_)
        page->SetColor(Color());
    RebuildTabs();
}

void TWgPageControl::ShowControl(QWidget* child) {
    // A control brought into view shows the page it lies on.
    auto* page = qobject_cast<TWgTabSheet*>(child);
    if (page && page->pageControl_ == this) SetActivePage(page);
}

TWgTabSheet* TWgPageControl::FindNextPage(TWgTabSheet* current, bool forward,
                                          bool checkTabVisible) const {
    const int n = PageCount();
    if (n == 0) return nullptr;
    int start = static_cast<int>(pages_.indexOf(current));
    if (start < 0) start = forward ? n - 1 : 0;
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = forward ? (i + 1) % n : (i + n - 1) % n;
        if (!checkTabVisible || pages_[i]->tabVisible_) return pages_[i];
    }
    return nullptr;
}

void TWgPageControl::SelectNextPage(bool forward, bool checkTabVisible) {
    TWgTabSheet* page = FindNextPage(activePage_, forward, checkTabVisible);
    if (page && page != activePage_) SetActivePage(page);
}

void TWgPageControl::HideAllTabs() {
    for (TWgTabSheet* page : pages_)
        page->SetTabVisible(false);
}

void TWgPageControl::ShowAllTabs() {
    for (TWgTabSheet* page : pages_)
        page->SetTabVisible(true);
}

bool TWgPageControl::PaintCardBackground(Canvas& canvas, int row, const TRect& rect) {
    if (TWgCustomTabControl::PaintCardBackground(canvas, row, rect)) return true;
    if (row != 0 || TabIndex() < 0 || !activePage_) return false;
    canvas.brush = {activePage_->Color(), BrushStyle::Solid};
    canvas.FillRect(rect);
    return true;
}

void TWgPageControl::CloseActiveTab() {
    if (!activePage_) return;
    const int old = TabIndex();
    delete activePage_;
    SetTabIndex(std::max(old - 1, 0));
}

void TWgPageControl::MoveActiveTab(int newIndex) {
    if (!activePage_) return;
    if (TWgTabSheet* target = PageOfTab(newIndex)) activePage_->SetPageIndex(target->PageIndex());
}

bool TWgPageControl::KeepsNoSelection() const {
    // A page shown without its tab keeps no tab selected; after loading the
    // page to show decides.
    return finishingLoad_ || (activePage_ && !activePage_->tabVisible_);
}

void TWgPageControl::Loaded() {
    finishingLoad_ = true;
    Model().StoreTabIndex(-1);
    TWgCustomTabControl::Loaded();
    LayoutNow();
    TWgTabSheet* page = storedActivePage_;
    if (activePageDefault_ && activePageDefault_ != storedActivePage_) {
        if (storedActivePage_) storedActivePage_->QWidget::setVisible(false);
        page = activePageDefault_;
    }
    storedActivePage_ = nullptr;
    SetActivePage(page);
    finishingLoad_ = false;
}

void TWgPageControl::focusInEvent(QFocusEvent* event) {
    TWgCustomTabControl::focusInEvent(event);
    if (activePage_ && !activePage_->tabVisible_)
        if (QWidget* first = FirstFocusable(activePage_)) first->setFocus(event->reason());
}

// ---------------------------------------------------------------- docking

QString TWgPageControl::DockCaption(const QString& caption) {
    for (int i = 0; i < caption.size(); ++i)
        if (caption[i].category() == QChar::Other_Control) return caption.left(i);
    return caption;
}

TWgTabSheet* TWgPageControl::DockPageOf(const TCustomControl& client) const {
    for (TWgTabSheet* page : pages_)
        if (page->dockClient_ == &client) return page;
    return nullptr;
}

TCustomControl* TWgPageControl::DockClientOf(const TWgTabSheet* page) const {
    return page && page->pageControl_ == this ? page->dockClient_.data() : nullptr;
}

bool TWgPageControl::HoldsDockClient(const TCustomControl& client) const {
    const TWgTabSheet* page = DockPageOf(client);
    return page && client.parentWidget() == page;
}

bool TWgPageControl::DockOver(TCustomControl&, TPoint, TDockPlace& place) {
    place.index = PageCount();
    place.rect = ChildArea();
    return true;
}

void TWgPageControl::DockDrop(TCustomControl& client, const TDockPlace&) {
    if (TWgTabSheet* page = DockPageOf(client)) {
        SetActivePage(page);
        return;
    }
    auto* page = new TWgTabSheet(this);
    page->SetCaption(DockCaption(client.Caption()));
    page->dockClient_ = &client;
    client.setParent(page);
    SetWidgetAlign(&client, TAlign::alClient);
    client.show();
    page->SetTabVisible(true);
    SetActivePage(page);
}

void TWgPageControl::UndockClient(TCustomControl& client) {
    TWgTabSheet* page = DockPageOf(client);
    if (!page) return;
    page->dockClient_ = nullptr;
    // The control leaves its page (unless code moved it out already) before
    // the page goes.
    if (client.parentWidget() == page) client.setParent(nullptr);
    if (page == activePage_) SelectNextPage(true);
    delete page;
}

void TWgPageControl::DockClientChanged(TCustomControl& client, TDockNotice notice) {
    TWgTabSheet* page = DockPageOf(client);
    if (!page) return;
    if (notice == TDockNotice::dnCaption) {
        page->SetCaption(DockCaption(client.Caption()));
        return;
    }
    page->SetTabVisible(!client.isHidden());
    // A hidden control leaves its page empty: the next page shows instead.
    if (client.isHidden() && page == activePage_) SelectNextPage(true);
}

void TWgPageControl::mousePressEvent(QMouseEvent* event) {
    TWgCustomTabControl::mousePressEvent(event);
    if (!DockSite() || event->button() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint();
    if (TCustomControl* client = DockClientOf(PageOfTab(TabAt({at.x(), at.y()}))))
        client->BeginDockDrag(event->globalPosition().toPoint());
}

void TWgPageControl::mouseMoveEvent(QMouseEvent* event) {
    // A press that may drag a docked control out drags no tab.
    if (TDockDrag* drag = TDockDrag::Current();
        drag && drag->Client() && DockPageOf(*drag->Client())) {
        event->accept();
        return;
    }
    TWgCustomTabControl::mouseMoveEvent(event);
}

void TWgPageControl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    TCustomControl* client = DockSite() && dblClickUndocks_ && event->button() == Qt::LeftButton
                                 ? DockClientOf(PageOfTab(TabAt({at.x(), at.y()})))
                                 : nullptr;
    if (!client) {
        TWgCustomTabControl::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    if (TDockDrag* drag = TDockDrag::Current()) drag->Finish(false);
    // It floats where it lay, at its own size.
    const QSize frame = TFloatingDockWindow::FrameSize(
        client->UndockWidth() > 0 ? client->UndockWidth() : client->width(),
        client->UndockHeight() > 0 ? client->UndockHeight() : client->height());
    const QPoint origin =
        client->mapToGlobal(QPoint(0, 0)) -
        QPoint(TFloatingDockWindow::kBorder,
               TFloatingDockWindow::kBorder + TFloatingDockWindow::kCaptionHeight);
    client->ManualFloat(QRect(origin, frame));
}

}  // namespace vx
