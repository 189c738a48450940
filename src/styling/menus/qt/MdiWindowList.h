// The window list that a styled main menu keeps in the window menu of a form
// whose client is an MDI area.
//
// The list begins after a marker separator of its own in the window menu;
// each refresh (a child activated, the window menu opened) deletes what
// follows the marker and lists the children again, so the list never grows
// twice. Its items are ordinary menu items of the styled menu.
#pragma once

#include <QObject>
#include <QPointer>

#include <QMdiArea>
#include <QMenu>

class QAction;
class QActionGroup;

namespace vx {

class TMdiWindowList : public QObject {
    Q_OBJECT
  public:
    TMdiWindowList(QMdiArea* client, QMenu* windowMenu, QObject* parent = nullptr);

    QMdiArea* Client() const { return client_; }
    QMenu* WindowMenu() const { return windowMenu_; }

    // Deletes the items after the marker (adding the marker when it is
    // missing) and lists the children.
    void Refresh();

    // The marker: shown only while there is a child.
    QAction* Marker() const;

    // Activates the item's child; the item is checked only when the child
    // became the active one (a refused activation, or a child already gone,
    // leaves the check where it was).
    void ItemClick(QAction* item);

  private:
    QPointer<QMdiArea> client_;
    QPointer<QMenu> windowMenu_;
    QActionGroup* group_ = nullptr;
    QPointer<QAction> checked_;
};

}  // namespace vx
