#pragma once

#include "core/store/store.h"
#include "core/text/text_id.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace sarvo {

inline constexpr int kRegistrationTextMax = 16; // characters the field takes

// The check of the registration dialog's OK: at most 16 characters.
bool registrationTextFits(const QString& text);

// The identifier the officer typed: the dosimeter's decimal number, whose digits are the
// hexadecimal digits of the stored value ("1234" gives 0x1234, "0" gives 0 = no dosimeter).
// Nothing for an empty text, more than 16 digits, or any character that is not a decimal digit
// (blanks, signs and letters included).
std::optional<std::int64_t> registrationValue(const QString& text);

// What registering `value` to a person needs, decided before the person's record is changed.
enum class RegistrationCheck {
    Accepted,          // may be stored
    AlreadyRegistered, // DosimeterRegistered: a person (the same one included) holds the value
};
RegistrationCheck checkRegistration(Store& store, std::int64_t value);

// Whether the officer is asked (ReplaceDosimeterQuestion) before `value` replaces the identifier
// `held`: only when both are non-zero. Without a question the value is stored (0 removes the
// dosimeter).
bool replacementNeedsQuestion(std::int64_t held, std::int64_t value);

// Writes the registration into record `index` of the person `userNo`: the record is read again
// and only its identifier is set, to `value` when the person holds none, when the value is 0,
// or when `replace` is true; otherwise the record is written back as it is. False, and nothing
// written, when the record no longer holds that person.
bool storeRegistration(Store& store, long long index, std::int32_t userNo, std::int64_t value,
                       bool replace);

// English texts of the registration's lines, for when no language file is loaded.
QString registrationEnglishText(Text line);

} // namespace sarvo
