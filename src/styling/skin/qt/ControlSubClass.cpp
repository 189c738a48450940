#include "styling/skin/qt/ControlSubClass.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMargins>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <optional>

#include "platform/paint/Canvas.h"
#include "platform/qt/CustomControl.h"
#include "platform/qt/SpeedButton.h"
#include "styling/skin/SkinLayout.h"
#include "styling/skin/qt/FlatSkin.h"

namespace vx {
namespace {

// The colour the control is filled with.
TColor ControlColor(const QWidget* w) {
    if (const auto* c = qobject_cast<const TCustomControl*>(w)) return ColorToRGB(c->Color());
    return ToTColor(w->palette().color(w->backgroundRole()));
}

// The colour of the parent's background (the button face without one).
TColor ParentColor(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return parent != nullptr ? ControlColor(parent) : ColorToRGB(clBtnFace);
}

TRect ClientRect(const QWidget* w) {
    return {0, 0, w->width(), w->height()};
}

void SetPen(QPainter& p, std::optional<TColor> color, int width = 1) {
    if (color)
        p.setPen(QPen(ToQColor(*color), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        p.setPen(Qt::NoPen);
}

void SetBrush(QPainter& p, std::optional<TColor> color) {
    if (color)
        p.setBrush(ToQColor(*color));
    else
        p.setBrush(Qt::NoBrush);
}

// The desktop's rounded rectangle: outline in the pen, inside in the brush,
// covering left..right-1 x top..bottom-1, corners of the given size.
void RoundRect(QPainter& p, const TRect& r, int corner, std::optional<TColor> pen,
               std::optional<TColor> brush) {
    SetPen(p, pen);
    SetBrush(p, brush);
    const double radius = corner / 2.0;
    p.drawRoundedRect(QRectF(r.left, r.top, r.Width() - 1, r.Height() - 1), radius, radius);
}

void Ellipse(QPainter& p, const TRect& r, std::optional<TColor> pen, std::optional<TColor> brush) {
    SetPen(p, pen);
    SetBrush(p, brush);
    p.drawEllipse(QRect(r.left, r.top, r.Width() - 1, r.Height() - 1));
}

void Fill(Canvas& c, const TRect& r, TColor color) {
    c.brush = {color, BrushStyle::Solid};
    c.FillRect(r);
}

void Frame(Canvas& c, const TRect& r, TColor color) {
    c.brush = {color, BrushStyle::Solid};
    c.FrameRect(r);
}

void Line(Canvas& c, TColor color, std::initializer_list<TPoint> points) {
    c.pen.color = color;
    c.pen.width = 1;
    c.Polyline(std::vector<TPoint>(points));
}

// A frame of the given width, top and left in one colour, bottom and right
// in the other.
void Frame3D(Canvas& c, TRect r, TColor top, TColor bottom, int width) {
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < width; ++i) {
        Line(c, top, {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}});
        Line(c, bottom, {{r.right, r.top}, {r.right, r.bottom}, {r.left - 1, r.bottom}});
        r = r.Inflated(-1, -1);
    }
}

// A caption without its "&" prefixes, as it is measured.
QString PlainCaption(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

// An edit's 3-D look (Ctl3D), as far as Qt's edits have one: the frame the
// style draws around a line edit, the sunken or raised frame of a text box.
bool Has3DFrame(const QWidget* w) {
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return line->hasFrame();
    if (const auto* frame = qobject_cast<const QFrame*>(w))
        return frame->frameShape() != QFrame::NoFrame && frame->frameShadow() != QFrame::Plain;
    return false;
}

bool IsRightToLeft(const QWidget* w) {
    return w->layoutDirection() == Qt::RightToLeft;
}

}  // namespace

TControlSubClass::TControlSubClass(TFlatSkin& skin, QWidget* control, TSkinControl kind)
    : QObject(&skin), skin_(skin), control_(control), kind_(kind) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        savedSingleBorder_ = edit->hasFrame();
    else if (const auto* frame = qobject_cast<const QFrame*>(control))
        savedSingleBorder_ = frame->frameShape() != QFrame::NoFrame;
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this] { delete this; });
    // A button whose check changes is no longer drawn hot.
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        connect(button, &QAbstractButton::toggled, this, [this] {
            hot_ = false;
            Changed();
        });
}

