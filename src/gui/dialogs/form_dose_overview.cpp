#include "gui/dialogs/form_dose_overview.h"

#include "core/registry/registry_connection.h"
#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/store/store_error.h"
#include "core/text/dose_tables.h"
#include "core/text/dose_texts.h"
#include "core/text/text_file.h"
#include "core/text/text_forms.h"
#include "gui/common/dialog_layout.h"
#include "gui/common/message_boxes.h"
#include "gui/common/save_dialog.h"
#include "gui/common/store_call.h"
#include "gui/dialogs/dose_overview_model.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace sarvo {

namespace {

// The share of the annual limit as a bar across its cell, in the colour of the status, with
// the per cent text over it.
void drawShareBar(QPainter& painter, const QRect& cell, double share, QColor colour,
                  const QString& text, const QColor& textColour) {
    const QRectF frame = QRectF(cell).adjusted(2, 2, -2, -2);
    painter.save();
    QColor fill = colour;
    fill.setAlpha(170);
    QRectF bar = frame;
    bar.setWidth(frame.width() * std::clamp(share, 0.0, 1.0));
    painter.fillRect(bar, fill);
    painter.setPen(QPen(colour, 0));
    painter.drawRect(frame);
    painter.setPen(textColour);
    painter.drawText(frame, Qt::AlignCenter, text);
    painter.restore();
}

class ShareBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const bool selected = option.state & QStyle::State_Selected;
        drawShareBar(*painter, option.rect, index.data(DoseOverviewModel::ShareRole).toDouble(),
                     index.data(DoseOverviewModel::StatusColourRole).value<QColor>(), text,
                     selected ? option.palette.highlightedText().color() : QColor(Qt::black));
    }
};

QString saveFilter(const QString& description, const QString& extension) {
    return description + QStringLiteral(" (*.%1)|*.%1|").arg(extension) +
           TFormDoseOverview::tr("Any files") + QStringLiteral(" (*.*)|*.*");
}

// The columns of the registry's rows.
enum RegistryColumn {
    RegWorker,
    RegFullName,
    RegStations,
    RegYearDose,
    RegFiveYear,
    RegStatus,
    RegColumnCount
};

// An ISO 8601 time as the program shows it: the locale's date and the time of day.
QString timeText(const QString& iso) {
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!time.isValid())
        return iso;
    const ValueFormats& forms = ValueFormats::system();
    return forms.date(time.date()) + u' ' + forms.time(time.time());
}

} // namespace

