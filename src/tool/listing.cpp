#include "tool/listing.h"

#include "core/text/text_forms.h"
#include "tool/commands.h"

namespace sarvo::tool {

Listing::Listing(QStringList csvHeader, bool csv) : header_(std::move(csvHeader)), csv_(csv) {
    if (csv_)
        out() << header_.join(QLatin1Char(',')) << "\r\n";
}

void Listing::add(const QStringList& plainCells, const QStringList& csvCells) {
    if (csv_) {
        QStringList fields;
        for (const QString& cell : csvCells)
            fields.append(csvField(cell));
        // Streamed, so that a long history is never held in memory.
        out() << fields.join(QLatin1Char(',')) << "\r\n";
    } else {
        rows_.append(plainCells);
    }
}

void Listing::print() const {
    if (csv_) {
        out().flush();
        return;
    }
    QList<qsizetype> widths;
    for (const QStringList& row : rows_)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.append(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    for (const QStringList& row : rows_) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0)
                line += QLatin1String("  ");
            line += c + 1 < row.size() ? row[c].leftJustified(widths[c]) : row[c];
        }
        out() << line << "\n";
    }
    out().flush();
}

QCommandLineOption csvOption() {
    return flag("csv", "Print CSV (RFC 4180, \".\" as decimal point) with a header line.");
}

QString csvNumber(double value) {
    return formatNumber(value, QLatin1Char('.'));
}

} // namespace sarvo::tool