TControlSubClass::~TControlSubClass() {
    if (control_ != nullptr) {
        control_->removeEventFilter(this);
        Restore3DFrame();
        if (control_->isVisible()) control_->update();
    }
}

void TControlSubClass::Flatten3DFrame() {
    QWidget* w = control_;
    if (flattened3D_ || !Has3DFrame(w)) return;
    flattened3D_ = true;
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        // The text keeps its place, and the edit its size, inside the
        // skin's frame.
        savedTextMargins_ = line->textMargins();
        const int frame = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, line);
        line->setFrame(false);
        line->setTextMargins(savedTextMargins_ + QMargins(frame, frame, frame, frame));
    } else if (auto* frame = qobject_cast<QFrame*>(w)) {
        savedFrameStyle_ = frame->frameStyle();
        savedLineWidth_ = frame->lineWidth();
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    }
}

void TControlSubClass::Restore3DFrame() {
    if (!flattened3D_) return;
    flattened3D_ = false;
    if (auto* line = qobject_cast<QLineEdit*>(control_.data())) {
        line->setFrame(true);
        line->setTextMargins(savedTextMargins_);
    } else if (auto* frame = qobject_cast<QFrame*>(control_.data())) {
        frame->setFrameStyle(savedFrameStyle_);
        frame->setLineWidth(savedLineWidth_);
    }
}

void TControlSubClass::Changed() {
    if (control_ != nullptr) control_->update();
}

bool TControlSubClass::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_ || control_ == nullptr) return false;
    QWidget* w = control_;
    switch (event->type()) {
        case QEvent::Paint: {
            const bool edit = kind_ == TSkinControl::xcEdit || kind_ == TSkinControl::xcMaskEdit ||
                              kind_ == TSkinControl::xcMemo;
            // Before the edit paints itself, so that it never shows both
            // frames.
            if (edit && ControlTag(w) >= 0 && w->isVisible()) Flatten3DFrame();
            if (kind_ != TSkinControl::xcSpeedButton) {
                // The control paints itself first, then the skin on top.
                static_cast<QObject*>(w)->event(event);
            }
            if (ControlTag(w) >= 0 && w->isVisible()) {
                QPainter painter(w);
                PaintControl(painter);
            } else if (kind_ == TSkinControl::xcSpeedButton) {
                static_cast<QObject*>(w)->event(event);
            }
            return true;
        }
        case QEvent::FocusIn:
            hot_ = true;
            Changed();
            break;
        case QEvent::FocusOut:
            hot_ = false;
            Changed();
            break;
        case QEvent::Enter:
            if (w->isEnabled()) {
                hot_ = true;
                Changed();
            }
            break;
        case QEvent::Leave:
            if (w->isEnabled()) {
                hot_ = false;
                Changed();
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A double click acts as a second press (Qt delivers it to the
            // control as one).
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                buttonDown_ = true;
                Changed();
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                buttonDown_ = false;
                Changed();
            }
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space) {
                spaceDown_ = true;
                // Held down, the key repeats: the control repaints once.
                if (!keyHeld_) Changed();
                keyHeld_ = true;
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
                spaceDown_ = false;
                keyHeld_ = false;
                Changed();
            }
            break;
        }
        case QEvent::EnabledChange:
        case QEvent::PaletteChange:
        case QEvent::FontChange:
            Changed();
            break;
        default:
            break;
    }
    return false;
}

void TControlSubClass::PaintControl(QPainter& painter) {
    QWidget* w = control_;
    focused_ = kind_ != TSkinControl::xcSpeedButton && w->hasFocus();
    skin_.SetGlobalColor(w->depth());
    painter.setRenderHint(QPainter::Antialiasing, false);
    ++paintCount_;
    switch (kind_) {
        case TSkinControl::xcCombo:
            PaintCombo(painter);
            break;
        case TSkinControl::xcEdit:
        case TSkinControl::xcMaskEdit:
        case TSkinControl::xcMemo:
            PaintEdit(painter);
            break;
        case TSkinControl::xcCheckBox:
            PaintCheckBox(painter);
            break;
        case TSkinControl::xcRadioButton:
            PaintRadio(painter);
            break;
        case TSkinControl::xcBitBtn:
            PaintButton(painter, true);
            break;
        case TSkinControl::xcButton:
            PaintButton(painter, false);
            break;
        case TSkinControl::xcSpeedButton:
            PaintSpeedButton(painter);
            break;
        case TSkinControl::xcPanel:
            PaintPanel(painter);
            break;
        case TSkinControl::xcGroupBox:
            PaintGroupBox(painter);
            break;
        default:
            break;
    }
}

