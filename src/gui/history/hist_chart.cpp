#include "gui/history/hist_chart.h"

#include "core/text/language.h"
#include "core/text/text_forms.h"

#include <QCategoryAxis>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsLayout>
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
// The characters of date and time labels.
constexpr QStringView kLabelCharacters = u"0123456789.:/ ,-";

// The decimals a label needs to show a step (or value) of this size.
int decimalsFor(double value) {
    if (!(value > 0.0))
        return 0;
    return std::clamp(static_cast<int>(-std::floor(std::log10(value) + 1e-9)), 0, 12);
}

QFont arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The room for an axis name beside its axis.
double titleRoom(const QFont& font) {
    return std::ceil(QFontMetricsF(font).height()) + kLabelGap;
}

// The texts drawn over the chart: the point labels along the time axis, with a tick at each; the
// names of both axes; the note on a chart without points.
class PointLabelItem final : public QGraphicsItem {
    Q_DISABLE_COPY_MOVE(PointLabelItem)

public:
    explicit PointLabelItem(HistChart* chart) : QGraphicsItem(chart), chart_(chart) {
        setZValue(100);
        setAcceptedMouseButtons(Qt::NoButton);
    }

    QRectF boundingRect() const override { return chart_->rect(); }

    void geometryChanging() { prepareGeometryChange(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QFontMetricsF metrics(chart_->labelFont());
        const double height = metrics.height();
        const QRectF plot = chart_->plotArea();
        const QRectF all = chart_->rect();
        painter->save();
        painter->setFont(chart_->labelFont());
        painter->setPen(chart_->textColour());
        constexpr int kTitleFlags = Qt::AlignCenter | Qt::TextDontClip;
        // The time axis's name at the foot of the chart, below the longest label; the dose axis's
        // at the left edge, written upwards; both centred on the plot area.
        painter->drawText(
            QRectF(plot.left(), all.bottom() - kMargin - height, plot.width(), height), kTitleFlags,
            HistChart::timeAxisTitle());
        painter->save();
        painter->translate(all.left() + kMargin, plot.center().y());
        painter->rotate(-90.0);
        painter->drawText(QRectF(-plot.height() / 2.0, 0.0, plot.height(), height), kTitleFlags,
                          HistChart::doseAxisTitle());
        painter->restore();
        if (const QString note = chart_->note(); !note.isEmpty()) {
            painter->save();
            // On the chart's background, over the grid lines.
            painter->setFont(chart_->titleFont());
            const QRectF box = painter->boundingRect(plot, kTitleFlags, note);
            painter->fillRect(box.adjusted(-kMargin, 0.0, kMargin, 0.0), chart_->backgroundBrush());
            painter->drawText(box, kTitleFlags, note);
            painter->restore();
        }

        const std::vector<HistChart::PlacedLabel> placed = chart_->placedLabels();
        const double axis = plot.bottom();
        const double top = chart_->labelTop();
        for (const HistChart::PlacedLabel& label : placed) {
            painter->drawLine(QPointF(label.x, axis), QPointF(label.x, axis + kTickLength));
            const QString& text = chart_->points()[static_cast<size_t>(label.point)].label;
            const double width = chart_->labelWidth(text) + 1.0;
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
      labelFont_(arial(11, false)), series_(new QLineSeries(this)),
      logSeries_(new QLineSeries(this)), timeAxis_(new QValueAxis(this)),
      linearAxis_(new QValueAxis(this)), logAxis_(new QLogValueAxis(this)),
      logLabels_(new QCategoryAxis(this)), labels_(new PointLabelItem(this)) {
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

    // One line over each dose axis; the one of the scale not drawn is hidden with its axis.
    for (QLineSeries* line : {series_, logSeries_}) {
        line->setPen(QPen(screen ? QColor(0, 255, 0) : QColor(Qt::black), 1));
        line->setPointsVisible(false);
        line->setPointLabelsVisible(false);
        addSeries(line);
    }

    // The time axis shows no numbers of its own: its texts are the point labels.
    timeAxis_->setLabelsVisible(false);
    timeAxis_->setGridLineVisible(false);
    timeAxis_->setMinorGridLineVisible(false);
    timeAxis_->setTickCount(2);
    timeAxis_->setLinePenColor(text_);
    timeAxis_->setRange(0.0, 1.0);
    addAxis(timeAxis_, Qt::AlignBottom);
    series_->attachAxis(timeAxis_);
    logSeries_->attachAxis(timeAxis_);

    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(linearAxis_), static_cast<QAbstractAxis*>(logAxis_),
          static_cast<QAbstractAxis*>(logLabels_)}) {
        axis->setLabelsFont(labelFont_);
        axis->setLabelsColor(text_);
        axis->setLinePenColor(text_);
        axis->setGridLineColor(grid);
        axis->setMinorGridLineVisible(false);
    }
    logAxis_->setBase(10.0);
    logAxis_->setMinorTickCount(0);
    logAxis_->setRange(1.0, 10.0);
    addAxis(linearAxis_, Qt::AlignLeft);
    series_->attachAxis(linearAxis_);
    // The line over the logarithmic axis, which is never shown: its labels and grid lines are
    // those of the category axis, attached to no line, whose range is the decimal logarithm of
    // the logarithmic axis's range.
    addAxis(logAxis_, Qt::AlignLeft);
    logSeries_->attachAxis(logAxis_);
    logAxis_->setVisible(false);
    logSeries_->setVisible(false);
    logLabels_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    addAxis(logLabels_, Qt::AlignLeft);
    logLabels_->setVisible(false);
    setDoseRange({});

    connect(this, &QChart::plotAreaChanged, this, [this] {
        static_cast<PointLabelItem*>(labels_)->geometryChanging();
        labels_->update();
        updateLogTicks();
    });
    connect(timeAxis_, &QValueAxis::rangeChanged, this, [this] { labels_->update(); });
    updateLabelSpace();
}

HistChart::~HistChart() = default;

QString HistChart::doseAxisTitle() {
    return tr("%1, mSv").arg(L(Text::TotalDoseColumn));
}

QString HistChart::timeAxisTitle() {
    return L(Text::DateColumn) + QLatin1Char('/') + L(Text::TimeColumn);
}

QString HistChart::note() const {
    return points_.empty() ? tr("No readings") : QString();
}

bool HistChart::event(QEvent* event) {
    // The names of the axes and the note are drawn in the present language: a new chart title
    // (the captions applied again) lays the chart out again, and they are drawn again with it.
    if (event->type() == QEvent::LayoutRequest)
        labels_->update();
    return QChart::event(event);
}

void HistChart::setPoints(const std::vector<ChartPoint>& points) {
    points_ = points;
    // The line's geometry is worked out on every change of its points, of the axis range and of
    // the plot area: the old line goes first, and the new one comes once the range and the room
    // for the labels are set, so that the points pass through that work once.
    if (series_->count() > 0)
        series_->clear();
    if (logSeries_->count() > 0)
        logSeries_->clear();
    setTimeAxisToPoints();
    updateLabelSpace();
    if (QGraphicsLayout* chartLayout = layout())
        chartLayout->activate();

    fillSeries();
    labels_->update();
}

void HistChart::fillSeries() {
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(points_.size()));
    for (const ChartPoint& p : points_)
        xy.append(QPointF(p.x, p.y));
    series_->replace(xy);
    logSeriesDue_ = true;
    if (drawnLogarithmic())
        fillLogSeries();
    lineDue_ = false;
}

void HistChart::setLineLaidOut(bool laidOut) {
    if (!laidOut && !lineDue_) {
        series_->clear();
        logSeries_->clear();
        lineDue_ = true;
    } else if (laidOut && lineDue_) {
        fillSeries();
    }
}

void HistChart::setTimeAxisToPoints() {
    // The time axis spans the points (a single point gets half a day on either side).
    if (points_.empty()) {
        timeAxis_->setRange(0.0, 1.0);
    } else {
        const double first = points_.front().x;
        const double last = points_.back().x;
        if (last > first)
            timeAxis_->setRange(first, last);
        else
            timeAxis_->setRange(first - 0.5, first + 0.5);
    }
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

QLineSeries* HistChart::drawnSeries() const {
    return drawnLogarithmic() ? logSeries_ : series_;
}

bool HistChart::drawnLogarithmic() const {
    return drawnLog_;
}

AxisRange HistChart::drawnDoseRange() const {
    if (drawnLogarithmic())
        return {logAxis_->min(), logAxis_->max()};
    return {linearAxis_->min(), linearAxis_->max()};
}

void HistChart::applyDoseAxis() {
    setLinearRange(doseRange_);
    std::optional<AxisRange> range;
    if (log_) {
        range = logDoseAxisRange(points_, doseRange_);
        // A single dose (or doses that end where they start) still needs room on a log axis.
        if (range && range->max <= range->min)
            range->max = range->min * 1.1;
    }
    drawnLog_ = range.has_value();
    if (drawnLog_) {
        if (logSeriesDue_)
            fillLogSeries();
        // Both ends at once: the axis never holds a minimum above its maximum.
        logAxis_->setRange(range->min, range->max);
        logLabels_->setRange(std::log10(range->min), std::log10(range->max));
    }
    linearAxis_->setVisible(!drawnLog_);
    series_->setVisible(!drawnLog_);
    logLabels_->setVisible(drawnLog_);
    logSeries_->setVisible(drawnLog_);
    updateLogTicks();
}

void HistChart::updateLogTicks() {
    if (!drawnLog_)
        return;
    const AxisRange range{logAxis_->min(), logAxis_->max()};
    std::vector<double> ticks =
        logDoseTicks(range, plotArea().height(), QFontMetricsF(labelFont_).height());
    if (ticks == logTicks_ && range == logTickRange_)
        return;
    logTicks_ = std::move(ticks);
    logTickRange_ = range;
    for (const QString& label : logLabels_->categoriesLabels())
        logLabels_->remove(label);
    // A category ends at each tick; the first one starts at the foot of the axis.
    logLabels_->setStartValue(std::log10(range.min));
    for (double tick : logTicks_)
        logLabels_->append(formatNumber(tick), std::log10(tick));
}

void HistChart::setLinearRange(const AxisRange& kept) {
    // A range of no width (no points) is drawn as a range of its own.
    const AxisRange range = drawnLinearRange(kept);
    linearAxis_->setRange(range.min, range.max);
    // Ticks at round values inside the fixed range, about ten of them.
    const double span = range.max - range.min;
    if (span > 0.0 && std::isfinite(span)) {
        const double step = roundStep(span / 10.0);
        linearAxis_->setTickType(QValueAxis::TicksDynamic);
        linearAxis_->setTickAnchor(std::floor(range.min / step) * step);
        linearAxis_->setTickInterval(step);
        linearAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsFor(step)));
    } else {
        linearAxis_->setTickType(QValueAxis::TicksFixed);
        linearAxis_->setTickCount(2);
        linearAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(decimalsFor(range.max)));
    }
}

