#include "gui/dialogs/dose_overview_model.h"

#include "core/store/dose_periods.h"
#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"

#include <QSortFilterProxyModel>
#include <cmath>

namespace sarvo {

namespace {

QString doseText(long long microSv) {
    return formatNumber(fromMicroSv(microSv));
}

// The share of the annual limit in per cent, to one decimal.
QString shareText(double share) {
    return formatNumber(std::round(share * 1000.0) / 10.0) + QStringLiteral(" %");
}

bool isNumberColumn(int column) {
    switch (column) {
    case DoseOverviewModel::Ed:
    case DoseOverviewModel::YearDose:
    case DoseOverviewModel::Rolling12:
    case DoseOverviewModel::FiveYear:
    case DoseOverviewModel::Pending:
    case DoseOverviewModel::Share:
    case DoseOverviewModel::DaysSince:
        return true;
    default:
        return false;
    }
}

} // namespace

DoseOverviewModel::DoseOverviewModel(QObject* parent) : QAbstractTableModel(parent) {}

int DoseOverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(overview_.persons.size());
}

int DoseOverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

void DoseOverviewModel::setOverview(DoseOverview overview) {
    beginResetModel();
    overview_ = std::move(overview);
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void DoseOverviewModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int DoseOverviewModel::rowOfUserNo(std::int32_t userNo) const {
    for (std::size_t row = 0; row < overview_.persons.size(); ++row)
        if (overview_.persons[row].person.UserNo == userNo)
            return static_cast<int>(row);
    return -1;
}

QString DoseOverviewModel::cellText(int row, int column) const {
    const PersonDoses& p = overview_.persons[row];
    switch (column) {
    case Name:
        return personName(p.person, &p.details);
    case Department:
        return p.person.department();
    case Dosimeter:
        return p.person.DosimeterId != 0 ? identifierDisplayText(p.person.DosimeterId) : QString();
    case Ed:
        return formatNumber(p.person.ED);
    case YearDose:
        return doseText(p.doses.year);
    case Rolling12:
        return doseText(p.doses.rolling12);
    case FiveYear:
        return doseText(p.doses.fiveYear);
    case Pending:
        return formatNumber(p.pending);
    case Share:
        return shareText(p.annualShare);
    case LastReading:
        return p.lastReading ? ValueFormats::system().date(*p.lastReading) : QString();
    case DaysSince:
        return p.daysSince ? QString::number(*p.daysSince) : QString();
    case Overdue:
        return p.overdue ? tr("overdue") : QString();
    case Status:
        return doseStatusText(p.status);
    default:
        return QString();
    }
}

QVariant DoseOverviewModel::sortValue(const PersonDoses& p, int column) const {
    // Empty cells (no dosimeter, no reading) hold no value and come last in ascending order.
    switch (column) {
    case Name:
        return personName(p.person, &p.details);
    case Department:
        return p.person.department();
    case Dosimeter:
        return p.person.DosimeterId != 0 ? QVariant(qlonglong(p.person.DosimeterId)) : QVariant();
    case Ed:
        return p.person.ED;
    case YearDose:
        return qlonglong(p.doses.year);
    case Rolling12:
        return qlonglong(p.doses.rolling12);
    case FiveYear:
        return qlonglong(p.doses.fiveYear);
    case Pending:
        return p.pending;
    case Share:
        return p.annualShare;
    case LastReading:
        return p.lastReading ? QVariant(*p.lastReading) : QVariant();
    case DaysSince:
        return p.daysSince ? QVariant(qlonglong(*p.daysSince)) : QVariant();
    case Overdue:
        return int(p.overdue);
    case Status:
        return int(p.status);
    default:
        return QVariant();
    }
}

QVariant DoseOverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return QVariant();
    const PersonDoses& p = overview_.persons[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (isNumberColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        return rowColour(p.status);
    case Qt::ForegroundRole:
        if (index.column() == Overdue)
            return statusColour(DoseStatus::Limit);
        return index.column() == Status ? statusColour(p.status) : QColor(Qt::black);
    case SortRole:
        return sortValue(p, index.column());
    case SearchRole:
        return cellText(index.row(), Name) + u'\n' + cellText(index.row(), Department) + u'\n' +
               cellText(index.row(), Dosimeter);
    case StatusRole:
        return int(p.status);
    case UserNoRole:
        return p.person.UserNo;
    case StatusColourRole:
        return statusColour(p.status);
    case ShareRole:
        return p.annualShare;
    default:
        return QVariant();
    }
}

QVariant DoseOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Name");
    case Department:
        return tr("Department");
    case Dosimeter:
        return tr("Dosimeter");
    case Ed:
        return tr("ED, mSv");
    case YearDose:
        return tr("%1, mSv").arg(overview_.year);
    case Rolling12:
        return tr("12 months, mSv");
    case FiveYear:
        return tr("5 years, mSv");
    case Pending:
        return tr("Pending, mSv");
    case Share:
        return tr("Annual limit");
    case LastReading:
        return tr("Last reading");
    case DaysSince:
        return tr("Days since");
    case Overdue:
        return tr("Overdue");
    case Status:
        return tr("Status");
    default:
        return QVariant();
    }
}

void DoseOverviewModel::configureProxy(QSortFilterProxyModel& proxy) {
    proxy.setSortRole(SortRole);
    proxy.setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy.setSortLocaleAware(true);
    proxy.setFilterRole(SearchRole);
    proxy.setFilterKeyColumn(Name);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
}

QColor DoseOverviewModel::statusColour(DoseStatus status) {
    switch (status) {
    case DoseStatus::Limit:
        return QColor(0xc6, 0x28, 0x28);
    case DoseStatus::Investigation:
        return QColor(0xe6, 0x8a, 0x00);
    case DoseStatus::Ok:
    default:
        return QColor(0x2e, 0x7d, 0x32);
    }
}

QColor DoseOverviewModel::rowColour(DoseStatus status) {
    switch (status) {
    case DoseStatus::Limit:
        return QColor(0xff, 0xdd, 0xdd);
    case DoseStatus::Investigation:
        return QColor(0xff, 0xf0, 0xcc);
    case DoseStatus::Ok:
    default:
        return QColor(0xe8, 0xf5, 0xe9);
    }
}

} // namespace sarvo
