#include "editor/qt/StatusClock.h"

namespace vx {

QString StatusClockText(const QDateTime& now, const QLocale& locale) {
    return QLatin1Char(' ') + locale.toString(now.date(), QLocale::ShortFormat) +
           QStringLiteral("  ") + locale.toString(now.time(), QLocale::ShortFormat);
}

}  // namespace vx
