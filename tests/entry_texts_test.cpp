// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "EntryTexts.h"

using namespace lectavo::filelist;

namespace {

struct SizeCase {
    std::string description;
    std::uint64_t bytes;
    const char* text;
};

class SizeTextTest : public ::testing::TestWithParam<SizeCase> {};

std::vector<SizeCase> sizeCases()
{
    return {
        {"Empty", 0, "0KB"},
        {"JustUnderOneK", 1023, "0KB"},
        {"OneK", 1024, "1KB"},
        {"JustUnderOneMeg", 1048575, "1023KB"},
        {"FifteenHundredK", 1536000, "1500KB"},
        {"ThreeGiB", 3ull << 30, "3145728KB"},
    };
}

TimeFormat usFormat()
{
    return TimeFormat{};  // M/d/yyyy, ":", no leading zero, 12-hour, AM/PM after
}

TimeFormat germanFormat()
{
    TimeFormat f;
    f.shortDate = QStringLiteral("dd.MM.yyyy");
    f.hourLeadingZero = true;
    f.twelveHour = false;
    return f;
}

TimeFormat designatorFirstFormat()
{
    TimeFormat f;
    f.shortDate = QStringLiteral("yyyy/M/d");
    f.amDesignator = QStringLiteral("AM");
    f.pmDesignator = QStringLiteral("PM");
    f.designatorFirst = true;
    return f;
}

struct TimeCase {
    std::string description;
    TimeFormat format;
    QDateTime local;
    const char* text;
};

class TimeTextTest : public ::testing::TestWithParam<TimeCase> {};

QDateTime at(int y, int mo, int d, int h, int mi, int s) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }

std::vector<TimeCase> timeCases()
{
    return {
        {"AfternoonOddSecond", usFormat(), at(2010, 5, 14, 15, 42, 19), "5/14/2010 3:42:18 PM"},
        {"Midnight", usFormat(), at(2010, 5, 14, 0, 0, 0), "5/14/2010"},
        {"OneSecondPastMidnight", usFormat(), at(2010, 5, 14, 0, 0, 1), "5/14/2010"},
        {"NoonIsPm", usFormat(), at(2010, 5, 14, 12, 0, 0), "5/14/2010 12:00:00 PM"},
        {"HourZeroIsTwelveAm", usFormat(), at(2010, 5, 14, 0, 5, 4), "5/14/2010 12:05:04 AM"},
        {"TwentyFourHour", germanFormat(), at(2010, 5, 14, 15, 42, 18), "14.05.2010 15:42:18"},
        {"LeadingZeroMorning", germanFormat(), at(2010, 5, 14, 9, 5, 4), "14.05.2010 09:05:04"},
        {"DesignatorFirst", designatorFirstFormat(), at(2010, 5, 14, 9, 5, 4), "2010/5/14 AM 9:05:04"},
        {"Before1980KeepsOddSecond", usFormat(), at(1975, 1, 2, 3, 4, 5), "1/2/1975 3:04:05 AM"},
        {"After2107KeepsOddSecond", usFormat(), at(2110, 1, 2, 3, 4, 5), "1/2/2110 3:04:05 AM"},
    };
}

}  // namespace

TEST_P(SizeTextTest, WholeKilobytes) { EXPECT_EQ(sizeText(GetParam().bytes), QString::fromLatin1(GetParam().text)); }

INSTANTIATE_TEST_SUITE_P(Sizes, SizeTextTest, ::testing::ValuesIn(sizeCases()),
                         [](const auto& info) { return info.param.description; });

TEST_P(TimeTextTest, LocaleForm)
{
    EXPECT_EQ(localTimeText(GetParam().local, GetParam().format), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Times, TimeTextTest, ::testing::ValuesIn(timeCases()),
                         [](const auto& info) { return info.param.description; });

TEST(TimeText, EachStampUsesTheOffsetOfItsOwnDate)
{
    // The tests run with TZ=Europe/Berlin: UTC+2 in summer, UTC+1 in winter.
    const auto summer = QDateTime(QDate(2010, 7, 1), QTime(10, 0, 0), Qt::UTC).toSecsSinceEpoch();
    const auto winter = QDateTime(QDate(2010, 1, 1), QTime(10, 0, 0), Qt::UTC).toSecsSinceEpoch();
    EXPECT_EQ(timeText(summer, germanFormat()), QStringLiteral("01.07.2010 12:00:00"));
    EXPECT_EQ(timeText(winter, germanFormat()), QStringLiteral("01.01.2010 11:00:00"));
}

TEST(TimeText, FormatFromLocale)
{
    TimeFormat us = TimeFormat::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(us.twelveHour);
    EXPECT_FALSE(us.designatorFirst);
    EXPECT_FALSE(us.hourLeadingZero);
    EXPECT_EQ(us.timeSeparator, QStringLiteral(":"));
    EXPECT_EQ(us.pmDesignator, QStringLiteral("PM"));

    TimeFormat de = TimeFormat::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FALSE(de.twelveHour);
    EXPECT_TRUE(de.hourLeadingZero);
    EXPECT_EQ(localTimeText(at(2010, 5, 14, 9, 5, 4), de), QStringLiteral("14.05.10 09:05:04"));
}
