#include "views/hist_chart.h"

#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

namespace sarvo {

namespace {

constexpr double kTickLength = 4.0;
constexpr double kLabelGap = 2.0;
constexpr int kMargin = 10;

QFont arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The point labels along the time axis, with a tick at each, drawn over the chart.
class PointLabelItem : public QGraphicsItem {
public:
    explicit PointLabelItem(HistChart* chart) : QGraphicsItem(chart), chart_(chart) {
        setZValue(100);
        setAcceptedMouseButtons(Qt::NoButton);
    }

    QRectF boundingRect() const override { return chart_->rect(); }

    void geometryChanging() { prepareGeometryChange(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const std::vector<HistChart::PlacedLabel> placed = chart_->placedLabels();
        if (placed.empty())
            return;
        const QFontMetricsF metrics(chart_->labelFont());
        const double height = metrics.height();
        const double axis = chart_->plotArea().bottom();
        const double top = chart_->labelTop();
        painter->save();
        painter->setFont(chart_->labelFont());
        painter->setPen(chart_->textColour());
        for (const HistChart::PlacedLabel& label : placed) {
            painter->drawLine(QPointF(label.x, axis), QPointF(label.x, axis + kTickLength));
            const QString& text = chart_->points()[static_cast<size_t>(label.point)].label;
            const double width = metrics.horizontalAdvance(text) + 1.0;
            painter->save();
            painter->translate(label.x, top);
            painter->rotate(-90.0); // reads upwards and ends next to the axis
            painter->drawText(QRectF(-width, -height / 2.0, width, height),
                              Qt::AlignRight | Qt::AlignVCenter, text);
            painter->restore();
        }
        painter->restore();
    }

private:
    HistChart* chart_;
};

} // namespace

HistChart::HistChart(Look look, QGraphicsItem* parent)
    : QChart(parent), look_(look), text_(look == Look::Screen ? Qt::white : Qt::black),
      labelFont_(arial(11, false)), series_(new QLineSeries(this)), timeAxis_(new QValueAxis(this)),
      linearAxis_(new QValueAxis(this)), logAxis_(new QLogValueAxis(this)),
      labels_(new PointLabelItem(this)) {
    const bool screen = look == Look::Screen;
    const QColor background = screen ? Qt::black : Qt::white;
    const QColor grid = screen ? QColor(64, 64, 64) : QColor(192, 192, 192);

    setTheme(QChart::ChartThemeLight);
    setAnimationOptions(QChart::NoAnimation);
    legend()->hide();
    setBackgroundBrush(background);
    setBackgroundPen(Qt::NoPen);
    setBackgroundRoundness(0);
    setPlotAreaBackgroundVisible(false);
    setDropShadowEnabled(false);
    setTitleFont(arial(11, true));
    setTitleBrush(text_);
    // Dose labels with the program's decimal comma.
    QLocale numbers(QLocale::German);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(numbers);
    setLocalizeNumbers(true);

    series_->setPen(QPen(screen ? QColor(0, 255, 0) : QColor(Qt::black), 1));
    series_->setPointsVisible(false);
    series_->setPointLabelsVisible(false);
    addSeries(series_);

    // The time axis shows no numbers of its own: its texts are the point labels.
    timeAxis_->setLabelsVisible(false);
    timeAxis_->setGridLineVisible(false);
    timeAxis_->setMinorGridLineVisible(false);
    timeAxis_->setTickCount(2);
    timeAxis_->setLinePenColor(text_);
    timeAxis_->setRange(0.0, 1.0);
    addAxis(timeAxis_, Qt::AlignBottom);
    series_->attachAxis(timeAxis_);

    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(linearAxis_), static_cast<QAbstractAxis*>(logAxis_)}) {
        axis->setLabelsFont(labelFont_);
        axis->setLabelsColor(text_);
        axis->setLinePenColor(text_);
        axis->setGridLineColor(grid);
        axis->setMinorGridLineVisible(false);
    }
    linearAxis_->setLabelFormat(QStringLiteral("%g"));
    linearAxis_->setTickCount(11);
    logAxis_->setLabelFormat(QStringLiteral("%g"));
    logAxis_->setBase(10.0);
    logAxis_->setMinorTickCount(0);
    addAxis(linearAxis_, Qt::AlignLeft);
    series_->attachAxis(linearAxis_);
    linearAxis_->setRange(0.0, 0.0);
    // Kept while detached, so that switching the scale never loses an axis.
    logAxis_->setParent(this);

    connect(this, &QChart::plotAreaChanged, this, [this] {
        static_cast<PointLabelItem*>(labels_)->geometryChanging();
        labels_->update();
    });
    connect(timeAxis_, &QValueAxis::rangeChanged, this, [this] { labels_->update(); });
    updateLabelSpace();
}

HistChart::~HistChart() = default;

