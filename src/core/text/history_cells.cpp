#include "core/text/history_cells.h"

#include "core/text/language.h"
#include "core/text/text_forms.h"

namespace sarvo {

HistoryCells historyHeaderCells(const LanguageStrings& lang) {
    const QString blank = QStringLiteral(" ");
    return {blank + lang.line(Text::DateColumn), blank + lang.line(Text::TimeColumn),
            lang.line(Text::DoseColumn), lang.line(Text::TotalDoseColumn),
            blank + lang.line(Text::DosimeterId)};
}

HistoryCells historyCells(const HistoryRecord& record, const ValueFormats& formats) {
    const QString unit = QStringLiteral(" mSv");
    return {formats.date(record.HistDate), formats.time(record.HistTime),
            formatNumber(record.Dose) + unit, formatNumber(record.DoseSum) + unit,
            identifierDisplayText(record.DosimeterId)};
}

} // namespace sarvo
