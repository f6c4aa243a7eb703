#pragma once

#include "core/store/records.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sarvo {

// Number in general format: at most 15 significant digits, trailing zeros and a trailing
// separator dropped; magnitudes below 0.0001 or with more than 15 integer digits as mantissa,
// "E" and exponent (0.00005 -> "5E-5").
QString formatNumber(double value, QChar decimalSeparator = QLatin1Char(','));
// The same characters written into `buffer` (listings of many numbers make no QString).
using NumberBuffer = std::array<char, 32>;
std::string_view formatNumberInto(NumberBuffer& buffer, double value, char decimalSeparator);

// The 16 hexadecimal digits of an identifier, upper case, zero-filled.
QString identifierHex16(std::int64_t identifier);
// The identifier display text: its 16 hexadecimal digits read as a decimal number, without
// leading zeros ("0" for none). An identifier whose digits include A to F cannot be read so; it
// is shown as its hexadecimal digits without leading zeros.
QString identifierDisplayText(std::int64_t identifier);
std::string_view identifierDisplayInto(NumberBuffer& buffer, std::int64_t identifier);
bool identifierHasLetters(std::int64_t identifier);

// The date and time patterns of a locale with the program's separators: "." in dates, ":" in
// times, and without the time-zone part of a long time pattern.
class ValueFormats {
public:
    explicit ValueFormats(const QLocale& locale);
    // The formats of the workstation's locale (LANG / LC_TIME).
    static const ValueFormats& system();

    QString datePattern() const { return datePattern_; }
    QString timePattern() const { return timePattern_; }
    QString date(double days) const;
    QString date(const QDate& date) const;
    QString time(double fraction) const;
    QString time(const QTime& time) const;

private:
    QLocale locale_;
    QString datePattern_;
    QString timePattern_;
};

// A dose typed by the officer, in mSv: a decimal number with "." or "," as decimal point and an
// optional sign, blanks around it ignored ("0,25", "-.5", "+1"); nothing for anything else (an
// exponent, "inf", "nan", an empty text).
std::optional<double> doseFromText(const QString& text);

// The name cell of the list of persons: blank, last name, blank, first name, blank, middle name.
QString nameCell(const UserSummary& user);

} // namespace sarvo
