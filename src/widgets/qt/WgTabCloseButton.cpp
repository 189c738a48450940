#include "widgets/qt/WgTabCloseButton.h"

#include "widgets/WgCommonColors.h"
#include "widgets/qt/WgTabGlyphs.h"
#include "widgets/qt/WgTabs.h"

namespace vx {

TWgTabControlCloseButton::TWgTabControlCloseButton(TWgCustomTabControl* owner)
    : TWgTabButton(owner) {
    setObjectName(QStringLiteral("TabCloseButton"));
}

void TWgTabControlCloseButton::Paint(Canvas& canvas) {
    const TWgButtonFaceColors face{Owner()->TabColors().Unselected(), Owner()->TabColors().Shadow(),
                                   Owner()->UseGradients()};
    const TRect r = ClientRect();
    DrawTabButtonFace(canvas, r, face, IncreaseLightness(FrameColor(), 30), Hot(),
                      Pressed() && Down());
    DrawCloseGlyph(canvas, r, CloseGlyphColor(kGlyphClassic, true), true, Pressed() && Down());
}

}  // namespace vx
