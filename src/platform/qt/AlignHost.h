// Aligned children in any widget.
//
// A TAlignHost keeps the children of one widget placed by their alignment
// (see ControlAlign.h): after the parent is resized, after a child with an
// alignment is shown, hidden, added, removed, moved, resized or given another
// alignment. A child's alignment is kept with the child (SetWidgetAlign), so
// plain Qt widgets and the tool's own controls can be mixed in one parent.
// Moves and resizes made by the arrangement itself start no new one.
//
// TCustomControl has a host of its own that asks it for its client rectangle
// and arrangement; any other widget (a window, a pane) gets one with
// TAlignHost::Attach and then aligns its children within its whole rectangle.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <functional>

#include "platform/ControlAlign.h"

class QWidget;

namespace vx {

// The alignment of any widget: a control's Align, or the value set for a
// plain widget (alNone when none was set).
TAlign WidgetAlign(const QWidget* widget);
// Sets it; the widget's parent re-arranges its children when it has a host.
void SetWidgetAlign(QWidget* widget, TAlign align);

class TAlignHost : public QObject {
    Q_OBJECT
  public:
    // Asked to arrange the children again; `changed` is the child whose
    // change asks for it, or null.
    using Request = std::function<void(QWidget* changed)>;

    // Hosts the children of `parent`. Without a request function the
    // children are arranged at once within the parent's rectangle.
    explicit TAlignHost(QWidget* parent, Request request = {});

    // The host of `parent`, made when it has none.
    static TAlignHost* Attach(QWidget* parent);
    // The host of `parent`, or null.
    static TAlignHost* Of(const QWidget* parent);

    // Asks for a new arrangement, as a change of `changed` would.
    void RequestAlign(QWidget* changed = nullptr);
    // Places the aligned children within `room` (in the parent's coordinates).
    void Arrange(const TRect& room, QWidget* changed);
    bool Arranging() const { return arranging_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Watch(QObject* child);
    bool Skipped(QObject* child) const;

    QWidget* parent_;
    Request request_;
    bool arranging_ = false;
    // Where the last arrangement put each child: a child found there again
    // (its move events may arrive only when it is shown) was not moved.
    QHash<QObject*, QRect> placed_;
    // The children whose alignment places them: without any, an
    // arrangement reads no child (a tool bar of many buttons, none aligned,
    // loses one without reading the others).
    QSet<QObject*> aligned_;
    void NoteAlign(QObject* child);
};

}  // namespace vx
