#include "store/store.h"
#include "views/filter_texts.h"
#include "views/hist_filter.h"
#include "views/text_forms.h"

#include <QTemporaryDir>
#include <cstring>
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

// Runs the dialog's OK with both ranges as the check boxes left them.
HistFilter confirmed(bool dateOn, bool timeOn, const FilterEditTexts& texts) {
    HistFilter f;
    f.DateOn = dateOn;
    f.TimeOn = timeOn;
    EXPECT_TRUE(confirmFilter(f, texts, kRussian).accepted());
    return f;
}

} // namespace

TEST(HistFilter, NoBoundHasItsBitPattern) {
    std::uint64_t bits;
    std::memcpy(&bits, &NoBound, sizeof bits);
    EXPECT_EQ(bits, 0xC197D783FC000000u);
}

TEST(HistFilter, BothDateEditsEmptyLetEveryReadingPass) {
    HistFilter f;
    f.DateOn = true;
    const FilterConfirmation c = confirmFilter(
        f, {QStringLiteral("  .  .  "), QStringLiteral("  .  .  "), {}, {}}, kRussian);
    EXPECT_TRUE(c.accepted());
    EXPECT_TRUE(c.filterMark);
    EXPECT_EQ(f.DateFrom, NoBound);
    EXPECT_EQ(f.DateTo, NoBound);
    EXPECT_TRUE(f.passes(day(1900, 1, 1), 0.0));
    EXPECT_TRUE(f.passes(day(2099, 12, 31), at(23, 59, 59)));
}

TEST(HistFilter, DateRangeIsInclusive) {
    const HistFilter f =
        confirmed(true, false, {QStringLiteral("01.12.26"), QStringLiteral("05.12.26"), {}, {}});
    EXPECT_FALSE(f.passes(day(2026, 11, 30), at(23, 59, 59)));
    EXPECT_TRUE(f.passes(day(2026, 12, 1), 0.0));
    EXPECT_TRUE(f.passes(day(2026, 12, 5), at(23, 59, 59)));
    EXPECT_FALSE(f.passes(day(2026, 12, 6), 0.0));
}

TEST(HistFilter, OnlyTheUpperDateBound) {
    const HistFilter f =
        confirmed(true, false, {QStringLiteral("  .  .  "), QStringLiteral("05.12.26"), {}, {}});
    EXPECT_EQ(f.DateFrom, NoBound);
    EXPECT_TRUE(f.passes(day(1990, 1, 1), 0.0));
    EXPECT_TRUE(f.passes(day(2026, 12, 5), 0.5));
    EXPECT_FALSE(f.passes(day(2026, 12, 6), 0.0));
}

TEST(HistFilter, TimeRangeAppliesToEveryDate) {
    const HistFilter f =
        confirmed(false, true, {{}, {}, QStringLiteral("08:00"), QStringLiteral("17:00")});
    for (double date : {day(2026, 12, 1), day(1999, 3, 7)}) {
        EXPECT_FALSE(f.passes(date, at(7, 59, 59)));
        EXPECT_TRUE(f.passes(date, at(8, 0, 0)));
        EXPECT_TRUE(f.passes(date, at(17, 0, 0)));
        EXPECT_FALSE(f.passes(date, at(17, 0, 1)));
    }
}

TEST(HistFilter, ReversedTimeRangeLetsNothingPass) {
    const HistFilter f =
        confirmed(false, true, {{}, {}, QStringLiteral("22:00"), QStringLiteral(" 6:00")});
    for (int h = 0; h < 24; ++h)
        EXPECT_FALSE(f.passes(day(2026, 12, 1), at(h, 30))) << h;
}

TEST(HistFilter, DateBoxTickedAndClosedBeforeAnyOkShowsNothing) {
    HistFilter f;    // bounds 0.0, as at start
    f.DateOn = true; // the check box acts at once; the close box reads no edit
    EXPECT_FALSE(f.passes(day(2026, 12, 5), 0.5));
    f.DateOn = false; // unticked: the bounds stay but do not apply
    EXPECT_TRUE(f.passes(day(2026, 12, 5), 0.5));
}

TEST(HistFilter, InvalidDateStopsOkAtThatEdit) {
    HistFilter f;
    f.DateOn = true;
    f.DateTo = 42.0;
    const FilterConfirmation c = confirmFilter(
        f, {QStringLiteral("01.12.26"), QStringLiteral("31.02.26"), {}, {}}, kRussian);
    EXPECT_FALSE(c.accepted());
    EXPECT_EQ(c.failedEdit, FilterEdit::DateTo);
    EXPECT_EQ(c.message, QStringLiteral("'31.02.26' is not a valid date"));
    EXPECT_TRUE(c.filterMark);
    EXPECT_EQ(f.DateFrom, day(2026, 12, 1)); // read before the failure: kept
    EXPECT_EQ(f.DateTo, 42.0);
}

TEST(HistFilter, SwitchedOffRangesAreNotReadAndClearTheMark) {
    HistFilter f;
    f.TimeOn = true;
    const FilterConfirmation bad = confirmFilter(
        f, {QStringLiteral("xx"), {}, QStringLiteral("24:00"), QStringLiteral("08:00")}, kRussian);
    EXPECT_EQ(bad.failedEdit, FilterEdit::TimeFrom);
    EXPECT_EQ(bad.message, QStringLiteral("'24:00' is not a valid time"));
    f.TimeOn = false;
    const FilterConfirmation ok = confirmFilter(f, {QStringLiteral("xx"), {}, {}, {}}, kRussian);
    EXPECT_TRUE(ok.accepted());
    EXPECT_FALSE(ok.filterMark);
}

