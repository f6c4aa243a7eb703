#include "core/text/dose_tables.h"

#include "core/text/csv_export.h"
#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"

namespace sarvo {

QString TableCells::number(double mSv) const {
    return formatNumber(mSv, csv_ ? QLatin1Char('.') : QLatin1Char(','));
}

QString TableCells::microSv(long long dose) const {
    return number(fromMicroSv(dose));
}

QString TableCells::date(const QDate& date) const {
    if (!date.isValid())
        return {};
    return csv_ ? date.toString(Qt::ISODate) : ValueFormats::system().date(date);
}

QString TableCells::time(const QTime& time) const {
    if (!time.isValid())
        return {};
    return csv_ ? time.toString(Qt::ISODateWithMs) : ValueFormats::system().time(time);
}

QString TableCells::stamp(const QString& stamp) const {
    if (csv_ || stamp.isEmpty())
        return stamp;
    const QDateTime at = QDateTime::fromString(stamp, Qt::ISODateWithMs);
    if (!at.isValid())
        return stamp;
    const ValueFormats& formats = ValueFormats::system();
    return formats.date(at.date()) + QLatin1Char(' ') + formats.time(at.time());
}

QStringList columnNames(std::initializer_list<const char*> columns) {
    QStringList header;
    for (const char* column : columns)
        header << QString::fromLatin1(column);
    return header;
}

namespace {

QStringList personColumns(const PersonDoses& row) {
    return {QString::number(row.person.UserNo), row.person.lastName(), row.person.firstName(),
            row.person.middleName(), row.person.department()};
}

} // namespace

DoseTable dosesTable(const DoseOverview& overview, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header =
        columnNames({"user_no", "last_name", "first_name", "middle_name", "department",
                     "dosimeter_id", "ed", "year", "year_dose", "rolling_12m", "five_year",
                     "pending", "last_reading", "overdue", "status", "full_name"});
    table.rows.reserve(overview.persons.size());
    for (const PersonDoses& row : overview.persons) {
        QStringList cells = personColumns(row);
        cells << identifierDisplayText(row.person.DosimeterId) << forms.number(row.person.ED)
              << QString::number(overview.year) << forms.microSv(row.doses.year)
              << forms.microSv(row.doses.rolling12) << forms.microSv(row.doses.fiveYear)
              << forms.number(row.pending) << forms.date(row.lastReading.value_or(QDate()))
              << QString::fromLatin1(row.overdue ? "yes" : "no") << doseStatusName(row.status)
              << personName(row.person, &row.details);
        table.rows.push_back(std::move(cells));
    }
    return table;
}

DoseTable reportTable(const DoseOverview& overview, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header = columnNames({"user_no", "last_name", "first_name", "middle_name", "department",
                                "01",      "02",        "03",         "04",          "05",
                                "06",      "07",        "08",         "09",          "10",
                                "11",      "12",        "total",      "status",      "full_name"});
    table.rows.reserve(overview.persons.size());
    for (const PersonDoses& row : overview.persons) {
        QStringList cells = personColumns(row);
        for (long long month : row.doses.months)
            cells << forms.microSv(month);
        cells << forms.microSv(row.doses.year) << doseStatusName(row.status)
              << personName(row.person, &row.details);
        table.rows.push_back(std::move(cells));
    }
    return table;
}

DoseTable ledgerTable(const std::vector<LedgerRow>& rows, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header = columnNames({"time", "date", "user_no", "dosimeter_id", "kind", "dose",
                                "ed_before", "ed_after", "history_record", "user", "reason"});
    for (const LedgerRow& row : rows)
        table.rows.push_back(
            {forms.stamp(row.time), forms.date(row.date), QString::number(row.userNo),
             identifierDisplayText(row.dosimeterId), ledgerKindName(row.kind),
             forms.number(row.dose), forms.number(row.edBefore), forms.number(row.edAfter),
             row.historyRecord >= 0 ? QString::number(row.historyRecord) : QString(), row.user,
             row.reason});
    return table;
}

DoseTable alertsTable(const std::vector<Alert>& alerts, TableForm form) {
    const TableCells forms(form);
    DoseTable table;
    table.header = columnNames({"id", "time", "user_no", "kind", "period", "dose", "level",
                                "acknowledged_by", "acknowledged_at", "note"});
    for (const Alert& alert : alerts)
        table.rows.push_back({QString::number(alert.id), forms.stamp(alert.time),
                              QString::number(alert.userNo), alertKindName(alert.kind),
                              alert.period, forms.number(alert.dose), forms.number(alert.level),
                              alert.acknowledgedBy, forms.stamp(alert.acknowledgedAt), alert.note});
    return table;
}

QByteArray csvText(const DoseTable& table) {
    CsvText csv(table.header);
    for (const QStringList& row : table.rows) {
        for (const QString& cell : row)
            csv.add(cell);
        csv.endRow();
    }
    return csv.bytes();
}

} // namespace sarvo
