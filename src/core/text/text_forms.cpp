#include "core/text/text_forms.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstring>

namespace sarvo {

std::string_view formatNumberInto(NumberBuffer& buffer, double value, char decimalSeparator) {
    char* const start = buffer.data();
    char* at = start;
    const auto put = [&at](std::string_view text) {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    };
    if (std::isnan(value) || std::isinf(value) || value == 0.0) {
        put(std::isnan(value) ? "NAN" : value > 0 ? "INF" : value < 0 ? "-INF" : "0");
        return {start, static_cast<size_t>(at - start)};
    }

    // 15 significant digits decide the exponent, after rounding: [-]d.ddddddddddddddde[+-]x...
    char scientific[40];
    const char* end = std::to_chars(scientific, scientific + sizeof scientific, value,
                                    std::chars_format::scientific, 14)
                          .ptr;
    const bool negative = scientific[0] == '-';
    const char* mantissa = scientific + (negative ? 1 : 0);
    char digits[15];
    digits[0] = mantissa[0];
    std::memcpy(digits + 1, mantissa + 2, 14);
    const char* e = mantissa + 16;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);
    // The digits that count: trailing zeros dropped.
    int significant = 15;
    while (digits[significant - 1] == '0')
        --significant;

    if (negative)
        *at++ = '-';
    if (exponent < -4 || exponent >= 15) {
        *at++ = digits[0];
        if (significant > 1) {
            *at++ = decimalSeparator;
            put(std::string_view(digits + 1, static_cast<size_t>(significant - 1)));
        }
        *at++ = 'E';
        at = std::to_chars(at, start + buffer.size(), exponent).ptr;
    } else if (exponent >= 0) {
        put(std::string_view(digits, static_cast<size_t>(exponent + 1)));
        if (significant > exponent + 1) {
            *at++ = decimalSeparator;
            put(std::string_view(digits + exponent + 1,
                                 static_cast<size_t>(significant - exponent - 1)));
        }
    } else {
        *at++ = '0';
        *at++ = decimalSeparator;
        for (int i = -1; i > exponent; --i)
            *at++ = '0';
        put(std::string_view(digits, static_cast<size_t>(significant)));
    }
    return {start, static_cast<size_t>(at - start)};
}

QString formatNumber(double value, QChar decimalSeparator) {
    NumberBuffer buffer;
    const std::string_view text = formatNumberInto(buffer, value, decimalSeparator.toLatin1());
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString identifierHex16(std::int64_t identifier) {
    return QStringLiteral("%1")
        .arg(static_cast<qulonglong>(identifier), 16, 16, QLatin1Char('0'))
        .toUpper();
}

bool identifierHasLetters(std::int64_t identifier) {
    auto bits = static_cast<std::uint64_t>(identifier);
    for (int i = 0; i < 16; ++i, bits >>= 4)
        if ((bits & 0xF) > 9)
            return true;
    return false;
}

std::string_view identifierDisplayInto(NumberBuffer& buffer, std::int64_t identifier) {
    // The 16 hexadecimal digits, upper case, without leading zeros.
    char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                    static_cast<std::uint64_t>(identifier), 16)
                          .ptr;
    for (char* c = buffer.data(); c != end; ++c)
        if (*c >= 'a')
            *c = static_cast<char>(*c - 'a' + 'A');
    return {buffer.data(), static_cast<size_t>(end - buffer.data())};
}

QString identifierDisplayText(std::int64_t identifier) {
    NumberBuffer buffer;
    const std::string_view text = identifierDisplayInto(buffer, identifier);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {

bool isPlainC(const QLocale& locale) {
    return locale.language() == QLocale::C;
}

QString datePatternOf(const QLocale& locale) {
    if (isPlainC(locale))
        return QStringLiteral("dd.MM.yyyy");
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    pattern.replace(QLatin1Char('/'), QLatin1Char('.'));
    pattern.replace(QLatin1Char('-'), QLatin1Char('.'));
    return pattern;
}

QString timePatternOf(const QLocale& locale) {
    if (isPlainC(locale))
        return QStringLiteral("HH:mm:ss");
    QString pattern = locale.timeFormat(QLocale::LongFormat);
    // The program's times carry no time zone.
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?\\s*"));
    pattern.remove(zone);
    pattern.replace(QLatin1Char('.'), QLatin1Char(':'));
    return pattern.trimmed();
}

} // namespace

ValueFormats::ValueFormats(const QLocale& locale)
    : locale_(locale), datePattern_(datePatternOf(locale)), timePattern_(timePatternOf(locale)) {}

const ValueFormats& ValueFormats::system() {
    static const ValueFormats formats(QLocale::system());
    return formats;
}

QString ValueFormats::date(const QDate& date) const {
    return locale_.toString(date, datePattern_);
}

QString ValueFormats::date(double days) const {
    return date(dateFromDays(days));
}

QString ValueFormats::time(const QTime& time) const {
    return locale_.toString(time, timePattern_);
}

QString ValueFormats::time(double fraction) const {
    return time(timeFromFraction(fraction));
}

QString nameCell(const UserSummary& user) {
    return QLatin1Char(' ') + user.lastName() + QLatin1Char(' ') + user.firstName() +
           QLatin1Char(' ') + user.middleName();
}

std::optional<double> doseFromText(const QString& text) {
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double dose = trimmed.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(dose))
        return std::nullopt;
    return dose;
}

} // namespace sarvo
