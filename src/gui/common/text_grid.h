#pragma once

#include <QColor>
#include <QString>
#include <QStyledItemDelegate>

class QTableView;

namespace sarvo {

// The look the read-only text grids share: whole rows selected, no editing, horizontal grid lines
// only, a vertical scroll bar, fixed row heights, a bold fixed-pitch font, and text in `textColour`
// on the tooltip background.
void styleTextGrid(QTableView* grid, const QString& fontFamily, int pixelSize,
                   const QColor& textColour);

// Draws a cell as usual and a horizontal grid line under it.
class RowLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace sarvo