TFormDoseOverview::TFormDoseOverview(Store& store, QWidget* parent)
    : QWidget(parent, Qt::Window), store_(store) {
    setObjectName(QStringLiteral("TFormDoseOverview"));

    const auto action = [this](QMenu* menu, const char* name) {
        QAction* item = menu->addAction(QString());
        item->setObjectName(QLatin1String(name));
        return item;
    };
    menuBar_ = new QMenuBar(this);
    mnu_OverviewFile = menuBar_->addMenu(QString());
    mnu_OverviewFile->setObjectName(QStringLiteral("mnu_OverviewFile"));
    mnu_OverviewPrint = action(mnu_OverviewFile, "mnu_OverviewPrint");
    mnu_OverviewPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnu_OverviewPdf = action(mnu_OverviewFile, "mnu_OverviewPdf");
    mnu_OverviewCsv = action(mnu_OverviewFile, "mnu_OverviewCsv");
    mnu_OverviewFile->addSeparator();
    mnu_OverviewRefresh = action(mnu_OverviewFile, "mnu_OverviewRefresh");
    mnu_OverviewRefresh->setShortcut(QKeySequence(Qt::Key_F5));
    mnu_OverviewFile->addSeparator();
    mnu_OverviewClose = action(mnu_OverviewFile, "mnu_OverviewClose");
    mnu_OverviewClose->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(mnu_OverviewPrint, &QAction::triggered, this, &TFormDoseOverview::printClick);
    connect(mnu_OverviewPdf, &QAction::triggered, this, &TFormDoseOverview::savePdfClick);
    connect(mnu_OverviewCsv, &QAction::triggered, this, &TFormDoseOverview::saveCsvClick);
    connect(mnu_OverviewRefresh, &QAction::triggered, this, &TFormDoseOverview::refresh);
    connect(mnu_OverviewClose, &QAction::triggered, this, &QWidget::close);

    LblYear = new QLabel(this);
    SpinYear = new QSpinBox(this);
    SpinYear->setObjectName(QStringLiteral("SpinYear"));
    SpinYear->setRange(1900, 9999);
    SpinYear->setValue(QDate::currentDate().year());
    // A year typed in counts when it is confirmed, not at each digit.
    SpinYear->setKeyboardTracking(false);
    LblYear->setBuddy(SpinYear);
    connect(SpinYear, &QSpinBox::valueChanged, this, &TFormDoseOverview::refresh);

    LblSearch = new QLabel(this);
    EditSearch = new QLineEdit(this);
    EditSearch->setObjectName(QStringLiteral("EditSearch"));
    EditSearch->setClearButtonEnabled(true);
    LblSearch->setBuddy(EditSearch);
    CheckShowLeft = new QCheckBox(this);
    CheckShowLeft->setObjectName(QStringLiteral("CheckShowLeft"));
    connect(CheckShowLeft, &QCheckBox::toggled, this, &TFormDoseOverview::refresh);

    LblSource = new QLabel(this);
    ComboSource = new QComboBox(this);
    ComboSource->setObjectName(QStringLiteral("ComboSource"));
    ComboSource->addItems({QString(), QString()});
    ComboSource->setEnabled(false);
    LblSource->setBuddy(ComboSource);
    connect(ComboSource, &QComboBox::currentIndexChanged, this, &TFormDoseOverview::sourceChanged);

    LblLimits = new QLabel(this);
    LblLimits->setObjectName(QStringLiteral("LblLimits"));
    LblLoading = new QLabel(this);
    LblLoading->setObjectName(QStringLiteral("LblLoading"));
    LblLoading->hide();
    LblFailure = new QLabel(this);
    LblFailure->setObjectName(QStringLiteral("LblFailure"));
    LblFailure->setWordWrap(true);
    LblFailure->setStyleSheet(QStringLiteral("color: #c62828; font-weight: bold;"));
    LblFailure->hide();

    model_ = new DoseOverviewModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    DoseOverviewModel::configureProxy(*proxy_);
    proxy_->setSourceModel(model_);
    connect(EditSearch, &QLineEdit::textChanged, proxy_,
            &QSortFilterProxyModel::setFilterFixedString);
    registryModel_ = new QStandardItemModel(0, RegColumnCount, this);
    registryProxy_ = new QSortFilterProxyModel(this);
    DoseOverviewModel::configureProxy(*registryProxy_);
    registryProxy_->setSourceModel(registryModel_);
    connect(EditSearch, &QLineEdit::textChanged, registryProxy_,
            &QSortFilterProxyModel::setFilterFixedString);

    GridOverview = new QTableView(this);
    GridOverview->setObjectName(QStringLiteral("GridOverview"));
    GridOverview->setModel(proxy_);
    GridOverview->setItemDelegateForColumn(DoseOverviewModel::Share,
                                           new ShareBarDelegate(GridOverview));
    GridOverview->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridOverview->setSelectionMode(QAbstractItemView::SingleSelection);
    GridOverview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridOverview->setAlternatingRowColors(false);
    GridOverview->verticalHeader()->hide();
    GridOverview->horizontalHeader()->setHighlightSections(false);
    GridOverview->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    GridOverview->horizontalHeader()->setStretchLastSection(true);
    GridOverview->setSortingEnabled(true);
    GridOverview->sortByColumn(DoseOverviewModel::Name, Qt::AscendingOrder);
    connect(GridOverview, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && !registryMode())
            emit personChosen(index.data(DoseOverviewModel::UserNoRole).toInt());
    });

    LblAlerts = new QLabel(this);
    LblAlerts->setObjectName(QStringLiteral("LblAlerts"));
    ListAlerts = new QTreeWidget(this);
    ListAlerts->setObjectName(QStringLiteral("ListAlerts"));
    ListAlerts->setColumnCount(6);
    ListAlerts->setRootIsDecorated(false);
    ListAlerts->setSelectionMode(QAbstractItemView::SingleSelection);
    ListAlerts->setMaximumHeight(160);
    connect(ListAlerts, &QTreeWidget::currentItemChanged, this, &TFormDoseOverview::updateButtons);
    BtnAcknowledge = new QPushButton(this);
    BtnAcknowledge->setObjectName(QStringLiteral("BtnAcknowledge"));
    BtnAcknowledge->setAutoDefault(false);
    connect(BtnAcknowledge, &QPushButton::clicked, this, &TFormDoseOverview::acknowledgeClick);

    SaveDialogPdf = new SaveDialog(QString(), QStringLiteral("*.pdf"), this);
    SaveDialogPdf->setObjectName(QStringLiteral("SaveDialogPdf"));
    SaveDialogCsv = new SaveDialog(QString(), QStringLiteral("*.csv"), this);
    SaveDialogCsv->setObjectName(QStringLiteral("SaveDialogCsv"));

    auto* top = new QHBoxLayout;
    top->addWidget(LblYear);
    top->addWidget(SpinYear);
    top->addSpacing(24);
    top->addWidget(LblSearch);
    top->addWidget(EditSearch, 1);
    top->addWidget(CheckShowLeft);
    top->addSpacing(24);
    top->addWidget(LblSource);
    top->addWidget(ComboSource);
    auto* alerts = new QHBoxLayout;
    alerts->addWidget(ListAlerts, 1);
    alerts->addWidget(BtnAcknowledge, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addLayout(top);
    layout->addWidget(LblLimits);
    layout->addWidget(LblLoading);
    layout->addWidget(LblFailure);
    layout->addWidget(GridOverview, 1);
    layout->addWidget(LblAlerts);
    layout->addLayout(alerts);

    applyTexts();
    updateButtons();
    // Wide enough for every column where the screen allows, never beyond the screen.
    QSize size(1320, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.92);
    resize(size);
    centreOnScreen(this);
}

