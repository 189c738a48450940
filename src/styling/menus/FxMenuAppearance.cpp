#include "styling/menus/FxMenuAppearance.h"

#include <algorithm>

namespace vx {

// ---- TMenuPersistent

void TMenuPersistent::Assign(const TMenuPersistent& source) {
    throw EAssignError(source.ClassName(), ClassName());
}

void TMenuPersistent::Changed(bool rebuild) const {
    if (styler_) styler_->NotifyMenus(rebuild);
}

// ---- TGradientBar

TGradientBar::TGradientBar() : colors_{0xD8BDAF, clNone} {}

void TGradientBar::Assign(const TMenuPersistent& source) {
    if (const auto* bar = dynamic_cast<const TGradientBar*>(&source)) {
        colors_ = bar->colors_;
        direction_ = bar->direction_;
        return;
    }
    TMenuPersistent::Assign(source);
}

TColor TGradientBar::GetColor(int index) const {
    if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
    return colors_[index];
}

void TGradientBar::SetColor(int index, TColor value) {
    if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
    colors_[index] = value;
}

TColor TColorPair::Get(int index) const {
    if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
    return colors[index];
}

bool TColorPair::Set(int index, TColor value) {
    if (index < 0 || index > 1) throw EInvalidPropertyIndex(index);
    if (colors[index] == value) return false;
    colors[index] = value;
    return true;
}

// ---- TIconBar

TIconBar::TIconBar() {
    SetColor(0xFFF9F9);
    SetColorTo(0xBBA0A1);
    SetGradientDirection(menus::TGradientDirection::gdHorizontal);
}

void TIconBar::Assign(const TMenuPersistent& source) {
    if (const auto* bar = dynamic_cast<const TIconBar*>(&source)) {
        check_ = bar->check_;
        checkBorder_ = bar->checkBorder_;
        checkDirection_ = bar->checkDirection_;
        radio_ = bar->radio_;
        radioBorder_ = bar->radioBorder_;
        radioDirection_ = bar->radioDirection_;
        SetSize(bar->size_);
        separatorColor_ = bar->separatorColor_;
        return;
    }
    TGradientBar::Assign(source);
}

void TIconBar::SetCheckColor(int index, TColor value) {
    if (check_.Set(index, value)) Changed(false);
}

void TIconBar::SetRadioColor(int index, TColor value) {
    if (radio_.Set(index, value)) Changed(false);
}

void TIconBar::SetSize(int value) {
    value = std::max(value, 16);
    if (value == size_) return;
    size_ = value;
    Changed(true);
}

// ---- TSelectedItem

TSelectedItem::TSelectedItem() : font_(ScreenMenuFont()) {
    SetColor(0xC2EEFF);
    SetColorTo(clNone);
    font_.color = clWindowText;
}

void TSelectedItem::Assign(const TMenuPersistent& source) {
    if (const auto* item = dynamic_cast<const TSelectedItem*>(&source)) {
        colorMirror_ = item->colorMirror_;
        colorMirrorTo_ = item->colorMirrorTo_;
        borderColor_ = item->borderColor_;
        font_ = item->font_;
        useSystemFont_ = item->useSystemFont_;
        check_ = item->check_;
        checkDirection_ = item->checkDirection_;
        radio_ = item->radio_;
        radioBorder_ = item->radioBorder_;
        radioDirection_ = item->radioDirection_;
        return;
    }
    TGradientBar::Assign(source);
}

void TSelectedItem::SetFont(const CanvasFont& value) {
    if (value == font_) return;
    font_ = value;
    Changed(true);
}

void TSelectedItem::SetUseSystemFont(bool value) {
    if (value == useSystemFont_) return;
    useSystemFont_ = value;
    Changed(true);
}

void TSelectedItem::SetCheckColor(int index, TColor value) {
    if (check_.Set(index, value)) Changed(false);
}

void TSelectedItem::SetRadioColor(int index, TColor value) {
    if (radio_.Set(index, value)) Changed(false);
}

// ---- TRootItem

TRootItem::TRootItem() : font_(ScreenMenuFont()) {
    SetColor(0xE5D7D7);
    SetColorTo(0xF7F2F2);
    SetGradientDirection(menus::TGradientDirection::gdHorizontal);
}

void TRootItem::Assign(const TMenuPersistent& source) {
    if (const auto* item = dynamic_cast<const TRootItem*>(&source)) {
        font_ = item->font_;
        useSystemFont_ = item->useSystemFont_;
        selected_[0] = item->selected_[0];
        selected_[1] = item->selected_[1];
        selectedDirection_ = item->selectedDirection_;
        selectedBorder_ = item->selectedBorder_;
        selectedText_ = item->selectedText_;
        hover_[0] = item->hover_[0];
        hover_[1] = item->hover_[1];
        hoverDirection_ = item->hoverDirection_;
        hoverBorder_ = item->hoverBorder_;
        hoverText_ = item->hoverText_;
        selected_[2] = item->selected_[2];
        selected_[3] = item->selected_[3];
        return;
    }
    TGradientBar::Assign(source);
}

void TRootItem::SetFont(const CanvasFont& value) {
    if (value == font_) return;
    font_ = value;
    Changed(true);
}

void TRootItem::SetUseSystemFont(bool value) {
    if (value == useSystemFont_) return;
    useSystemFont_ = value;
    Changed(true);
}

TColor TRootItem::GetSelectedColor(int index) const {
    if (index < 0 || index > 3) throw EInvalidPropertyIndex(index);
    return selected_[index];
}

void TRootItem::SetSelectedColor(int index, TColor value) {
    if (index < 0 || index > 3) throw EInvalidPropertyIndex(index);
    if (selected_[index] == value) return;
    selected_[index] = value;
    Changed(true);
}

TColor TRootItem::GetHoverColor(int index) const {
    if (index < 0 || index > 3) throw EInvalidPropertyIndex(index);
    return hover_[index];
}

void TRootItem::SetHoverColor(int index, TColor value) {
    if (index < 0 || index > 3) throw EInvalidPropertyIndex(index);
    if (hover_[index] == value) return;
    hover_[index] = value;
    Changed(true);
}

// ---- TBackground

TBackground::TBackground() {
    SetColor(0xFFFAFD);
    SetColorTo(clNone);
}

void TBackground::Assign(const TMenuPersistent& source) {
    if (const auto* bg = dynamic_cast<const TBackground*>(&source)) {
        image_ = bg->image_;
        offsetX_ = bg->offsetX_;
        offsetY_ = bg->offsetY_;
        position_ = bg->position_;
        return;
    }
    TGradientBar::Assign(source);
}

void TBackground::SetImage(const QImage& value) {
    image_ = value;
    Changed(false);
}

// ---- TSeparator

TSeparator::TSeparator() {
    SetColor(0x8F6D6E);
    SetColorTo(clNone);
    SetGradientDirection(menus::TGradientDirection::gdHorizontal);
}

void TSeparator::Assign(const TMenuPersistent& source) {
    if (const auto* sep = dynamic_cast<const TSeparator*>(&source)) {
        width_ = sep->width_;
        gradientType_ = sep->gradientType_;
        gradientWidth_ = sep->gradientWidth_;
        margin_ = sep->margin_;
    }
    TGradientBar::Assign(source);
}

// ---- TBarCaption

TBarCaption::TBarCaption() {
    font_.name = "Tahoma";
    font_.size = 14;
    font_.color = 0xFFFFFF;
    font_.bold = true;
    font_.italic = true;
}

void TBarCaption::Assign(const TMenuPersistent& source) {
    if (const auto* bc = dynamic_cast<const TBarCaption*>(&source)) {
        captionMargin_ = bc->captionMargin_;
        alignment_ = bc->alignment_;
        caption_ = bc->caption_;
        font_ = bc->font_;
        shadowColor_ = bc->shadowColor_;
        highlightColor_ = bc->highlightColor_;
        depth_ = bc->depth_;
        direction_ = bc->direction_;
        return;
    }
    TMenuPersistent::Assign(source);
}

void TBarCaption::SetFont(const CanvasFont& value) {
    if (value == font_) return;
    font_ = value;
    FontChanged();
}

// ---- TSideBar

TSideBar::TSideBar() = default;

void TSideBar::SetStyler(TCustomFxMenuStyler* styler) {
    TBarCaption::SetStyler(styler);
    image_.SetStyler(styler);
    background_.SetStyler(styler);
}

void TSideBar::Assign(const TMenuPersistent& source) {
    if (const auto* sb = dynamic_cast<const TSideBar*>(&source)) {
        visible_ = sb->visible_;
        image_.Assign(sb->image_);
        background_.Assign(sb->background_);
        size_ = sb->size_;
        splitterWidth_ = sb->splitterWidth_;
        splitterMargin_ = sb->splitterMargin_;
        splitterGradientWidth_ = sb->splitterGradientWidth_;
        splitterGradientType_ = sb->splitterGradientType_;
        borderColor_ = sb->borderColor_;
    }
    TBarCaption::Assign(source);
}

void TSideBar::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    if (Styler()) Styler()->NotifyMainMenusWithWindow();
}

