#include "tool/limits_options.h"

#include "core/text/text_forms.h"
#include "tool/listing.h"

#include <limits>

namespace sarvo::tool {
namespace {

// A dose in mSv above 0: a decimal number with "." or "," as decimal point.
double positiveDose(const Args& args, const QString& name) {
    const QString text = args.value(name);
    const std::optional<double> value = doseFromText(text);
    if (!value || *value <= 0)
        throw UsageError(
            QStringLiteral("--%1 takes a dose in mSv above 0, not %2").arg(name, text));
    return *value;
}

} // namespace

QList<QCommandLineOption> limitsOptions() {
    return {valued("annual", "MSV", "The annual limit (default 20)."),
            valued("five-year", "MSV", "The limit of five consecutive years (default 100)."),
            valued("investigation", "MSV", "The annual investigation level (default 6)."),
            valued("monthly", "MSV|off", "The monthly investigation level, or off (default off)."),
            valued("overdue-days", "N",
                   "The days after which a dosimeter not read is overdue (default 35).")};
}

LimitsChange limitsChange(const Args& args) {
    const auto given = [&args](const char* name) { return args.has(QLatin1String(name)); };
    LimitsChange change;
    if (given("annual"))
        change.annual = positiveDose(args, QStringLiteral("annual"));
    if (given("five-year"))
        change.fiveYear = positiveDose(args, QStringLiteral("five-year"));
    if (given("investigation"))
        change.investigation = positiveDose(args, QStringLiteral("investigation"));
    if (given("monthly")) {
        if (args.value(QStringLiteral("monthly")) == QLatin1String("off"))
            change.monthlyOff = true;
        else
            change.monthly = positiveDose(args, QStringLiteral("monthly"));
    }
    if (given("overdue-days")) {
        const QString text = args.value(QStringLiteral("overdue-days"));
        bool ok = false;
        const long long days = text.toLongLong(&ok);
        if (!ok || days < 1 || days > std::numeric_limits<int>::max() || !text.front().isDigit())
            throw UsageError(
                QStringLiteral("--overdue-days takes a whole number from 1 on, not %1").arg(text));
        change.overdueDays = static_cast<int>(days);
    }
    return change;
}

DoseLimits LimitsChange::appliedTo(DoseLimits limits) const {
    limits.annual = annual.value_or(limits.annual);
    limits.fiveYear = fiveYear.value_or(limits.fiveYear);
    limits.investigation = investigation.value_or(limits.investigation);
    if (monthlyOff)
        limits.monthly.reset();
    else if (monthly)
        limits.monthly = monthly;
    limits.overdueDays = overdueDays.value_or(limits.overdueDays);
    return limits;
}

void printLimits(const DoseLimits& limits) {
    Listing listing({}, false);
    const auto line = [&listing](const char* name, const QString& value) {
        listing.add(QLatin1String(name));
        listing.add(value);
        listing.endRow();
    };
    line("annual", formatNumber(limits.annual));
    line("five-year", formatNumber(limits.fiveYear));
    line("investigation", formatNumber(limits.investigation));
    line("monthly", limits.monthly ? formatNumber(*limits.monthly) : QStringLiteral("off"));
    line("overdue-days", QString::number(limits.overdueDays));
    listing.print();
}

} // namespace sarvo::tool
