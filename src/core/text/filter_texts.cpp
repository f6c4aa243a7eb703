#include "core/text/filter_texts.h"

#include "core/text/text_forms.h"

namespace sarvo {

namespace {

// Reads numbers and separators from an edit text; blanks before either are skipped.
class Scanner {
public:
    explicit Scanner(const QString& text) : text_(text) {}

    bool number(int& value, int& digits) {
        skipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && text_.at(pos_) >= QLatin1Char('0') &&
               text_.at(pos_) <= QLatin1Char('9')) {
            if (digits == 9)
                return false; // far beyond any day, month, year, hour or minute
            value = value * 10 + (text_.at(pos_).unicode() - '0');
            ++digits;
            ++pos_;
        }
        return digits > 0;
    }

    bool separator(QChar c) {
        skipBlanks();
        if (pos_ >= text_.size() || text_.at(pos_) != c)
            return false;
        ++pos_;
        return true;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && text_.at(pos_) == QLatin1Char(' '))
            ++pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

// True when the pattern writes the field of `letter` with a single letter ("d", not "dd").
bool singleLetter(const QString& pattern, QChar letter) {
    const qsizetype at = pattern.indexOf(letter);
    if (at < 0)
        return false;
    return at + 1 >= pattern.size() || pattern.at(at + 1) != letter;
}

QString twoDigits(int value, bool padBlank) {
    return QStringLiteral("%1").arg(value, 2, 10, padBlank ? QLatin1Char(' ') : QLatin1Char('0'));
}

} // namespace

DateOrder dateOrderOf(const QString& datePattern) {
    for (QChar c : datePattern) {
        if (c == QLatin1Char('d'))
            return DateOrder::DayMonthYear;
        if (c == QLatin1Char('M'))
            return DateOrder::MonthDayYear;
        if (c == QLatin1Char('y'))
            return DateOrder::YearMonthDay;
    }
    return DateOrder::DayMonthYear;
}

FilterTexts::FilterTexts(const QString& datePattern, int currentYear)
    : order_(dateOrderOf(datePattern)), dayPadBlank_(singleLetter(datePattern, QLatin1Char('d'))),
      monthPadBlank_(singleLetter(datePattern, QLatin1Char('M'))), currentYear_(currentYear) {}

FilterTexts FilterTexts::system() {
    return FilterTexts(ValueFormats::system().datePattern(), QDate::currentDate().year());
}

int FilterTexts::expandYear(int twoDigitYear) const {
    const int first = currentYear_ - 50;
    return first + ((twoDigitYear - first) % 100 + 100) % 100;
}

std::optional<QDate> FilterTexts::readDate(const QString& text) const {
    Scanner scan(text);
    int n[3];
    int digits[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && !scan.separator(QLatin1Char('.')))
            return std::nullopt;
        if (!scan.number(n[i], digits[i]))
            return std::nullopt;
    }
    if (!scan.atEnd())
        return std::nullopt;
    int day = n[0], month = n[1], year = n[2], yearDigits = digits[2];
    switch (order_) {
    case DateOrder::DayMonthYear:
        break;
    case DateOrder::MonthDayYear:
        day = n[1];
        month = n[0];
        break;
    case DateOrder::YearMonthDay:
        year = n[0];
        yearDigits = digits[0];
        day = n[2];
        break;
    }
    if (yearDigits <= 2)
        year = expandYear(year);
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> FilterTexts::readTime(const QString& text) {
    Scanner scan(text);
    int hours = 0, minutes = 0, digits = 0;
    if (!scan.number(hours, digits) || !scan.separator(QLatin1Char(':')) ||
        !scan.number(minutes, digits) || !scan.atEnd())
        return std::nullopt;
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return QTime(hours, minutes);
}

std::optional<double> FilterTexts::dateBound(const QString& editText) const {
    if (editText == emptyDateText())
        return NoBound;
    if (auto date = readDate(editText))
        return daysFromDate(*date);
    return std::nullopt;
}

std::optional<double> FilterTexts::timeBound(const QString& editText) const {
    if (editText == emptyTimeText())
        return NoBound;
    if (auto time = readTime(editText))
        return fractionFromTime(*time);
    return std::nullopt;
}

QString FilterTexts::dateEditText(double bound) const {
    if (isNoBound(bound))
        return emptyDateText();
    const QDate date = dateFromDays(bound);
    const QString day = twoDigits(date.day(), dayPadBlank_);
    const QString month = twoDigits(date.month(), monthPadBlank_);
    const QString year = twoDigits(((date.year() % 100) + 100) % 100, false);
    const QChar dot = QLatin1Char('.');
    switch (order_) {
    case DateOrder::MonthDayYear:
        return month + dot + day + dot + year;
    case DateOrder::YearMonthDay:
        return year + dot + month + dot + day;
    case DateOrder::DayMonthYear:
        break;
    }
    return day + dot + month + dot + year;
}

QString FilterTexts::timeEditText(double bound) {
    if (isNoBound(bound))
        return emptyTimeText();
    return timeFromFraction(bound).toString(QStringLiteral("HH:mm"));
}

QString invalidDateMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid date").arg(text);
}

QString invalidTimeMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid time").arg(text);
}

FilterConfirmation confirmFilter(HistFilter& filter, const FilterEditTexts& texts,
                                 const FilterTexts& forms) {
    FilterConfirmation result;
    result.filterMark = filter.DateOn || filter.TimeOn;

    struct Step {
        bool on;
        FilterEdit edit;
        const QString& text;
        double& bound;
        bool isDate;
    };
    const Step steps[] = {
        {filter.DateOn, FilterEdit::DateFrom, texts.dateFrom, filter.DateFrom, true},
        {filter.DateOn, FilterEdit::DateTo, texts.dateTo, filter.DateTo, true},
        {filter.TimeOn, FilterEdit::TimeFrom, texts.timeFrom, filter.TimeFrom, false},
        {filter.TimeOn, FilterEdit::TimeTo, texts.timeTo, filter.TimeTo, false},
    };
    for (const Step& step : steps) {
        if (!step.on)
            continue;
        const std::optional<double> bound =
            step.isDate ? forms.dateBound(step.text) : forms.timeBound(step.text);
        if (!bound) {
            result.failedEdit = step.edit;
            result.message =
                step.isDate ? invalidDateMessage(step.text) : invalidTimeMessage(step.text);
            return result;
        }
        step.bound = *bound;
    }
    return result;
}

FilterConfirmation filterFromTexts(HistFilter& filter, const FilterEditTexts& texts,
                                   const FilterTexts& forms) {
    filter.DateOn = !texts.dateFrom.isNull() || !texts.dateTo.isNull();
    filter.TimeOn = !texts.timeFrom.isNull() || !texts.timeTo.isNull();
    auto given = [](const QString& text, const QString& empty) {
        return text.isNull() ? empty : text;
    };
    const QString noDate = FilterTexts::emptyDateText();
    const QString noTime = FilterTexts::emptyTimeText();
    return confirmFilter(filter,
                         {given(texts.dateFrom, noDate), given(texts.dateTo, noDate),
                          given(texts.timeFrom, noTime), given(texts.timeTo, noTime)},
                         forms);
}

} // namespace sarvo
