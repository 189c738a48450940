// The hook of one skinned control: it watches the control's events, keeps
// the hot, focus, button-down and space-down states they give, and after
// the control has painted itself paints it flat on top (a speed button is
// painted by the hook alone).
#pragma once

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/Colors.h"
#include "styling/skin/SkinSets.h"

class QPainter;

namespace vx {

class TFlatSkin;

class TControlSubClass : public QObject {
    Q_OBJECT
  public:
    // Hooks the control; the skin owns the hook. When the control goes
    // away first, the hook goes with it.
    TControlSubClass(TFlatSkin& skin, QWidget* control, TSkinControl kind);
    ~TControlSubClass() override;

    QWidget* Control() const { return control_; }
    TSkinControl Kind() const { return kind_; }
    bool Hot() const { return hot_; }
    bool ButtonDown() const { return buttonDown_; }
    bool SpaceDown() const { return spaceDown_; }
    // How often the skin has painted the control.
    int PaintCount() const { return paintCount_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Changed();
    // An edit's 3-D frame (Ctl3D) goes at its first skin paint, and comes
    // back when the skin lets go of it.
    void Flatten3DFrame();
    void Restore3DFrame();
    void PaintControl(QPainter& painter);
    void PaintCombo(QPainter& painter);
    void PaintEdit(QPainter& painter);
    void PaintCheckBox(QPainter& painter);
    void PaintRadio(QPainter& painter);
    void PaintButton(QPainter& painter, bool glyphButton);
    void PaintSpeedButton(QPainter& painter);
    void PaintPanel(QPainter& painter);
    void PaintGroupBox(QPainter& painter);
    // The XP frame of push and speed buttons: surface, outline, bottom line,
    // focus or hot inner borders, the pressed look.
    void PaintXPButtonFrame(QPainter& painter, bool focused, bool pressed, TColor pen);

    TFlatSkin& skin_;
    QPointer<QWidget> control_;
    TSkinControl kind_;
    bool hot_ = false;
    bool buttonDown_ = false;
    bool spaceDown_ = false;
    bool keyHeld_ = false;
    bool focused_ = false;
    bool savedSingleBorder_ = true;
    // The edit's frame as it was hooked, while the skin has flattened it.
    bool flattened3D_ = false;
    QMargins savedTextMargins_;
    int savedFrameStyle_ = 0;
    int savedLineWidth_ = 1;
    int paintCount_ = 0;
};

}  // namespace vx
