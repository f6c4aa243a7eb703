#pragma once

#include "core/store/records.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace sarvo {

// A person's category of exposure.
enum class PersonCategory { None, A, B, Unclassified };
// "", "A", "B", "unclassified"
QString personCategoryName(PersonCategory category);
// From "A", "B", "unclassified" (any case) or ""; nothing for any other text.
std::optional<PersonCategory> personCategoryFromName(const QString& name);

// What a dose registry asks of a person beyond the user file, kept in the embedded database and
// keyed by UserNo. Texts are Unicode without a length limit; an empty text or an invalid date is
// "not given". Nobody is ever deleted: a person who left keeps every record, with the date.
struct PersonDetails {
    std::int32_t userNo = 0;
    QString fullName;   // the name in full, as the person writes it
    QString registryId; // the registry number; unique within a station
    QDate birth;
    PersonCategory category = PersonCategory::None;
    QString site; // the employer or site code
    QDate left;   // the day the person left

    bool hasLeft() const { return left.isValid(); }
    bool empty() const {
        return fullName.isEmpty() && registryId.isEmpty() && !birth.isValid() &&
               category == PersonCategory::None && site.isEmpty() && !left.isValid();
    }
    friend bool operator==(const PersonDetails&, const PersonDetails&) = default;
};

} // namespace sarvo
