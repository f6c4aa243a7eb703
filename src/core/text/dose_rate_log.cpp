#include "core/text/dose_rate_log.h"

#include "core/store/store_error.h"
#include "core/text/language.h"
#include "core/text/report_lines.h"
#include "core/text/text_file.h"

#include <optional>
#include <system_error>

namespace sarvo {

namespace {

QByteArray titleBytes(const LanguageStrings& lang, const UserRecord& person) {
    return " " + lang.lineBytes(Text::DoseRateLogTitle) + ". " +
           lang.lineBytes(Text::DoseRateLogPerson) + " " + person.LN + " " + person.FN + " " +
           person.MN;
}

QString titleText(const LanguageStrings& lang, const UserRecord& person) {
    return QStringLiteral(" ") + lang.line(Text::DoseRateLogTitle) + QStringLiteral(". ") +
           lang.line(Text::DoseRateLogPerson) + QLatin1Char(' ') + person.lastName() +
           QLatin1Char(' ') + person.firstName() + QLatin1Char(' ') + person.middleName();
}

} // namespace

QByteArray doseRateLogExportText(const LanguageStrings& lang, const UserRecord& person,
                                 const std::vector<DoseRateLogRow>& rows) {
    const QByteArray end(kLineEnd);
    const QByteArray spacer = " " + end;
    QByteArray text = spacer + titleBytes(lang, person) + end + spacer;
    text += placedBytes(kDoseRateLineWidth, {{3, QByteArray("\xB9")},
                                             {7, lang.lineBytes(Text::DateColumn)},
                                             {27, lang.lineBytes(Text::TimeColumn)},
                                             {47, lang.lineBytes(Text::DoseRateLogTitle)}}) +
            end + spacer;
    for (const DoseRateLogRow& row : rows) {
        if (row.number.isEmpty())
            continue;
        text += placedBytes(kDoseRateLineWidth, {{3, toCp1251(row.number)},
                                                 {7, toCp1251(row.date)},
                                                 {27, toCp1251(row.time)},
                                                 {47, toCp1251(row.rate)}}) +
                end;
    }
    return text;
}

QStringList doseRateLogPrintLines(const LanguageStrings& lang, const UserRecord& person,
                                  const std::vector<DoseRateLogRow>& rows) {
    const QString blank = QStringLiteral(" ");
    QStringList lines{blank, titleText(lang, person), blank,
                      placedText(kDoseRateLineWidth, {{4, QStringLiteral("\u2116")},
                                                      {8, lang.line(Text::DateColumn)},
                                                      {25, lang.line(Text::TimeColumn)},
                                                      {42, lang.line(Text::DoseRateLogTitle)}}),
                      blank};
    for (const DoseRateLogRow& row : rows) {
        if (row.number.isEmpty())
            continue;
        const QString number = row.number.size() == 1 ? blank + row.number : row.number;
        lines.append(placedText(kDoseRateLineWidth,
                                {{3, number}, {7, row.date}, {27, row.time}, {47, row.rate}}));
    }
    return lines;
}

void saveDoseRateLog(const std::filesystem::path& file, const QByteArray& text) {
    std::optional<TextFile> out;
    try {
        out.emplace(file);
        out->write(text);
        out->close();
    } catch (const StoreError&) {
        if (out) {
            out.reset();
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
        throw;
    }
}

} // namespace sarvo
