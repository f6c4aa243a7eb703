#include "core/text/text_forms.h"

#include <gtest/gtest.h>

using namespace sarvo;

TEST(TextForms, NumbersInGeneralFormat) {
    struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {0.5, "0,5"},
        {12, "12"},
        {1.75, "1,75"},
        {0.0001, "0,0001"},
        {0.00005, "5E-5"},
        {0.05, "0,05"},
        {1.234, "1,234"},
        {-2.5, "-2,5"},
        {0.1 + 0.2, "0,3"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e16, "1,5E16"},
        {0.000123456, "0,000123456"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {99999.99999999999, "100000"},
        {-0.00001, "-1E-5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value).toStdString(), c.text) << c.value;
    EXPECT_EQ(formatNumber(1.75, '.'), "1.75");
}

TEST(TextForms, IdentifierTexts) {
    EXPECT_EQ(identifierHex16(0x1234), "0000000000001234");
    EXPECT_EQ(identifierDisplayText(0x1234), "1234");
    EXPECT_EQ(identifierDisplayText(0), "0");
    EXPECT_EQ(identifierDisplayText(0x0000000001234567), "1234567");
    EXPECT_EQ(identifierDisplayText(0x1A), "1A");
    EXPECT_TRUE(identifierHasLetters(0x1A));
    EXPECT_FALSE(identifierHasLetters(0x9999999999999999LL));
    EXPECT_EQ(identifierDisplayText(static_cast<std::int64_t>(0x9999999999999999ULL)),
              "9999999999999999");
    EXPECT_EQ(identifierHex16(-1), "FFFFFFFFFFFFFFFF");
}

TEST(TextForms, DayCountsSince1899) {
    EXPECT_EQ(dateFromDays(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromDays(46361.75), QDate(2026, 12, 5));
    EXPECT_EQ(daysFromDate(QDate(2026, 12, 5)), 46361.0);
    EXPECT_EQ(timeFromFraction(0.5), QTime(12, 0));
}

TEST(TextForms, StoredTimesReadBackToTheSecond) {
    // Every second of the day survives the fraction, including those whose fraction lies a
    // hair below the exact value.
    for (int s = 0; s < 86400; ++s) {
        QTime t = QTime(0, 0).addSecs(s);
        ASSERT_EQ(timeFromFraction(fractionFromTime(t)), t) << s;
    }
    EXPECT_EQ(timeFromFraction(0.99999999999), QTime(23, 59, 59, 999));
}

TEST(TextForms, RussianLocaleDatesAndTimes) {
    ValueFormats ru(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(ru.date(QDate(2026, 12, 5)), "05.12.2026");
    EXPECT_EQ(ru.time(QTime(14, 30, 15)), "14:30:15");
    EXPECT_EQ(ru.time(fractionFromTime(QTime(9, 5, 7))), "09:05:07");
}

TEST(TextForms, OtherLocalesUseDotAndColonAndNoTimeZone) {
    ValueFormats us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.date(QDate(2026, 12, 5)), "12.5.26");
    EXPECT_FALSE(us.timePattern().contains('t'));
    EXPECT_TRUE(us.time(QTime(14, 30, 15)).startsWith("2:30:15"));
    ValueFormats de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(de.date(QDate(2026, 12, 5)), "05.12.26");
    EXPECT_EQ(de.time(QTime(14, 30, 15)), "14:30:15");
    ValueFormats c(QLocale::c());
    EXPECT_EQ(c.date(QDate(2026, 12, 5)), "05.12.2026");
    EXPECT_EQ(c.time(QTime(14, 30, 15)), "14:30:15");
}

TEST(TextForms, SystemLocaleFollowsLang) {
    // The tests run with LANG=ru_RU.UTF-8.
    if (QLocale::system().language() != QLocale::Russian)
        GTEST_SKIP() << "not started with a Russian LANG";
    EXPECT_EQ(ValueFormats::system().date(QDate(2026, 12, 5)), "05.12.2026");
}

TEST(TextForms, NameCell) {
    UserRecord u;
    u.setTexts("Petrov", "Ivan", "", "Lab");
    EXPECT_EQ(nameCell(u), " Petrov Ivan ");
}
