// Qt's own texts (standard buttons, the file, font, colour and print
// dialogs) in the interface language.
//
// Qt ships its texts in English; the Chinese ones come from Qt's translation
// catalogue "qtbase_zh_CN.qm" (Debian package qt6-translations-l10n), looked
// for in Qt's translations folder.
#pragma once

namespace vx {

// Chinese: installs Qt's Chinese catalogue (once); English: removes it.
// Returns false when Chinese was asked for and the catalogue is not
// installed (Qt's texts then stay English).
bool UseQtTranslations(bool chinese);

}  // namespace vx
