#pragma once

#include "core/text/hist_filter.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace sarvo {

class ValueFormats;

// The order of day, month and year in a short date pattern (by the first of the letters d, M
// and y; day-month-year when the pattern has none).
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
DateOrder dateOrderOf(const QString& datePattern);

// The texts of the filter dialog's edits and the bounds they stand for.
//
// A date edit holds 8 characters: three two-character numbers separated by ".", in the order
// of the locale's short date pattern, the year always two digits ("05.12.26" in a day-month-year
// locale); an empty date edit reads "  .  .  ". A time edit holds "hh:mm" (5 characters), the
// first hour digit may be blank; an empty one reads "  :  ". The texts are those the officer
// sees with blanks in the empty positions: from a QLineEdit with an input mask take
// displayText() with the mask's blank character replaced by ' ' (its text() drops the blanks).
class FilterTexts {
public:
    // `datePattern`: the short date pattern whose field order the date edits follow (as
    // ValueFormats::datePattern()); `currentYear`: the year the two-digit years are read around.
    FilterTexts(const QString& datePattern, int currentYear);
    // The workstation's locale and today's year.
    static FilterTexts system();

    static QString emptyDateText() { return QStringLiteral("  .  .  "); }
    static QString emptyTimeText() { return QStringLiteral("  :  "); }

    // A date text: three numbers in the pattern's order separated by "."; blanks before a
    // number or a separator are skipped. A year of one or two digits is the year ending in them
    // from 50 years before to 49 years after the current year (in 2026: 76 -> 1976, 75 -> 2075);
    // a longer year is taken as it is. Nothing for a text that is not a valid date.
    std::optional<QDate> readDate(const QString& text) const;
    // A time text: hours 0 to 23, ":", minutes 0 to 59 (blanks before a number skipped).
    static std::optional<QTime> readTime(const QString& text);

    // The bound an edit text stands for: NoBound for the empty form, otherwise the day count of
    // the date (the fraction of a day of the time, seconds 0); nothing when the text is neither.
    std::optional<double> dateBound(const QString& editText) const;
    std::optional<double> timeBound(const QString& editText) const;

    // The edit text of a bound, as the dialog shows it when it opens: the empty form for
    // NoBound; otherwise the date in the pattern's field order with a two-digit year (a day or
    // month the pattern writes with one letter gets a leading blank, else a leading zero), and
    // the time as "hh:mm". Reading the text back gives the same bound for every date whose year
    // lies in the two-digit window of the current year and every time in whole minutes, so
    // confirming the dialog again without typing keeps the bounds. (A bound of 0.0, the value
    // before any confirmation, is 30.12.1899: its text "30.12.99" reads back as 1999.)
    QString dateEditText(double bound) const;
    static QString timeEditText(double bound);

    // The year a one- or two-digit year stands for.
    int expandYear(int twoDigitYear) const;

private:
    DateOrder order_;
    bool dayPadBlank_;
    bool monthPadBlank_;
    int currentYear_;
};

// The messages for an edit text that cannot be read ("%s" being the text).
QString invalidDateMessage(const QString& text);
QString invalidTimeMessage(const QString& text);

// The four edits of the filter dialog.
enum class FilterEdit { DateFrom, DateTo, TimeFrom, TimeTo };

struct FilterEditTexts {
    QString dateFrom;
    QString dateTo;
    QString timeFrom;
    QString timeTo;
};

// What the OK button of the filter dialog did.
struct FilterConfirmation {
    // The filter mark of the status bar: true puts FilterOn into the third panel, false
    // empties it. Decided before any bound is read, so it holds also when reading failed.
    bool filterMark = false;
    // The edit whose text could not be read: the dialog shows `message`, puts the focus there
    // and stays open, and no view is rebuilt. Bounds read before it keep their new values.
    std::optional<FilterEdit> failedEdit;
    QString message;

    bool accepted() const { return !failedEdit.has_value(); }
};

// The OK sequence of the filter dialog on `filter`, whose DateOn and TimeOn the check boxes
// have already set: the mark; when DateOn, DateFrom and then DateTo from their edits; when
// TimeOn, TimeFrom and then TimeTo; stops at the first text that cannot be read. The bounds of
// a switched-off range are not read. When accepted, the dialog rebuilds the visible history
// view (table or chart) and closes.
FilterConfirmation confirmFilter(HistFilter& filter, const FilterEditTexts& texts,
                                 const FilterTexts& forms);

// The filter for bounds given as texts from elsewhere than the dialog (the command line of
// sarvo-tool): a range is switched on when at least one of its two texts is given (not null), a
// text not given counts as the empty form (no bound), and the bounds are then read as by
// confirmFilter, whose result tells whether they could be read.
FilterConfirmation filterFromTexts(HistFilter& filter, const FilterEditTexts& texts,
                                   const FilterTexts& forms);

} // namespace sarvo
