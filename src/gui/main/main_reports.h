#pragma once

#include "core/store/records.h"
#include "core/text/chart_points.h"
#include "core/text/history_cells.h"
#include "core/text/print_listings.h"

#include <QString>
#include <vector>

class QAbstractItemModel;

namespace sarvo {

class Store;
class TFormPrint;

// The reports of the main window, over what it shows at the moment; the window hands over what
// is shown as plain values.

// The history table as shown: the name cell of its person (as read now), the header, the rows.
struct ShownHistoryTable {
    QString personNameCell;
    HistoryCells header;
    std::vector<HistoryCells> rows;
};
// The cells of a history table model (five columns) under the name cell of its person.
ShownHistoryTable shownHistoryTable(const QString& personNameCell, const QAbstractItemModel& model);

// The history chart as shown: the name cell of its person, its points and its axis ranges.
struct ShownChart {
    QString personNameCell;
    std::vector<ChartPoint> points;
    AxisRange timeRange;
    AxisRange doseRange;
};

// Prepare the print window (before it is opened) with the listing of the list of persons, the
// listing of a history table, or the chart of a history.
void printPersons(TFormPrint& window, const std::vector<PersonListRow>& rows);
void printHistory(TFormPrint& window, const ShownHistoryTable& table);
void printChart(TFormPrint& window, const ShownChart& chart);

// Writes into `file` the history of `person` (record `index` of the user file) as the table lists
// it under the filter, titled with that record. The record is checked once more under the lock
// that the export holds, so that no other program reorders the file between the check and the
// export: false, with nothing written, when the record there is now someone else. With `csv`,
// the readings are written in CSV (exportHistoryCsv) without a title. A failure throws
// StoreError; what was written before it stays in the file.
bool exportShownHistory(Store& store, long long index, const UserRecord& person,
                        const QString& file, bool csv = false);

} // namespace sarvo
