#include "gui/main/main_reports.h"

#include "core/store/data_lock.h"
#include "core/store/store_error.h"
#include "core/text/chart_points.h"
#include "core/text/hist_filter.h"
#include "core/text/language.h"
#include "core/text/print_listings.h"
#include "core/text/text_export.h"
#include "core/text/text_forms.h"
#include "gui/common/message_boxes.h"
#include "gui/common/save_dialog.h"
#include "gui/history/hist_chart.h"
#include "gui/main/form_sarvo.h"
#include "gui/main/user_list_grid.h"
#include "gui/print/form_print.h"

#include <QAbstractItemModel>
#include <QTableView>

namespace sarvo {

namespace {

std::vector<PersonListRow> personRows(const UserListGrid& grid) {
    std::vector<PersonListRow> rows;
    for (int row = 0; row < grid.rowCount(); ++row)
        rows.push_back({grid.nameCell(row), grid.identifierCell(row)});
    return rows;
}

QString cellText(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

HistoryCells historyHeader(const QAbstractItemModel& model) {
    HistoryCells header;
    for (int column = 0; column < 5; ++column)
        header[column] = model.headerData(column, Qt::Horizontal).toString();
    return header;
}

std::vector<HistoryCells> historyRows(const QAbstractItemModel& model) {
    std::vector<HistoryCells> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        HistoryCells cells;
        for (int column = 0; column < 5; ++column)
            cells[column] = cellText(model, row, column);
        rows.push_back(cells);
    }
    return rows;
}

} // namespace

void saveShownAsText(TFormSarvo& main, SaveDialog& dialog) {
    const int view = main.viewState();
    if (view == TFormSarvo::ViewHistChart)
        return;
    const QString file = dialog.execute();
    if (file.isEmpty())
        return;
    try {
        if (view == TFormSarvo::ViewUserList) {
            exportPersons(main.store(), file.toStdString(), languageStrings());
            return;
        }
        // The readings of the person the table holds, titled with that person's record. The
        // record is checked once more under the lock that the export holds, so that no other
        // program reorders the file between the check and the export.
        const std::optional<TFormSarvo::SelectedPerson> person = main.shownHistoryPerson();
        if (!person)
            return;
        bool moved = false;
        {
            DataLock lock = main.store().readLock();
            moved = main.store().readUser(person->index).UserNo != person->record.UserNo;
            if (!moved)
                exportHistory(main.store(), person->index, nameCell(person->record), histFilter(),
                              ValueFormats::system(), file.toStdString(), languageStrings());
        }
        if (moved)
            main.refuseStaleRow();
    } catch (const StoreError& error) {
        errorBox(error.text(), &main);
    }
}

bool preparePrint(TFormSarvo& main, TFormPrint& window) {
    switch (main.viewState()) {
    case TFormSarvo::ViewUserList:
        window.setListing(personsListing(languageStrings(), personRows(*main.StringGridUser)));
        return true;
    default:
        break;
    }
    // A history is titled with the record of the person whose readings it holds.
    const std::optional<TFormSarvo::SelectedPerson> person = main.shownHistoryPerson();
    if (!person)
        return false;
    if (main.viewState() == TFormSarvo::ViewHistGrid) {
        const QAbstractItemModel& model = *main.StringGridHist->model();
        window.setListing(historyListing(languageStrings(), nameCell(person->record),
                                         historyHeader(model), historyRows(model)));
        return true;
    }

    // The chart: the points as the screen chart builds them.
    std::vector<ChartPoint> points;
    try {
        points = chartPoints(shownReadings(main.store(), person->record.UserNo, histFilter()),
                             ValueFormats::system());
    } catch (const StoreError& error) {
        errorBox(error.text(), &main);
        return false;
    }
    // The screen chart's ranges: the dose axis as its last rebuild computed it (also while the
    // screen draws it logarithmic), the time axis as shown.
    window.setChart(printChartTitle(languageStrings(), nameCell(person->record)), points,
                    main.ChartHistChart->timeRange(), main.ChartHistChart->doseRange());
    return true;
}

} // namespace sarvo
