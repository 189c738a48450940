#include "platform/qt/AlignHost.h"

#include <QChildEvent>
#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QWidget>
#include <vector>

#include "platform/Loadable.h"
#include "platform/paint/Canvas.h"

namespace vx {
namespace {

constexpr const char* kAlignProperty = "vxAlign";

bool IsArranged(TAlign align) {
    return align != TAlign::alNone && align != TAlign::alCustom;
}

}  // namespace

TAlign WidgetAlign(const QWidget* widget) {
    const QVariant value = widget->property(kAlignProperty);
    return value.isValid() ? static_cast<TAlign>(value.toInt()) : TAlign::alNone;
}

void SetWidgetAlign(QWidget* widget, TAlign align) {
    if (WidgetAlign(widget) == align) return;
    // The parent's host sees the property change and re-arranges.
    widget->setProperty(kAlignProperty, static_cast<int>(align));
}

TAlignHost::TAlignHost(QWidget* parent, Request request)
    : QObject(parent), parent_(parent), request_(std::move(request)) {
    setObjectName(QStringLiteral("vxAlignHost"));
    parent_->installEventFilter(this);
    for (QObject* child : parent_->children())
        Watch(child);
}

TAlignHost* TAlignHost::Attach(QWidget* parent) {
    if (TAlignHost* host = Of(parent)) return host;
    return new TAlignHost(parent);
}

TAlignHost* TAlignHost::Of(const QWidget* parent) {
    return parent ? parent->findChild<TAlignHost*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TAlignHost::Watch(QObject* child) {
    if (child == this || !child->isWidgetType()) return;
    child->installEventFilter(this);
    NoteAlign(child);
}

void TAlignHost::NoteAlign(QObject* child) {
    if (IsArranged(WidgetAlign(static_cast<QWidget*>(child))))
        aligned_.insert(child);
    else
        aligned_.remove(child);
}

bool TAlignHost::Skipped(QObject* child) const {
    if (!child->isWidgetType() || static_cast<QWidget*>(child)->isWindow()) return true;
    // A child still being set up is arranged when it has loaded.
    const auto* loadable = dynamic_cast<const TLoadable*>(child);
    return loadable && loadable->IsLoading();
}

void TAlignHost::RequestAlign(QWidget* changed) {
    if (arranging_) return;
    if (request_)
        request_(changed);
    else
        Arrange(ToTRect(parent_->rect()), changed);
}

void TAlignHost::Arrange(const TRect& room, QWidget* changed) {
    if (aligned_.isEmpty()) return;
    std::vector<QWidget*> children;
    std::vector<AlignItem> items;
    for (QObject* object : parent_->children()) {
        if (!object->isWidgetType()) continue;
        auto* child = static_cast<QWidget*>(object);
        if (child->isWindow()) continue;
        const TAlign align = WidgetAlign(child);
        if (!IsArranged(align)) continue;
        children.push_back(child);
        const QSize low = child->minimumSize(), high = child->maximumSize();
        AlignItem item;
        item.align = align;
        item.bounds = ToTRect(child->geometry());
        item.visible = !child->isHidden();
        item.minWidth = low.width();
        item.minHeight = low.height();
        item.maxWidth = high.width();
        item.maxHeight = high.height();
        const auto placed = placed_.constFind(child);
        if (child == changed && placed != placed_.constEnd()) {
            // Resized where it was placed: it keeps its rank; moved: it
            // takes the place it was moved to.
            if (child->pos() == placed->topLeft())
                item.rankAt = ToTRect(*placed);
            else
                item.justMoved = true;
        }
        items.push_back(item);
    }
    if (items.empty()) return;
    const std::vector<TRect> places = ArrangeAligned(room, items);
    const bool outer = arranging_;
    arranging_ = true;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!items[i].visible) continue;
        const QRect place = ToQRect(places[i]);
        placed_[children[i]] = place;
        if (children[i]->geometry() != place) children[i]->setGeometry(place);
    }
    arranging_ = outer;
}

bool TAlignHost::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent_) {
        switch (event->type()) {
            case QEvent::Resize:
                RequestAlign();
                break;
            case QEvent::ChildAdded:
                Watch(static_cast<QChildEvent*>(event)->child());
                break;
            case QEvent::ChildRemoved: {
                QObject* child = static_cast<QChildEvent*>(event)->child();
                child->removeEventFilter(this);
                placed_.remove(child);
                aligned_.remove(child);
                // (A child being destroyed may no longer tell that it is a widget.)
                RequestAlign();
                break;
            }
            default:
                break;
        }
        return false;
    }
    // Every change of a child's alignment is noted, arranged now or not.
    if (event->type() == QEvent::DynamicPropertyChange &&
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kAlignProperty)
        NoteAlign(watched);
    if (arranging_ || Skipped(watched)) return false;
    auto* child = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize: {
            if (!IsArranged(WidgetAlign(child))) break;
            const auto placed = placed_.constFind(child);
            if (placed != placed_.constEnd() && *placed == child->geometry()) break;
            // A visible widget's new geometry is reported as a move, then a
            // resize: a move that comes with a new size waits for the resize.
            if (event->type() == QEvent::Move && placed != placed_.constEnd() &&
                placed->size() != child->size())
                break;
            RequestAlign(child);
            break;
        }
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (IsArranged(WidgetAlign(child))) RequestAlign();
            break;
        case QEvent::DynamicPropertyChange:
            if (static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kAlignProperty)
                RequestAlign(child);
            break;
        default:
            break;
    }
    return false;
}

}  // namespace vx
