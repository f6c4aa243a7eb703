#include "core/text/chart_points.h"

#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace sarvo {

std::vector<ChartPoint> chartPoints(const std::vector<HistoryRecord>& shown,
                                    const ValueFormats& formats) {
    std::vector<ChartPoint> points;
    points.reserve(shown.size());
    // Readings come at a few times of day: each time text is made once and shared by the labels
    // that show it (keyed by the millisecond of the day, -1 for no valid time).
    QHash<int, QString> timeTexts;
    double previousDate = NoBound;
    for (const HistoryRecord& r : shown) {
        const QTime time = timeFromFraction(r.HistTime);
        const int key = time.isValid() ? time.msecsSinceStartOfDay() : -1;
        auto found = timeTexts.constFind(key);
        if (found == timeTexts.constEnd())
            found = timeTexts.insert(key, formats.time(time));
        QString label = *found;
        if (r.HistDate != previousDate)
            label = formats.date(r.HistDate) + QLatin1Char('/') + label;
        points.push_back({r.HistDate + r.HistTime, r.DoseSum, std::move(label)});
        previousDate = r.HistDate;
    }
    // Usually in order already (readings are listed as they arrived); a damaged moment (NaN) has
    // no order, and the sort decides where it goes.
    const auto earlier = [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; };
    if (std::any_of(points.begin(), points.end(),
                    [](const ChartPoint& p) { return std::isnan(p.x); }) ||
        !std::is_sorted(points.begin(), points.end(), earlier))
        std::stable_sort(points.begin(), points.end(), earlier);
    return points;
}

AxisRange doseAxisRange(const std::vector<ChartPoint>& points) {
    if (points.empty())
        return {};
    auto [lowest, highest] =
        std::minmax_element(points.begin(), points.end(),
                            [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
    const double margin = 0.05 * std::fabs(lowest->y);
    return {lowest->y - margin, highest->y + margin};
}

std::optional<AxisRange> logDoseAxisRange(const std::vector<ChartPoint>& points,
                                          const AxisRange& range) {
    if (range.min > 0.0)
        return range;
    std::optional<double> smallest;
    for (const ChartPoint& p : points)
        if (p.y > 0.0 && (!smallest || p.y < *smallest))
            smallest = p.y;
    if (!smallest)
        return std::nullopt;
    return AxisRange{*smallest, std::max(*smallest, range.max)};
}

} // namespace sarvo
