#pragma once

#include "core/registry/registry_views.h"
#include "core/store/dose_overview.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;
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
//
// When the station has the address of a central registry, the window can show the registry's
// doses instead, read-only: one row per worker across stations (worker, full name, stations,
// the year's dose, five years, status by the registry's limits). They are read in a thread of
// their own with its own connection (a password only from PGPASSWORD or ~/.pgpass: the window
// never asks); the window shows "Loading…" meanwhile, then the rows or the failure. Nothing
// that changes the station's records is offered then.
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
    // The CSV text of the rows as shown, in the order shown (in registry mode, the columns of
    // `sarvo-tool registry doses --csv`).
    QByteArray csvOfShownRows() const;
    // The central registry is shown rather than the station; and its rows are being read.
    bool registryMode() const;
    bool registryLoading() const;
    // The registry's doses last read.
    const registry::RegistryDoses& registryDoses() const;

signals:
    // A person row was double-clicked: the person's history is wanted.
    void personChosen(std::int32_t userNo);
    // A reading of the registry ended, with its rows or a failure.
    void registryLoaded();

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
    // The station or the registry chosen: the grid, the actions and the content follow.
    void sourceChanged();
    // Whether the station has a registry address; leaves registry mode when it has none.
    void readRegistryAddress();
    // Starts reading the registry's doses in a thread; a reading started before is forgotten.
    void loadRegistry();
    void registryRead(int request, const registry::RegistryDoses& doses, const QString& failure);
    void fillRegistryRows();

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
    QLabel* LblSource;
    QComboBox* ComboSource;
    QLabel* LblLimits;
    QLabel* LblLoading;
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

    QStandardItemModel* registryModel_;
    QSortFilterProxyModel* registryProxy_;
    QString registryAddress_;
    registry::RegistryDoses registryDoses_;
    int registryRequest_ = 0; // the reading whose result is waited for
    bool registryLoading_ = false;
    bool registryColumnsSized_ = false;
};

} // namespace sarvo
