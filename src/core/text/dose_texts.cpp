#include "core/text/dose_texts.h"

#include "core/text/text_forms.h"

#include <QCoreApplication>

namespace sarvo {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("sarvo::DoseTexts", text);
}

} // namespace

QString ledgerKindText(LedgerKind kind) {
    switch (kind) {
    case LedgerKind::Reading:
        return tr("reading");
    case LedgerKind::Clear:
        return tr("cleared");
    case LedgerKind::Manual:
        return tr("entered by hand");
    case LedgerKind::Opening:
        return tr("opening");
    }
    return {};
}

QString alertKindText(AlertKind kind) {
    switch (kind) {
    case AlertKind::Investigation:
        return tr("annual investigation level");
    case AlertKind::Monthly:
        return tr("monthly investigation level");
    case AlertKind::Limit:
        return tr("annual dose limit");
    case AlertKind::FiveYearLimit:
        return tr("five-year dose limit");
    }
    return {};
}

QString doseStatusText(DoseStatus status) {
    switch (status) {
    case DoseStatus::Limit:
        return tr("limit reached");
    case DoseStatus::Investigation:
        return tr("investigation");
    case DoseStatus::Ok:
        break;
    }
    return tr("ok");
}

QString personName(const UserSummary& person) {
    QStringList parts;
    for (const QString& part : {person.lastName(), person.firstName(), person.middleName()})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QLatin1Char(' '));
}

QString alertWarningText(const Alert& alert, const UserSummary& person, double added) {
    return tr("%1 (number %2): the dose of %3 mSv just entered brings the dose of the period %4 "
              "to %5 mSv. This reaches the %6 of %7 mSv.")
        .arg(personName(person))
        .arg(person.UserNo)
        .arg(formatNumber(added), alert.period, formatNumber(alert.dose), alertKindText(alert.kind),
             formatNumber(alert.level));
}

} // namespace sarvo
