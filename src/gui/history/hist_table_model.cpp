#include "gui/history/hist_table_model.h"

#include "core/text/text_forms.h"

#include <QColor>

namespace sarvo {

HistTableModel::HistTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistTableModel::setHeaderCells(const HistoryCells& cells) {
    header_ = cells;
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

void HistTableModel::clearRows() {
    setRows({});
}

void HistTableModel::setRows(std::vector<HistoryRecord> records) {
    // Rows come and go at the end and the others change their texts; the columns stay, and with
    // them the widths the window gave them (a reset of the model would forget those).
    const int before = rowCount();
    const int after = static_cast<int>(records.size()) + kHistoryEmptyRows;
    if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        records_ = std::move(records);
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        records_ = std::move(records);
        endRemoveRows();
    } else {
        records_ = std::move(records);
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::DisplayRole});
}

QString HistTableModel::cell(int row, int column) const {
    if (row < 0 || row >= recordCount() || column < 0 || column >= kColumns)
        return QString();
    return historyCell(records_[static_cast<size_t>(row)], column, ValueFormats::system());
}

int HistTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : recordCount() + kHistoryEmptyRows;
}

int HistTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant HistTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column());
    case Qt::ForegroundRole:
        return QColor(Qt::darkBlue); // navy
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant HistTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return QVariant();
    if (role == Qt::DisplayRole)
        return header_[static_cast<size_t>(section)];
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags HistTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace sarvo
