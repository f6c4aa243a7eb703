#pragma once

#include "core/store/records.h"

#include <QString>
#include <array>

namespace sarvo {

class LanguageStrings;
class ValueFormats;

// The five cells of a row of the history table: date, time, dose, dose sum, identifier.
using HistoryCells = std::array<QString, 5>;

// The table always shows this many rows after the last record row (29 empty rows, so a person
// without readings gives 30 rows with the header row).
inline constexpr int kHistoryEmptyRows = 29;

// The header row: " " + DateColumn, " " + TimeColumn, DoseColumn, TotalDoseColumn, " " +
// DosimeterId.
HistoryCells historyHeaderCells(const LanguageStrings& lang);

// The cells of a record row: the date and the time in the given forms, the dose and the dose sum
// as numbers followed by " mSv", and the identifier display text (an identifier with hexadecimal
// letters as its digits without leading zeros, as the command-line tool lists it).
HistoryCells historyCells(const HistoryRecord& record, const ValueFormats& formats);
// One of those cells (column 0 to 4) alone; an empty text for any other column.
QString historyCell(const HistoryRecord& record, int column, const ValueFormats& formats);

} // namespace sarvo