void HistChart::fillLogSeries() {
    // A logarithmic axis has no place for a dose of 0: such points are left out of its line.
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(points_.size()));
    for (const ChartPoint& p : points_)
        if (p.y > 0.0)
            xy.append(QPointF(p.x, p.y));
    logSeries_->replace(xy);
    logSeriesDue_ = false;
}

double HistChart::labelWidth(const QString& text) const {
    if (!widthsMetrics_ || widthsFont_ != labelFont_) {
        labelWidths_.clear();
        widthsFont_ = labelFont_;
        widthsMetrics_.emplace(labelFont_);
        digitsInterchangeable_ = true;
        const double digit = widthsMetrics_->horizontalAdvance(QStringLiteral("0"));
        for (QChar a : kLabelCharacters) {
            const double aWidth = widthsMetrics_->horizontalAdvance(QString(a));
            if (a.isDigit() && aWidth != digit)
                digitsInterchangeable_ = false;
            for (QChar b : kLabelCharacters)
                if (widthsMetrics_->horizontalAdvance(QString(a) + b) !=
                    aWidth + widthsMetrics_->horizontalAdvance(QString(b)))
                    digitsInterchangeable_ = false;
        }
    }
    QString key = text;
    if (digitsInterchangeable_ && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
            return kLabelCharacters.contains(c);
        })) {
        for (QChar& c : key)
            if (c.isDigit())
                c = QLatin1Char('0');
    }
    auto found = labelWidths_.constFind(key);
    if (found == labelWidths_.constEnd())
        found = labelWidths_.insert(key, widthsMetrics_->horizontalAdvance(text));
    return *found;
}

double HistChart::labelTop() const {
    return plotArea().bottom() + kTickLength + kLabelGap;
}

void HistChart::updateLabelSpace() {
    // Room below the time axis for the longest label and the axis's name, and left of the dose
    // axis for its name. The widths of other points' labels are forgotten.
    labelWidths_.clear();
    double longest = 0.0;
    for (const ChartPoint& p : points_)
        longest = std::max(longest, labelWidth(p.label));
    const int title = static_cast<int>(titleRoom(labelFont_));
    setMargins(
        QMargins(kMargin + title, kMargin, kMargin,
                 kMargin + title + static_cast<int>(std::ceil(longest + kTickLength + kLabelGap))));
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
