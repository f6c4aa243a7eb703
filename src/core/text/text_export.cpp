#include "core/text/text_export.h"

#include "core/store/store.h"
#include "core/text/language.h"
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

// Dates, times, numbers and identifiers: digits and separators, the same in every code page.
QByteArray ascii(const QString& text) {
    return toCp1251(text);
}

} // namespace

QByteArray personsExportHeader(const LanguageStrings& lang) {
    return spacer() + lineOf(" " + lang.lineBytes(Text::PersonListTitle)) + spacer() +
           lineOf(placedBytes(kExportLineWidth, {{30, lang.lineBytes(Text::NameColumn)},
                                                 {62, lang.lineBytes(Text::DepartmentColumn)},
                                                 {82, lang.lineBytes(Text::DosimeterIdColumn)},
                                                 {102, lang.lineBytes(Text::PersonNoColumn)}})) +
           spacer();
}

QByteArray personExportLine(const UserSummary& person) {
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
    return spacer() +
           lineOf(" " + lang.lineBytes(Text::PersonPrompt) + "  " + toCp1251(personNameCell)) +
           spacer() +
           lineOf(placedBytes(kExportLineWidth, {{3, lang.lineBytes(Text::DateColumn)},
                                                 {23, lang.lineBytes(Text::TimeColumn)},
                                                 {43, lang.lineBytes(Text::DoseColumn)},
                                                 {63, lang.lineBytes(Text::TotalDoseColumn)},
                                                 {83, lang.lineBytes(Text::DosimeterIdColumn)},
                                                 {103, lang.lineBytes(Text::PersonNoColumn)}})) +
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
    store.forEachUserSummary([&](long long, const UserSummary& person) {
        out.write(personExportLine(person));
        return true;
    });
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
