#include "gui/history/hist_table_view.h"

#include "gui/common/text_grid.h"
#include "gui/history/hist_table_model.h"

namespace sarvo {

HistTableView::HistTableView(QWidget* parent)
    : QTableView(parent), model_(new HistTableModel(this)) {
    setObjectName(QStringLiteral("StringGridHist"));
    setModel(model_);
    setItemDelegate(new RowLineDelegate(this));
    styleTextGrid(this, QStringLiteral("Courier"), 16, QColor(Qt::darkBlue));
}

void HistTableView::hideEvent(QHideEvent* event) {
    QTableView::hideEvent(event);
    if (isHidden())
        model_->clearRows();
}

} // namespace sarvo
