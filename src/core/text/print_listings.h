#pragma once

#include "core/text/history_cells.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace sarvo {

class LanguageStrings;

// The listings that the print window shows and prints, one text per line: "Courier" 12
// points, the first kListingHeadingLines lines (the heading block) in bold. A listing line is 80
// blanks with the fields written over them at their columns (counted from 1), in order; a field
// reaching into the next one's column is partly overwritten by it, and the line grows when a
// field reaches past its end. The listings copy the cell texts of the grids as shown.
inline constexpr int kListingHeadingLines = 5;

// A row of the list of persons as shown: the name cell (column 0) and the identifier cell
// (column 1, empty without a dosimeter).
struct PersonListRow {
    QString nameCell;
    QString identifierCell;
};

// The list of persons: " ", 16 blanks + PersonListTitle, " ", a listing line with NameColumn at 20
// and DosimeterIdColumn at 50, " "; then one listing line per row whose name cell is not empty: the
// name cell at 3 and the identifier cell at 62, or "---" at 62 when it is empty.
QStringList personsListing(const LanguageStrings& lang, const std::vector<PersonListRow>& rows);

// The history table: " ", "  " + PersonPrompt + "  " + `personNameCell` (status panel 0), " ", a
// listing line with the header cells at 3, 14, 25, 36 and 51, " "; then one listing line per
// row whose date cell is not empty: cells at 3, 14, 27, 41 and 56, or "---" at 63 instead of
// an empty identifier cell.
QStringList historyListing(const LanguageStrings& lang, const QString& personNameCell,
                           const HistoryCells& header, const std::vector<HistoryCells>& rows);

// The title of the printed chart: PersonPrompt, "  ", `personNameCell` and ChartTitle, joined.
QString printChartTitle(const LanguageStrings& lang, const QString& personNameCell);

} // namespace sarvo
