#include "gui/print/listing_pages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace sarvo {

namespace {

// One listing line laid out over the page's width; a wider line wraps as the text document
// wraps it (at a word boundary, or anywhere in a word longer than the line).
std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font,
                                    const QPaintDevice* device, double width, double& height) {
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

} // namespace

ListingPages::ListingPages(const QStringList& lines, int headingLines, const QFont& font,
                           const QPaintDevice* device, const QSizeF& page,
                           const QString& footFormat)
    : font_(font), page_(page), footFormat_(footFormat) {
    QFont bold = font;
    bold.setBold(true);
    double headingHeight = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool heading = i < headingLines;
        Line line;
        line.layout = layOut(lines[i], heading ? bold : font, device, page.width(), line.height);
        if (heading)
            headingHeight += line.height;
        (heading ? heading_ : body_).push_back(std::move(line));
    }
    // The foot: a blank line, then the foot line.
    footHeight_ = 2 * QFontMetricsF(font, device).lineSpacing();

    // A page takes body lines while they fit between the heading block and the foot; a page
    // takes at least one line, however little room there is.
    const double room = page.height() - headingHeight - footHeight_;
    pageStarts_.push_back(0);
    double filled = 0;
    for (std::size_t i = 0; i < body_.size(); ++i) {
        if (filled > 0 && filled + body_[i].height > room) {
            pageStarts_.push_back(i);
            filled = 0;
        }
        filled += body_[i].height;
    }
}

ListingPages::~ListingPages() = default;

QString ListingPages::footText(int page) const {
    return footFormat_.arg(page + 1).arg(pageCount());
}

void ListingPages::draw(QPainter& painter, int page) const {
    double top = 0;
    for (const Line& line : heading_) {
        line.layout->draw(&painter, QPointF(0, top));
        top += line.height;
    }
    const std::size_t end =
        std::size_t(page) + 1 < pageStarts_.size() ? pageStarts_[page + 1] : body_.size();
    for (std::size_t i = pageStarts_[page]; i < end; ++i) {
        body_[i].layout->draw(&painter, QPointF(0, top));
        top += body_[i].height;
    }
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, page_.height() - footHeight_, page_.width(), footHeight_),
                     Qt::AlignHCenter | Qt::AlignBottom, footText(page));
    painter.restore();
}

} // namespace sarvo
