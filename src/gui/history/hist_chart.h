#pragma once

#include "core/text/chart_points.h"

#include <QChart>
#include <QFontMetricsF>
#include <QHash>
#include <optional>
#include <vector>

class QCategoryAxis;
class QGraphicsItem;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace sarvo {

// The chart of a person's accumulated dose over time: one line series through the points, a dose
// axis at the left (linear or logarithmic, with a fixed range) and a time axis at the bottom
// whose texts are the point labels, written vertically (reading upwards, ending at the axis).
// Labels that would overlap a label already written to their left are left out. No legend, no
// point markers, the plot area not filled. Each axis is named with its unit (the dose axis left
// of its labels, written upwards; the time axis below the point labels). A chart without points
// says so in the middle of its plot area, over a dose axis of its own (drawnLinearRange).
//
// The logarithmic dose axis is labelled and has grid lines at the doses logDoseTicks gives for
// the plot's height, decided again whenever the plot area changes: the labels are the
// categories of a category axis over the decimal logarithm of the dose, next to the hidden
// logarithmic axis that the line is drawn over.
//
// The screen look is white text and a lime line on black; the print look is black on white
// with a black line, and its dose axis stays linear.
class HistChart final : public QChart {
    Q_OBJECT
public:
    enum class Look { Screen, Print };

    explicit HistChart(Look look = Look::Screen, QGraphicsItem* parent = nullptr);
    ~HistChart() override;

    // The line over the linear dose axis, through all points.
    QLineSeries* series() const { return series_; }
    // The line drawn now: over the logarithmic axis it leaves out the doses of 0.
    QLineSeries* drawnSeries() const;
    Look look() const { return look_; }

    // Replaces the points (ascending X, as chartPoints gives them) and lets the time axis span
    // them. The dose axis keeps its range until setDoseRange.
    void setPoints(const std::vector<ChartPoint>& points);
    const std::vector<ChartPoint>& points() const { return points_; }
    // While the chart is off screen its line need not be laid out: the view hands the line's
    // points back to the chart when it hides (the points stay) and takes them again when shown.
    void setLineLaidOut(bool laidOut);

    // The fixed range of the dose axis, as computed by the last rebuild (doseAxisRange). On a
    // logarithmic scale the axis is drawn from the smallest positive dose instead
    // (logDoseAxisRange), and linear while there is none; the range kept here does not change.
    void setDoseRange(const AxisRange& range);
    AxisRange doseRange() const { return doseRange_; }
    // The time axis's range as shown; setTimeRange fixes it (the print chart copies the screen's).
    AxisRange timeRange() const;
    void setTimeRange(const AxisRange& range);

    // The scale chosen for the dose axis; it stays across new points and ranges.
    void setLogScale(bool logarithmic);
    bool logScale() const { return log_; }
    // The dose axis as drawn now: linear or logarithmic, and its range.
    bool drawnLogarithmic() const;
    AxisRange drawnDoseRange() const;
    // The axis the line is drawn over: the linear one, or the (hidden) logarithmic one.
    QAbstractAxis* doseAxis() const;
    QValueAxis* timeAxis() const { return timeAxis_; }
    // The labels of the logarithmic dose axis: a category per tick, its label the dose in the
    // program's number form (decimal comma) and its end value the decimal logarithm of the dose.
    // Shown only while the dose axis is drawn logarithmic.
    QCategoryAxis* logLabelAxis() const { return logLabels_; }

    // The names of the axes with their units, in the present language, and the note on a chart
    // without points (empty while it has points).
    static QString doseAxisTitle();
    static QString timeAxisTitle();
    QString note() const;

    // The points whose labels are written at the chart's present size (index into points()),
    // and the horizontal pixel position of each in the chart's coordinates.
    struct PlacedLabel {
        int point;
        double x;
    };
    std::vector<PlacedLabel> placedLabels() const;
    QFont labelFont() const { return labelFont_; }
    // The width of a label text in the label font. Labels are dates and times: in a font whose
    // digits are all equally wide and whose digits and separators are not kerned against each
    // other, texts that differ only in their digits are equally wide, and one of them is measured
    // for all. Other texts are measured once each per set of points.
    double labelWidth(const QString& text) const;
    QColor textColour() const { return text_; }
    // The vertical place (chart coordinates) where the labels begin below the time axis line.
    double labelTop() const;

protected:
    bool event(QEvent* event) override;

private:
    void applyDoseAxis();
    void setLinearRange(const AxisRange& range);
    void fillLogSeries();
    void updateLogTicks();
    void updateLabelSpace();
    void setTimeAxisToPoints();
    void fillSeries();

    Look look_;
    QColor text_;
    QFont labelFont_;
    QLineSeries* series_;
    QLineSeries* logSeries_;
    QValueAxis* timeAxis_;
    QValueAxis* linearAxis_;
    QLogValueAxis* logAxis_;
    QCategoryAxis* logLabels_;
    QGraphicsItem* labels_;
    std::vector<ChartPoint> points_;
    AxisRange doseRange_;
    bool log_ = false;
    bool drawnLog_ = false;
    // The ticks of the logarithmic labels and the range they were made for.
    std::vector<double> logTicks_;
    AxisRange logTickRange_;
    bool logSeriesDue_ = false;
    bool lineDue_ = false;
    // The label widths measured so far (by text, or by text with every digit made "0"), and the
    // font they were measured in.
    mutable QHash<QString, double> labelWidths_;
    mutable QFont widthsFont_;
    mutable std::optional<QFontMetricsF> widthsMetrics_;
    mutable bool digitsInterchangeable_ = false;
};

} // namespace sarvo