int TFormDoseOverview::year() const {
    return SpinYear->value();
}

const DoseOverview& TFormDoseOverview::overview() const {
    return model_->overview();
}

QString TFormDoseOverview::failure() const {
    return failure_;
}

void TFormDoseOverview::applyTexts() {
    setWindowTitle(tr("Dose overview"));
    mnu_OverviewFile->setTitle(tr("&File"));
    mnu_OverviewPrint->setText(tr("Print..."));
    mnu_OverviewPdf->setText(tr("Save as PDF..."));
    mnu_OverviewCsv->setText(tr("Save as CSV..."));
    mnu_OverviewRefresh->setText(tr("Refresh"));
    mnu_OverviewClose->setText(tr("Close"));
    LblYear->setText(tr("&Year:"));
    LblSearch->setText(tr("&Search:"));
    EditSearch->setPlaceholderText(registryMode() ? tr("Worker, name or station")
                                                  : tr("Name, department or dosimeter"));
    CheckShowLeft->setText(tr("Show persons who left"));
    BtnAcknowledge->setText(tr("Acknowledge..."));
    LblSource->setText(tr("So&urce:"));
    ComboSource->setItemText(0, tr("Station"));
    ComboSource->setItemText(1, tr("Central registry"));
    ComboSource->setToolTip(tr("The doses of every station from the central registry, read "
                               "only. Offered when the station has the registry's address."));
    LblLoading->setText(tr("Loading…"));
    ListAlerts->setHeaderLabels(
        {tr("Raised"), tr("Person"), tr("Alert"), tr("Period"), tr("Dose, mSv"), tr("Level, mSv")});
    SaveDialogPdf->setNameFilters(
        SaveDialog::nameFiltersOf(saveFilter(tr("PDF files"), QStringLiteral("pdf"))));
    SaveDialogCsv->setNameFilters(
        SaveDialog::nameFiltersOf(saveFilter(tr("CSV files"), QStringLiteral("csv"))));
    model_->retranslate();
    fillRegistryRows();
    showContent();
}