void TControlSubClass::PaintCombo(QPainter& painter) {
    auto* combo = static_cast<QComboBox*>(control_.data());
    const TSkinWorkingColors& wc = skin_.Working();
    const auto& xpc = skin_.XPColors();
    const bool xp = skin_.XPLook(combo);
    const bool enabled = combo->isEnabled();
    const TColor color = ControlColor(combo);
    const TColor parent = ParentColor(combo);
    TColor arrow = enabled ? clBlack : clWhite;
    TColor border = hot_ ? wc.selectBorder : color;
    TColor button = hot_ ? wc.select : ColorToRGB(clBtnFace);
    if (!hot_ && focused_) {
        border = NewColor(wc.selectBorder, 60);
        button = wc.checkedArea;
    }
    Canvas c(painter);
    TRect r = ClientRect(combo);
    Frame(c, r, parent);
    r = r.Inflated(-1, -1);
    Line(c, parent, {{r.left, r.top}, {r.right, r.top}});
    r = r.Inflated(0, -1);
    const bool plainLit = (hot_ || focused_) && !xp;
    if (plainLit) r = r.Inflated(1, 1);
    Frame(c, r, color);
    r.bottom += 1;
    Frame(c, r, xp && enabled ? xpc.outLineBorder : border);
    const bool dropped = combo->view() != nullptr && combo->view()->isVisible();
    if (dropped) {
        border = wc.selectBorder;
        arrow = clWhite;
        button = wc.checkedAreaSelected;
    }
    r = r.Inflated(-1, -1);
    const bool rtl = IsRightToLeft(combo);
    TRect b = r;
    // The button covers the style's own arrow part as well.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrowPart = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, combo);
    if (rtl) {
        b.right = r.left + kThumbSize + 1;
        if (plainLit) b.right += 2;
        if (arrowPart.isValid()) b.right = std::max(b.right, arrowPart.right() + 1);
    } else {
        b.left = r.right - kThumbSize - 1;
        if (plainLit) b.left -= 1;
        if (arrowPart.isValid()) b.left = std::min(b.left, arrowPart.left());
    }
    if (xp) {
        Fill(c, b, xpc.surfaceNormal);
        TColor inner = xpc.innerBorderFocus;
        if (buttonDown_) inner = xpc.surfaceDown;
        if (hot_) inner = xpc.comboboxSurfaceMove;
        if (dropped) inner = xpc.comboDropped;
        const TRect ir = b.Inflated(-1, -1);
        Fill(c, ir, inner);
        const int x0 = ir.left + (ir.Width() - 8) / 2;
        const int y0 = ir.top + (ir.Height() - 4) / 2;
        SetPen(painter, xpc.comboBoxChk, 2);
        painter.drawPolyline(
            QPolygon({QPoint(x0, y0), QPoint(x0 + 4, y0 + 4), QPoint(x0 + 8, y0)}));
        return;
    }
    Fill(c, b, button);
    TRect strip = b;
    if (rtl) {
        strip.left = strip.right - 5;
        Fill(c, strip, color);
        Line(c, border, {{strip.left - 1, strip.top}, {strip.left - 1, strip.bottom}});
    } else {
        strip.right = strip.left + 5;
        Fill(c, strip, color);
        Line(c, border, {{strip.right, strip.top}, {strip.right, strip.bottom}});
    }
    const TRect client = ClientRect(combo);
    const int x = rtl ? client.left + 5 : client.right - 10;
    const int top = client.top + (client.Height() - 21) / 2;
    Line(c, arrow, {{x, top + 10}, {x + 5, top + 10}});
    Line(c, arrow, {{x + 1, top + 11}, {x + 4, top + 11}});
    Line(c, arrow, {{x + 2, top + 12}, {x + 3, top + 12}});
}