TEST(FilterTexts, ReadsDatesAndTimes) {
    struct {
        const char* text;
        QDate date; // invalid: refused
    } dates[] = {
        {"05.12.26", QDate(2026, 12, 5)},
        {" 5.12.26", QDate(2026, 12, 5)},
        {" 5. 1.26", QDate(2026, 1, 5)},
        {"01.01.76", QDate(1976, 1, 1)},
        {"31.12.75", QDate(2075, 12, 31)},
        {"29.02.28", QDate(2028, 2, 29)},
        {"05.12.2026", QDate(2026, 12, 5)},
        {"  .  .26", QDate()},
        {"31.02.26", QDate()},
        {"00.12.26", QDate()},
        {"05.13.26", QDate()},
        {"29.02.27", QDate()},
        {"05.12.", QDate()},
        {"05.12.26x", QDate()},
        {"05/12/26", QDate()},
        {"", QDate()},
    };
    for (const auto& c : dates) {
        const auto read = kRussian.readDate(QString::fromLatin1(c.text));
        EXPECT_EQ(read.value_or(QDate()), c.date) << c.text;
    }
    struct {
        const char* text;
        int minutes; // -1: refused
    } times[] = {{"08:00", 480}, {" 8:05", 485}, {"00:00", 0},  {"23:59", 1439}, {"24:00", -1},
                 {"12:60", -1},  {"  :30", -1},  {"12:  ", -1}, {"1230", -1}};
    for (const auto& c : times) {
        const auto read = FilterTexts::readTime(QString::fromLatin1(c.text));
        EXPECT_EQ(read ? read->msecsSinceStartOfDay() / 60000 : -1, c.minutes) << c.text;
    }
    EXPECT_EQ(*kRussian.timeBound(QStringLiteral("17:00")), 17.0 / 24.0);
    EXPECT_EQ(*kRussian.timeBound(QStringLiteral("  :  ")), NoBound);
}

TEST(FilterTexts, TwoDigitYearWindowFollowsTheCurrentYear) {
    EXPECT_EQ(kRussian.expandYear(76), 1976);
    EXPECT_EQ(kRussian.expandYear(75), 2075);
    EXPECT_EQ(kRussian.expandYear(26), 2026);
    const FilterTexts in2080(QStringLiteral("dd.MM.yyyy"), 2080);
    EXPECT_EQ(in2080.expandYear(30), 2030);
    EXPECT_EQ(in2080.expandYear(29), 2129);
}

TEST(FilterTexts, FieldOrderFollowsTheLocale) {
    const FilterTexts us(ValueFormats(QLocale(QStringLiteral("en_US"))).datePattern(), 2026);
    EXPECT_EQ(us.readDate(QStringLiteral("12.05.26")), QDate(2026, 12, 5));
    const FilterTexts iso(QStringLiteral("yyyy.MM.dd"), 2026);
    EXPECT_EQ(iso.readDate(QStringLiteral("26.12.05")), QDate(2026, 12, 5));
}

TEST(FilterTexts, BoundsWrittenBackReadTheSame) {
    const FilterTexts us(ValueFormats(QLocale(QStringLiteral("en_US"))).datePattern(), 2026);
    const FilterTexts iso(QStringLiteral("yyyy-MM-dd"), 2026);
    EXPECT_EQ(kRussian.dateEditText(day(2026, 12, 5)), QStringLiteral("05.12.26"));
    EXPECT_EQ(us.dateEditText(day(2026, 1, 5)), QStringLiteral(" 1. 5.26"));
    EXPECT_EQ(iso.dateEditText(day(2001, 2, 3)), QStringLiteral("01.02.03"));
    EXPECT_EQ(kRussian.dateEditText(NoBound), QStringLiteral("  .  .  "));
    for (const FilterTexts* forms : {&kRussian, &us, &iso})
        for (double bound : {day(1976, 1, 1), day(2026, 12, 5), day(2075, 12, 31), NoBound})
            EXPECT_EQ(forms->dateBound(forms->dateEditText(bound)), bound);

    EXPECT_EQ(FilterTexts::timeEditText(at(8, 5)), QStringLiteral("08:05"));
    EXPECT_EQ(FilterTexts::timeEditText(NoBound), QStringLiteral("  :  "));
    for (double bound : {0.0, at(8, 0), at(17, 0), at(23, 59), NoBound})
        EXPECT_EQ(kRussian.timeBound(FilterTexts::timeEditText(bound)), bound);
}

TEST(ShownReadings, OnlyThePersonsReadingsThatPassInFileOrder) {
    QTemporaryDir dir;
    Store store(dir.path().toStdString());
    store.ensureDataDir();
    auto reading = [](int userNo, int d, double dose) {
        HistoryRecord r;
        r.HistDate = day(2026, 12, d);
        r.HistTime = at(10, 0);
        r.Dose = dose;
        r.UserNo = userNo;
        return r;
    };
    for (const HistoryRecord& r : {reading(1, 1, 1), reading(2, 2, 2), reading(0, 3, 3),
                                   reading(1, 4, 4), reading(1, 7, 5), reading(1, 2, 6)})
        store.appendHistory(r);

    HistFilter f;
    f.DateOn = true;
    f.DateFrom = day(2026, 12, 2);
    f.DateTo = NoBound;
    std::vector<double> doses;
    for (const HistoryRecord& r : shownReadings(store, 1, f))
        doses.push_back(r.Dose);
    EXPECT_EQ(doses, (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(shownReadings(store, 1, HistFilter{}).size(), 4u);
    EXPECT_TRUE(shownReadings(store, 0, HistFilter{}).empty());
    EXPECT_TRUE(shownReadings(store, 9, HistFilter{}).empty());
}
