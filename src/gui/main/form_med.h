#pragma once

#include "core/store/records.h"
#include "core/text/dose_rate_log.h"

#include <QDialog>
#include <QSize>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QTableWidget;

namespace sarvo {

class SaveDialog;
class TFormPrint;

// The dose-rate log window: the lines of a reading that are new since the person's previous
// reading. It shows only what the reading intake puts into its grid, is shown modally, and is
// closed only through its own menu or with Esc, which does what File -> Exit does (no title-bar
// buttons).
class TFormMED final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 100;
    // The grid fills the window under the menu bar.
    static constexpr QSize kGridSize{352, 354};

    explicit TFormMED(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TFormMED)

    // The grid's rows 1 to 100 are table rows 0 to 99; row 0 is the header.
    void clearLines();
    // Fills grid row `row` (1 to 100): entry number, date, time and rate text.
    void setLine(int row, const QString& number, const QString& date, const QString& time,
                 const QString& rate);
    QString cell(int row, int column) const;
    // At least one line: row 1, column 1 is not empty.
    bool hasLines() const;
    bool unsaved() const { return unsaved_; }
    // The person of the reading (the shared in-memory User record), named by the title line of
    // the saved and printed log.
    void setPerson(const UserRecord& person) { person_ = person; }
    // The print window that prints the log; without one the window makes its own.
    void setPrintWindow(TFormPrint* window) { printWindow_ = window; }
    // The grid's rows 1 to 100; a row without a number holds no entry.
    std::vector<DoseRateLogRow> logRows() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void mnu_MEDSaveAsClick();
    void mnu_MEDPrintClick();
    void mnu_MEDExitClick();

private:
    enum class SaveResult { Saved, Cancelled, Failed };

    void FormActivate();
    // The window's size: the grid's under the menu bar as its texts make it.
    void fitToGrid();
    // Asks for a file and writes the log into it; a failure is shown to the officer.
    SaveResult saveLog();

    QMenuBar* menuBar;
    QMenu* mnu_MEDFile;
    QAction* mnu_MEDSaveAs;
    QAction* mnu_MEDPrint;
    QAction* mnu_MEDExit;
    QTableWidget* StringGridMED;
    SaveDialog* SaveDialogMED;

    bool unsaved_ = true;
    bool closing_ = false;
    UserRecord person_;
    TFormPrint* printWindow_ = nullptr;
};

} // namespace sarvo
