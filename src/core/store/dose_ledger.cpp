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

} // namespace sarvo
