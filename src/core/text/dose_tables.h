#pragma once

#include "core/store/dose_ledger.h"
#include "core/store/dose_overview.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>
#include <QTime>
#include <initializer_list>
#include <vector>

namespace sarvo {

// The dose tables that sarvo-tool prints and the windows save, with the column names scripts rely
// on. Plain: the program's text forms (the locale's dates, "," decimals); Csv: ISO dates
// (YYYY-MM-DD, times with their offset), "." decimals. Doses in mSv.
enum class TableForm { Plain, Csv };

// The text of a table's cells in one form.
class TableCells {
public:
    explicit TableCells(TableForm form) : csv_(form == TableForm::Csv) {}
    bool csv() const { return csv_; }
    QString number(double mSv) const;
    QString microSv(long long dose) const;
    QString date(const QDate& date) const; // empty when invalid
    QString time(const QTime& time) const; // with milliseconds in CSV; empty when invalid
    // A stored time stamp (ISO 8601 with its offset): as it is in CSV, the date and time of the
    // workstation's forms otherwise.
    QString stamp(const QString& stamp) const;

private:
    bool csv_;
};

// A header of column names.
QStringList columnNames(std::initializer_list<const char*> columns);

struct DoseTable {
    QStringList header;
    std::vector<QStringList> rows;
};

// user_no,last_name,first_name,middle_name,department,dosimeter_id,ed,year,year_dose,rolling_12m,
// five_year,pending,last_reading,overdue,status,full_name — one row per person in file order;
// full_name is the full name of the register data, or the names of the user file.
DoseTable dosesTable(const DoseOverview& overview, TableForm form);
// user_no,last_name,first_name,middle_name,department,01,...,12,total,status,full_name
DoseTable reportTable(const DoseOverview& overview, TableForm form);
// time,date,user_no,dosimeter_id,kind,dose,ed_before,ed_after,history_record,user,reason
DoseTable ledgerTable(const std::vector<LedgerRow>& rows, TableForm form);
// id,time,user_no,kind,period,dose,level,acknowledged_by,acknowledged_at,note
DoseTable alertsTable(const std::vector<Alert>& alerts, TableForm form);

// RFC 4180: a header line, then one line per row, CRLF line ends, UTF-8; a field is quoted when
// it holds a comma, a quote or a line break.
QByteArray csvText(const DoseTable& table);

} // namespace sarvo
