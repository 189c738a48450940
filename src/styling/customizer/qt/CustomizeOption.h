// The customize entry: what the option window of a bar with a customizer
// shows beside its options entry, in a small window of its own. Choosing it
// closes the option window and opens the customise dialog.
#pragma once

#include <QString>

#include "platform/Geometry.h"
#include "styling/toolbar/qt/FxToolBarOption.h"

namespace vx {

class TCustomizeOption : public TOptionSelectorPanel {
    Q_OBJECT
  public:
    explicit TCustomizeOption(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    // Sizes the entry to the caption.
    void SetCaption(const QString& caption);
    // Where the entry is drawn: the client area less the margins.
    TRect EntryRect() const;
    bool Hot() const { return hot_; }
    bool Down() const { return down_; }

  protected:
    void Paint(Canvas& canvas) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void MouseLeave() override;

  private:
    void SetState(bool hot, bool down);
    // Whether the mouse of the event is over the entry.
    bool OverEntry(const QMouseEvent* event) const;

    QString caption_;
    bool hot_ = false;
    bool down_ = false;
};

}  // namespace vx
