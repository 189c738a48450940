#include "styling/skin/qt/FlatSkin.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/paint/Canvas.h"
#include "styling/skin/qt/ControlSubClass.h"
#include "styling/skin/qt/FlatMenuStyle.h"

namespace vx {
namespace {

const char* const kTagProperty = "Tag";

// The class name without its namespace.
const char* ShortClassName(const QObject* object) {
    const char* name = object->metaObject()->className();
    const char* colon = std::strrchr(name, ':');
    return colon != nullptr ? colon + 1 : name;
}

bool IsClass(const QObject* object, const char* name) {
    return std::strcmp(ShortClassName(object), name) == 0;
}

// A panel of the framework: a plain frame, or a panel or group box of the
// widget family (both are the family's custom panels).
bool IsCustomPanel(const QWidget* w) {
    return w->metaObject() == &QFrame::staticMetaObject || w->inherits("vx::TWgCustomPanel") ||
           IsClass(w, "TPanel");
}

bool IsTabSheet(const QWidget* w) {
    if (w->inherits("vx::TWgTabSheet") || IsClass(w, "TTabSheet") || IsClass(w, "TdxTabSheet"))
        return true;
    // A page of a Qt tab widget sits in the tab widget's stack.
    const QWidget* stack = w->parentWidget();
    return stack != nullptr && qobject_cast<const QStackedWidget*>(stack) != nullptr &&
           qobject_cast<const QTabWidget*>(stack->parentWidget()) != nullptr;
}

}  // namespace

std::optional<TSkinControl> SkinControlKind(const QWidget* w) {
    if (w == nullptr || w->isWindow()) return std::nullopt;
    // Spin boxes are never skinned, whatever the sets hold.
    if (qobject_cast<const QAbstractSpinBox*>(w) != nullptr) return std::nullopt;
    if (qobject_cast<const QComboBox*>(w) != nullptr) return TSkinControl::xcCombo;
    if (IsClass(w, "TMaskEdit") || IsClass(w, "TDBEdit")) return TSkinControl::xcMaskEdit;
    if (qobject_cast<const QLineEdit*>(w) != nullptr) return TSkinControl::xcEdit;
    if (qobject_cast<const QTextEdit*>(w) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(w) != nullptr)
        return TSkinControl::xcMemo;
    if (qobject_cast<const QCheckBox*>(w) != nullptr) return TSkinControl::xcCheckBox;
    if (qobject_cast<const QRadioButton*>(w) != nullptr) return TSkinControl::xcRadioButton;
    if (IsClass(w, "TBitBtn")) return TSkinControl::xcBitBtn;
    if (IsClass(w, "TButton") || IsClass(w, "TUpDown")) return TSkinControl::xcButton;
    if (w->metaObject() == &QPushButton::staticMetaObject) {
        // A push button with a picture is the framework's glyph button.
        const auto* button = static_cast<const QPushButton*>(w);
        return button->icon().isNull() ? TSkinControl::xcButton : TSkinControl::xcBitBtn;
    }
    if (w->inherits("vx::TSpeedButton")) return TSkinControl::xcSpeedButton;
    if (IsCustomPanel(w)) return TSkinControl::xcPanel;
    if (qobject_cast<const QGroupBox*>(w) != nullptr) return TSkinControl::xcGroupBox;
    return std::nullopt;
}

std::optional<TSkinContainer> SkinContainerKind(const QWidget* w) {
    if (w == nullptr) return std::nullopt;
    if (w->isWindow()) return TSkinContainer::xccForm;
    if (IsTabSheet(w)) return TSkinContainer::xccTabSheet;
    // A plain widget is how the tool's windows hold a bare panel.
    if (IsCustomPanel(w) || w->metaObject() == &QWidget::staticMetaObject)
        return TSkinContainer::xccPanel;
    if (qobject_cast<const QGroupBox*>(w) != nullptr) return TSkinContainer::xccGroupBox;
    if (IsClass(w, "TDBCtrlPanel")) return TSkinContainer::xccFrame;
    return std::nullopt;
}

int ControlTag(const QObject* object) {
    return object == nullptr ? 0 : object->property(kTagProperty).toInt();
}

void SetControlTag(QObject* object, int tag) {
    object->setProperty(kTagProperty, tag);
}

namespace {

// Every pixel's colour through `map`, alpha kept; runs of one colour are
// mapped once.
template <typename Map>
QImage MapBitmapColours(const QImage& bitmap, Map map) {
    QImage out = bitmap.convertToFormat(QImage::Format_ARGB32);
    QRgb last = 0;
    QRgb lastResult = 0;
    bool have = false;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            if (!have || p != last) {
                const TColor c = map(RGBColor(qRed(p), qGreen(p), qBlue(p)));
                lastResult = qRgba(RedOf(c), GreenOf(c), BlueOf(c), qAlpha(p));
                last = p;
                have = true;
            }
            line[x] = lastResult;
        }
    }
    return out;
}

}  // namespace

