#include "editor/SelfhoodColor.h"

#include "platform/Colors.h"

namespace vx {

LadderColourSet ColoursOfSettings(const Settings& s) {
    return {s.figureColor, s.stakeoutColor, s.instructionColor, s.noteColor, s.dollopNoteColor};
}

void StoreColours(Settings& s, const LadderColourSet& c) {
    s.figureColor = c.figure;
    s.stakeoutColor = c.stakeout;
    s.instructionColor = c.instruction;
    s.noteColor = c.note;
    s.dollopNoteColor = c.dollopNote;
}

bool CaptionInWhite(ColorValue colour) {
    const TColor rgb = ColorToRGB(colour);
    // Perceived brightness, 0 to 255 000.
    const int brightness = RedOf(rgb) * 299 + GreenOf(rgb) * 587 + BlueOf(rgb) * 114;
    return brightness < 128000;
}

}  // namespace vx
