#include "widgets/qt/WgTabMenuButton.h"

#include <QAction>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/paint/ImageList.h"
#include "widgets/qt/WgTabGlyphs.h"
#include "widgets/qt/WgTabs.h"

namespace vx {

TWgTabMenuButton::TWgTabMenuButton(TWgCustomTabControl* owner)
    : TWgTabButton(owner), menu_(new QMenu(this)) {
    setObjectName(QStringLiteral("TabMenuButton"));
    menu_->setObjectName(QStringLiteral("TabMenu"));
}

void TWgTabMenuButton::Paint(Canvas& canvas) {
    const TWgButtonFaceColors face{Owner()->TabColors().Unselected(), Owner()->TabColors().Shadow(),
                                   Owner()->UseGradients()};
    const TRect r = ClientRect();
    DrawTabButtonFace(canvas, r, face, FrameColor(), Hot(), Pressed() && Down());
    // The arrow points away from the tab row.
    TArrowDirection direction = TArrowDirection::Down;
    switch (Owner()->TabOrientation()) {
        case TWgTabOrientation::toTop:
            direction = TArrowDirection::Down;
            break;
        case TWgTabOrientation::toLeft:
            direction = TArrowDirection::Right;
            break;
        case TWgTabOrientation::toBottom:
            direction = TArrowDirection::Up;
            break;
        case TWgTabOrientation::toRight:
            direction = TArrowDirection::Left;
            break;
    }
    DrawArrowGlyph(canvas, r, kGlyphClassic, true, Pressed() && Down(), direction);
}

void TWgTabMenuButton::BuildMenu() {
    menu_->clear();
    TWgCustomTabControl* owner = Owner();
    struct Entry {
        QString caption;
        int index;
    };
    std::vector<Entry> entries;
    for (int i = 0; i < owner->TabCount(); ++i) {
        const TWgTabData& tab = owner->Tabs().Items(i);
        if (tab.Visible) entries.push_back({QString::fromStdString(tab.Caption), i});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return QString::compare(a.caption, b.caption, Qt::CaseInsensitive) < 0;
    });
    TImageList* images = owner->Images();
    for (const Entry& entry : entries) {
        const TWgTabData& tab = owner->Tabs().Items(entry.index);
        QAction* action = menu_->addAction(entry.caption);
        action->setEnabled(tab.Enabled);
        action->setCheckable(true);
        action->setChecked(entry.index == owner->TabIndex());
        action->setData(entry.index);
        const int image =
            !tab.Enabled && tab.DisabledIndex != -1 ? tab.DisabledIndex : tab.ImageIndex;
        if (images && image >= 0 && image < images->Count()) {
            QPixmap picture(images->Width(), images->Height());
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            images->Draw(painter, 0, 0, image);
            painter.end();
            action->setIcon(QIcon(picture));
        }
        const int index = entry.index;
        connect(action, &QAction::triggered, owner, [owner, index] { owner->SetTabIndex(index); });
    }
}

QPoint TWgTabMenuButton::MenuPlace(bool& rightAligned) const {
    const bool reverse = Owner()->TabSequence() == TWgTabSequence::tsReverse;
    QPoint at;
    rightAligned = false;
    switch (Owner()->TabOrientation()) {
        case TWgTabOrientation::toTop:
            at = reverse ? QPoint(0, height()) : QPoint(width(), height());
            rightAligned = !reverse;
            break;
        case TWgTabOrientation::toLeft:
            at = QPoint(width(), 0);
            break;
        case TWgTabOrientation::toBottom:
            at = reverse ? QPoint(0, 0) : QPoint(width(), 0);
            rightAligned = !reverse;
            break;
        case TWgTabOrientation::toRight:
            at = QPoint(0, 0);
            rightAligned = true;
            break;
    }
    return mapToGlobal(at);
}

void TWgTabMenuButton::Click() {
    BuildMenu();
    bool rightAligned = false;
    QPoint at = MenuPlace(rightAligned);
    if (rightAligned) at.rx() -= menu_->sizeHint().width();
    menu_->popup(at);
    TWgTabButton::Click();
}

}  // namespace vx
