#include "tool/listing.h"

#include "core/text/csv_export.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace sarvo::tool {
namespace {

// Output is written to standard output once this much has gathered; the buffer is used again.
constexpr size_t kBlock = 1 << 16;

// Plain rows are kept in one buffer: each cell as a header and its UTF-8 text, each row ended by
// kRowEnd. A header is the size and the width in a byte each when the size is below kLongCell
// (the width is never above the size), otherwise kLongCell and the two as 32-bit numbers.
constexpr unsigned char kLongCell = 254;
constexpr unsigned char kRowEnd = 255;

// The next cell of a row at `at`, which moves past it; false at the end of the row.
bool nextCell(const char*& at, std::string_view& text, std::uint32_t& width) {
    const auto header = static_cast<unsigned char>(*at++);
    if (header == kRowEnd)
        return false;
    std::uint32_t size = header;
    if (header == kLongCell) {
        std::memcpy(&size, at, 4);
        std::memcpy(&width, at + 4, 4);
        at += 8;
    } else {
        width = static_cast<unsigned char>(*at++);
    }
    text = std::string_view(at, size);
    at += size;
    return true;
}

// A text of characters from U+0000 to U+FFFF outside the surrogates, in UTF-8 as
// QString::toUtf8() gives it, into `out` (three bytes a character); its size, or -1 for a text
// with other characters.
qsizetype toUtf8(QStringView text, char* out) {
    char* at = out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            *at++ = static_cast<char>(u);
        } else if (u < 0x800) {
            *at++ = static_cast<char>(0xC0 | (u >> 6));
            *at++ = static_cast<char>(0x80 | (u & 0x3F));
        } else if (u < 0xD800 || u > 0xDFFF) {
            *at++ = static_cast<char>(0xE0 | (u >> 12));
            *at++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            *at++ = static_cast<char>(0x80 | (u & 0x3F));
        } else {
            return -1;
        }
    }
    return at - out;
}

} // namespace

Listing::Buffer::~Buffer() {
    std::free(data_);
}

void Listing::Buffer::grow(size_t size) {
    const size_t capacity = std::max({size_ + size, 2 * capacity_, kBlock});
    char* data = static_cast<char*>(std::realloc(data_, capacity));
    if (!data)
        throw std::bad_alloc();
    data_ = data;
    capacity_ = capacity;
}

Listing::Listing(const QStringList& csvHeader, bool csv) : csv_(csv) {
    if (csv_) {
        const QByteArray header = csvHeader.join(QLatin1Char(',')).toUtf8() + "\r\n";
        out_.append(header.constData(), static_cast<size_t>(header.size()));
    }
}

void Listing::add(std::string_view utf8, qsizetype width) {
    if (csv_) {
        if (rowStarted_)
            out_.append(',');
        appendCsvField(out_, utf8);
    } else if (utf8.size() < kLongCell) {
        char* at = rows_.extend(2 + utf8.size());
        at[0] = static_cast<char>(utf8.size());
        at[1] = static_cast<char>(width);
        std::memcpy(at + 2, utf8.data(), utf8.size());
    } else {
        char* at = rows_.extend(9 + utf8.size());
        const auto size = static_cast<std::uint32_t>(utf8.size());
        const auto cellWidth = static_cast<std::uint32_t>(width);
        at[0] = static_cast<char>(kLongCell);
        std::memcpy(at + 1, &size, 4);
        std::memcpy(at + 5, &cellWidth, 4);
        std::memcpy(at + 9, utf8.data(), utf8.size());
    }
    rowStarted_ = true;
}

void Listing::add(const QString& text) {
    char bytes[3 * 64];
    if (text.size() <= 64) {
        const qsizetype size = toUtf8(text, bytes);
        if (size >= 0) {
            add(std::string_view(bytes, static_cast<size_t>(size)), text.size());
            return;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    add(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())), text.size());
}

void Listing::endRow() {
    rowStarted_ = false;
    if (csv_) {
        // Streamed, so that a long history is never held in memory.
        out_.append("\r\n", 2);
        writeIfFull();
    } else {
        rows_.append(static_cast<char>(kRowEnd));
    }
}

void Listing::write() {
    // Whatever went through the text stream comes first.
    out().flush();
    std::fwrite(out_.begin(), 1, out_.size(), stdout);
    out_.clear();
}

void Listing::writeIfFull() {
    if (out_.size() >= kBlock)
        write();
}

void Listing::print() {
    if (!csv_) {
        std::vector<std::uint32_t> widths;
        std::string_view text;
        std::uint32_t width = 0;
        for (const char* at = rows_.begin(); at != rows_.end();)
            for (size_t c = 0; nextCell(at, text, width); ++c) {
                if (widths.size() <= c)
                    widths.push_back(0);
                widths[c] = std::max(widths[c], width);
            }
        for (const char* at = rows_.begin(); at != rows_.end();) {
            // Every cell but the last is filled up to the width of its column.
            std::uint32_t fill = 0;
            for (size_t c = 0; nextCell(at, text, width); ++c) {
                if (c > 0)
                    std::memset(out_.extend(fill + 2), ' ', fill + 2);
                out_.append(text.data(), text.size());
                fill = widths[c] - width;
            }
            out_.append('\n');
            writeIfFull();
        }
    }
    write();
    std::fflush(stdout);
}

ShortText::ShortText(std::string_view text) {
    append(text);
}

void ShortText::append(std::string_view text) {
    std::memcpy(text_ + size_, text.data(), text.size());
    size_ += static_cast<int>(text.size());
}