void TSideBar::SetImage(const TBackground& value) {
    image_.Assign(value);
    Changed(true);
}

void TSideBar::SetBackground(const TBackground& value) {
    background_.Assign(value);
    Changed(true);
}

void TSideBar::FontChanged() {
    Changed(true);
}

// ---- TMenuGlyphs

namespace {

// A monochrome image from rows of text: 'X' is ink (colour 0, black), any
// other character paper (colour 1, white).
QImage MonoImage(std::initializer_list<const char*> rows) {
    const int h = static_cast<int>(rows.size());
    const int w = static_cast<int>(std::string_view(*rows.begin()).size());
    QImage image(w, h, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, row[x] == 'X' ? 0 : 1);
        ++y;
    }
    return image;
}

}  // namespace

QImage MenuGlyphResource(const std::string& name) {
    if (name == "FXSUBMENUITEM") {
        return MonoImage({"X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..."});
    }
    if (name == "FXCHECKITEM") {
        return MonoImage({
            "................",
            "................",
            "................",
            "................",
            "................",
            "..........X.....",
            ".........XX.....",
            "...X....XXX.....",
            "...XX..XXX......",
            "...XXXXXX.......",
            "....XXXX........",
            ".....XX.........",
            "................",
            "................",
            "................",
            "................",
        });
    }
    if (name == "FXRADIOITEM") {
        return MonoImage({
            "................",
            "................",
            "................",
            "................",
            "................",
            "......XXXX......",
            ".....XXXXXX.....",
            ".....XXXXXX.....",
            ".....XXXXXX.....",
            ".....XXXXXX.....",
            "......XXXX......",
            "................",
            "................",
            "................",
            "................",
            "................",
        });
    }
    return {};
}

