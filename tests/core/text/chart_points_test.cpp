#include "core/text/chart_points.h"
#include "core/text/text_forms.h"

#include <gtest/gtest.h>

using namespace sarvo;

namespace {

const ValueFormats kRussian(QLocale(QStringLiteral("ru_RU")));

HistoryRecord reading(int d, int h, int m, int s, double doseSum) {
    HistoryRecord r;
    r.HistDate = daysFromDate(QDate(2026, 12, d));
    r.HistTime = fractionFromTime(QTime(h, m, s));
    r.DoseSum = doseSum;
    r.UserNo = 1;
    return r;
}

std::vector<ChartPoint> withDoses(const std::vector<double>& doses) {
    std::vector<ChartPoint> points;
    for (double y : doses)
        points.push_back({0.0, y, QString()});
    return points;
}

} // namespace

TEST(ChartPoints, DoseAxisRangeHasFivePercentOfTheSmallestValue) {
    const std::tuple<std::vector<double>, double, double, std::optional<AxisRange>> cases[] = {
        {{}, 0.0, 0.0, std::nullopt},
        {{2.0}, 1.9, 2.1, AxisRange{1.9, 2.1}},
        {{0.0, 1.0, 3.0}, 0.0, 3.0, AxisRange{1.0, 3.0}}, // log: smallest positive
        {{12.0, 10.0}, 9.5, 12.5, AxisRange{9.5, 12.5}},
        {{0.0, 0.0}, 0.0, 0.0, std::nullopt}}; // log: stays linear
    for (const auto& [doses, min, max, log] : cases) {
        const auto points = withDoses(doses);
        const AxisRange range = doseAxisRange(points);
        EXPECT_DOUBLE_EQ(range.min, min);
        EXPECT_DOUBLE_EQ(range.max, max);
        if (doses.size() != 0) {
            EXPECT_EQ(logDoseAxisRange(points, range), log);
        }
    }
}

TEST(ChartPoints, FirstPointOfADayCarriesTheDate) {
    const std::vector<HistoryRecord> shown{reading(5, 9, 0, 0, 1), reading(5, 14, 30, 15, 2),
                                           reading(5, 16, 2, 40, 3), reading(6, 8, 15, 0, 4),
                                           reading(6, 9, 0, 5, 5)};
    const auto points = chartPoints(shown, kRussian);
    QStringList labels;
    for (const ChartPoint& p : points)
        labels << p.label;
    EXPECT_EQ(labels, (QStringList{"05.12.2026/09:00:00", "14:30:15", "16:02:40",
                                   "06.12.2026/08:15:00", "09:00:05"}));
    EXPECT_DOUBLE_EQ(points[1].x, shown[1].HistDate + shown[1].HistTime);
    EXPECT_EQ(points[4].y, 5.0);
    // A reading stored after a later one (the clock was set back) gets its label by file order
    // and its point goes in its place on the time axis.
    const auto back = chartPoints({reading(5, 10, 0, 0, 1), reading(5, 9, 0, 0, 2)}, kRussian);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].label, QStringLiteral("09:00:00"));
    EXPECT_EQ(back[1].label, QStringLiteral("05.12.2026/10:00:00"));
}
