#include "core/text/dose_texts.h"

#include "core/text/text_forms.h"

#include <QCoreApplication>

namespace sarvo {

namespace {} // namespace

QString ledgerKindText(LedgerKind kind) {
    switch (kind) {
    case LedgerKind::Reading:
        return QCoreApplication::translate("sarvo::DoseTexts", "reading");
    case LedgerKind::Clear:
        return QCoreApplication::translate("sarvo::DoseTexts", "cleared");
    case LedgerKind::Manual:
        return QCoreApplication::translate("sarvo::DoseTexts", "entered by hand");
    case LedgerKind::Opening:
        return QCoreApplication::translate("sarvo::DoseTexts", "opening");
    }
    return {};
}

QString alertKindText(AlertKind kind) {
    switch (kind) {
    case AlertKind::Investigation:
        return QCoreApplication::translate("sarvo::DoseTexts", "annual investigation level");
    case AlertKind::Monthly:
        return QCoreApplication::translate("sarvo::DoseTexts", "monthly investigation level");
    case AlertKind::Limit:
        return QCoreApplication::translate("sarvo::DoseTexts", "annual dose limit");
    case AlertKind::FiveYearLimit:
        return QCoreApplication::translate("sarvo::DoseTexts", "five-year dose limit");
    }
    return {};
}

QString doseStatusText(DoseStatus status) {
    switch (status) {
    case DoseStatus::Limit:
        return QCoreApplication::translate("sarvo::DoseTexts", "limit reached");
    case DoseStatus::Investigation:
        return QCoreApplication::translate("sarvo::DoseTexts", "investigation");
    case DoseStatus::Ok:
        break;
    }
    return QCoreApplication::translate("sarvo::DoseTexts", "ok");
}

QString joinedName(const QString& last, const QString& first, const QString& middle) {
    QStringList parts;
    for (const QString& part : {last, first, middle})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QLatin1Char(' '));
}

QString personName(const UserSummary& person) {
    return joinedName(person.lastName(), person.firstName(), person.middleName());
}

QString personName(const UserSummary& person, const PersonDetails* details) {
    return details && !details->fullName.trimmed().isEmpty() ? details->fullName.trimmed()
                                                             : personName(person);
}

QString alertWarningText(const Alert& alert, const UserSummary& person, double added) {
    return QCoreApplication::translate(
               "sarvo::DoseTexts",
               "%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 "
               "to %5 mSv. This reaches the %6 of %7 mSv.")
        .arg(personName(person))
        .arg(person.UserNo)
        .arg(formatNumber(added), alert.period, formatNumber(alert.dose), alertKindText(alert.kind),
             formatNumber(alert.level));
}

} // namespace sarvo