TMenuGlyphs::TMenuGlyphs()
    : subMenu_(MenuGlyphResource("FXSUBMENUITEM")),
      check_(MenuGlyphResource("FXCHECKITEM")),
      radio_(MenuGlyphResource("FXRADIOITEM")) {}

void TMenuGlyphs::Assign(const TMenuPersistent& source) {
    if (const auto* g = dynamic_cast<const TMenuGlyphs*>(&source)) {
        subMenu_ = g->subMenu_;
        check_ = g->check_;
        radio_ = g->radio_;
        return;
    }
    TMenuPersistent::Assign(source);
}

void TMenuGlyphs::SetSubMenu(const QImage& value) {
    subMenu_ = value;
    Changed(false);
}

void TMenuGlyphs::SetCheck(const QImage& value) {
    check_ = value;
    Changed(false);
}

void TMenuGlyphs::SetRadio(const QImage& value) {
    radio_ = value;
    Changed(false);
}

// ---- TCustomFxMenuStyler

TCustomFxMenuStyler::TCustomFxMenuStyler(QObject* owner) : QObject(owner), font_(ScreenMenuFont()) {
    sideBar_.SetStyler(this);
    background_.SetStyler(this);
    iconBar_.SetStyler(this);
    selectedItem_.SetStyler(this);
    rootItem_.SetStyler(this);
    glyphs_.SetStyler(this);
    separator_.SetStyler(this);
}