void TFormDoseOverview::showContent() {
    const DoseLimits& limits = registryMode() ? registryDoses_.limits : model_->overview().limits;
    QString text = tr("Annual limit %1 mSv, five-year limit %2 mSv, investigation level %3 mSv")
                       .arg(formatNumber(limits.annual), formatNumber(limits.fiveYear),
                            formatNumber(limits.investigation));
    if (limits.monthly)
        text += tr(", monthly investigation level %1 mSv").arg(formatNumber(*limits.monthly));
    text += tr("; a dosimeter is overdue after %n day(s) without a reading.", nullptr,
               limits.overdueDays);
    LblLimits->setText(registryMode() ? tr("Central registry: %1").arg(text) : text);
    LblAlerts->setText(tr("Open alerts: %1").arg(model_->overview().openAlerts.size()));
    fillAlerts();
}

void TFormDoseOverview::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        applyTexts();
    QWidget::changeEvent(event);
}

void TFormDoseOverview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void TFormDoseOverview::refresh() {
    // A refresh asked for while one runs (a reading taken in meanwhile) is not needed.
    if (refreshing_)
        return;
    refreshing_ = true;
    readRegistryAddress();
    if (registryMode()) {
        loadRegistry();
        refreshing_ = false;
        return;
    }
    const std::optional<std::int32_t> selected = selectedUserNo();
    DoseOverview built;
    failure_.clear();
    try {
        DoseDatabase database(store_);
        built = buildDoseOverview(store_, database, SpinYear->value(), QDate::currentDate());
        if (!CheckShowLeft->isChecked())
            built = withoutPersonsWhoLeft(std::move(built));
    } catch (const StoreError& error) {
        failure_ = error.text();
    }
    if (failure_.isEmpty())
        model_->setOverview(std::move(built));
    LblFailure->setText(failure_);
    LblFailure->setVisible(!failure_.isEmpty());
    showContent();
    if (selected) {
        const int row = model_->rowOfUserNo(*selected);
        const QModelIndex shown = proxy_->mapFromSource(model_->index(row, 0));
        if (row >= 0 && shown.isValid())
            GridOverview->selectRow(shown.row());
    }
    // The columns take the width of their texts once; then they keep what the officer set.
    if (!columnsSized_ && model_->rowCount() > 0) {
        GridOverview->resizeColumnsToContents();
        columnsSized_ = true;
    }
    updateButtons();
    refreshing_ = false;
}

std::optional<std::int32_t> TFormDoseOverview::selectedUserNo() const {
    const QModelIndexList rows = GridOverview->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().data(DoseOverviewModel::UserNoRole).toInt();
}

void TFormDoseOverview::fillAlerts() {
    const long long current = ListAlerts->currentItem()
                                  ? ListAlerts->currentItem()->data(0, Qt::UserRole).toLongLong()
                                  : 0;
    ListAlerts->clear();
    for (const Alert& alert : model_->overview().openAlerts) {
        const int row = model_->rowOfUserNo(alert.userNo);
        const QString person =
            row >= 0 ? personName(model_->person(row).person, &model_->person(row).details)
                     : tr("No. %1").arg(alert.userNo);
        auto* item = new QTreeWidgetItem(
            ListAlerts, {timeText(alert.time), person, alertKindText(alert.kind), alert.period,
                         formatNumber(alert.dose), formatNumber(alert.level)});
        item->setData(0, Qt::UserRole, qlonglong(alert.id));
        item->setForeground(
            2, DoseOverviewModel::statusColour(alert.kind == AlertKind::Limit ||
                                                       alert.kind == AlertKind::FiveYearLimit
                                                   ? DoseStatus::Limit
                                                   : DoseStatus::Investigation));
        if (alert.id == current)
            ListAlerts->setCurrentItem(item);
    }
    for (int column = 0; column < ListAlerts->columnCount(); ++column)
        ListAlerts->resizeColumnToContents(column);
    updateButtons();
}

void TFormDoseOverview::updateButtons() {
    // The registry is only read: nothing is acknowledged; its rows are saved as CSV (the columns
    // of `sarvo-tool registry doses --csv`), not printed.
    const bool station = !registryMode();
    BtnAcknowledge->setEnabled(station && ListAlerts->currentItem() != nullptr);
    ListAlerts->setEnabled(station);
    mnu_OverviewPrint->setEnabled(station);
    mnu_OverviewPdf->setEnabled(station);
}

