#pragma once

#include "core/store/records.h"

#include <QString>
#include <optional>
#include <vector>

namespace sarvo {

class ValueFormats;

// One point of the history chart: X is the moment of the reading in days (HistDate +
// HistTime), Y the accumulated dose DoseSum in mSv, and the label the text written along the
// time axis.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    QString label;

    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The points of the readings shown (in file order, as forEachShownReading gives them), in
// ascending order of X; points of equal X keep their file order. A label is the date text, "/"
// and the time text for a reading whose HistDate differs from that of the reading before it in
// file order (so the first one shown of each day, also under a filter), and the time text alone
// otherwise. The screen chart and the printed chart build their series from here.
std::vector<ChartPoint> chartPoints(const std::vector<HistoryRecord>& shown,
                                    const ValueFormats& formats);

struct AxisRange {
    double min = 0.0;
    double max = 0.0;

    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// The fixed range of the dose axis: from minY - m to maxY + m with m = 5 % of |minY| (the
// smallest value gives the margin at both ends); 0 to 0 without points. The printed chart copies
// this range.
AxisRange doseAxisRange(const std::vector<ChartPoint>& points);

// A logarithmic dose axis cannot start at 0 or below: it is drawn from the smallest positive Y
// of the points instead (up to range.max), or stays linear when no Y is positive (nothing).
std::optional<AxisRange> logDoseAxisRange(const std::vector<ChartPoint>& points,
                                          const AxisRange& range);

// The range a linear dose axis is drawn over: the range itself, or one of no width (no points,
// or doses of 0 only) from its minimum to one more, so that an empty chart has an axis of its
// own.
AxisRange drawnLinearRange(const AxisRange& range);

// 1, 2 or 5 times a power of ten, the smallest of them not below `rough` (> 0).
double roundStep(double rough);

// The doses at which a logarithmic dose axis over `range` (0 < min < max) is labelled and has
// grid lines, ascending, for a plot `plotHeight` pixels high and labels `textHeight` pixels
// high; two labels are at least two text heights apart. They are the decades in the range (1,
// 10, 100 ..., 0.1, 0.01 ...), with 2 and 5 times each decade where there is room for them, and
// every second (third ...) decade where there is not room for each. A range that holds fewer
// than two of these is labelled at round steps (1, 2 or 5 times a power of ten, about ten of them
// or fewer as the room allows) instead. Nothing for a range that is not positive and wide, or a
// plot of no height.
std::vector<double> logDoseTicks(const AxisRange& range, double plotHeight, double textHeight);

} // namespace sarvo
