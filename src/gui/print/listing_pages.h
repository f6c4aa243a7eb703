#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextLayout;

namespace sarvo {

// The pages of a printed listing, laid out before the first is printed so that the number of
// pages is known. Every page begins with the listing's heading block (its first `headingLines`
// lines: the title line and the column headings, in bold) and ends with the foot line,
// `footFormat` with the page number and the number of pages ("Page %1 of %2"), centred at the
// bottom. The other lines fill the pages between them in order; a line wider than the page
// wraps onto further lines of the same page, as the text does on the screen.
class ListingPages {
public:
    // Lays the lines out in `font` for `device` on pages of `page` size (in device pixels).
    ListingPages(const QStringList& lines, int headingLines, const QFont& font,
                 const QPaintDevice* device, const QSizeF& page, const QString& footFormat);
    ~ListingPages();
    ListingPages(const ListingPages&) = delete;
    ListingPages& operator=(const ListingPages&) = delete;

    int pageCount() const { return int(pageStarts_.size()); }
    // The foot line of page `page` (counted from 0).
    QString footText(int page) const;
    // Draws page `page` (counted from 0) with its top left corner at the painter's origin.
    void draw(QPainter& painter, int page) const;

private:
    struct Line {
        std::unique_ptr<QTextLayout> layout;
        double height;
    };

    QFont font_;
    QSizeF page_;
    QString footFormat_;
    double footHeight_ = 0;
    std::vector<Line> heading_;
    std::vector<Line> body_;
    std::vector<std::size_t> pageStarts_; // the first body line of each page
};

} // namespace sarvo
