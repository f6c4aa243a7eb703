#pragma once

#include "core/store/dose_ledger.h"

#include <QDate>
#include <array>
#include <span>

namespace sarvo {

// Period doses are summed in whole µSv, each dose rounded to 0.001 mSv first, so that twenty
// doses of 0.3 make exactly 6.
long long toMicroSv(double mSv);
double fromMicroSv(long long microSv);

// The last date the sums of `year` take in: 31 December of that year, or `today` in the current
// year.
QDate referenceDate(int year, const QDate& today);

// A person's period doses in µSv for one year, from the ledger rows of kind reading and manual by
// their period date (opening and clear rows belong to no period):
//   year       dates in the year, up to the reference date
//   months     each month of the year
//   rolling12  dates after the same date one year before the reference date, up to it
//              (29 February one year before counts as 28 February)
//   fiveYear   the year and the four before, up to the reference date
struct PeriodDoses {
    long long year = 0;
    long long rolling12 = 0;
    long long fiveYear = 0;
    std::array<long long, 12> months{};
};
// Adds one row (any kind; only reading and manual count) to the sums of `year` ending on
// `reference`.
void addToPeriods(PeriodDoses& doses, const LedgerRow& row, int year, const QDate& reference);
PeriodDoses periodDoses(std::span<const LedgerRow> rows, int year, const QDate& reference);

// A person's status for a year: Limit when the year's dose is at or above the annual limit or the
// five-year dose at or above the five-year limit; otherwise Investigation when the year's dose is
// at or above the investigation level or a month's dose at or above the monthly level; else Ok.
enum class DoseStatus { Ok, Investigation, Limit };
DoseStatus doseStatus(const PeriodDoses& doses, const DoseLimits& limits);
QString doseStatusName(DoseStatus status); // "ok", "investigation", "limit"

} // namespace sarvo
