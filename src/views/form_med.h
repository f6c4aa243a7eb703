#pragma once

#include <QDialog>

class QAction;
class QMenu;
class QMenuBar;
class QTableWidget;

namespace sarvo {

// The dose-rate log window: the lines of a reading that are new since the person's previous
// reading. It shows only what the reading intake puts into its grid, is shown modally, and is
// closed only through its own menu (no title-bar buttons, Esc does nothing).
class TFormMED : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 100;

    explicit TFormMED(QWidget* parent = nullptr);

    // The grid's rows 1 to 100 are table rows 0 to 99; row 0 is the header.
    void clearLines();
    // Fills grid row `row` (1 to 100): entry number, date, time and rate text.
    void setLine(int row, const QString& number, const QString& date, const QString& time,
                 const QString& rate);
    QString cell(int row, int column) const;
    // At least one line: row 1, column 1 is not empty.
    bool hasLines() const;
    bool unsaved() const { return unsaved_; }

    QMenuBar* menuBar;
    QMenu* mnu_MEDFile;
    QAction* mnu_MEDSaveAs;
    QAction* mnu_MEDPrint;
    QAction* mnu_MEDExit;
    QTableWidget* StringGridMED;

public slots:
    void mnu_MEDSaveAsClick();
    void mnu_MEDPrintClick();
    void mnu_MEDExitClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();

    bool unsaved_ = true;
    bool closing_ = false;
};

} // namespace sarvo