ShortText numberText(double value, char decimalSeparator) {
    NumberBuffer buffer;
    return ShortText(formatNumberInto(buffer, value, decimalSeparator));
}

ShortText identifierText(std::int64_t identifier) {
    NumberBuffer buffer;
    return ShortText(identifierDisplayInto(buffer, identifier));
}

ShortText integerText(long long value) {
    char digits[24];
    return ShortText(std::string_view(digits, std::to_chars(digits, digits + 24, value).ptr));
}

namespace {

void appendDigits(ShortText& text, int value, int digits) {
    if (digits == 2 || value >= 10)
        text.append(static_cast<char>('0' + value / 10));
    text.append(static_cast<char>('0' + value % 10));
}

} // namespace

ReadingTexts::ReadingTexts(const ValueFormats& formats, const QLocale& locale) : formats_(formats) {
    const QString pattern = formats.timePattern();
    const bool twelveHours = pattern.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    fixedTime_ = true;
    for (qsizetype i = 0; i < pattern.size() && fixedTime_;) {
        const QChar c = pattern.at(i);
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == c)
            ++run;
        if (c == QLatin1Char('H') || c == QLatin1Char('h') || c == QLatin1Char('m') ||
            c == QLatin1Char('s')) {
            fixedTime_ = run <= 2;
            const char field = c == QLatin1Char('h') && twelveHours ? 'h'
                               : c == QLatin1Char('h')              ? 'H'
                                                       : static_cast<char>(c.unicode());
            pieces_.push_back({field, static_cast<int>(run), {}, {}});
            i += run;
        } else if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            // AM/PM text: "A" or "AP" in upper case, "a" or "ap" in lower case.
            const bool upper = c == QLatin1Char('A');
            const auto cased = [&](const QString& text) {
                return Text{(upper ? text.toUpper() : text.toLower()).toUtf8(), text.size()};
            };
            pieces_.push_back({'A', 0, cased(locale.amText()), cased(locale.pmText())});
            i += i + 1 < pattern.size() && pattern.at(i + 1).toLower() == QLatin1Char('p') ? 2 : 1;
        } else if (c.isLetter() || c == QLatin1Char('\'') || c.isSurrogate()) {
            fixedTime_ = false;
        } else {
            if (pieces_.empty() || pieces_.back().field != 0)
                pieces_.push_back({0, 0, {}, {}});
            pieces_.back().text.bytes += QString(c).toUtf8();
            ++pieces_.back().text.width;
            ++i;
        }
    }
    // The text must fit a ShortText, and what the pattern filled in gives must be the locale's
    // own text (its digits and its AM/PM texts among others).
    qsizetype size = 0;
    for (const Piece& piece : pieces_)
        size += std::max({qsizetype{2}, piece.text.bytes.size(), piece.pm.bytes.size()});
    fixedTime_ = fixedTime_ && size <= 40;
    for (int h = 0; h < 24 && fixedTime_; ++h)
        for (const QTime time :
             {QTime(h, 0, 0), QTime(h, (h * 17 + 3) % 60, (h * 23 + 9) % 60), QTime(h, 59, 59)}) {
            const QString expected = formats_.time(time);
            const QByteArray bytes = expected.toUtf8();
            qsizetype width = 0;
            const ShortText text = fixedTime(time, width);
            fixedTime_ = fixedTime_ && width == expected.size() &&
                         std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())) ==
                             text.view();
        }
}

ShortText ReadingTexts::fixedTime(const QTime& time, qsizetype& width) const {
    ShortText text;
    width = 0;
    if (!time.isValid())
        return text;
    for (const Piece& piece : pieces_) {
        const size_t before = text.view().size();
        const Text* literal = nullptr;
        switch (piece.field) {
        case 'H':
            appendDigits(text, time.hour(), piece.digits);
            break;
        case 'h':
            appendDigits(text, time.hour() % 12 == 0 ? 12 : time.hour() % 12, piece.digits);
            break;
        case 'm':
            appendDigits(text, time.minute(), piece.digits);
            break;
        case 's':
            appendDigits(text, time.second(), piece.digits);
            break;
        case 'A':
            literal = time.hour() < 12 ? &piece.text : &piece.pm;
            break;
        default:
            literal = &piece.text;
        }
        if (literal) {
            text.append(std::string_view(literal->bytes.constData(),
                                         static_cast<size_t>(literal->bytes.size())));
            width += literal->width;
        } else {
            width += static_cast<qsizetype>(text.view().size() - before);
        }
    }
    return text;
}

void ReadingTexts::addTime(Listing& listing, double fraction) {
    const QTime time = timeFromFraction(fraction);
    if (!fixedTime_) {
        listing.add(formats_.time(time));
        return;
    }
    qsizetype width = 0;
    const ShortText text = fixedTime(time, width);
    listing.add(text.view(), width);
}

void ReadingTexts::addDate(Listing& listing, double days) {
    const QDate date = dateFromDays(days);
    if (!haveDate_ || date != lastDate_) {
        const QString text = formats_.date(date);
        dateText_ = text.toUtf8();
        dateWidth_ = text.size();
        lastDate_ = date;
        haveDate_ = true;
    }
    listing.add(std::string_view(dateText_.constData(), static_cast<size_t>(dateText_.size())),
                dateWidth_);
}

QCommandLineOption csvOption() {
    return flag("csv", "Print CSV (RFC 4180, \".\" as decimal point) with a header line.");
}

} // namespace sarvo::tool
