// The text of the status bar's clock panel.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace vx {

// " " + date + "  " + time, both in the locale's short formats. Every writer
// of the clock panel goes through here, so its format never changes.
QString StatusClockText(const QDateTime& now, const QLocale& locale = QLocale());

}  // namespace vx
