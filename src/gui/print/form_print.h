#pragma once

#include "core/text/chart_points.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPrinter;
class QPushButton;
class QTextEdit;

namespace sarvo {

class HistChart;
class SaveDialog;

// The print window: what is about to be printed, either a listing as text (RichEditPrint) or a
// black-on-white copy of the history chart (ChartPrn), with the choice of printer. The window is
// created once and keeps what was prepared until the next print command. OK prints on the chosen
// printer, which then stays the current printer for the rest of the run: text in portrait, the
// chart on one landscape page.
class TFormPrint final : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrint(QWidget* parent = nullptr);
    ~TFormPrint() override;
    Q_DISABLE_COPY_MOVE(TFormPrint)

    // The entry of cbPrinterSelect after the system's printers: printing into a PDF file whose
    // name is asked for, for a workstation without a printer; in the program's language.
    static QString pdfFileEntry() { return tr("PDF file"); }
    // The time OK waits after handing the job over, in milliseconds.
    static constexpr int kWaitAfterPrintMs = 2000;

    // The text page: RichEditPrint emptied and shown, ChartPrn hidden, the lines in "Courier" 12
    // points with the first kListingHeadingLines of them (the heading block) in bold. Printed,
    // every page begins with the heading block and ends with "Page n of m".
    void setListing(const QStringList& lines);
    // The chart page: ChartPrn shown with this title and points (in ascending X, each with its
    // label written along the time axis), its axes set to these fixed ranges (those of the screen
    // chart); the dose axis is linear.
    void setChart(const QString& title, const std::vector<ChartPoint>& points,
                  const AxisRange& timeRange, const AxisRange& doseRange);
    bool chartPrepared() const { return chartPrepared_; }

    // The current printer, the one the window offers first: the one chosen on an OK of this
    // run, otherwise the system's default printer, or pdfFileEntry() when the system has none.
    QString currentPrinter() const;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void btnPrn_OkClick();
    void btnPrn_CancelClick();

private:
    void FormActivate();
    // Sets up `printer` for the entry chosen in cbPrinterSelect; false (after telling the
    // officer why, where there is something to tell) when nothing is to be printed.
    bool choosePrinter(QPrinter& printer);
    bool printText(QPrinter& printer);
    bool printChart(QPrinter& printer);

    QTextEdit* RichEditPrint;
    QChartView* ChartPrn;
    HistChart* ChartPrnChart; // the chart's print look: black on white, linear dose axis
    QLineSeries* SeriesPrn;
    QPushButton* btnPrn_Ok;
    QPushButton* btnPrn_Cancel;
    QLabel* lblPrn_PtinterSelect;
    QComboBox* cbPrinterSelect;
    SaveDialog* SaveDialogPdf;

    QStringList listing_;   // the lines of the text page
    QString chosenPrinter_; // chosen on OK in this run; empty while the default holds
    bool chartPrepared_ = false;
};

} // namespace sarvo
