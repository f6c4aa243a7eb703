#pragma once

#include "core/text/dose_tables.h"
#include "tool/commands.h"

namespace sarvo::tool {

// The form of the dose tables for --csv.
inline TableForm tableForm(bool csv) {
    return csv ? TableForm::Csv : TableForm::Plain;
}

// Prints a dose table as the other listings: aligned plain text, or CSV (RFC 4180, UTF-8) with
// its header line.
void printDoseTable(const DoseTable& table, bool csv);

// The year of --year (four digits); `fallback` when the option is not given, UsageError when it
// is required and missing.
int yearOption(const Args& args, int fallback, bool required);

} // namespace sarvo::tool
