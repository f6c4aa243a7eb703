#include "core/text/text_export.h"

#include "core/text/language.h"
#include "core/store/store.h"
#include "core/text/report_lines.h"
#include "core/text/text_file.h"
#include "core/text/text_forms.h"

#include <system_error>

namespace sarvo {

namespace {

QByteArray lineOf(const QByteArray& text) {
    return text + kLineEnd;
}

QByteArray spacer() {
    return lineOf(QByteArrayLiteral(" "));
}

// Language lines in the code page of their block of Lang.txt, as the file holds them.
const QByteArray& line(const LanguageStrings& lang, int n) {
    return lang.lineBytes(n);
}

// Dates, times, numbers and identifiers: digits and separators, the same in every code page.
QByteArray ascii(const QString& text) {
    return toCp1251(text);
}

} // namespace

QByteArray personsExportHeader(const LanguageStrings& lang) {
    return spacer() + lineOf(" " + line(lang, 45)) + spacer() +
           lineOf(placedBytes(kExportLineWidth, {{30, line(lang, 46)},
                                                 {62, line(lang, 47)},
                                                 {82, line(lang, 49)},
                                                 {102, line(lang, 48)}})) +
           spacer();
}

QByteArray personExportLine(const UserRecord& person) {
    return lineOf(placedBytes(kExportLineWidth, {{3, person.LN},
                                                 {23, person.FN},
                                                 {43, person.MN},
                                                 {63, person.Dep},
                                                 {83, ascii(identifierHex16(person.DosimeterId))},
                                                 {103, QByteArray::number(person.UserNo)}}));
}

QByteArray personsExportText(const LanguageStrings& lang, const std::vector<UserRecord>& persons) {
    QByteArray text = personsExportHeader(lang);
    for (const UserRecord& person : persons)
        text += personExportLine(person);
    return text;
}

QByteArray historyExportHeader(const LanguageStrings& lang, const QString& personNameCell) {
    return spacer() + lineOf(" " + line(lang, 74) + "  " + toCp1251(personNameCell)) + spacer() +
           lineOf(placedBytes(kExportLineWidth, {{3, line(lang, 59)},
                                                 {23, line(lang, 60)},
                                                 {43, line(lang, 61)},
                                                 {63, line(lang, 62)},
                                                 {83, line(lang, 49)},
                                                 {103, line(lang, 48)}})) +
           spacer();
}

QByteArray historyExportLine(const HistoryRecord& reading, const ValueFormats& formats) {
    return lineOf(placedBytes(kExportLineWidth, {{3, ascii(formats.date(reading.HistDate))},
                                                 {23, ascii(formats.time(reading.HistTime))},
                                                 {43, ascii(formatNumber(reading.Dose))},
                                                 {63, ascii(formatNumber(reading.DoseSum))},
                                                 {83, ascii(identifierHex16(reading.DosimeterId))},
                                                 {103, QByteArray::number(reading.UserNo)}}));
}

QByteArray historyExportText(const LanguageStrings& lang, const QString& personNameCell,
                             const std::vector<HistoryRecord>& shown, const ValueFormats& formats) {
    QByteArray text = historyExportHeader(lang, personNameCell);
    for (const HistoryRecord& reading : shown)
        text += historyExportLine(reading, formats);
    return text;
}

void exportPersons(Store& store, const std::filesystem::path& file, const LanguageStrings& lang) {
    TextFile out(file);
    out.write(personsExportHeader(lang));
    store.forEachUser(
        [&](long long, const UserRecord& person) {
            out.write(personExportLine(person));
            return true;
        },
        false);
    out.close();
}

void exportHistory(Store& store, long long personIndex, const QString& personNameCell,
                   const HistFilter& filter, const ValueFormats& formats,
                   const std::filesystem::path& file, const LanguageStrings& lang) {
    TextFile out(file);
    std::error_code error;
    if (!std::filesystem::exists(store.userPath(), error)) {
        out.close();
        return;
    }
    const std::int32_t userNo = store.readUser(personIndex).UserNo;
    out.write(historyExportHeader(lang, personNameCell));
    forEachShownReading(store, userNo, filter, [&](const HistoryRecord& reading) {
        out.write(historyExportLine(reading, formats));
        return true;
    });
    out.close();
}

} // namespace sarvo
