#include "core/text/text_forms.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sarvo {

QString formatNumber(double value, QChar decimalSeparator) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0)
        return QStringLiteral("0");

    // 15 significant digits decide the exponent, after rounding.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", value);
    const char* e = std::strchr(scientific, 'e');
    const int exponent = std::atoi(e + 1);

    QString text;
    if (exponent < -4 || exponent >= 15) {
        QString mantissa = QString::fromLatin1(scientific, static_cast<qsizetype>(e - scientific));
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    } else {
        char fixed[64];
        std::snprintf(fixed, sizeof fixed, "%.*f", std::max(0, 14 - exponent), value);
        text = QString::fromLatin1(fixed);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
    }
    text.replace(QLatin1Char('.'), decimalSeparator);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
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

QString identifierDisplayText(std::int64_t identifier) {
    QString digits = identifierHex16(identifier);
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

namespace {
const QDate kEpoch(1899, 12, 30);
}

QDate dateFromDays(double days) {
    // A damaged value (not finite, or beyond any calendar) is no date.
    if (!std::isfinite(days) || std::fabs(days) > 1e9)
        return QDate();
    return kEpoch.addDays(static_cast<qint64>(std::floor(days)));
}

double daysFromDate(const QDate& date) {
    return static_cast<double>(kEpoch.daysTo(date));
}

QTime timeFromFraction(double fraction) {
    if (!std::isfinite(fraction))
        return QTime();
    double dayPart = fraction - std::floor(fraction);
    long long ms = std::llround(dayPart * 86400000.0);
    if (ms >= 86400000)
        ms = 86400000 - 1;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

double fractionFromTime(const QTime& time) {
    return time.msecsSinceStartOfDay() / 86400000.0;
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

} // namespace sarvo
