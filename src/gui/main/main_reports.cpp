#include "gui/main/main_reports.h"

#include "core/store/data_lock.h"
#include "core/store/store.h"
#include "core/text/csv_export.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "gui/print/form_print.h"

#include <QAbstractItemModel>

namespace sarvo {

ShownHistoryTable shownHistoryTable(const QString& personNameCell,
                                    const QAbstractItemModel& model) {
    ShownHistoryTable table{personNameCell, {}, {}};
    for (int column = 0; column < 5; ++column)
        table.header[column] = model.headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model.rowCount(); ++row) {
        HistoryCells cells;
        for (int column = 0; column < 5; ++column)
            cells[column] = model.data(model.index(row, column)).toString();
        table.rows.push_back(cells);
    }
    return table;
}

void printPersons(TFormPrint& window, const std::vector<PersonListRow>& rows) {
    window.setListing(personsListing(languageStrings(), rows));
}

void printHistory(TFormPrint& window, const ShownHistoryTable& table) {
    window.setListing(
        historyListing(languageStrings(), table.personNameCell, table.header, table.rows));
}

void printChart(TFormPrint& window, const ShownChart& chart) {
    window.setChart(printChartTitle(languageStrings(), chart.personNameCell), chart.points,
                    chart.timeRange, chart.doseRange);
}

bool exportShownHistory(Store& store, long long index, const UserRecord& person,
                        const QString& file, bool csv) {
    DataLock lock = store.readLock();
    if (store.readUser(index).UserNo != person.UserNo)
        return false;
    if (csv) {
        exportHistoryCsv(store, person.UserNo, histFilter(), file.toStdString());
        return true;
    }
    exportHistory(store, index, nameCell(person), histFilter(), ValueFormats::system(),
                  file.toStdString(), languageStrings());
    return true;
}

} // namespace sarvo