void HistChart::setPoints(const std::vector<ChartPoint>& points) {
    points_ = points;
    fillSeries(drawnLogarithmic());

    // The time axis spans the points (a single point gets half a day on either side).
    if (points.empty()) {
        timeAxis_->setRange(0.0, 1.0);
    } else {
        const double first = points.front().x;
        const double last = points.back().x;
        if (last > first)
            timeAxis_->setRange(first, last);
        else
            timeAxis_->setRange(first - 0.5, first + 0.5);
    }
    updateLabelSpace();
    labels_->update();
}

void HistChart::setDoseRange(const AxisRange& range) {
    doseRange_ = range;
    applyDoseAxis();
}

AxisRange HistChart::timeRange() const {
    return {timeAxis_->min(), timeAxis_->max()};
}

void HistChart::setTimeRange(const AxisRange& range) {
    if (timeAxis_->max() < range.min)
        timeAxis_->setMax(range.min);
    timeAxis_->setMin(range.min);
    timeAxis_->setMax(range.max);
}

void HistChart::setLogScale(bool logarithmic) {
    log_ = logarithmic && look_ == Look::Screen;
    applyDoseAxis();
}

QAbstractAxis* HistChart::doseAxis() const {
    return drawnLogarithmic() ? static_cast<QAbstractAxis*>(logAxis_)
                              : static_cast<QAbstractAxis*>(linearAxis_);
}

bool HistChart::drawnLogarithmic() const {
    return series_->attachedAxes().contains(logAxis_);
}

AxisRange HistChart::drawnDoseRange() const {
    if (drawnLogarithmic())
        return {logAxis_->min(), logAxis_->max()};
    return {linearAxis_->min(), linearAxis_->max()};
}

void HistChart::applyDoseAxis() {
    std::optional<AxisRange> range = doseRange_;
    if (log_) {
        range = logDoseAxisRange(points_, doseRange_);
        // A single dose (or doses that end where they start) still needs room on a log axis.
        if (range && range->max <= range->min)
            range->max = range->min * 1.1;
    }
    const bool logarithmic = log_ && range.has_value();
    if (!range)
        range = doseRange_;

    QAbstractAxis* wanted = logarithmic ? static_cast<QAbstractAxis*>(logAxis_)
                                        : static_cast<QAbstractAxis*>(linearAxis_);
    QAbstractAxis* other = logarithmic ? static_cast<QAbstractAxis*>(linearAxis_)
                                       : static_cast<QAbstractAxis*>(logAxis_);
    if (series_->attachedAxes().contains(other)) {
        series_->detachAxis(other);
        removeAxis(other);
        other->setParent(this);
    }
    // Between the two axes the line gets the points the new scale can draw.
    if (logarithmic != seriesLogarithmic_)
        fillSeries(logarithmic);
    // Both ends at once: the axis never holds a minimum above its maximum.
    if (logarithmic) {
        logAxis_->setRange(range->min, range->max);
    } else {
        linearAxis_->setRange(range->min, range->max);
    }
    if (!series_->attachedAxes().contains(wanted)) {
        addAxis(wanted, Qt::AlignLeft);
        series_->attachAxis(wanted);
    }
}

void HistChart::fillSeries(bool logarithmic) {
    // A logarithmic axis has no place for a dose of 0: such points are left out of the line.
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(points_.size()));
    for (const ChartPoint& p : points_)
        if (!logarithmic || p.y > 0.0)
            xy.append(QPointF(p.x, p.y));
    series_->replace(xy);
    seriesLogarithmic_ = logarithmic;
}

double HistChart::labelTop() const {
    return plotArea().bottom() + kTickLength + kLabelGap;
}

void HistChart::updateLabelSpace() {
    // Room below the time axis for the longest label.
    const QFontMetricsF metrics(labelFont_);
    double longest = 0.0;
    for (const ChartPoint& p : points_)
        longest = std::max(longest, metrics.horizontalAdvance(p.label));
    setMargins(QMargins(kMargin, kMargin, kMargin,
                        kMargin + static_cast<int>(std::ceil(longest + kTickLength + kLabelGap))));
}

std::vector<HistChart::PlacedLabel> HistChart::placedLabels() const {
    std::vector<PlacedLabel> placed;
    const QRectF plot = plotArea();
    const double min = timeAxis_->min();
    const double span = timeAxis_->max() - min;
    if (points_.empty() || plot.width() <= 0.0 || span <= 0.0)
        return placed;
    // A label is as wide as a line of text; it is written when it starts to the right of the
    // last one written.
    const double width = QFontMetricsF(labelFont_).height();
    double lastRight = -1e300;
    for (size_t i = 0; i < points_.size(); ++i) {
        const double x = plot.left() + (points_[i].x - min) / span * plot.width();
        if (x < plot.left() - 0.5 || x > plot.right() + 0.5)
            continue;
        if (x - width / 2.0 <= lastRight)
            continue;
        placed.push_back({static_cast<int>(i), x});
        lastRight = x + width / 2.0;
    }
    return placed;
}

} // namespace sarvo
