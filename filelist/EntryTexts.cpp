// SPDX-License-Identifier: MIT
#include "EntryTexts.h"

#include <QRegularExpression>
#include <algorithm>
#include <ctime>

namespace lectavo::filelist {

QString sizeText(std::uint64_t bytes) { return QString::number(bytes / 1024) + QStringLiteral("KB"); }

TimeFormat TimeFormat::fromLocale(const QLocale& locale)
{
    TimeFormat f;
    f.shortDate = locale.dateFormat(QLocale::ShortFormat);
    f.dateLocale = locale;
    QString time = locale.timeFormat(QLocale::LongFormat);
    qsizetype hour = time.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    f.hourLeadingZero = hour >= 0 && hour + 1 < time.size() && time[hour + 1].toLower() == QLatin1Char('h');
    qsizetype designator = time.indexOf(QRegularExpression(QStringLiteral("[aA][pP]?")));
    f.twelveHour = designator >= 0;
    f.designatorFirst = f.twelveHour && designator < hour;
    f.timeSeparator = QStringLiteral(":");
    if (hour >= 0) {
        qsizetype sep = hour;
        while (sep < time.size() && time[sep].toLower() == QLatin1Char('h'))
            ++sep;
        qsizetype end = sep;
        while (end < time.size() && time[end] != QLatin1Char('m'))
            ++end;
        if (end > sep && end < time.size())
            f.timeSeparator = time.mid(sep, end - sep);
    }
    f.amDesignator = locale.amText();
    f.pmDesignator = locale.pmText();
    return f;
}

QString localTimeText(const QDateTime& local, const TimeFormat& format)
{
    return localTimeText(local.date(), local.time(), format);
}

QString localTimeText(QDate date, QTime time, const TimeFormat& format)
{
    int second = time.second();
    // The two-second steps of the FAT time format, kept where that format can hold the date.
    if (date.year() >= 1980 && date.year() <= 2107)
        second &= ~1;
    QString text = format.dateLocale.toString(date, format.shortDate);
    if (time.hour() == 0 && time.minute() == 0 && second == 0)
        return text;

    int hour = time.hour();
    QString designator;
    if (format.twelveHour) {
        designator = hour < 12 ? format.amDesignator : format.pmDesignator;
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString clock = (format.hourLeadingZero ? QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')) : QString::number(hour)) +
                    format.timeSeparator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0')) +
                    format.timeSeparator + QStringLiteral("%1").arg(second, 2, 10, QLatin1Char('0'));
    if (!designator.isEmpty())
        clock = format.designatorFirst ? designator + QLatin1Char(' ') + clock : clock + QLatin1Char(' ') + designator;
    return text + QLatin1Char(' ') + clock;
}

QString timeText(std::int64_t utcSeconds, const TimeFormat& format)
{
    // The C library's conversion applies the offset in force at the stamp's own date, daylight saving included.
    std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local {};
    if (!localtime_r(&t, &local))
        return localTimeText(QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC), format);
    return localTimeText(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                         QTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)), format);
}

}  // namespace lectavo::filelist
