#pragma once

#include <QChartView>

namespace sarvo {

class HistChart;

// The view of the history chart in the main window. The pointer is a pointing hand over the
// dose axis line (its pixel column) and over the time axis line (its pixel row), an arrow
// anywhere else. A click on an axis does nothing; there is no zoom or scroll gesture.
class HistChartView final : public QChartView {
    Q_OBJECT
public:
    HistChartView(HistChart* chart, QWidget* parent = nullptr);

    HistChart* histChart() const { return chart_; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    // Hidden by the program, the view does not keep the chart's line laid out: a chart of many
    // points would be laid out again on every resize and show of the view, only to be replaced
    // when the view is filled. Shown again without being filled, it draws the line it had.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Sets the pointer shape for the mouse at (x, y) in the view's pixels.
    void ChartHistMouseMove(int x, int y);

    HistChart* chart_;
};

} // namespace sarvo
