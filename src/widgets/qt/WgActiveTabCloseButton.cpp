#include "widgets/qt/WgActiveTabCloseButton.h"

#include "widgets/qt/WgGrafx.h"
#include "widgets/qt/WgTabGlyphs.h"
#include "widgets/qt/WgTabs.h"

namespace vx {

TWgActiveTabCloseButton::TWgActiveTabCloseButton(TWgCustomTabControl* owner) : TWgTabButton(owner) {
    setObjectName(QStringLiteral("ActiveTabCloseButton"));
}

void TWgActiveTabCloseButton::Paint(Canvas& canvas) {
    const TRect r = ClientRect();
    // It stands on the tab: what lies under it shows through.
    DrawParentImage(this, canvas);
    if (Hot()) {
        const TWgButtonFaceColors face{Owner()->TabColors().Unselected(),
                                       Owner()->TabColors().Shadow(), Owner()->UseGradients()};
        DrawTabButtonFace(canvas, r, face, FrameColor(), true, Pressed() && Down());
        DrawCloseGlyph(canvas, r, Owner()->TabColors().HighlightBar(), true, Pressed() && Down());
    } else {
        DrawCloseGlyph(canvas, r, FrameColor(), true, false);
    }
}

}  // namespace vx