QImage GrayBitmap(const QImage& bitmap, int amount) {
    return MapBitmapColours(bitmap, [amount](TColor c) { return GrayColor(c, amount); });
}

QImage DimBitmap(const QImage& bitmap, int percent) {
    const int p = std::min(percent, 100);
    return MapBitmapColours(bitmap, [p](TColor c) { return NewColor(c, p); });
}

void DrawBitmapShadow(const QImage& bitmap, QPainter& painter, int x, int y, TColor color) {
    if (bitmap.isNull()) return;
    const QRgb transparent = bitmap.pixel(0, bitmap.height() - 1);
    painter.save();
    painter.setPen(ToQColor(color));
    for (int j = 0; j < bitmap.height(); ++j) {
        for (int i = 0; i < bitmap.width(); ++i) {
            const QRgb p = bitmap.pixel(i, j);
            if (p != transparent && qAlpha(p) != 0) painter.drawPoint(x + i, y + j);
        }
    }
    painter.restore();
}

TFlatSkin::TFlatSkin(QWidget* owner) : QObject(owner), owner_(owner) {
    if (owner == nullptr) throw std::invalid_argument("Invalid class typecast");
    setObjectName(QStringLiteral("FlatSkin1"));
    font_ = QApplication::font("QMenu");
    colors_.selectFontColor = fontColor_;
}

TFlatSkin::~TFlatSkin() {
    // The dialog may be going away around the skin: only what the skin holds
    // is let go, each control and menu through its guarded pointer.
    for (const QPointer<QWidget>& menu : menus_)
        if (menu != nullptr && menu->style() == menuStyle_) menu->setStyle(nullptr);
    menus_.clear();
    while (!subs_.empty())
        Forget(subs_.back());
    delete menuStyle_;
}

TFlatSkin* TFlatSkin::ForDialog(QWidget* dialog) {
    auto* skin = new TFlatSkin(dialog);
    skin->SetFlatMenu(true);
    skin->SetActive(true);
    return skin;
}

void TFlatSkin::SetFont(const QFont& font, TColor color) {
    if (font == font_ && color == fontColor_) return;
    font_ = font;
    fontColor_ = color;
    RefreshMenuBar();
}

void TFlatSkin::SetMenuBarColor(TColor c) {
    if (c == colors_.menuBarColor) return;
    colors_.menuBarColor = c;
    RefreshMenuBar();
}

void TFlatSkin::SetUseSystemColors(bool v) {
    if (v == colors_.useSystemColors) return;
    colors_.useSystemColors = v;
    RefreshMenuBar();
}

void TFlatSkin::SetControlUseTrueXPStyle(bool v) {
    if (v) {
        roundArc_ = 5;
        xp_ = TXPColors{};
    }
    trueXP_ = v;
}

void TFlatSkin::SetSkinContainers(TSkinContainers set) {
    SetSets(controls_, set);
}

void TFlatSkin::SetSkinControls(TSkinControls set) {
    SetSets(set, containers_);
}

void TFlatSkin::SetSets(TSkinControls controls, TSkinContainers containers) {
    if (controls == controls_ && containers == containers_) return;
    // An active skin lets go of what the old sets chose and hooks what the
    // new ones choose.
    if (active_) Walk(false, true);
    controls_ = controls;
    containers_ = containers;
    if (active_) Walk(true, true);
}

void TFlatSkin::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    Activate(owner_, active, true);
    RefreshMenuBar();
}

bool TFlatSkin::XPLook(const QWidget* control) const {
    return trueXP_ && ControlTag(control) != kSkinPlainLookTag;
}

void TFlatSkin::Activate(QWidget* container, bool enable, bool repaint) {
    if (container == nullptr || container != owner_) return;
    if (enable && !owner_->testAttribute(Qt::WA_WState_Polished)) {
        // The controls of a dialog that is still being built are hooked
        // when Qt first polishes it, before it is shown.
        if (!walkPending_) owner_->installEventFilter(this);
        walkPending_ = true;
        return;
    }
    if (!enable && walkPending_) {
        owner_->removeEventFilter(this);
        walkPending_ = false;
    }
    Walk(enable, repaint);
}

