#pragma once

#include "core/store/dose_ledger.h"
#include "tool/commands.h"

#include <QCommandLineOption>
#include <QList>
#include <optional>

namespace sarvo::tool {

// The options of the limits and levels of the dose of record, which `limits` and `registry
// limits` take alike: --annual, --five-year, --investigation, --monthly MSV|off, --overdue-days.
QList<QCommandLineOption> limitsOptions();

// The values given with those options, each checked (UsageError) before anything is stored.
struct LimitsChange {
    std::optional<double> annual, fiveYear, investigation, monthly;
    bool monthlyOff = false;
    std::optional<int> overdueDays;

    bool any() const {
        return annual || fiveYear || investigation || monthly || monthlyOff || overdueDays;
    }
    // `limits` with the values given; the others stay.
    DoseLimits appliedTo(DoseLimits limits) const;
};
LimitsChange limitsChange(const Args& args);

// The limits one per line, name and value, as `limits` prints them.
void printLimits(const DoseLimits& limits);

} // namespace sarvo::tool