bool TFormDoseOverview::registryMode() const {
    return ComboSource->currentIndex() == 1;
}

bool TFormDoseOverview::registryLoading() const {
    return registryLoading_;
}

const registry::RegistryDoses& TFormDoseOverview::registryDoses() const {
    return registryDoses_;
}

void TFormDoseOverview::readRegistryAddress() {
    try {
        DoseDatabase database(store_);
        registryAddress_ = database.registrySettings().address;
    } catch (const StoreError&) {
        registryAddress_.clear();
    }
    ComboSource->setEnabled(!registryAddress_.isEmpty());
    if (registryAddress_.isEmpty() && registryMode()) {
        const QSignalBlocker block(ComboSource);
        ComboSource->setCurrentIndex(0);
        sourceChanged();
    }
}

void TFormDoseOverview::sourceChanged() {
    const bool registry = registryMode();
    GridOverview->setModel(registry ? static_cast<QAbstractItemModel*>(registryProxy_) : proxy_);
    if (!registry) {
        // A reading still running is forgotten.
        ++registryRequest_;
        registryLoading_ = false;
        LblLoading->hide();
    }
    GridOverview->sortByColumn(0, Qt::AscendingOrder);
    // A new model takes the header's default widths: the columns take their texts' again.
    columnsSized_ = registryColumnsSized_ = false;
    EditSearch->setPlaceholderText(registry ? tr("Worker, name or station")
                                            : tr("Name, department or dosimeter"));
    // The registry lists every worker, whoever left.
    CheckShowLeft->setVisible(!registry);
    ListAlerts->setVisible(!registry);
    LblAlerts->setVisible(!registry);
    BtnAcknowledge->setVisible(!registry);
    failure_.clear();
    LblFailure->hide();
    updateButtons();
    if (isVisible() || registry)
        refresh();
}

void TFormDoseOverview::loadRegistry() {
    const int request = ++registryRequest_;
    const QString address = registryAddress_;
    const int year = SpinYear->value();
    const QDate today = QDate::currentDate();
    struct Result {
        registry::RegistryDoses doses;
        QString failure;
    };
    auto result = std::make_shared<Result>();
    // The thread makes its own connection and never asks for a password.
    QThread* thread = QThread::create([address, year, today, result] {
        try {
            const std::optional<registry::RegistryAddress> parsed =
                registry::RegistryAddress::parse(address);
            if (!parsed)
                throw registry::RegistryError(
                    tr("%1 is not the address of a PostgreSQL database.").arg(address));
            registry::RegistryConnection connection(*parsed);
            result->doses = registry::registryDoses(connection, year, today);
        } catch (const StoreError& error) {
            result->failure = error.text();
        } catch (const std::exception& error) {
            result->failure = QString::fromLocal8Bit(error.what());
        }
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this,
            [this, request, result] { registryRead(request, result->doses, result->failure); });
    registryLoading_ = true;
    LblLoading->show();
    thread->start();
}

void TFormDoseOverview::registryRead(int request, const registry::RegistryDoses& doses,
                                     const QString& failure) {
    if (request != registryRequest_)
        return;
    registryLoading_ = false;
    LblLoading->hide();
    failure_ = failure;
    if (failure.isEmpty()) {
        registryDoses_ = doses;
        fillRegistryRows();
    }
    LblFailure->setText(failure_);
    LblFailure->setVisible(!failure_.isEmpty());
    showContent();
    if (!registryColumnsSized_ && registryModel_->rowCount() > 0) {
        GridOverview->resizeColumnsToContents();
        registryColumnsSized_ = true;
    }
    updateButtons();
    emit registryLoaded();
}

void TFormDoseOverview::fillRegistryRows() {
    registryModel_->setHorizontalHeaderLabels(
        {tr("Worker"), tr("Full name"), tr("Stations"),
         tr("%1, mSv").arg(registryDoses_.year ? registryDoses_.year : SpinYear->value()),
         tr("5 years, mSv"), tr("Status")});
    registryModel_->setRowCount(0);
    for (const registry::WorkerDoses& worker : registryDoses_.workers) {
        const QColor background = DoseOverviewModel::rowColour(worker.status);
        QList<QStandardItem*> row;
        const auto cell = [&](const QString& text, const QVariant& sortValue, bool number) {
            auto* item = new QStandardItem(text);
            item->setEditable(false);
            item->setData(sortValue, DoseOverviewModel::SortRole);
            item->setData(background, Qt::BackgroundRole);
            item->setData(QColor(Qt::black), Qt::ForegroundRole);
            item->setData(
                QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft)),
                Qt::TextAlignmentRole);
            row << item;
        };
        const QString stations = worker.stations.join(QStringLiteral(", "));
        cell(worker.worker, worker.worker, false);
        cell(worker.fullName, worker.fullName, false);
        cell(stations, stations, false);
        cell(formatNumber(fromMicroSv(worker.doses.year)), qlonglong(worker.doses.year), true);
        cell(formatNumber(fromMicroSv(worker.doses.fiveYear)), qlonglong(worker.doses.fiveYear),
             true);
        cell(doseStatusText(worker.status), int(worker.status), false);
        row[RegStatus]->setData(DoseOverviewModel::statusColour(worker.status), Qt::ForegroundRole);
        row[RegWorker]->setData(worker.worker + u'\n' + worker.fullName + u'\n' + stations,
                                DoseOverviewModel::SearchRole);
        registryModel_->appendRow(row);
    }
}