bool TFlatSkin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_ && event->type() == QEvent::Polish && walkPending_) {
        walkPending_ = false;
        owner_->removeEventFilter(this);
        if (active_) Walk(true, true);
    }
    return false;
}

void TFlatSkin::Walk(bool enable, bool repaint) {
    if (owner_ == nullptr) return;
    const QList<QWidget*> widgets = owner_->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            if ((controls_ & SkinBit(TSkinControl::xcMainMenu)) != 0 &&
                ControlTag(bar) != kSkinOptOutTag) {
                SetMenuOwnerDraw(bar, enable);
                HookMenu(bar, enable);
            }
            continue;
        }
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            if ((controls_ & SkinBit(TSkinControl::xcPopupMenu)) != 0) {
                SetMenuOwnerDraw(menu, enable);
                HookMenu(menu, enable);
            }
            continue;
        }
        const std::optional<TSkinControl> kind = SkinControlKind(w);
        if (!kind || (controls_ & SkinBit(*kind)) == 0) continue;
        const std::optional<TSkinContainer> parent = SkinContainerKind(w->parentWidget());
        if (!parent || (containers_ & SkinBit(*parent)) == 0) continue;
        if (enable) {
            if (SkinSelects(*kind, *parent, controls_, containers_, ControlTag(w),
                            ControlTag(w->parentWidget())) &&
                SubClassOf(w) == nullptr) {
                auto* sub = new TControlSubClass(*this, w, *kind);
                connect(sub, &QObject::destroyed, this, [this, sub] {
                    subs_.erase(std::remove(subs_.begin(), subs_.end(), sub), subs_.end());
                });
                subs_.push_back(sub);
            }
        } else if (TControlSubClass* sub = SubClassOf(w)) {
            Forget(sub);
        }
        if (repaint) w->update();
    }
    if (!enable) {
        // Hooks whose control left its place are let go as well.
        while (!subs_.empty())
            Forget(subs_.back());
    }
}

void TFlatSkin::Forget(TControlSubClass* sub) {
    subs_.erase(std::remove(subs_.begin(), subs_.end(), sub), subs_.end());
    sub->disconnect(this);
    delete sub;
}

void TFlatSkin::SetMenuOwnerDraw(QWidget* menu, bool enable) {
    // A menu that draws its own items (the styled menus publish OwnerDraw)
    // has it switched with the skin, once it has items.
    if (menu->actions().isEmpty()) return;
    if (menu->metaObject()->indexOfProperty("OwnerDraw") < 0) return;
    menu->setProperty("OwnerDraw", enable);
}

void TFlatSkin::HookMenu(QWidget* menu, bool enable) {
    if (enable) {
        // A menu that already has a look of its own keeps it unless the
        // skin is told to override.
        if (menu->style() == MenuStyle()) return;
        if (menu->testAttribute(Qt::WA_SetStyle) && !overrideOwnerDraw_) return;
        menu->setStyle(MenuStyle());
        menus_.emplace_back(menu);
        return;
    }
    if (menu->style() == menuStyle_) menu->setStyle(nullptr);
    menus_.erase(std::remove(menus_.begin(), menus_.end(), QPointer<QWidget>(menu)), menus_.end());
}

void TFlatSkin::HookSubMenus(QWidget* menu) {
    if (!active_ || menu == nullptr) return;
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu<QMenu*>(); sub != nullptr && sub->style() != menuStyle_)
            HookMenu(sub, true);
    }
}

QStyle* TFlatSkin::MenuStyle() const {
    if (menuStyle_ == nullptr) {
        auto* self = const_cast<TFlatSkin*>(this);
        self->menuStyle_ = new TFlatMenuStyle(*self);
    }
    return menuStyle_;
}

void TFlatSkin::RefreshMenuBar() {
    if (owner_ == nullptr) return;
    for (QMenuBar* bar : owner_->findChildren<QMenuBar*>())
        bar->update();
}

TControlSubClass* TFlatSkin::SubClassOf(const QWidget* control) const {
    for (TControlSubClass* sub : subs_)
        if (sub->Control() == control) return sub;
    return nullptr;
}

int TFlatSkin::HookedCount() const {
    return static_cast<int>(subs_.size());
}

const TSkinWorkingColors& TFlatSkin::SetGlobalColor(int depth) {
    if (colors_.useSystemColors) {
        // The system menu font with the menu text colour.
        font_ = QApplication::font("QMenu");
        fontColor_ = clMenuText;
    }
    working_ = PrepareSkinColors(colors_, depth >= 16, fontColor_);
    return working_;
}

