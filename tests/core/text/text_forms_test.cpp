#include "core/store/store.h"
#include "core/text/chart_points.h"
#include "core/text/filter_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace sarvo;

namespace {

double day(int y, int m, int d) {
    return daysFromDate(QDate(y, m, d));
}
double at(int h, int m, int s = 0) {
    return fractionFromTime(QTime(h, m, s));
}

// Day-month-year edits read around the year 2026.
const FilterTexts kRussian(ValueFormats(QLocale(QStringLiteral("ru_RU"))).datePattern(), 2026);
const FilterTexts kUs(ValueFormats(QLocale(QStringLiteral("en_US"))).datePattern(), 2026);
const ValueFormats kRussianForms(QLocale(QStringLiteral("ru_RU")));

// A reading of person 1 on `d` December 2026.
HistoryRecord reading(int d, int h, int m, int s, double doseSum = 0.0, int userNo = 1) {
    return HistoryRecord{day(2026, 12, d), at(h, m, s), 0.0, doseSum, userNo, 0};
}

} // namespace

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

TEST(HistFilter, EdgeCasesAfterOk) {
    // A moment of `d` December 2026 (0: 30 November) at hhmmss.
    auto m = [](int d, int hhmmss) {
        return std::pair{day(2026, 12, 1) + d - 1,
                         at(hhmmss / 10000, hhmmss / 100 % 100, hhmmss % 100)};
    };
    const struct {
        int on; // 1: the date range, 2: the time of day, 3: both
        FilterEditTexts texts;
        std::vector<std::pair<double, double>> pass, stop;
    } cases[] = {
        {1, {"  .  .  ", "  .  .  ", {}, {}}, {m(-45000, 0), m(0, 235959), m(6, 0)}, {}},
        {1, {"01.12.26", "05.12.26", {}, {}}, {m(1, 0), m(5, 235959)}, {m(0, 235959), m(6, 0)}},
        {1, {"  .  .  ", "05.12.26", {}, {}}, {m(-45000, 0), m(5, 235959)}, {m(6, 0)}},
        // A switched-off range is not read.
        {2, {"xx", {}, "08:00", "17:00"}, {m(9, 80000), m(9, 170000)}, {m(9, 75959), m(9, 170001)}},
        {2, {{}, {}, "22:00", " 6:00"}, {}, {m(9, 230000), m(9, 30000), m(1, 0)}},
        // The time of day applies on every day of the date range, not to one continuous span.
        {3,
         {"01.12.26", "05.12.26", "08:00", "17:00"},
         {m(3, 120000), m(1, 80000), m(5, 170000)},
         {m(3, 200000), m(3, 70000)}}};
    for (const auto& c : cases) {
        SCOPED_TRACE((c.texts.dateFrom + c.texts.dateTo + c.texts.timeFrom).toStdString());
        HistFilter f{(c.on & 1) != 0, (c.on & 2) != 0};
        const FilterConfirmation confirmation = confirmFilter(f, c.texts, kRussian);
        EXPECT_TRUE(confirmation.accepted() && confirmation.filterMark);
        for (bool passes : {true, false})
            for (auto [date, time] : passes ? c.pass : c.stop)
                EXPECT_EQ(f.passes(date, time), passes) << date << " " << time;
    }
    HistFilter closed;    // bounds 0.0, as at start
    closed.DateOn = true; // the check box acts at once; the close box reads no edit
    EXPECT_FALSE(closed.passes(day(2026, 12, 5), 0.5));
}

TEST(HistFilter, InvalidBoundStopsOkAtThatEdit) {
    HistFilter f{true, false, 0.0, 42.0};
    FilterConfirmation c = confirmFilter(f, {"01.12.26", "31.02.26", {}, {}}, kRussian);
    EXPECT_EQ(c.failedEdit, FilterEdit::DateTo);
    EXPECT_EQ(c.message, QStringLiteral("'31.02.26' is not a valid date"));
    EXPECT_EQ(std::pair(f.DateFrom, f.DateTo), std::pair(day(2026, 12, 1), 42.0)); // read before
    f = HistFilter{false, true};
    c = confirmFilter(f, {{}, {}, "24:00", "08:00"}, kRussian);
    EXPECT_EQ(c.failedEdit, FilterEdit::TimeFrom);
    EXPECT_EQ(c.message, QStringLiteral("'24:00' is not a valid time"));
    f.TimeOn = false;
    EXPECT_FALSE(confirmFilter(f, {}, kRussian).filterMark);
}

TEST(FilterTexts, ReadsDatesAndTimes) {
    const std::pair<const char*, const char*> dates[] = {
        {" 5. 1.26", "2026-01-05"}, {"01.01.76", "1976-01-01"}, {"31.12.75", "2075-12-31"},
        {"29.02.28", "2028-02-29"}, {"05.12.26", "2026-12-05"}, {"05.12.2026", "2026-12-05"}};
    for (const auto& [text, date] : dates)
        EXPECT_EQ(kRussian.readDate(text), QDate::fromString(date, Qt::ISODate)) << text;
    for (const char* text :
         {"  .  .26", "00.12.26", "05.13.26", "29.02.27", "05.12.26x", "05/12/26"})
        EXPECT_FALSE(kRussian.readDate(text)) << text;
    const std::pair<const char*, const char*> times[] = {
        {" 8:05", "08:05"}, {"23:59", "23:59"}, {"12:60", ""}, {"  :30", ""}, {"1230", ""}};
    for (const auto& [text, time] : times)
        EXPECT_EQ(FilterTexts::readTime(text).value_or(QTime()), QTime::fromString(time, "hh:mm"))
            << text;
    EXPECT_EQ(kUs.readDate(QStringLiteral("12.05.26")), QDate(2026, 12, 5));
    const FilterTexts in2080(QStringLiteral("dd.MM.yyyy"), 2080);
    EXPECT_EQ(std::pair(in2080.expandYear(30), in2080.expandYear(29)), std::pair(2030, 2129));
}