void TFormDoseOverview::acknowledgeClick() {
    const QTreeWidgetItem* item = ListAlerts->currentItem();
    if (!item)
        return;
    const long long id = item->data(0, Qt::UserRole).toLongLong();
    const QString what =
        item->text(1) + QStringLiteral(": ") + item->text(2) + QStringLiteral(" ") + item->text(3);
    QString note;
    for (;;) {
        QInputDialog ask(this);
        ask.setObjectName(QStringLiteral("InputAcknowledgeNote"));
        ask.setWindowTitle(tr("Acknowledge alert"));
        ask.setLabelText(tr("%1\nNote (required):").arg(what));
        ask.setTextValue(note);
        if (ask.exec() != QDialog::Accepted)
            return;
        note = ask.textValue().trimmed();
        if (!note.isEmpty())
            break;
        errorBox(tr("An alert is acknowledged with a note. Enter the note."), this);
    }
    try {
        DoseDatabase database(store_);
        database.acknowledge(id, note);
    } catch (const StoreError& error) {
        errorBox(error.text(), this);
    }
    refresh();
}

std::vector<int> TFormDoseOverview::shownRows() const {
    std::vector<int> rows;
    rows.reserve(proxy_->rowCount());
    for (int row = 0; row < proxy_->rowCount(); ++row)
        rows.push_back(proxy_->mapToSource(proxy_->index(row, 0)).row());
    return rows;
}

QByteArray TFormDoseOverview::csvOfShownRows() const {
    if (registryMode()) {
        // The registry's rows are in the order of registryDoses_.workers.
        registry::RegistryDoses shown = registryDoses_;
        shown.workers.clear();
        for (int row = 0; row < registryProxy_->rowCount(); ++row)
            shown.workers.push_back(registryDoses_.workers.at(
                registryProxy_->mapToSource(registryProxy_->index(row, 0)).row()));
        return csvText(registry::registryDosesTable(shown, TableForm::Csv));
    }
    DoseOverview shown = model_->overview();
    shown.persons.clear();
    for (int row : shownRows())
        shown.persons.push_back(model_->person(row));
    return csvText(dosesTable(shown, TableForm::Csv));
}

