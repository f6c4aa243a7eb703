#include "tool/dose_listing.h"

#include "tool/listing.h"

#include <QRegularExpression>

namespace sarvo::tool {

void printDoseTable(const DoseTable& table, bool csv) {
    Listing listing(table.header, csv);
    for (const QStringList& row : table.rows) {
        for (const QString& cell : row)
            listing.add(cell);
        listing.endRow();
    }
    listing.print();
}

int yearOption(const Args& args, int fallback, bool required) {
    const QString name = QStringLiteral("year");
    if (!required && !args.has(name))
        return fallback;
    const QString text = args.required(name);
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    if (!fourDigits.match(text).hasMatch() || text.toInt() < 1)
        throw UsageError(QStringLiteral("--year takes a year of four digits, not %1").arg(text));
    return text.toInt();
}

} // namespace sarvo::tool
