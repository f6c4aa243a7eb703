#include "core/store/person_ops.h"

namespace sarvo {

PersonTexts PersonTexts::of(const UserRecord& user) {
    return {user.lastName(), user.firstName(), user.middleName(), user.department()};
}

bool personTextsComplete(const PersonTexts& texts) {
    return !texts.last.isEmpty() && !texts.first.isEmpty();
}

QString namesMissingText() {
    return QStringLiteral("Enter the last name and the first name.");
}

std::int32_t addPerson(Store& store, const PersonTexts& texts) {
    return store.addPerson(texts.last, texts.first, texts.middle, texts.department);
}

bool changePerson(Store& store, long long index, std::int32_t userNo, const PersonTexts& texts) {
    DataLock lock = store.writeLock();
    const bool written = store.updateUser(index, userNo, [&texts](UserRecord& user) {
        user.setTexts(texts.last, texts.first, texts.middle, texts.department);
    });
    if (written)
        store.sortByName();
    return written;
}

QString personMovedText() {
    return QStringLiteral("The record of this person has been changed meanwhile; "
                          "nothing was written.");
}

bool clearDoseRateLines(Store& store, long long index, std::int32_t userNo) {
    return store.updateUser(index, userNo, [](UserRecord& user) {
        for (QByteArray& line : user.MED)
            line.clear();
    });
}

} // namespace sarvo
