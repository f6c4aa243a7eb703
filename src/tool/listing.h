#pragma once

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

namespace sarvo::tool {

// A listing printed either as aligned plain text or as RFC 4180 CSV with a header line.
class Listing {
public:
    Listing(QStringList csvHeader, bool csv);
    void add(const QStringList& plainCells, const QStringList& csvCells);
    // Writes the listing to standard output.
    void print() const;

private:
    QStringList header_;
    bool csv_;
    QList<QStringList> rows_;
};

// --csv, the choice of CSV.
QCommandLineOption csvOption();

// Numbers in CSV: "." as decimal point, up to 15 significant digits.
QString csvNumber(double value);

} // namespace sarvo::tool
