// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>

namespace lectavo::filelist {

// The Size column: whole kilobytes, "KB" appended (0 to 1023 bytes give "0KB").
QString sizeText(std::uint64_t bytes);

// How the user's locale writes a time text.
struct TimeFormat {
    QString shortDate = QStringLiteral("M/d/yyyy");  // a QLocale date pattern
    QString timeSeparator = QStringLiteral(":");
    bool hourLeadingZero = false;
    bool twelveHour = true;
    QString amDesignator = QStringLiteral("AM");
    QString pmDesignator = QStringLiteral("PM");
    bool designatorFirst = false;
    QLocale dateLocale = QLocale::c();  // month and day names in the date pattern

    static TimeFormat fromLocale(const QLocale& locale);
};

// The Build Time and ModifyTime columns for a time stamp (seconds since the
// epoch, UTC): converted to local time with the offset of its own date, seconds
// reduced to even within 1980..2107, then the short date and, unless the time
// of day is exactly midnight, one blank and the long time.
QString timeText(std::int64_t utcSeconds, const TimeFormat& format);

// The same for a local date and time already computed.
QString localTimeText(const QDateTime& local, const TimeFormat& format);
QString localTimeText(QDate date, QTime time, const TimeFormat& format);

}  // namespace lectavo::filelist