void TFlatSkin::DrawItemIcon(QPainter& painter, QImage bitmap, const QRect& rect, bool rightToLeft,
                             bool topLevel, bool menuItem, bool checked, bool enabled, bool focused,
                             bool hot) const {
    if (bitmap.isNull() || bitmap.width() <= 0) return;
    // A picture without an alpha channel is see-through where it has the
    // colour of its bottom-left pixel, as the framework draws glyphs; the
    // place is taken before greying, which may give other pixels that colour.
    QImage seeThrough;
    if (!bitmap.hasAlphaChannel()) {
        const QRgb corner = bitmap.pixel(0, bitmap.height() - 1);
        seeThrough = bitmap.createMaskFromColor(corner, Qt::MaskOutColor);
    }
    int x = rect.left();
    int y = rect.top() + 1;
    if (menuItem) {
        y += 2;
        if (bitmap.width() < iconWidth_)
            x = rect.left() + (iconWidth_ - bitmap.width()) / 2 - 1;
        else
            x = rightToLeft ? rect.right() + 1 - bitmap.width() - 2 : rect.left() + 2;
    }
    if (topLevel) x = rightToLeft ? rect.right() + 1 - bitmap.width() - 5 : rect.left() + 1;
    const bool lifts = hot && enabled && !checked && !focused && !topLevel;
    if (lifts) {
        x -= 1;
        y -= 1;
    }
    if (!hot && enabled && !checked && working_.highColor) bitmap = DimBitmap(bitmap, dimLevel_);
    if (!enabled) bitmap = DimBitmap(GrayBitmap(bitmap, grayLevel_), 40);
    if (hot && enabled && !checked)
        DrawBitmapShadow(bitmap, painter, x + 2, y + 2, NewColorDark(working_.select, 50));
    if (!seeThrough.isNull()) {
        bitmap = bitmap.convertToFormat(QImage::Format_ARGB32);
        for (int j = 0; j < bitmap.height(); ++j) {
            auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(j));
            for (int i = 0; i < bitmap.width(); ++i)
                if (seeThrough.pixelIndex(i, j) == 0) line[i] = 0;
        }
    }
    painter.drawImage(x, y, bitmap);
}

void TFlatSkin::DrawItemText(QPainter& painter, const QString& text, unsigned flags,
                             const QFont& font, TColor fontColor, bool rightToLeft, bool topLevel,
                             bool isDefault, bool enabled, bool selected, QRect rect,
                             TColor background, const QString& shortcut) const {
    TColor color = ColorToRGB(fontColor);
    if (selected) color = working_.selectFont;
    if (!enabled) color = working_.disabled;
    if (selected && topLevel && colors_.useSystemColors)
        color = TextContrastColor(working_.iconBar, fontColor);
    painter.save();
    Canvas canvas(painter);
    canvas.font.name = font.family().toStdString();
    canvas.font.size = font.pointSize() > 0 ? font.pointSize() : 9;
    canvas.font.bold = font.bold();
    canvas.font.italic = font.italic();
    painter.setFont(font);
    const int textHeight = QFontMetrics(font).height();
    TRect r{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    r.top += (r.Height() - textHeight) / 2;
    const std::string utf8 = text.toStdString();
    auto draw = [&](TRect at, TColor c) {
        canvas.font.color = c;
        canvas.DrawText(utf8, at, flags);
    };
    if (isDefault && enabled) {
        // The embossed look of a default item.
        draw(r.Offset(1, 0), NewColorDark(background, 30));
        TRect r2 = r.Offset(1, 2);
        r2.right += 1;
        draw(r2, NewColorDark(background, 30));
        draw(r.Offset(0, 1), NewColorDark(background, 40));
        TRect r4 = r.Offset(1, 1);
        r4.right += 1;
        draw(r4, NewColorDark(background, 60));
    }
    draw(r, color);
    if (!shortcut.isEmpty()) {
        TRect s = r;
        unsigned f = DrawTextFlags::kSingleLine;
        if (rightToLeft) {
            s.left += 10;
        } else {
            s.right -= 10;
            f |= DrawTextFlags::kRight;
        }
        canvas.font.color = working_.highColor ? NewColorDark(color, -40) : color;
        canvas.DrawText((shortcut + QLatin1Char(' ')).toStdString(), s,
                        f | DrawTextFlags::kNoPrefix);
    }
    painter.restore();
}

}  // namespace vx
