#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vx {
namespace {

QTranslator& Chinese() {
    static QTranslator translator;
    return translator;
}

bool& Installed() {
    static bool installed = false;
    return installed;
}

}  // namespace

bool UseQtTranslations(bool chinese) {
    QTranslator& translator = Chinese();
    if (!chinese) {
        if (Installed()) QCoreApplication::removeTranslator(&translator);
        Installed() = false;
        return true;
    }
    if (translator.isEmpty() &&
        !translator.load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    if (!Installed()) Installed() = QCoreApplication::installTranslator(&translator);
    return Installed();
}

}  // namespace vx
