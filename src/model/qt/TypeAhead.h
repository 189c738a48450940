// Keys typed ahead of the entry windows.
//
// The entry windows open over the grid while the user goes on typing ("ld
// x5" and Enter in one go), and the window system hands the keyboard to a
// new window only some time after it is shown: until then the keys still go
// to the window that had it, the main window, or the quick entry box that has
// just handed over to the entry dialog. While an entry window is shown, the
// keys that reach the windows under it (its parent window and the entry
// windows no longer on top) go to the field that has the focus in the
// topmost entry window, in the order typed; mouse input to those windows is
// ignored, as a modal window would have it.
//
// The entry windows are therefore shown without the toolkit's own modality,
// which would drop those keys before anything could hand them on: Run waits
// in a local event loop until the window closes.
#pragma once

#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

class QDialog;
class QEventLoop;
class QWidget;

namespace vx {

class TTypeAhead : public QObject {
  public:
    // The one router of the program.
    static TTypeAhead& Instance();

    // The window is on top from now until it hides.
    void Opened(QDialog& window);
    // Shows the window and waits until it closes (the modal show).
    void Run(QDialog& window);

    // The topmost entry window shown, or none.
    QWidget* Top() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TTypeAhead() = default;
    // The window hid, or is being destroyed.
    void Closed(const QObject* window);
    void Gone(const QObject* window);
    // Whether a widget's window lies under the topmost entry window.
    bool Beneath(QWidget* widget) const;

    // Widget pointers, not dialog pointers: they are still looked at while a
    // window is being destroyed.
    std::vector<QPointer<QWidget>> shown_;                          // bottom to top
    std::vector<QPointer<QWidget>> known_;                          // every entry window ever shown
    std::vector<std::pair<QPointer<QWidget>, QEventLoop*>> loops_;  // Run waiting for a window
    bool filtering_ = false;
};

}  // namespace vx
