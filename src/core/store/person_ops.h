#pragma once

#include "core/store/store.h"

#include <QString>
#include <cstdint>

namespace sarvo {

// The four texts of the person dialog, as typed.
struct PersonTexts {
    QString last;
    QString first;
    QString middle;
    QString department;

    static PersonTexts of(const UserRecord& user);
};

// The check of the person dialog's OK: the last name and the first name hold at least one
// character each (a text of blanks counts). Middle name and department may be empty.
bool personTextsComplete(const PersonTexts& texts);
// The English text of NamesMissing, for when no language file is loaded.
QString namesMissingText();

// A new person with the next UserNo, put in its place in name order: the whole file is replaced
// in one step, so the person is either stored once or not at all. Returns the new UserNo.
std::int32_t addPerson(Store& store, const PersonTexts& texts);

// Replaces the four texts of the person `userNo`, kept at record `index` when the dialog was
// opened. The record is read again so that a reading taken in meanwhile stays (dose, dose-rate
// lines and identifier are those on file now); then the file is put into name order. False,
// and nothing written, when the record no longer holds that person.
bool changePerson(Store& store, long long index, std::int32_t userNo, const PersonTexts& texts);
// The text shown when the record of the person changed or opened no longer holds that person.
QString personMovedText();

// Empties all 100 dose-rate lines of record `index` when it still holds the person `userNo`.
// False, and nothing written, when there is no such record or it holds someone else now.
bool clearDoseRateLines(Store& store, long long index, std::int32_t userNo);

} // namespace sarvo
