#include "core/store/person_details.h"

namespace sarvo {

QString personCategoryName(PersonCategory category) {
    switch (category) {
    case PersonCategory::A:
        return QStringLiteral("A");
    case PersonCategory::B:
        return QStringLiteral("B");
    case PersonCategory::Unclassified:
        return QStringLiteral("unclassified");
    case PersonCategory::None:
        break;
    }
    return QStringLiteral("");
}

std::optional<PersonCategory> personCategoryFromName(const QString& name) {
    for (PersonCategory category :
         {PersonCategory::None, PersonCategory::A, PersonCategory::B, PersonCategory::Unclassified})
        if (name.compare(personCategoryName(category), Qt::CaseInsensitive) == 0)
            return category;
    return std::nullopt;
}

} // namespace sarvo
