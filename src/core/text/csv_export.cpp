#include "core/text/csv_export.h"

#include "core/store/dose_database.h"
#include "core/store/store.h"
#include "core/text/text_file.h"

namespace sarvo {
namespace {

// The text gathered is written out once it is this large.
constexpr qsizetype kBlock = 1 << 16;

void appendTwoDigits(char*& at, int value) {
    *at++ = static_cast<char>('0' + value / 10);
    *at++ = static_cast<char>('0' + value % 10);
}

} // namespace

QStringList personsCsvHeader() {
    return {QStringLiteral("record"),       QStringLiteral("user_no"),
            QStringLiteral("last_name"),    QStringLiteral("first_name"),
            QStringLiteral("middle_name"),  QStringLiteral("department"),
            QStringLiteral("dosimeter_id"), QStringLiteral("ed"),
            QStringLiteral("full_name"),    QStringLiteral("left")};
}

QStringList historyCsvHeader() {
    return {QStringLiteral("date"),     QStringLiteral("time"),    QStringLiteral("dose"),
            QStringLiteral("dose_sum"), QStringLiteral("user_no"), QStringLiteral("dosimeter_id")};
}

std::string_view CsvReadingTimes::date(double days) {
    const QDate date = dateFromDays(days);
    if (!haveDate_ || date != lastDate_) {
        dateText_ = date.toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
        lastDate_ = date;
        haveDate_ = true;
    }
    return {dateText_.constData(), static_cast<size_t>(dateText_.size())};
}

std::string_view CsvReadingTimes::time(NumberBuffer& buffer, double fraction) {
    const QTime time = timeFromFraction(fraction);
    if (!time.isValid())
        return {};
    char* at = buffer.data();
    appendTwoDigits(at, time.hour());
    *at++ = ':';
    appendTwoDigits(at, time.minute());
    *at++ = ':';
    appendTwoDigits(at, time.second());
    return {buffer.data(), static_cast<size_t>(at - buffer.data())};
}

CsvText::CsvText(const QStringList& header) {
    bytes_ = header.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

void CsvText::add(std::string_view utf8) {
    if (rowStarted_)
        bytes_ += ',';
    rowStarted_ = true;
    appendCsvField(bytes_, utf8);
}

void CsvText::add(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    add(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

void CsvText::endRow() {
    bytes_ += "\r\n";
    rowStarted_ = false;
}

void exportPersonsCsv(Store& store, const std::filesystem::path& file) {
    TextFile out(file);
    CsvText csv(personsCsvHeader());
    const std::map<std::int32_t, PersonDetails> details = DoseDatabase(store).personDetails();
    store.forEachUserSummary([&](long long index, const UserSummary& person) {
        addPersonCells(csv, index, person, '.');
        addPersonDetailCsvCells(csv, person, details);
        csv.endRow();
        if (csv.bytes().size() >= kBlock) {
            out.write(csv.bytes());
            csv.bytes().clear();
        }
        return true;
    });
    out.write(csv.bytes());
    out.close();
}

void exportHistoryCsv(Store& store, std::int32_t userNo, const HistFilter& filter,
                      const std::filesystem::path& file) {
    TextFile out(file);
    CsvText csv(historyCsvHeader());
    CsvReadingTimes times;
    forEachShownReading(store, userNo, filter, [&](const HistoryRecord& reading) {
        addReadingCsvCells(csv, reading, times);
        csv.endRow();
        if (csv.bytes().size() >= kBlock) {
            out.write(csv.bytes());
            csv.bytes().clear();
        }
        return true;
    });
    out.write(csv.bytes());
    out.close();
}

} // namespace sarvo