TCustomFxMenuStyler::~TCustomFxMenuStyler() {
    // A menu may detach (or attach another styler) while it hears this.
    const std::vector<IMenuStyleLink*> menus = menus_;
    for (IMenuStyleLink* menu : menus) {
        if (std::find(menus_.begin(), menus_.end(), menu) != menus_.end()) {
            DetachMenu(menu);
            menu->StylerDestroyed(this);
        }
    }
}

void TCustomFxMenuStyler::Assign(const TCustomFxMenuStyler& source) {
    if (dynamic_cast<const TFxMenuStyler*>(&source) == nullptr) {
        throw EAssignError(source.ClassName(), ClassName());
    }
    SetBackground(source.background_);
    SetIconBar(source.iconBar_);
    SetSelectedItem(source.selectedItem_);
    SetRootItem(source.rootItem_);
    SetGlyphs(source.glyphs_);
    SetSideBar(source.sideBar_);
    SetSeparator(source.separator_);
    SetFont(source.font_);
    SetUseSystemFont(source.useSystemFont_);
}

void TCustomFxMenuStyler::SetSideBar(const TSideBar& value) {
    sideBar_.Assign(value);
    NotifyMenus(true);
}

void TCustomFxMenuStyler::SetBackground(const TBackground& value) {
    background_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetIconBar(const TIconBar& value) {
    iconBar_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetSelectedItem(const TSelectedItem& value) {
    selectedItem_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetRootItem(const TRootItem& value) {
    rootItem_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetGlyphs(const TMenuGlyphs& value) {
    glyphs_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetSeparator(const TSeparator& value) {
    separator_.Assign(value);
    NotifyMenus(false);
}

void TCustomFxMenuStyler::SetFont(const CanvasFont& value) {
    if (value == font_) return;
    font_ = value;
    NotifyMenus(true);
}

void TCustomFxMenuStyler::SetUseSystemFont(bool value) {
    if (value == useSystemFont_) return;
    useSystemFont_ = value;
    NotifyMenus(true);
}

void TCustomFxMenuStyler::AttachMenu(IMenuStyleLink* menu) {
    if (menu == nullptr) return;
    if (std::find(menus_.begin(), menus_.end(), menu) == menus_.end()) menus_.push_back(menu);
    menu->MenuStyleChanged(false);
}

void TCustomFxMenuStyler::DetachMenu(IMenuStyleLink* menu) {
    menus_.erase(std::remove(menus_.begin(), menus_.end(), menu), menus_.end());
}

void TCustomFxMenuStyler::NotifyMenus(bool rebuild) const {
    // A menu may rebuild and so attach or detach while it hears this.
    const std::vector<IMenuStyleLink*> menus = menus_;
    for (IMenuStyleLink* menu : menus) {
        if (std::find(menus_.begin(), menus_.end(), menu) != menus_.end())
            menu->MenuStyleChanged(rebuild);
    }
}

void TCustomFxMenuStyler::NotifyMainMenusWithWindow() const {
    const std::vector<IMenuStyleLink*> menus = menus_;
    for (IMenuStyleLink* menu : menus) {
        if (menu->IsMainMenu() && menu->HasWindowHandle()) menu->MenuStyleChanged(true);
    }
}

void TCustomFxMenuStyler::RedrawMenuBars() const {
    for (IMenuStyleLink* menu : menus_) {
        if (menu->IsMainMenu()) menu->DrawMenuBar();
    }
}

}  // namespace vx
