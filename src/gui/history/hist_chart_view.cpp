#include "gui/history/hist_chart_view.h"

#include "gui/history/hist_chart.h"

#include <QMouseEvent>
#include <QTimer>
#include <cmath>

namespace sarvo {

HistChartView::HistChartView(HistChart* chart, QWidget* parent)
    : QChartView(chart, parent), chart_(chart) {
    setObjectName(QStringLiteral("ChartHist"));
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setBackgroundBrush(chart->backgroundBrush());
    setFrameShape(QFrame::NoFrame);
    viewport()->setCursor(Qt::ArrowCursor);
}

void HistChartView::ChartHistMouseMove(int x, int y) {
    // The axis lines are drawn along the plot area's left and bottom edges.
    const QRectF plot = chart_->mapToScene(chart_->plotArea()).boundingRect();
    const QPointF at = mapToScene(QPoint(x, y));
    const bool onDoseAxis = std::abs(at.x() - plot.left()) < 1.0;
    const bool onTimeAxis = std::abs(at.y() - plot.bottom()) < 1.0;
    viewport()->setCursor(onDoseAxis || onTimeAxis ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void HistChartView::hideEvent(QHideEvent* event) {
    // Only when the view itself is hidden, not with its window.
    if (isHidden())
        chart_->setLineLaidOut(false);
    QChartView::hideEvent(event);
}

void HistChartView::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    // The view is usually filled with new points right after it is shown; the old line comes back
    // only if it is not.
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            chart_->setLineLaidOut(true);
    });
}

void HistChartView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    ChartHistMouseMove(at.x(), at.y());
    QChartView::mouseMoveEvent(event);
}

} // namespace sarvo
