#include "gui/main/form_med.h"

#include "core/text/language.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"
#include "gui/common/save_dialog.h"
#include "gui/common/store_call.h"
#include "gui/print/form_print.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sarvo {

TFormMED::TFormMED(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormMED"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    menuBar = new QMenuBar(this);
    mnu_MEDFile = menuBar->addMenu(QString());
    mnu_MEDFile->setObjectName(QStringLiteral("mnu_MEDFile"));
    mnu_MEDSaveAs = mnu_MEDFile->addAction(QString());
    mnu_MEDSaveAs->setObjectName(QStringLiteral("mnu_MEDSaveAs"));
    mnu_MEDFile->addSeparator();
    mnu_MEDPrint = mnu_MEDFile->addAction(QString());
    mnu_MEDPrint->setObjectName(QStringLiteral("mnu_MEDPrint"));
    mnu_MEDFile->addSeparator();
    mnu_MEDExit = mnu_MEDFile->addAction(QString());
    mnu_MEDExit->setObjectName(QStringLiteral("mnu_MEDExit"));
    connect(mnu_MEDSaveAs, &QAction::triggered, this, &TFormMED::mnu_MEDSaveAsClick);
    connect(mnu_MEDPrint, &QAction::triggered, this, &TFormMED::mnu_MEDPrintClick);
    connect(mnu_MEDExit, &QAction::triggered, this, &TFormMED::mnu_MEDExitClick);

    StringGridMED = new QTableWidget(kRows, 4, this);
    StringGridMED->setObjectName(QStringLiteral("StringGridMED"));
    StringGridMED->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGridMED->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridMED->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridMED->verticalHeader()->hide();
    StringGridMED->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGridMED->verticalHeader()->setDefaultSectionSize(20);
    StringGridMED->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGridMED->horizontalHeader()->setFixedHeight(20);
    StringGridMED->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < 4; ++column) {
        StringGridMED->setColumnWidth(column, 97);
        StringGridMED->setHorizontalHeaderItem(column, new QTableWidgetItem);
    }

    SaveDialogMED = new SaveDialog(QStringLiteral("Text file (*.txt)|*.txt|Any file (*.*)|*.*"),
                                   QStringLiteral("*.txt"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(StringGridMED);
    fitToGrid();
}

void TFormMED::fitToGrid() {
    // The menu bar's height is known only once its title is set.
    setFixedSize(kGridSize.width(), kGridSize.height() + menuBar->sizeHint().height());
}

void TFormMED::clearLines() {
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < 4; ++column)
            StringGridMED->setItem(row, column, nullptr);
}

void TFormMED::setLine(int row, const QString& number, const QString& date, const QString& time,
                       const QString& rate) {
    if (row < 1 || row > kRows)
        return;
    const QString texts[4] = {number, date, time, rate};
    for (int column = 0; column < 4; ++column)
        StringGridMED->setItem(row - 1, column, new QTableWidgetItem(texts[column]));
}

QString TFormMED::cell(int row, int column) const {
    const QTableWidgetItem* item =
        row >= 1 && row <= kRows ? StringGridMED->item(row - 1, column) : nullptr;
    return item ? item->text() : QString();
}

bool TFormMED::hasLines() const {
    return !cell(1, 1).isEmpty();
}

void TFormMED::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TFormMED::FormActivate() {
    unsaved_ = true;
    closing_ = false;
    setWindowTitle(L(Text::DoseRateLogTitle));
    StringGridMED->horizontalHeaderItem(0)->setText(QString());
    StringGridMED->horizontalHeaderItem(1)->setText(L(Text::DateColumn));
    StringGridMED->horizontalHeaderItem(2)->setText(L(Text::TimeColumn));
    StringGridMED->horizontalHeaderItem(3)->setText(L(Text::DoseRate));
    StringGridMED->setColumnWidth(0, 30);
    mnu_MEDFile->setTitle(L(Text::FileMenu));
    mnu_MEDSaveAs->setText(L(Text::SaveAsText));
    mnu_MEDPrint->setText(L(Text::Print));
    mnu_MEDExit->setText(L(Text::Exit));
    fitToGrid();
    centreOnScreen(this);
}

std::vector<DoseRateLogRow> TFormMED::logRows() const {
    std::vector<DoseRateLogRow> rows;
    for (int row = 1; row <= kRows; ++row)
        rows.push_back({cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3)});
    return rows;
}

void TFormMED::mnu_MEDSaveAsClick() {
    saveLog();
}

TFormMED::SaveResult TFormMED::saveLog() {
    const QString file = SaveDialogMED->execute();
    if (file.isEmpty())
        return SaveResult::Cancelled;
    // After a failure the log is still unsaved, and the window stays open.
    if (!runStore(this, [&] {
            saveDoseRateLog(file.toStdString(),
                            doseRateLogExportText(languageStrings(), person_, logRows()));
        }))
        return SaveResult::Failed;
    unsaved_ = false;
    return SaveResult::Saved;
}

void TFormMED::mnu_MEDPrintClick() {
    if (!printWindow_)
        printWindow_ = new TFormPrint(this);
    printWindow_->setListing(doseRateLogPrintLines(languageStrings(), person_, logRows()));
    printWindow_->exec();
}

void TFormMED::mnu_MEDExitClick() {
    if (unsaved_) {
        switch (infoQuestion(L(Text::SaveDoseRateLogQuestion), this)) {
        case QMessageBox::Yes:
            // Cancelling the file dialog still closes the window; a failed save does not.
            if (saveLog() == SaveResult::Failed)
                return;
            break;
        case QMessageBox::No:
            break;
        default:
            return;
        }
    }
    closing_ = true;
    accept();
}

void TFormMED::closeEvent(QCloseEvent* event) {
    if (!closing_)
        event->ignore();
}

void TFormMED::keyPressEvent(QKeyEvent* event) {
    // Esc leaves the window as File -> Exit does, with the same question about an unsaved log.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        mnu_MEDExitClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace sarvo
