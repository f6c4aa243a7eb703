#pragma once

#include "core/store/dose_overview.h"

#include <QCoreApplication>
#include <QString>
#include <array>

class QPainter;
class QPrinter;
class QRectF;

namespace sarvo {

// The printed annual report of a dose overview, on landscape pages: the title line with the
// year, then one row per person in the order of the user file (name, department, the dose of each
// month 01 to 12, the year's total and the status), the column heading again on every page, and
// at the end a bar chart of the group's monthly dose (the sum over the persons of each month),
// drawn as lines and text so that it stays a vector drawing in a PDF file. Every page carries the
// title and "page n of m" at its foot.
class AnnualReportPrinter {
    Q_DECLARE_TR_FUNCTIONS(sarvo::AnnualReportPrinter)
public:
    explicit AnnualReportPrinter(const DoseOverview& overview) : overview_(overview) {}

    // Prints on `printer` (set to landscape here); false when the printer could not be used.
    bool print(QPrinter& printer) const;

    // The title line of the report of `year`.
    static QString title(int year);
    // The group's dose of each month in mSv.
    std::array<double, 12> groupMonths() const;

private:
    void drawRow(QPainter& painter, const QRectF& line, const QStringList& cells,
                 bool heading) const;
    void drawChart(QPainter& painter, const QRectF& area) const;

    const DoseOverview& overview_;
};

} // namespace sarvo
