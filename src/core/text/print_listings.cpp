#include "core/text/print_listings.h"

#include "core/text/language.h"
#include "core/text/report_lines.h"

namespace sarvo {

namespace {
const QString kBlank = QStringLiteral(" ");
const QString kNone = QStringLiteral("---");
} // namespace

QStringList personsListing(const LanguageStrings& lang, const std::vector<PersonListRow>& rows) {
    QStringList lines{kBlank, QString(16, QLatin1Char(' ')) + lang.line(Text::PersonListTitle),
                      kBlank,
                      placedText(kListingLineWidth, {{20, lang.line(Text::NameColumn)},
                                                     {50, lang.line(Text::DosimeterIdColumn)}}),
                      kBlank};
    for (const PersonListRow& row : rows) {
        if (row.nameCell.isEmpty())
            continue;
        lines.append(placedText(
            kListingLineWidth,
            {{3, row.nameCell}, {62, row.identifierCell.isEmpty() ? kNone : row.identifierCell}}));
    }
    return lines;
}

QStringList historyListing(const LanguageStrings& lang, const QString& personNameCell,
                           const HistoryCells& header, const std::vector<HistoryCells>& rows) {
    QStringList lines{
        kBlank,
        QStringLiteral("  ") + lang.line(Text::PersonPrompt) + QStringLiteral("  ") +
            personNameCell,
        kBlank,
        placedText(
            kListingLineWidth,
            {{3, header[0]}, {14, header[1]}, {25, header[2]}, {36, header[3]}, {51, header[4]}}),
        kBlank};
    for (const HistoryCells& row : rows) {
        if (row[0].isEmpty())
            continue;
        const bool noIdentifier = row[4].isEmpty();
        lines.append(placedText(kListingLineWidth,
                                {{3, row[0]},
                                 {14, row[1]},
                                 {27, row[2]},
                                 {41, row[3]},
                                 {noIdentifier ? 63 : 56, noIdentifier ? kNone : row[4]}}));
    }
    return lines;
}

QString printChartTitle(const LanguageStrings& lang, const QString& personNameCell) {
    return lang.line(Text::PersonPrompt) + QStringLiteral("  ") + personNameCell +
           lang.line(Text::ChartTitle);
}

} // namespace sarvo
