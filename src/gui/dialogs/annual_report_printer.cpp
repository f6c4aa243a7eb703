#include "gui/dialogs/annual_report_printer.h"

#include "core/text/dose_texts.h"
#include "core/text/text_forms.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace sarvo {

namespace {

// The share of the line width of each column: name, department, 12 months, total, status.
constexpr std::array<double, 16> kColumnShares{3.0, 2.0, 1, 1, 1, 1, 1,   1,
                                               1,   1,   1, 1, 1, 1, 1.2, 3.2};

QString monthHeading(int month) {
    return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

// A step of the dose axis that gives four to ten divisions up to `top`.
double axisStep(double top) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(top)));
    for (const double factor : {0.1, 0.2, 0.25, 0.5, 1.0, 2.0, 5.0, 10.0})
        if (top / (magnitude * factor) <= 10.0)
            return magnitude * factor;
    return magnitude * 10.0;
}

} // namespace

QString AnnualReportPrinter::title(int year) {
    return tr("Annual dose report %1").arg(year);
}

std::array<double, 12> AnnualReportPrinter::groupMonths() const {
    std::array<long long, 12> sums{};
    for (const PersonDoses& person : overview_.persons)
        for (int month = 0; month < 12; ++month)
            sums[month] += person.doses.months[month];
    std::array<double, 12> months{};
    for (int month = 0; month < 12; ++month)
        months[month] = fromMicroSv(sums[month]);
    return months;
}

void AnnualReportPrinter::drawRow(QPainter& painter, const QRectF& line, const QStringList& cells,
                                  bool heading) const {
    double total = 0.0;
    for (const double share : kColumnShares)
        total += share;
    const double pad = line.height() * 0.2;
    double x = line.left();
    for (int column = 0; column < cells.size() && column < int(kColumnShares.size()); ++column) {
        const double width = line.width() * kColumnShares[column] / total;
        // The status keeps a gap after the total.
        const double left = x + pad * (column == 15 ? 4 : 1);
        const QRectF cell(left, line.top(), x + width - pad - left, line.height());
        // Names and texts left, numbers right.
        const bool text = column < 2 || column == 15;
        const Qt::Alignment align = Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight);
        painter.drawText(
            cell, align,
            painter.fontMetrics().elidedText(cells[column], Qt::ElideRight, int(cell.width())));
        x += width;
    }
    if (heading)
        painter.drawLine(line.bottomLeft(), line.bottomRight());
}

void AnnualReportPrinter::drawChart(QPainter& painter, const QRectF& area) const {
    const std::array<double, 12> months = groupMonths();
    const double highest = *std::max_element(months.begin(), months.end());
    const double step = axisStep(highest > 0.0 ? highest : 1.0);
    const double top = step * std::ceil((highest > 0.0 ? highest : 1.0) / step);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double lineHeight = metrics.height();

    painter.drawText(QRectF(area.left(), area.top(), area.width(), lineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Monthly dose of the group (mSv), %1").arg(overview_.year));
    const double labelWidth = metrics.horizontalAdvance(formatNumber(top)) + lineHeight;
    const QRectF plot(area.left() + labelWidth, area.top() + 2.5 * lineHeight,
                      area.width() - labelWidth - lineHeight, area.height() - 4 * lineHeight);
    // The dose axis with its divisions.
    painter.save();
    painter.setPen(QPen(Qt::gray, 0));
    for (double value = 0.0; value <= top + step / 2; value += step) {
        const double y = plot.bottom() - plot.height() * value / top;
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(area.left(), y - lineHeight / 2, labelWidth - lineHeight / 2, lineHeight),
            Qt::AlignRight | Qt::AlignVCenter, formatNumber(value));
        painter.setPen(QPen(Qt::gray, 0));
    }
    painter.restore();
    // One bar a month with its dose above it and the month below.
    const double slot = plot.width() / 12;
    for (int month = 0; month < 12; ++month) {
        const double height = plot.height() * months[month] / top;
        const QRectF bar(plot.left() + slot * (month + 0.2), plot.bottom() - height, slot * 0.6,
                         height);
        painter.fillRect(bar, QColor(70, 110, 170));
        painter.drawRect(bar);
        if (months[month] > 0.0)
            painter.drawText(
                QRectF(bar.left() - slot * 0.2, bar.top() - lineHeight, slot, lineHeight),
                Qt::AlignCenter, formatNumber(months[month]));
        painter.drawText(QRectF(plot.left() + slot * month, plot.bottom(), slot, lineHeight),
                         Qt::AlignCenter, monthHeading(month + 1));
    }
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

bool AnnualReportPrinter::print(QPrinter& printer) const {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(title(overview_.year));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font(QStringLiteral("Sans Serif"), 9);
    painter.setFont(font);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    const double line = QFontMetricsF(painter.font(), &printer).height() * 1.4;

    // Each page: the title line, a gap, the heading row, the rows; the foot line at the bottom.
    const double bodyTop = 2.5 * line;
    const double bodyBottom = area.bottom() - 1.5 * line;
    const int rowsPerPage = std::max(1, int((bodyBottom - bodyTop) / line) - 1);
    const int persons = int(overview_.persons.size());
    const int tablePages = std::max(1, (persons + rowsPerPage - 1) / rowsPerPage);
    const int lastRows = persons - (tablePages - 1) * rowsPerPage;
    const double chartHeight = std::min(bodyBottom - bodyTop, 18 * line);
    const double lastBottom = bodyTop + line * (1 + lastRows) + line;
    const bool chartOwnPage = lastBottom + chartHeight > bodyBottom;
    const int pages = tablePages + (chartOwnPage ? 1 : 0);

    QStringList heading{tr("Name"), tr("Department")};
    for (int month = 1; month <= 12; ++month)
        heading << monthHeading(month);
    heading << tr("Total") << tr("Status");

    int next = 0;
    for (int pageNo = 1; pageNo <= pages; ++pageNo) {
        if (pageNo > 1 && !printer.newPage())
            return false;
        QFont bold = font;
        bold.setBold(true);
        bold.setPointSizeF(font.pointSizeF() * 1.3);
        painter.setFont(bold);
        painter.drawText(QRectF(area.left(), area.top(), area.width(), 1.5 * line),
                         Qt::AlignLeft | Qt::AlignVCenter, title(overview_.year));
        painter.setFont(font);
        painter.drawText(QRectF(area.left(), bodyBottom + 0.5 * line, area.width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, title(overview_.year));
        painter.drawText(QRectF(area.left(), bodyBottom + 0.5 * line, area.width(), line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         tr("page %1 of %2").arg(pageNo).arg(pages));
        double y = bodyTop;
        if (pageNo <= tablePages) {
            drawRow(painter, QRectF(area.left(), y, area.width(), line), heading, true);
            y += line;
            for (int row = 0; row < rowsPerPage && next < persons; ++row, ++next) {
                const PersonDoses& person = overview_.persons[next];
                QStringList cells{personName(person.person, &person.details),
                                  person.person.department()};
                for (const long long month : person.doses.months)
                    cells << formatNumber(fromMicroSv(month));
                cells << formatNumber(fromMicroSv(person.doses.year))
                      << doseStatusText(person.status);
                drawRow(painter, QRectF(area.left(), y, area.width(), line), cells, false);
                y += line;
            }
            y += line;
        }
        if (pageNo == pages)
            drawChart(painter,
                      QRectF(area.left(), chartOwnPage ? bodyTop : y, area.width(), chartHeight));
    }
    return painter.end();
}

} // namespace sarvo