TEST(FilterTexts, BoundsWrittenBack) {
    const FilterTexts iso(QStringLiteral("yyyy-MM-dd"), 2026);
    EXPECT_EQ(kUs.dateEditText(day(2026, 1, 5)) + iso.dateEditText(day(2001, 2, 3)) +
                  kRussian.dateEditText(NoBound),
              " 1. 5.2601.02.03  .  .  ");
    EXPECT_EQ(FilterTexts::timeEditText(at(8, 5)) + FilterTexts::timeEditText(NoBound),
              "08:05  :  ");
}

// The chart's points: only the person's readings that pass, in file order.
TEST(ShownReadings, OnlyThePersonsReadingsThatPassInFileOrder) {
    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    store.ensureDataDir();
    for (auto [userNo, d, sum] :
         {std::tuple{1, 1, 1.0}, {2, 2, 2.0}, {0, 3, 3.0}, {1, 4, 4.0}, {1, 7, 5.0}, {1, 2, 6.0}})
        store.appendHistory(reading(d, 10, 0, 0, sum, userNo));
    std::vector<double> sums;
    for (const HistoryRecord& r :
         shownReadings(store, 1, HistFilter{true, false, day(2026, 12, 2), NoBound, 0, 0}))
        sums.push_back(r.DoseSum);
    EXPECT_EQ(sums, (std::vector<double>{4, 5, 6}));
    EXPECT_TRUE(shownReadings(store, 0, HistFilter{}).empty());
}

TEST(ChartPoints, DoseAxisRangeHasFivePercentOfTheSmallestValue) {
    const std::tuple<std::vector<double>, AxisRange, std::optional<AxisRange>> cases[] = {
        {{2.0}, {1.9, 2.1}, AxisRange{1.9, 2.1}},
        {{0.0, 1.0, 3.0}, {0.0, 3.0}, AxisRange{1.0, 3.0}}, // log: smallest positive
        {{12.0, 10.0}, {9.5, 12.5}, AxisRange{9.5, 12.5}},
        {{0.0, 0.0}, {0.0, 0.0}, std::nullopt}}; // log: stays linear
    EXPECT_EQ(doseAxisRange({}), AxisRange{});
    for (const auto& [doses, range, log] : cases) {
        std::vector<ChartPoint> points;
        for (double y : doses)
            points.push_back({0.0, y, QString()});
        EXPECT_EQ(doseAxisRange(points), range);
        EXPECT_EQ(logDoseAxisRange(points, range), log);
    }
}

TEST(ChartPoints, FirstPointOfADayCarriesTheDate) {
    const std::vector<HistoryRecord> shown{reading(5, 9, 0, 0, 1), reading(5, 14, 30, 15, 2),
                                           reading(5, 16, 2, 40, 3), reading(6, 8, 15, 0, 4),
                                           reading(6, 9, 0, 5, 5)};
    const auto points = chartPoints(shown, kRussianForms);
    QStringList labels;
    for (const ChartPoint& p : points)
        labels << p.label;
    EXPECT_EQ(labels, (QStringList{"05.12.2026/09:00:00", "14:30:15", "16:02:40",
                                   "06.12.2026/08:15:00", "09:00:05"}));
    EXPECT_EQ(points[1], (ChartPoint{shown[1].HistDate + shown[1].HistTime, 2.0, "14:30:15"}));
    // A reading stored after a later one (the clock was set back) gets its label by file order
    // and its point goes in its place on the time axis.
    const auto back = chartPoints({reading(5, 10, 0, 0, 1), reading(5, 9, 0, 0, 2)}, kRussianForms);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].label + back[1].label, QStringLiteral("09:00:0005.12.2026/10:00:00"));
}

// Labels of 10 pixels, so two labels at least 20 pixels apart.
TEST(ChartPoints, LogDoseTicksAsTheRoomAllows) {
    const std::tuple<AxisRange, double, std::vector<double>> cases[] = {
        {{1.0, 10.0}, 1000.0, {1, 2, 5, 10}}, // exactly one decade, room for 2 and 5
        {{1.0, 10.0}, 50.0, {1, 10}},
        {{0.01, 100.0}, 400.0, {0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100}},
        {{0.01, 100.0}, 100.0, {0.01, 0.1, 1, 10, 100}},
        {{0.001, 1000.0}, 60.0, {0.01, 1, 100}}, // every second decade
        {{0.05, 0.3}, 400.0, {0.05, 0.1, 0.2}},
        {{1.9, 2.1}, 100.0, {1.9, 1.95, 2, 2.05, 2.1}}, // narrow: round steps
        {{3.0, 4.0}, 100.0, {3, 3.5, 4}},
        {{0.0, 10.0}, 100.0, {}},
        {{2.0, 2.0}, 100.0, {}},
        {{1.0, 10.0}, 0.0, {}}};
    for (const auto& [range, height, ticks] : cases)
        EXPECT_EQ(logDoseTicks(range, height, 10.0), ticks) << range.min << ' ' << height;
    // A linear axis of no width gets a range of its own.
    EXPECT_EQ(drawnLinearRange(AxisRange{}), (AxisRange{0.0, 1.0}));
    EXPECT_EQ(drawnLinearRange(AxisRange{1.9, 2.1}), (AxisRange{1.9, 2.1}));
}
