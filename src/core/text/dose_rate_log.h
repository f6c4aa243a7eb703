#pragma once

#include "core/store/records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <vector>

namespace sarvo {

class LanguageStrings;

// One row of the dose-rate log as shown: the number of the entry, its date, time and rate texts
// (columns 0 to 3). A row whose number is empty holds no entry and is left out
// of the saved and printed log.
struct DoseRateLogRow {
    QString number;
    QString date;
    QString time;
    QString rate;
};

// The saved and printed log consist of placed lines: 65 blanks with the texts written over them
// at their columns (counted from 1), in order; a text reaching past column 65 makes the line
// longer. Both begin with five heading lines: a single blank, the title line, a single blank,
// the header line, a single blank. The title line names the person of the reading (the shared
// in-memory User record): " " + DoseRateLogTitle + ". " + DoseRateLogPerson + " " + LN + " " + FN +
// " " + MN.

// The saved file: single bytes, every line ended by CR LF, no byte-order mark. Language lines
// are written as Lang.txt holds them (in the code page of their block), the names as the record
// stores them (Windows-1251), "№" as the byte B9 (its Windows-1251 code) whatever the language.
// Header line: "№" at 3, DateColumn at 7, TimeColumn at 27, DoseRateLogTitle at 47; entry lines:
// number at 3, date at 7, time at 27, rate at 47.
QByteArray doseRateLogExportText(const LanguageStrings& lang, const UserRecord& person,
                                 const std::vector<DoseRateLogRow>& rows);

// The printed log, one text per line for the print window (the first five lines in bold). Header
// line: "№" at 4, DateColumn at 8, TimeColumn at 25, DoseRateLogTitle at 42; entry lines: the
// number at 3 (a number of one character as a blank and that character, so it stands in column 4),
// date at 7, time at 27, rate at 47.
QStringList doseRateLogPrintLines(const LanguageStrings& lang, const UserRecord& person,
                                  const std::vector<DoseRateLogRow>& rows);

// Saves the log text into `file` (created or replaced). A failure throws StoreError; a file
// that was created or emptied but could not be written completely is removed, so that no
// partial log is left looking complete. Only a save that returns has written the whole log:
// the window clears its unsaved flag then, and keeps it set after a failure.
void saveDoseRateLog(const std::filesystem::path& file, const QByteArray& text);

} // namespace sarvo
