// The strip at the top of the main window's client area that holds the dock
// panel of tool bars: the panel spans the strip, and the strip is as high
// as the panel (nothing while the panel is hidden).
#pragma once

#include <QPointer>
#include <QWidget>

namespace vx {

class TFxDockPanel;

class TDockStrip : public QWidget {
    Q_OBJECT
  public:
    explicit TDockStrip(QWidget* parent = nullptr);

    // Holds the panel (a child of the strip, aligned to its top).
    void Hold(TFxDockPanel* panel);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowPanel();

    QPointer<QWidget> panel_;
};

}  // namespace vx
