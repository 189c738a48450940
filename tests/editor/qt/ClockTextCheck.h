// Checks on the status bar's clock text, and a user's locale for one test.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace vx::test {

// Whether a clock text is " " + date + "  " + time in the short formats of
// the locale.
inline bool IsClockText(const QString& text, const QLocale& locale) {
    if (!text.startsWith(QLatin1Char(' '))) return false;
    const QStringList parts = text.mid(1).split(QStringLiteral("  "));
    return parts.size() == 2 && locale.toDate(parts[0], QLocale::ShortFormat).isValid() &&
           locale.toTime(parts[1], QLocale::ShortFormat).isValid();
}

// Makes a locale the default (the user's locale) until the scope ends.
class ScopedLocale {
  public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(saved_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

  private:
    QLocale saved_;
};

}  // namespace vx::test
