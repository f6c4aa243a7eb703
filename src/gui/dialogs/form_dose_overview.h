#pragma once

#include "core/store/dose_overview.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTreeWidget;

namespace sarvo {

class DoseOverviewModel;
class SaveDialog;
class Store;

// The dose overview: every person's dose of record for a year against the limits (ED, the
// year's dose, rolling 12 months, five years, pending dose, share of the annual limit drawn as a
// bar, last reading, days since, overdue mark, status), coloured by status; sortable columns
// and a search by name, department or dosimeter; below, the open alerts, acknowledged from here
// with a note. Its rows as shown print, save as PDF, and save as CSV (the columns of
// `sarvo-tool doses --csv`). A window of its own beside the main window, not modal.
//
// It builds its content again from the files when it is shown, on F5, when the year changes and
// through refresh(). A file that cannot be read is named in the window (no box: a refresh may
// come in the middle of a reading); the rows read before stay.
class TFormDoseOverview final : public QWidget {
    Q_OBJECT
public:
    explicit TFormDoseOverview(Store& store, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TFormDoseOverview)

    void refresh();
    int year() const;
    const DoseOverview& overview() const;
    // The text of the failure of the last refresh; empty when it read everything.
    QString failure() const;
    // Prints the rows as shown (search and sort order) into a printer that is set up: a title
    // line with the year and the date, the table, and on every page its title and "page n of m".
    // False when nothing could be drawn on the printer.
    bool printTo(QPrinter& printer);
    // The CSV text of the rows as shown, in the order shown.
    QByteArray csvOfShownRows() const;

signals:
    // A person row was double-clicked: the person's history is wanted.
    void personChosen(std::int32_t userNo);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void printClick();
    void savePdfClick();
    void saveCsvClick();
    void acknowledgeClick();

private:
    // The window's fixed texts, then the content's.
    void applyTexts();
    // The limits, the count and list of open alerts of the overview shown.
    void showContent();
    void fillAlerts();
    void updateButtons();
    std::optional<std::int32_t> selectedUserNo() const;
    // The rows of the source model in the order shown.
    std::vector<int> shownRows() const;

    Store& store_;
    QMenuBar* menuBar_;
    QMenu* mnu_OverviewFile;
    QAction* mnu_OverviewPrint;
    QAction* mnu_OverviewPdf;
    QAction* mnu_OverviewCsv;
    QAction* mnu_OverviewRefresh;
    QAction* mnu_OverviewClose;
    QLabel* LblYear;
    QSpinBox* SpinYear;
    QLabel* LblSearch;
    QLineEdit* EditSearch;
    QCheckBox* CheckShowLeft; // the persons who left are shown only when it is checked
    QLabel* LblLimits;
    QLabel* LblFailure;
    QTableView* GridOverview;
    QLabel* LblAlerts;
    QTreeWidget* ListAlerts;
    QPushButton* BtnAcknowledge;
    SaveDialog* SaveDialogPdf;
    SaveDialog* SaveDialogCsv;

    DoseOverviewModel* model_;
    QSortFilterProxyModel* proxy_;
    QString failure_;
    bool refreshing_ = false;
    bool columnsSized_ = false;
};

} // namespace sarvo