void TControlSubClass::PaintEdit(QPainter& painter) {
    QWidget* w = control_;
    const TSkinWorkingColors& wc = skin_.Working();
    TColor border;
    if (hot_ || focused_)
        border = NewColor(wc.selectBorder, savedSingleBorder_ ? 60 : 80);
    else
        border = savedSingleBorder_ ? NewColorDark(ParentColor(w), 60) : ParentColor(w);
    if (skin_.XPLook(w)) {
        // The XP look gives edits their pale surface for good.
        const QColor surface = ToQColor(skin_.XPColors().surfaceNormal);
        if (w->palette().color(QPalette::Base) != surface) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Base, surface);
            w->setPalette(palette);
        }
    }
    Canvas c(painter);
    Frame(c, ClientRect(w), border);
}

void TControlSubClass::PaintCheckBox(QPainter& painter) {
    auto* box = static_cast<QCheckBox*>(control_.data());
    const TSkinWorkingColors& wc = skin_.Working();
    const auto& xpc = skin_.XPColors();
    const bool xp = skin_.XPLook(box);
    const bool enabled = box->isEnabled();
    const bool grayed = box->checkState() == Qt::PartiallyChecked;
    const bool pressed = spaceDown_ || buttonDown_;
    TColor fill = ColorToRGB(clWindow);
    TColor border = ColorToRGB(clBtnShadow);
    if (hot_ || focused_) {
        fill = wc.select;
        border = wc.selectBorder;
    }
    if (pressed) fill = wc.checkedAreaSelected;
    if (grayed) fill = 0xC0C0C0;
    Canvas c(painter);
    TRect r = CheckBoxArea(ClientRect(box), BoxSide(IsRightToLeft(box), true), xp);
    Fill(c, r, ControlColor(box));
    r = r.Inflated(-2, -2);
    if (xp) {
        const TColor pen = pressed || enabled ? xpc.outLineBorder : xpc.controlDisabledBorder;
        c.pen = {pen};
        c.brush = {pressed ? xpc.surfaceDown : xpc.surfaceNormal, BrushStyle::Solid};
    } else {
        c.pen = {border};
        c.brush = {fill, BrushStyle::Solid};
    }
    c.Rectangle(r);
    if (xp && hot_) {
        c.pen = {xpc.innerBorderMove};
        c.brush.style = BrushStyle::Clear;
        c.Rectangle(r.Inflated(-1, -1));
    }
    if (!box->isChecked() && !grayed) return;
    TColor mark = grayed ? 0x808080 : ColorToRGB(clHighlight);
    if (pressed) mark = ColorToRGB(clWindow);
    if (!enabled) mark = wc.disabled;
    if (xp) {
        mark = xpc.rdoChkControlChk;
        r.left += 1;
    }
    if (grayed) {
        Fill(c, {r.left + 2, r.top + 3, r.right - 3, r.bottom - 3}, xpc.rdoChkControlChk);
        return;
    }
    const int x = r.left;
    const int y = r.bottom;
    for (int k = 0; k < 3; ++k)
        Line(c, mark, {{x + 2, y - 5 - k}, {x + 4, y - 3 - k}, {x + 9, y - 8 - k}});
}

void TControlSubClass::PaintRadio(QPainter& painter) {
    auto* radio = static_cast<QRadioButton*>(control_.data());
    const TSkinWorkingColors& wc = skin_.Working();
    const auto& xpc = skin_.XPColors();
    const bool xp = skin_.XPLook(radio);
    const bool enabled = radio->isEnabled();
    const bool pressed = spaceDown_ || buttonDown_;
    const TColor fill = hot_ || focused_ ? wc.select : ColorToRGB(clWindow);
    const TColor border = hot_ ? wc.selectBorder : ColorToRGB(clBtnShadow);
    Canvas c(painter);
    TRect r = RadioArea(ClientRect(radio), BoxSide(IsRightToLeft(radio), true), xp);
    Fill(c, r, ControlColor(radio));
    r = r.Inflated(-2, -2);
    if (xp) {
        const TColor pen = pressed || enabled ? xpc.outLineBorder : xpc.controlDisabledBorder;
        Ellipse(painter, r, pen, pressed ? xpc.surfaceDown : xpc.surfaceNormal);
        if (hot_) Ellipse(painter, r.Inflated(-1, -1), xpc.innerBorderMove, std::nullopt);
    } else {
        Ellipse(painter, r, border, fill);
    }
    if (!radio->isChecked()) return;
    r = r.Inflated(-2, -2);
    if (xp) {
        r = r.Inflated(-2, -2);
        Ellipse(painter, r, xpc.rdoChkControlChk, xpc.rdoChkControlChk);
    } else {
        const TColor dot = enabled ? ColorToRGB(clHighlight) : wc.disabled;
        Ellipse(painter, r, dot, dot);
    }
}

