#include "core/text/chart_points.h"

#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"

#include <algorithm>
#include <cmath>

namespace sarvo {

std::vector<ChartPoint> chartPoints(const std::vector<HistoryRecord>& shown,
                                    const ValueFormats& formats) {
    std::vector<ChartPoint> points;
    points.reserve(shown.size());
    double previousDate = NoBound;
    for (const HistoryRecord& r : shown) {
        QString label = formats.time(r.HistTime);
        if (r.HistDate != previousDate)
            label = formats.date(r.HistDate) + QLatin1Char('/') + label;
        points.push_back({r.HistDate + r.HistTime, r.DoseSum, label});
        previousDate = r.HistDate;
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; });
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
