#include "gui/dialogs/form_annual_report.h"

#include "core/store/dose_database.h"
#include "core/store/dose_overview.h"
#include "core/text/dose_tables.h"
#include "core/text/language.h"
#include "core/text/text_file.h"
#include "gui/common/message_boxes.h"
#include "gui/common/save_dialog.h"
#include "gui/common/store_call.h"
#include "gui/dialogs/annual_report_printer.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace sarvo {

TFormAnnualReport::TFormAnnualReport(Store& store, QWidget* parent)
    : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("TFormAnnualReport"));
    setWindowTitle(tr("Annual report"));
    setModal(true);

    auto* label = new QLabel(tr("Year:"), this);
    label->setObjectName(QStringLiteral("LblYear"));
    SpinYear = new QSpinBox(this);
    SpinYear->setObjectName(QStringLiteral("SpinYear"));
    SpinYear->setRange(1900, 9999);
    SpinYear->setValue(QDate::currentDate().year());
    label->setBuddy(SpinYear);
    // As `sarvo-tool report --left`: the persons who left are in the report only when asked for.
    CheckShowLeft = new QCheckBox(tr("Show persons who left"), this);
    CheckShowLeft->setObjectName(QStringLiteral("CheckShowLeft"));
    const auto button = [this](const QString& text, const char* name) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    BtnPrint = button(tr("Print..."), "BtnPrint");
    BtnPdf = button(tr("Save as PDF..."), "BtnPdf");
    BtnCsv = button(tr("Save as CSV..."), "BtnCsv");
    BtnClose = button(tr("Close"), "BtnClose");

    auto* yearRow = new QHBoxLayout;
    yearRow->addWidget(label);
    yearRow->addWidget(SpinYear);
    yearRow->addSpacing(24);
    yearRow->addWidget(CheckShowLeft);
    yearRow->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BtnPrint, BtnPdf, BtnCsv})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BtnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(yearRow);
    layout->addLayout(buttons);

    SaveDialogPdf = new SaveDialog(tr("PDF file (*.pdf)") + QStringLiteral("|*.pdf"),
                                   QStringLiteral("*.pdf"), this);
    SaveDialogPdf->setObjectName(QStringLiteral("SaveDialogPdf"));
    SaveDialogCsv = new SaveDialog(tr("CSV file (*.csv)") + QStringLiteral("|*.csv"),
                                   QStringLiteral("*.csv"), this);
    SaveDialogCsv->setObjectName(QStringLiteral("SaveDialogCsv"));

    connect(BtnPrint, &QPushButton::clicked, this, &TFormAnnualReport::BtnPrintClick);
    connect(BtnPdf, &QPushButton::clicked, this, &TFormAnnualReport::BtnPdfClick);
    connect(BtnCsv, &QPushButton::clicked, this, &TFormAnnualReport::BtnCsvClick);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAnnualReport::runReport(QWidget* parent, Store& store) {
    TFormAnnualReport dialog(store, parent);
    dialog.exec();
}

std::optional<DoseOverview> TFormAnnualReport::overview() {
    std::optional<DoseOverview> built;
    runStore(this, [&] {
        DoseDatabase database(store_);
        built = buildDoseOverview(store_, database, SpinYear->value(), QDate::currentDate());
        if (!CheckShowLeft->isChecked())
            built = withoutPersonsWhoLeft(std::move(*built));
    });
    return built;
}

void TFormAnnualReport::BtnPrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialogReport"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::optional<DoseOverview> report = overview();
    if (report && !AnnualReportPrinter(*report).print(printer))
        errorBox(tr("The report could not be printed."), this);
}

void TFormAnnualReport::BtnPdfClick() {
    const QString file = SaveDialogPdf->execute();
    if (file.isEmpty())
        return;
    const std::optional<DoseOverview> report = overview();
    if (!report)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    if (!AnnualReportPrinter(*report).print(printer))
        errorBox(tr("The report could not be written into %1.").arg(file), this);
}

void TFormAnnualReport::BtnCsvClick() {
    const QString file = SaveDialogCsv->execute();
    if (file.isEmpty())
        return;
    const std::optional<DoseOverview> report = overview();
    if (!report)
        return;
    runStore(this, [&] {
        TextFile out(file.toStdString());
        out.write(csvText(reportTable(*report, TableForm::Csv)));
        out.close();
    });
}

} // namespace sarvo
