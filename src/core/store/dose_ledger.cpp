#include "core/store/dose_ledger.h"

#include <array>
#include <utility>

namespace sarvo {

namespace {

constexpr std::array<std::pair<LedgerKind, const char*>, 4> kLedgerKinds{{
    {LedgerKind::Reading, "reading"},
    {LedgerKind::Clear, "clear"},
    {LedgerKind::Manual, "manual"},
    {LedgerKind::Opening, "opening"},
}};

constexpr std::array<std::pair<AlertKind, const char*>, 4> kAlertKinds{{
    {AlertKind::Investigation, "investigation"},
    {AlertKind::Monthly, "monthly"},
    {AlertKind::Limit, "limit"},
    {AlertKind::FiveYearLimit, "five_year_limit"},
}};

template <typename Kind, size_t N>
QString nameOf(const std::array<std::pair<Kind, const char*>, N>& names, Kind kind) {
    for (const auto& [k, name] : names)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

template <typename Kind, size_t N>
std::optional<Kind> kindOf(const std::array<std::pair<Kind, const char*>, N>& names,
                           const QString& text) {
    for (const auto& [k, name] : names)
        if (text == QLatin1String(name))
            return k;
    return std::nullopt;
}

} // namespace

QString ledgerKindName(LedgerKind kind) {
    return nameOf(kLedgerKinds, kind);
}

std::optional<LedgerKind> ledgerKindFromName(const QString& name) {
    return kindOf(kLedgerKinds, name);
}

QString alertKindName(AlertKind kind) {
    return nameOf(kAlertKinds, kind);
}

std::optional<AlertKind> alertKindFromName(const QString& name) {
    return kindOf(kAlertKinds, name);
}

namespace {
constexpr const char* kAnnual = "annual_limit";
constexpr const char* kFiveYear = "five_year_limit";
constexpr const char* kInvestigation = "investigation_level";
constexpr const char* kMonthly = "monthly_level";
constexpr const char* kOverdueDays = "overdue_days";

QString numberText(double value) {
    return QString::number(value, 'g', 17);
}
} // namespace

std::vector<std::pair<QString, QString>> limitSettings(const DoseLimits& limits) {
    return {
        {QString::fromLatin1(kAnnual), numberText(limits.annual)},
        {QString::fromLatin1(kFiveYear), numberText(limits.fiveYear)},
        {QString::fromLatin1(kInvestigation), numberText(limits.investigation)},
        {QString::fromLatin1(kMonthly),
         limits.monthly ? numberText(*limits.monthly) : QStringLiteral("off")},
        {QString::fromLatin1(kOverdueDays), QString::number(limits.overdueDays)},
    };
}

void applyLimitSetting(DoseLimits& limits, const QString& name, const QString& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (name == QLatin1String(kMonthly))
        limits.monthly = ok ? std::optional<double>(number) : std::nullopt;
    if (!ok)
        return;
    if (name == QLatin1String(kAnnual))
        limits.annual = number;
    else if (name == QLatin1String(kFiveYear))
        limits.fiveYear = number;
    else if (name == QLatin1String(kInvestigation))
        limits.investigation = number;
    else if (name == QLatin1String(kOverdueDays))
        limits.overdueDays = static_cast<int>(number);
}

} // namespace sarvo
