#pragma once

#include "core/store/person_details.h"
#include "core/store/records.h"
#include "core/text/dose_texts.h"
#include "core/text/hist_filter.h"
#include "core/text/text_forms.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string_view>

namespace sarvo {

class Store;

// The list of persons and a person's history in CSV (RFC 4180, UTF-8, CR LF line ends, a header
// line, "." as decimal point, ISO dates): what `sarvo-tool persons --csv` and `sarvo-tool history
// --csv` print and what the main window saves as a CSV file. The cells of a row are handed to a
// sink with add(std::string_view) for ASCII texts and add(const QString&) for names, so that the
// tool's listing and a CSV file are filled from the same rows.

// record,user_no,last_name,first_name,middle_name,department,dosimeter_id,ed,full_name,left
QStringList personsCsvHeader();
// date,time,dose,dose_sum,user_no,dosimeter_id
QStringList historyCsvHeader();

// The text of an integer as QString::number() gives it, written into `buffer`.
inline std::string_view integerInto(NumberBuffer& buffer, long long value) {
    return {buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr};
}

// The cells of the person in record `index`, in the columns of personsCsvHeader(); numbers with
// `decimalSeparator` ('.' in CSV, ',' in the tool's plain listing).
template <class Sink>
void addPersonCells(Sink& sink, long long index, const UserSummary& person, char decimalSeparator) {
    NumberBuffer buffer;
    sink.add(integerInto(buffer, index));
    sink.add(integerInto(buffer, person.UserNo));
    sink.add(person.lastName());
    sink.add(person.firstName());
    sink.add(person.middleName());
    sink.add(person.department());
    sink.add(identifierDisplayInto(buffer, person.DosimeterId));
    sink.add(formatNumberInto(buffer, person.ED, decimalSeparator));
}

// The last cells of a person in CSV: full_name (the full name of the register data, or the names
// of the record) and left (the day the person left, yyyy-MM-dd, or empty).
template <class Sink>
void addPersonDetailCsvCells(Sink& sink, const UserSummary& person,
                             const std::map<std::int32_t, PersonDetails>& details) {
    const auto found = details.find(person.UserNo);
    const PersonDetails* given = found == details.end() ? nullptr : &found->second;
    sink.add(personName(person, given));
    if (given && given->left.isValid())
        sink.add(given->left.toString(Qt::ISODate));
    else
        sink.add(std::string_view());
}

// The cells of a reading after its date and time: dose, dose_sum, user_no, dosimeter_id.
template <class Sink>
void addReadingValueCells(Sink& sink, const HistoryRecord& reading, char decimalSeparator) {
    NumberBuffer buffer;
    sink.add(formatNumberInto(buffer, reading.Dose, decimalSeparator));
    sink.add(formatNumberInto(buffer, reading.DoseSum, decimalSeparator));
    sink.add(integerInto(buffer, reading.UserNo));
    sink.add(identifierDisplayInto(buffer, reading.DosimeterId));
}

// The CSV date (yyyy-MM-dd) and time (HH:mm:ss) of readings; a date is formatted once for a run
// of readings of the same day. An invalid date or time is an empty text.
class CsvReadingTimes {
public:
    std::string_view date(double days);
    static std::string_view time(NumberBuffer& buffer, double fraction);

private:
    QDate lastDate_;
    bool haveDate_ = false;
    QByteArray dateText_;
};

// The cells of one reading in the columns of historyCsvHeader().
template <class Sink>
void addReadingCsvCells(Sink& sink, const HistoryRecord& reading, CsvReadingTimes& times) {
    NumberBuffer buffer;
    sink.add(times.date(reading.HistDate));
    sink.add(CsvReadingTimes::time(buffer, reading.HistTime));
    addReadingValueCells(sink, reading, '.');
}

// Appends `utf8` to `out` as one CSV field (RFC 4180): quoted, its quotes doubled, when it holds
// a comma, a quote or a line break. `out` takes append(const char*, size) and append(char).
template <class Out> void appendCsvField(Out& out, std::string_view utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(utf8.data(), utf8.size());
        return;
    }
    out.append('"');
    for (const char c : utf8) {
        if (c == '"')
            out.append('"');
        out.append(c);
    }
    out.append('"');
}

// A CSV text built row by row: the header line first; a field is quoted when it holds a comma,
// a quote or a line break.
class CsvText {
public:
    explicit CsvText(const QStringList& header);
    void add(std::string_view utf8);
    void add(const QString& text);
    void endRow();
    QByteArray& bytes() { return bytes_; }

private:
    QByteArray bytes_;
    bool rowStarted_ = false;
};

// Writes the list of persons of `store`, in the order of the user file, into `file` (created,
// or replaced without a question). A failure throws StoreError; what was written before it stays.
void exportPersonsCsv(Store& store, const std::filesystem::path& file);
// Writes the readings of the person `userNo` that `filter` lets through (forEachShownReading)
// into `file`. A failure throws StoreError; what was written before it stays.
void exportHistoryCsv(Store& store, std::int32_t userNo, const HistFilter& filter,
                      const std::filesystem::path& file);

} // namespace sarvo
