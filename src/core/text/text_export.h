#pragma once

#include "core/store/records.h"
#include "core/text/hist_filter.h"

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <vector>

namespace sarvo {

class LanguageStrings;
class Store;
class ValueFormats;

// The text export of the main window (File > Save as text, F2 in the list of persons): a
// fixed-column report of single bytes, every line ended by CR LF, no byte-order mark. Its lines
// are spacer lines (one blank), title lines, and column lines: 120 blanks with each field
// written over them at its column (counted from 1), in the order listed, never trimmed.
// Nothing is converted: language lines are written as Lang.txt holds them (in the code page of
// their block: Russian Windows-1251, Polish 1250, the others 1252), names as the user file
// stores them (Windows-1251). The name cell of a history title is written in Windows-1251, the
// code page it was read from.
//
// The building functions return whole lines with their CR LF; the file functions write them.

// Lines 1 to 5 of the list of persons: spacer, " " + PersonListTitle, spacer, the heading line
// (NameColumn at column 30, DepartmentColumn at 62, DosimeterIdColumn at 82, PersonNoColumn at
// 102), spacer.
QByteArray personsExportHeader(const LanguageStrings& lang);
// The line of one person: LN at 3, FN at 23, MN at 43, Dep at 63, the 16 hexadecimal digits of
// DosimeterId at 83 (sixteen zeros without a dosimeter), UserNo at 103.
QByteArray personExportLine(const UserSummary& person);
// The whole file for these persons, in the order given (the order of the user file).
QByteArray personsExportText(const LanguageStrings& lang, const std::vector<UserRecord>& persons);

// Lines 1 to 5 of a history: spacer, " " + PersonPrompt + "  " + `personNameCell` (the text of
// status panel 0, the name cell of the list of persons, nameCell(), which begins with a blank),
// spacer, the heading line (DateColumn at 3, TimeColumn at 23, DoseColumn at 43, TotalDoseColumn at
// 63, DosimeterIdColumn at 83, PersonNoColumn at 103), spacer.
QByteArray historyExportHeader(const LanguageStrings& lang, const QString& personNameCell);
// The line of one reading: date at 3 and time at 23 in `formats`, Dose at 43 and DoseSum at 63
// as numbers with "," and no unit, the 16 hexadecimal digits of DosimeterId at 83, UserNo at 103.
QByteArray historyExportLine(const HistoryRecord& reading, const ValueFormats& formats);
// The whole file for the readings shown (forEachShownReading), in the order given.
QByteArray historyExportText(const LanguageStrings& lang, const QString& personNameCell,
                             const std::vector<HistoryRecord>& shown, const ValueFormats& formats);

// Writes the list of persons of `store` into `file` (created, or replaced without a question).
// A failure throws StoreError; what was written before it stays in the file.
void exportPersons(Store& store, const std::filesystem::path& file, const LanguageStrings& lang);

// Writes the history of the person in record `personIndex` of the user file (row - 1 of the
// list of persons), the readings that `filter` lets through, into `file`. The title names
// `personNameCell` (status panel 0). When the user file does not exist, `file` is left empty.
// A failure throws StoreError; what was written before it stays in the file.
void exportHistory(Store& store, long long personIndex, const QString& personNameCell,
                   const HistFilter& filter, const ValueFormats& formats,
                   const std::filesystem::path& file, const LanguageStrings& lang);

} // namespace sarvo