bool TFormDoseOverview::printTo(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area(QPoint(0, 0),
                     printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QFont body = font();
    body.setPointSizeF(8.0);
    QFont bold = body;
    bold.setBold(true);
    QFont titleFont = body;
    titleFont.setPointSizeF(11.0);
    titleFont.setBold(true);

    // Columns as wide as their widest text, spread over the page's width.
    const std::vector<int> rows = shownRows();
    const int columns = DoseOverviewModel::ColumnCount;
    painter.setFont(bold);
    const int pad = painter.fontMetrics().averageCharWidth();
    std::vector<double> widths(columns);
    for (int column = 0; column < columns; ++column)
        widths[column] = painter.fontMetrics().horizontalAdvance(
            model_->headerData(column, Qt::Horizontal).toString());
    painter.setFont(body);
    for (int row : rows)
        for (int column = 0; column < columns; ++column)
            widths[column] = std::max<double>(
                widths[column],
                painter.fontMetrics().horizontalAdvance(model_->cellText(row, column)));
    double total = 0;
    for (double& width : widths)
        total += (width += 2 * pad);
    for (double& width : widths)
        width *= area.width() / total;

    const int rowHeight = painter.fontMetrics().height() * 3 / 2;
    painter.setFont(titleFont);
    const int titleHeight = painter.fontMetrics().height() * 2;
    const int footerHeight = rowHeight * 2;
    const int perPage =
        std::max(1, (area.height() - titleHeight - footerHeight - rowHeight) / rowHeight);
    const int pages = std::max<int>(1, (int(rows.size()) + perPage - 1) / perPage);

    QString title = tr("Dose overview %1 as of %2")
                        .arg(year())
                        .arg(ValueFormats::system().date(QDate::currentDate()));
    if (!EditSearch->text().isEmpty())
        title += tr(" (search: %1)").arg(EditSearch->text());
    const QPen gridPen(QColor(160, 160, 160), 0);
    const auto cellRect = [&](int column, int top) {
        double left = 0;
        for (int c = 0; c < column; ++c)
            left += widths[c];
        return QRectF(left, top, widths[column], rowHeight).toAlignedRect();
    };
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, area.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                         title);
        int top = titleHeight;
        painter.setFont(bold);
        for (int column = 0; column < columns; ++column) {
            const QRect cell = cellRect(column, top);
            painter.fillRect(cell, QColor(225, 225, 225));
            painter.setPen(gridPen);
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignCenter,
                             model_->headerData(column, Qt::Horizontal).toString());
        }
        top += rowHeight;
        painter.setFont(body);
        const int end = std::min<int>(int(rows.size()), (page + 1) * perPage);
        for (int i = page * perPage; i < end; ++i, top += rowHeight) {
            const int row = rows[i];
            const PersonDoses& person = model_->person(row);
            for (int column = 0; column < columns; ++column) {
                const QRect cell = cellRect(column, top);
                painter.fillRect(cell, DoseOverviewModel::rowColour(person.status));
                painter.setPen(gridPen);
                painter.drawRect(cell);
                const QString text = model_->cellText(row, column);
                if (column == DoseOverviewModel::Share) {
                    drawShareBar(painter, cell, person.annualShare,
                                 DoseOverviewModel::statusColour(person.status), text, Qt::black);
                    continue;
                }
                const auto alignment = Qt::Alignment(
                    model_->data(model_->index(row, column), Qt::TextAlignmentRole).toInt());
                painter.setPen(
                    model_->data(model_->index(row, column), Qt::ForegroundRole).value<QColor>());
                painter.drawText(cell.adjusted(pad, 0, -pad, 0), alignment, text);
            }
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, area.height() - footerHeight, area.width(), footerHeight),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         tr("Page %1 of %2").arg(page + 1).arg(pages));
    }
    return painter.end();
}

void TFormDoseOverview::printClick() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialogOverview"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printTo(printer))
        errorBox(tr("The dose overview could not be printed."), this);
}

void TFormDoseOverview::savePdfClick() {
    const QString file = SaveDialogPdf->execute();
    if (file.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setDocName(windowTitle());
    if (!printTo(printer))
        errorBox(tr("%1 could not be written.").arg(QDir::toNativeSeparators(file)), this);
}

void TFormDoseOverview::saveCsvClick() {
    const QString file = SaveDialogCsv->execute();
    if (file.isEmpty())
        return;
    // As every export: the officer sees the store's text of a failure.
    runStore(this, [&] {
        TextFile out(file.toStdString());
        out.write(csvOfShownRows());
        out.close();
    });
}

} // namespace sarvo
