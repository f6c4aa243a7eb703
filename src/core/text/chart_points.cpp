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

AxisRange drawnLinearRange(const AxisRange& range) {
    if (range.max > range.min)
        return range;
    return {range.min, range.min + 1.0};
}

namespace {

// `factor` times 10 to the power `exponent`, rounded once (10^-n times 2 as 2 / 10^n).
double scaled(double factor, int exponent) {
    return exponent >= 0 ? factor * std::pow(10.0, exponent) : factor / std::pow(10.0, -exponent);
}

struct Step {
    double factor; // 1, 2 or 5
    int exponent;
};

Step roundStepOf(double rough) {
    int exponent = static_cast<int>(std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (scaled(factor, exponent) >= rough * (1.0 - 1e-9))
            return {factor, exponent};
    return {1.0, exponent + 1};
}

} // namespace

double roundStep(double rough) {
    const Step step = roundStepOf(rough);
    return scaled(step.factor, step.exponent);
}

std::vector<double> logDoseTicks(const AxisRange& range, double plotHeight, double textHeight) {
    std::vector<double> ticks;
    if (!(range.min > 0.0) || !(range.max > range.min) || !std::isfinite(range.max) ||
        !(plotHeight > 0.0))
        return ticks;
    const double gap = 2.0 * std::max(textHeight, 1.0);
    const double lowest = std::log10(range.min);
    const double highest = std::log10(range.max);
    const double perDecade = plotHeight / (highest - lowest);
    const auto inRange = [&range](double v) {
        return v >= range.min * (1.0 - 1e-9) && v <= range.max * (1.0 + 1e-9);
    };

    // 1, 2 and 5 are at least log10(2) of a decade apart.
    const bool between = perDecade * std::log10(2.0) >= gap;
    const int every = std::max(1, static_cast<int>(std::ceil(gap / perDecade - 1e-9)));
    const std::vector<double> factors = between ? std::vector{1.0, 2.0, 5.0} : std::vector{1.0};
    for (int e = static_cast<int>(std::floor(lowest)); e <= static_cast<int>(std::ceil(highest));
         ++e) {
        if (e % every != 0)
            continue;
        for (double factor : factors)
            if (const double v = scaled(factor, e); inRange(v))
                ticks.push_back(v);
    }
    if (ticks.size() >= 2)
        return ticks;

    // A narrow range: round steps, as far apart at the top of the range (where they are
    // closest on the axis) as two labels need.
    const double roomStep = gap * range.max * std::log(10.0) / perDecade;
    const Step step = roundStepOf(std::max(roomStep, (range.max - range.min) / 10.0));
    std::vector<double> steps;
    const double unit = scaled(step.factor, step.exponent);
    double k = std::floor(range.min / unit);
    for (int i = 0; i < 100; ++i, ++k) {
        const double v = scaled(k * step.factor, step.exponent);
        if (inRange(v))
            steps.push_back(v);
        else if (v > range.max)
            break;
    }
    return steps.size() > ticks.size() ? steps : ticks;
}

} // namespace sarvo
