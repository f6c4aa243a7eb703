#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace sarvo {

class SaveDialog;
class Store;
struct DoseOverview;

// The annual report: for the year chosen, each person's dose per month and the year's total
// with the status, printed (AnnualReportPrinter), saved as a PDF file, or saved as a CSV file of
// the columns of `sarvo-tool report --csv`. The report is built anew from the files for each.
class TFormAnnualReport final : public QDialog {
    Q_OBJECT
public:
    TFormAnnualReport(Store& store, QWidget* parent = nullptr);

    // Opens the dialog on `store` (a menu command of the main window calls it).
    static void runReport(QWidget* parent, Store& store);

private:
    void BtnPrintClick();
    void BtnPdfClick();
    void BtnCsvClick();
    // The report of the year chosen, or nothing after a message.
    std::optional<DoseOverview> overview();

    Store& store_;
    QSpinBox* SpinYear;
    QCheckBox* CheckShowLeft;
    QPushButton* BtnPrint;
    QPushButton* BtnPdf;
    QPushButton* BtnCsv;
    QPushButton* BtnClose;
    SaveDialog* SaveDialogPdf;
    SaveDialog* SaveDialogCsv;
};

} // namespace sarvo
