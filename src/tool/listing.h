#pragma once

#include <QByteArray>
#include <QCommandLineOption>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace sarvo {
class ValueFormats;
}

namespace sarvo::tool {

// A listing printed either as aligned plain text or as RFC 4180 CSV with a header line. Each row
// is given cell by cell, then ended; the text is kept as UTF-8 and written to standard output in
// large blocks.
class Listing {
public:
    Listing(const QStringList& csvHeader, bool csv);
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;

    // The next cell of the row: UTF-8 text and its width in UTF-16 code units.
    void add(std::string_view utf8, qsizetype width);
    void add(std::string_view ascii) { add(ascii, static_cast<qsizetype>(ascii.size())); }
    void add(const QString& text);
    void endRow();
    // Writes the listing to standard output.
    void print();

private:
    // Bytes that grow in place where the system allows (a large block is remapped, not copied).
    class Buffer {
    public:
        Buffer() = default;
        Buffer(const Buffer&) = delete;
        Buffer& operator=(const Buffer&) = delete;
        ~Buffer();
        // Room for `size` more bytes, which the caller fills.
        char* extend(size_t size) {
            if (capacity_ - size_ < size)
                grow(size);
            char* at = data_ + size_;
            size_ += size;
            return at;
        }
        void append(const char* bytes, size_t size) {
            if (size > 0)
                std::memcpy(extend(size), bytes, size);
        }
        void append(char c) { *extend(1) = c; }
        void clear() { size_ = 0; }
        size_t size() const { return size_; }
        const char* begin() const { return data_; }
        const char* end() const { return data_ + size_; }

    private:
        void grow(size_t size);

        char* data_ = nullptr;
        size_t size_ = 0;
        size_t capacity_ = 0;
    };
    void writeIfFull();
    void write();

    bool csv_;
    bool rowStarted_ = false;
    Buffer out_;  // not yet written
    Buffer rows_; // plain: every row, each cell with its size and width
};

// A short ASCII text made without allocating.
class ShortText {
public:
    ShortText() = default;
    explicit ShortText(std::string_view text);
    std::string_view view() const { return {text_, static_cast<size_t>(size_)}; }
    void append(char c) { text_[size_++] = c; }
    void append(std::string_view text);

private:
    char text_[48];
    int size_ = 0;
};

// formatNumber(value, decimalSeparator) and identifierDisplayText(identifier) as short texts.
ShortText numberText(double value, char decimalSeparator);
ShortText identifierText(std::int64_t identifier);
// The text of QString::number(value).
ShortText integerText(long long value);

// Dates and times of readings as the history table shows them in the workstation's locale. A
// date is formatted once for a run of readings of the same day; a time pattern of hours,
// minutes, seconds, AM/PM and separators is filled in without the locale when that gives the
// locale's text for a sample of times.
class ReadingTexts {
public:
    // `locale` gives the AM/PM texts of the formats' time pattern.
    ReadingTexts(const ValueFormats& formats, const QLocale& locale);
    // The cells of one reading's date and time.
    void addDate(Listing& listing, double days);
    void addTime(Listing& listing, double fraction);

private:
    struct Text {
        QByteArray bytes; // UTF-8
        qsizetype width = 0;
    };
    struct Piece {
        char field; // 'H' (hour), 'h' (hour 1 to 12), 'm', 's', 'A' (AM/PM), or 0 for text
        int digits; // 1 or 2
        Text text;  // the literal text, or the AM text
        Text pm;
    };
    // The time filled into the pattern, and its width.
    ShortText fixedTime(const QTime& time, qsizetype& width) const;

    const ValueFormats& formats_;
    bool fixedTime_ = false;
    std::vector<Piece> pieces_;
    QDate lastDate_;
    bool haveDate_ = false;
    QByteArray dateText_;
    qsizetype dateWidth_ = 0;
};

// --csv, the choice of CSV.
QCommandLineOption csvOption();

} // namespace sarvo::tool