void TControlSubClass::PaintXPButtonFrame(QPainter& painter, bool focused, bool pressed,
                                          TColor pen) {
    QWidget* w = control_;
    const auto& xpc = skin_.XPColors();
    const int arc = skin_.BtnRoundArc();
    const TRect r = ClientRect(w);
    Canvas c(painter);
    Fill(c, r, ParentColor(w));
    RoundRect(painter, r, arc, pen, xpc.surfaceNormal);
    // Only an enabled button gets the dark outline over the first one.
    const bool enabled = w->isEnabled();
    if (enabled) RoundRect(painter, r, arc, xpc.outLineBorder, std::nullopt);
    Line(c, xpc.surfaceBottomLine, {{r.left + arc, r.bottom - 2}, {r.right - arc, r.bottom - 2}});
    if (!enabled) return;
    TRect ir{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    auto inner = [&](TColor first, TColor offset) {
        RoundRect(painter, ir, arc / 2, first, std::nullopt);
        TRect lower = ir;
        lower.bottom = r.bottom - 2;
        RoundRect(painter, lower, arc / 2, AddColorOffset(first, offset), std::nullopt);
    };
    if (pressed) {
        RoundRect(painter, r, arc, xpc.outLineBorder, xpc.surfaceDown);
        Line(c, xpc.surfaceDownBottomLine,
             {{r.left + arc, r.bottom - 2}, {r.right - arc, r.bottom - 2}});
    } else if (hot_) {
        inner(xpc.innerBorderMove, 0x020200);
    } else if (focused) {
        inner(xpc.innerBorderFocus, 0x020202);
    }
}

void TControlSubClass::PaintButton(QPainter& painter, bool glyphButton) {
    auto* button = static_cast<QPushButton*>(control_.data());
    const TSkinWorkingColors& wc = skin_.Working();
    const bool xp = skin_.XPLook(button);
    const bool enabled = button->isEnabled();
    const bool pressed = buttonDown_ && hot_ ? true : spaceDown_;
    TColor face = wc.iconBar;
    TColor border = ColorToRGB(clBtnShadow);
    if (hot_ || spaceDown_) {
        face = NewColor(clBtnFace, 60);
        border = NewColor(wc.selectBorder, 60);
    } else if (focused_) {
        border = NewColor(wc.selectBorder, 60);
    }
    const TRect r = ClientRect(button);
    Canvas c(painter);
    if (xp) {
        PaintXPButtonFrame(painter, focused_, buttonDown_ || spaceDown_, NewColor(border, 30));
    } else {
        Fill(c, r, ParentColor(button));
        RoundRect(painter, r, glyphButton ? 4 : skin_.BtnRoundArc(), NewColor(border, 30), face);
        if (enabled) {
            const TColor shadow = NewColorDark(border, 50);
            if (!pressed)
                Line(c, shadow,
                     {{r.right - 1, r.top + 1},
                      {r.right - 1, r.bottom - 2},
                      {r.right - 2, r.bottom - 1},
                      {r.left, r.bottom - 1}});
            else
                Line(c, shadow,
                     {{r.left, r.bottom - 2},
                      {r.left, r.top + 1},
                      {r.left + 1, r.top},
                      {r.right - 1, r.top}});
        }
    }
    // The caption, and the glyph of a glyph button.
    const QString caption = button->text();
    const QFontMetrics metrics(button->font());
    const int tw = metrics.horizontalAdvance(PlainCaption(caption));
    const bool rtl = IsRightToLeft(button);
    const unsigned flags = rtl ? DrawTextFlags::kRtlReading : 0u;
    const TColor textColor = ToTColor(button->palette().color(QPalette::ButtonText));
    const TColor under = xp ? skin_.XPColors().surfaceNormal : face;
    QRect textRect(r.left + (r.Width() - tw) / 2, r.top, tw + 1, r.Height());
    if (glyphButton && !button->icon().isNull()) {
        const QSize size = button->iconSize();
        const QImage glyph =
            button->icon().pixmap(size, enabled ? QIcon::Normal : QIcon::Disabled).toImage();
        const int spacing = caption.trimmed().isEmpty() ? 0 : 4;
        const TGlyphLayout l = LayoutGlyph(TGlyphPlace::Left, r.Width(), r.Height(), glyph.width(),
                                           glyph.height(), tw, metrics.height(), spacing);
        skin_.DrawItemIcon(painter, glyph, ToQRect(l.glyph), rtl, false, false, false, enabled,
                           focused_, hot_);
        textRect = QRect(l.text.left, r.top, l.text.Width() + 1, r.Height());
    }
    if (caption.isEmpty()) return;
    skin_.DrawItemText(painter, caption, flags, button->font(), textColor, rtl, false,
                       button->isDefault(), enabled, false, textRect, under, QString());
}

void TControlSubClass::PaintSpeedButton(QPainter& painter) {
    auto* button = static_cast<TSpeedButton*>(control_.data());
    const TSkinWorkingColors& wc = skin_.Working();
    const bool xp = skin_.XPLook(button);
    const bool enabled = button->isEnabled();
    const bool down = button->Down();
    TColor face = hot_ ? wc.select : wc.iconBar;
    TColor border = hot_ ? wc.selectBorder : ColorToRGB(clBtnShadow);
    if (down) {
        face = hot_ ? wc.checkedAreaSelected : wc.checkedArea;
        border = wc.selectBorder;
    }
    if (!enabled) border = ColorToRGB(clBtnShadow);
    const TRect r = ClientRect(button);
    Canvas c(painter);
    const bool transparent = button->Transparent();
    const bool idle = !down && !hot_;
    if (transparent) {
        // The parent shows through, darkened under a button that is down
        // or under the mouse: a light shade ANDed over it.
        painter.drawImage(0, 0, button->ParentImage());
        if (!idle) {
            QImage shade(r.Width(), r.Height(), QImage::Format_RGB32);
            shade.fill(ToQColor(NewColor(wc.select, button->depth() < 17 ? 40 : 20)));
            c.CopyRect(r, shade, {0, 0, r.Width(), r.Height()}, CopyMode::SrcAnd);
        }
    }
    // A transparent button's outline is left open inside; a flat one shows
    // none while idle.
    std::optional<TColor> pen = NewColor(border, 30);
    if (button->Flat() && !transparent && idle) pen = face;
    if (!transparent || !button->Flat() || !idle)
        RoundRect(painter, r, 0, pen, transparent ? std::nullopt : std::optional<TColor>(face));
    if (xp) {
        if (hot_ || down || buttonDown_)
            PaintXPButtonFrame(painter, false, buttonDown_ || down, NewColor(border, 30));
    } else if (enabled && !button->Flat()) {
        const TColor shadow = NewColorDark(border, 50);
        if (buttonDown_ || down)
            Line(c, shadow, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}});
        else
            Line(c, shadow,
                 {{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
    }
    const QImage& glyphs = button->Glyph();
    const int count = std::max(1, button->NumGlyphs());
    int index = 1;
    if (!enabled && count >= 2) index = 2;
    if (buttonDown_ && count >= 3) index = 3;
    if (down && count >= 4) index = 4;
    const int gw = glyphs.isNull() ? 0 : glyphs.width() / count;
    const QImage glyph = gw > 0 ? glyphs.copy((index - 1) * gw, 0, gw, glyphs.height()) : QImage();
    const QString caption = button->Caption();
    const QFontMetrics metrics(button->font());
    const int tw = metrics.horizontalAdvance(PlainCaption(caption));
    const int spacing = caption.isEmpty() ? 0 : button->Spacing();
    TGlyphPlace place = TGlyphPlace::Left;
    switch (button->Layout()) {
        case TButtonLayout::blGlyphLeft:
            place = TGlyphPlace::Left;
            break;
        case TButtonLayout::blGlyphRight:
            place = TGlyphPlace::Right;
            break;
        case TButtonLayout::blGlyphTop:
            place = TGlyphPlace::Top;
            break;
        case TButtonLayout::blGlyphBottom:
            place = TGlyphPlace::Bottom;
            break;
    }
    const bool rtl = IsRightToLeft(button);
    if (rtl && place == TGlyphPlace::Left)
        place = TGlyphPlace::Right;
    else if (rtl && place == TGlyphPlace::Right)
        place = TGlyphPlace::Left;
    TGlyphLayout l =
        LayoutGlyph(place, r.Width(), r.Height(), gw, glyph.isNull() ? 0 : glyph.height(), tw,
                    metrics.height(), spacing);
    if (place == TGlyphPlace::Left) l.glyph = l.glyph.Offset(0, -1);
    if (!glyph.isNull())
        skin_.DrawItemIcon(painter, glyph, ToQRect(l.glyph), rtl, false, false, down || buttonDown_,
                           enabled, false, hot_);
    if (caption.isEmpty()) return;
    const QRect textRect = glyph.isNull()
                               ? QRect(r.left + (r.Width() - tw) / 2, r.top, tw + 1, r.Height())
                               : ToQRect(l.text);
    skin_.DrawItemText(painter, caption, rtl ? DrawTextFlags::kRtlReading : 0u, button->font(),
                       ColorToRGB(clBtnText), rtl, false, false, enabled, false, textRect, face,
                       QString());
}

void TControlSubClass::PaintPanel(QPainter& painter) {
    auto* frame = qobject_cast<QFrame*>(control_.data());
    // Only a frame has bevels to redraw; the widget family's panels draw
    // their own borders.
    if (frame == nullptr) return;
    const QFrame::Shape shape = frame->frameShape();
    const bool bevelled =
        shape == QFrame::Panel || shape == QFrame::WinPanel || shape == QFrame::StyledPanel;
    if (!bevelled || frame->frameShadow() == QFrame::Plain) return;
    const TColor color = ControlColor(frame);
    const TColor dark = NewColorDark(color, 60);
    const TColor light = NewColor(color, 60);
    const bool lowered = frame->frameShadow() == QFrame::Sunken;
    Canvas c(painter);
    Frame3D(c, ClientRect(frame), lowered ? dark : light, lowered ? light : dark,
            std::max(1, frame->lineWidth()));
}

void TControlSubClass::PaintGroupBox(QPainter& painter) {
    auto* box = static_cast<QGroupBox*>(control_.data());
    const TColor color = ControlColor(box);
    const TColor dark = NewColorDark(color, 60);
    const TColor light = NewColor(color, 60);
    const QString caption = box->title();
    const QFontMetrics metrics(box->font());
    const QString measured = caption.isEmpty() ? QStringLiteral(" ") : PlainCaption(caption);
    const int th = metrics.height();
    const int tw = metrics.horizontalAdvance(measured);
    const int half = th / 2;
    const TRect client = ClientRect(box);
    Canvas c(painter);
    // The style's own frame lies elsewhere than the framework's: all of it
    // is cleared to the box's colour first.
    Fill(c, client, color);
    // A flat group box stands for one without the 3-D look: one dark frame.
    const bool ctl3D = !box->isFlat();
    const TColor topLeft = ctl3D ? light : dark;
    TRect f = client;
    f.top += half - 1;
    Frame3D(c, f, topLeft, dark, 1);
    Fill(c, {client.left, client.top, client.right, client.top + half + 2}, ParentColor(box));
    const bool rtl = IsRightToLeft(box);
    TRect cap = rtl ? TRect{client.right - 9 - tw, client.top, client.right - 9, client.top + th}
                    : TRect{client.left + 9, client.top, client.left + 9 + tw, client.top + th};
    Fill(c, {cap.left + 1, half + 2, cap.right - 1, half + 2 + half + 1}, color);
    Line(c, color, {{client.right - 2, client.top}, {client.right - 2, cap.bottom}});
    painter.save();
    c.font.name = box->font().family().toStdString();
    c.font.size = box->font().pointSize() > 0 ? box->font().pointSize() : 9;
    c.font.color = ToTColor(box->palette().color(QPalette::WindowText));
    TRect textRect = cap;
    textRect.right += 1;
    c.DrawText(caption.toStdString(), textRect,
               DrawTextFlags::kSingleLine | (rtl ? DrawTextFlags::kRtlReading : 0u));
    painter.restore();
    Line(c, topLeft, {{client.left, half + 1}, {cap.left, half + 1}});
    Line(c, topLeft, {{cap.right, half + 1}, {client.right - 1, half + 1}});
}

}  // namespace vx
