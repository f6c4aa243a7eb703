#include "gui/print/form_print.h"

#include "core/text/language.h"
#include "core/text/print_listings.h"
#include "core/text/text_file.h"
#include "gui/common/message_boxes.h"
#include "gui/common/save_dialog.h"
#include "gui/common/store_call.h"
#include "gui/history/hist_chart.h"
#include "gui/print/listing_pages.h"

#include <QChartView>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

namespace sarvo {

namespace {

const QString kNoPrinter = QStringLiteral("There is no default printer currently selected");
const QString kInvalidPrinter = QStringLiteral("Printer selected is not valid");

// "Courier" 12 points; where the system has no font of that name, a monospaced one stands in.
QFont listingFont() {
    QFont font(QStringLiteral("Courier"), 12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

TFormPrint::TFormPrint(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormPrint"));
    setModal(true);

    RichEditPrint = new QTextEdit(this);
    RichEditPrint->setObjectName(QStringLiteral("RichEditPrint"));
    RichEditPrint->setReadOnly(true);
    RichEditPrint->setLineWrapMode(QTextEdit::NoWrap);
    RichEditPrint->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditPrint->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    ChartPrnChart = new HistChart(HistChart::Look::Print);
    SeriesPrn = ChartPrnChart->series();
    ChartPrn = new QChartView(ChartPrnChart, this);
    ChartPrn->setObjectName(QStringLiteral("ChartPrn"));
    ChartPrn->setRenderHint(QPainter::Antialiasing);
    ChartPrn->setInteractive(false);
    ChartPrn->hide();

    btnPrn_Ok = new QPushButton(this);
    btnPrn_Ok->setObjectName(QStringLiteral("btnPrn_Ok"));
    btnPrn_Ok->setDefault(true);
    btnPrn_Cancel = new QPushButton(this);
    btnPrn_Cancel->setObjectName(QStringLiteral("btnPrn_Cancel"));
    lblPrn_PtinterSelect = new QLabel(this);
    lblPrn_PtinterSelect->setObjectName(QStringLiteral("lblPrn_PtinterSelect"));
    cbPrinterSelect = new QComboBox(this);
    cbPrinterSelect->setObjectName(QStringLiteral("cbPrinterSelect"));
    cbPrinterSelect->setMinimumContentsLength(30);
    lblPrn_PtinterSelect->setBuddy(cbPrinterSelect);
    connect(btnPrn_Ok, &QPushButton::clicked, this, &TFormPrint::btnPrn_OkClick);
    connect(btnPrn_Cancel, &QPushButton::clicked, this, &TFormPrint::btnPrn_CancelClick);

    SaveDialogPdf = new SaveDialog(tr("PDF file (*.pdf)") + QStringLiteral("|*.pdf"),
                                   QStringLiteral("*.pdf"), this);

    auto* choice = new QVBoxLayout;
    choice->addWidget(lblPrn_PtinterSelect);
    choice->addWidget(cbPrinterSelect);
    auto* panel = new QHBoxLayout;
    panel->addLayout(choice);
    panel->addStretch();
    panel->addWidget(btnPrn_Ok, 0, Qt::AlignBottom);
    panel->addWidget(btnPrn_Cancel, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEditPrint, 1);
    layout->addWidget(ChartPrn, 1);
    layout->addLayout(panel);
}

TFormPrint::~TFormPrint() = default;

void TFormPrint::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormPrint::FormActivate() {
    setWindowTitle(L(Text::PrintTitle));
    btnPrn_Ok->setText(L(Text::Ok));
    btnPrn_Cancel->setText(L(Text::Cancel));
    lblPrn_PtinterSelect->setText(L(Text::PrinterPrompt));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());

    // The system's printers in its own order, then the PDF file; the current printer chosen,
    // or the PDF file when the system no longer offers it.
    cbPrinterSelect->clear();
    cbPrinterSelect->addItems(QPrinterInfo::availablePrinterNames());
    cbPrinterSelect->addItem(pdfFileEntry());
    const int current = cbPrinterSelect->findText(currentPrinter());
    cbPrinterSelect->setCurrentIndex(current >= 0 ? current : cbPrinterSelect->count() - 1);
}

QString TFormPrint::currentPrinter() const {
    if (!chosenPrinter_.isEmpty())
        return chosenPrinter_;
    const QString standard = QPrinterInfo::defaultPrinterName();
    return standard.isEmpty() ? pdfFileEntry() : standard;
}

void TFormPrint::setListing(const QStringList& lines) {
    chartPrepared_ = false;
    listing_ = lines;
    RichEditPrint->clear();
    ChartPrn->hide();
    RichEditPrint->show();
    const QFont font = listingFont();
    RichEditPrint->setFont(font);
    RichEditPrint->setPlainText(lines.join(QLatin1Char('\n')));

    QTextCursor cursor(RichEditPrint->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat regular;
    regular.setFont(font);
    cursor.setCharFormat(regular);
    // The heading block, from the start of the text through the end of its last line, in bold.
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, kListingHeadingLines - 1);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(bold);
    cursor.clearSelection();
    RichEditPrint->setTextCursor(cursor);
    RichEditPrint->moveCursor(QTextCursor::Start);
}

void TFormPrint::setChart(const QString& title, const std::vector<ChartPoint>& points,
                          const AxisRange& timeRange, const AxisRange& doseRange) {
    chartPrepared_ = true;
    listing_.clear();
    RichEditPrint->clear();
    RichEditPrint->hide();
    ChartPrn->show();
    ChartPrnChart->setTitle(title);
    ChartPrnChart->setPoints(points);
    ChartPrnChart->setTimeRange(timeRange);
    ChartPrnChart->setDoseRange(doseRange);
}

void TFormPrint::btnPrn_OkClick() {
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer))
        return;
    printer.setDocName(QStringLiteral("Doc"));
    bool printed = false;
    if (chartPrepared_) {
        printer.setPageOrientation(QPageLayout::Landscape);
        printed = printChart(printer);
    } else {
        printer.setPageOrientation(QPageLayout::Portrait);
        printed = printText(printer);
    }
    if (!printed) {
        errorBox(kInvalidPrinter, this);
        return;
    }
    // The job is handed over; the window waits before it closes.
    QThread::msleep(kWaitAfterPrintMs);
    accept();
}

void TFormPrint::btnPrn_CancelClick() {
    reject();
}

bool TFormPrint::choosePrinter(QPrinter& printer) {
    const int index = cbPrinterSelect->currentIndex();
    if (index < 0) {
        errorBox(kNoPrinter, this);
        return false;
    }
    const QString name = cbPrinterSelect->itemText(index);
    if (index == cbPrinterSelect->count() - 1 && name == pdfFileEntry()) {
        const QString file = SaveDialogPdf->execute();
        if (file.isEmpty())
            return false;
        // The file is created here, so that a name that cannot be written is told as such.
        if (!runStore(this, [&] { TextFile(file.toStdString()).close(); }))
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
    } else {
        if (QPrinterInfo::printerInfo(name).isNull()) {
            errorBox(kInvalidPrinter, this);
            return false;
        }
        printer.setPrinterName(name);
    }
    chosenPrinter_ = name;
    return true;
}

bool TFormPrint::printText(QPrinter& printer) {
    // The listing laid out for the printer over the whole printable area of its page first, so
    // that each page can name the number of pages; every page repeats the heading block.
    const ListingPages pages(listing_, kListingHeadingLines, listingFont(), &printer,
                             QSizeF(printer.width(), printer.height()), tr("Page %1 of %2"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        pages.draw(painter, page);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool TFormPrint::printChart(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The chart is laid out for the page (in points) and drawn as vectors onto it.
    const QSizeF page = printer.pageLayout().paintRect(QPageLayout::Point).size();
    const QSizeF shown = ChartPrnChart->size();
    ChartPrnChart->resize(page);
    ChartPrnChart->layout()->activate();
    ChartPrn->scene()->render(&painter, QRectF(0, 0, printer.width(), printer.height()),
                              QRectF(ChartPrnChart->pos(), page), Qt::KeepAspectRatio);
    ChartPrnChart->resize(shown);
    return painter.end();
}

} // namespace sarvo
