#include "core/text/text_forms.h"

#include <gtest/gtest.h>

using namespace sarvo;

TEST(TextForms, NumbersInGeneralFormat) {
    QStringList texts;
    for (double value : {0.0, 12.0, 0.0001, 0.00005, -2.5, 0.1 + 0.2, 123456789012345.0, 1e15,
                         1.5e16, 1.0 / 3, 2.0 / 3, 99999.99999999999, -0.00001})
        texts << formatNumber(value);
    EXPECT_EQ(texts.join(' '), "0 12 0,0001 5E-5 -2,5 0,3 123456789012345 1E15 1,5E16 "
                               "0,333333333333333 0,666666666666667 100000 -1E-5");
    EXPECT_EQ(formatNumber(1.75, '.'), "1.75");
}

TEST(TextForms, Identifiers) {
    QStringList texts;
    for (std::int64_t id :
         {0x1234LL, 0LL, 0x1234567LL, 0x1ALL, static_cast<long long>(0x9999999999999999ULL)})
        texts << identifierDisplayText(id);
    EXPECT_EQ(texts.join(' '), "1234 0 1234567 1A 9999999999999999");
    EXPECT_EQ(identifierHex16(0x1234) + identifierHex16(-1), "0000000000001234FFFFFFFFFFFFFFFF");
    EXPECT_TRUE(identifierHasLetters(0x1A) && !identifierHasLetters(0x9999999999999999LL));
}

TEST(TextForms, DayCountsAndEverySecondOfTheDay) {
    EXPECT_EQ(dateFromDays(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromDays(46361.75), QDate(2026, 12, 5));
    EXPECT_EQ(daysFromDate(QDate(2026, 12, 5)), 46361.0);
    // Every second survives the fraction, also those whose fraction lies a hair below the value.
    for (int s = 0; s < 86400; ++s)
        ASSERT_EQ(timeFromFraction(fractionFromTime(QTime(0, 0).addSecs(s))).msecsSinceStartOfDay(),
                  s * 1000);
    EXPECT_EQ(timeFromFraction(0.99999999999), QTime(23, 59, 59, 999));
}

TEST(TextForms, LocalesUseDotAndColonAndNoTimeZone) {
    const std::tuple<QLocale, const char*, const char*> cases[] = {
        {QLocale(QLocale::Russian, QLocale::Russia), "05.12.2026", "14:30:15"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12.5.26", "2:30:15"},
        {QLocale(QLocale::German, QLocale::Germany), "05.12.26", "14:30:15"},
        {QLocale::c(), "05.12.2026", "14:30:15"}};
    for (const auto& [locale, date, time] : cases) {
        const ValueFormats forms(locale);
        EXPECT_EQ(forms.date(QDate(2026, 12, 5)), date);
        EXPECT_TRUE(forms.time(QTime(14, 30, 15)).startsWith(time)) << time;
        EXPECT_FALSE(forms.timePattern().contains('t'));
    }
    EXPECT_EQ(ValueFormats(QLocale::c()).time(fractionFromTime(QTime(9, 5, 7))), "09:05:07");
}
