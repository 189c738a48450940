// The hint path of every window of the tool: what a widget's hint says at a
// point and over which area of the widget that text holds, and the
// application's hint pauses. A painted control gives its own hints
// (TCustomControl::HintFor: a group's items, a tool bar's buttons); an item
// view's viewport the tip of the cell or header section under the mouse and a
// tab bar the tip of its tab; any other widget (or an item without a tip)
// gives its tool tip over its whole area. The desktop's tool tip and
// the balloon hints both ask here, so a control's hints show the same way
// whichever is on.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace vx {

struct TControlHint {
    QString text;  // empty: no hint here
    QRect area;    // in the widget's coordinates
};

// The hint of `widget` for the mouse at `pos` (in its coordinates).
TControlHint WidgetHintAt(const QWidget* widget, QPoint pos);

// The application's pauses (ms, never below 0): before a hint shows, and
// before a hint shows that follows one still up.
int ApplicationHintPause();
void SetApplicationHintPause(int ms);
int ApplicationHintShortPause();
void SetApplicationHintShortPause(int ms);

}  // namespace vx
