#pragma once

#include "core/store/dose_ledger.h"
#include "core/store/dose_periods.h"
#include "core/store/person_details.h"
#include "core/store/records.h"

#include <QString>

namespace sarvo {

// The officer's names of kinds and statuses, translated ("sarvo::DoseTexts").
QString ledgerKindText(LedgerKind kind);
QString alertKindText(AlertKind kind);
QString doseStatusText(DoseStatus status);

// The names as one text: last, first and middle name, those given, trimmed.
QString joinedName(const QString& last, const QString& first, const QString& middle);
// The person's names as one text: last, first and middle name.
QString personName(const UserSummary& person);
// The full name of the register data when one is given, otherwise the names of the user file.
QString personName(const UserSummary& person, const PersonDetails* details);

// The warning an entry raises: the person, the dose just added, the period dose and the level.
QString alertWarningText(const Alert& alert, const UserSummary& person, double added);

} // namespace sarvo
