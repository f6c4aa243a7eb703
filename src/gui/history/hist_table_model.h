#pragma once

#include "core/store/records.h"
#include "core/text/history_cells.h"

#include <QAbstractTableModel>
#include <vector>

namespace sarvo {

// The rows of the history table: one row per reading shown, in the order the readings were
// listed, then 29 empty rows. The header row is the model's horizontal header. The cell texts
// are made when they are asked for, so a person with tens of thousands of readings is shown at
// once.
class HistTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 5;

    explicit HistTableModel(QObject* parent = nullptr);

    void setHeaderCells(const HistoryCells& cells);
    // The table of a person without readings: the header row and 29 empty rows.
    void clearRows();
    // The readings shown, one row each, followed by the 29 empty rows.
    void setRows(std::vector<HistoryRecord> records);
    const std::vector<HistoryRecord>& records() const { return records_; }
    int recordCount() const { return static_cast<int>(records_.size()); }
    // The rows of the grid with its header row: 30 plus one per reading.
    int gridRowCount() const { return rowCount() + 1; }
    // The text of a cell; row 0 is the first record row. Empty for the empty rows.
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    HistoryCells header_;
    std::vector<HistoryRecord> records_;
};

} // namespace sarvo
