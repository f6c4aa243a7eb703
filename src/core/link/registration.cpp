#include "core/link/registration.h"

namespace sarvo {

bool registrationTextFits(const QString& text) {
    return text.size() <= kRegistrationTextMax;
}

std::optional<std::int64_t> registrationValue(const QString& text) {
    if (text.isEmpty() || text.size() > kRegistrationTextMax)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint64_t>(c.unicode() - u'0');
    }
    return static_cast<std::int64_t>(value);
}

RegistrationCheck checkRegistration(Store& store, std::int64_t value) {
    if (value != 0 && store.findUserByIdentifier(value) != 0)
        return RegistrationCheck::AlreadyRegistered;
    return RegistrationCheck::Accepted;
}

bool replacementNeedsQuestion(std::int64_t held, std::int64_t value) {
    return held != 0 && value != 0;
}

bool storeRegistration(Store& store, long long index, std::int32_t userNo, std::int64_t value,
                       bool replace) {
    return store.updateUser(index, userNo, [&](UserRecord& user) {
        if (!replacementNeedsQuestion(user.DosimeterId, value) || replace)
            user.DosimeterId = value;
    });
}

QString registrationEnglishText(Text line) {
    switch (line) {
    case Text::IdTooLong:
        return QStringLiteral("The dosimeter ID must not be longer than 16 characters.");
    case Text::IdNotNumber:
        return QStringLiteral("The dosimeter ID is not a valid number.");
    case Text::ReplaceDosimeterQuestion:
        return QStringLiteral("This person already has a dosimeter. Replace it?");
    case Text::DosimeterRegistered:
        return QStringLiteral("This dosimeter is already registered to a person.");
    default:
        return QString();
    }
}

} // namespace sarvo
