#include "core/text/history_cells.h"

#include "core/text/language.h"
#include "core/text/text_forms.h"

namespace sarvo {

HistoryCells historyHeaderCells(const LanguageStrings& lang) {
    const QString blank = QStringLiteral(" ");
    return {blank + lang.line(59), blank + lang.line(60), lang.line(61), lang.line(62),
            blank + lang.line(28)};
}

HistoryCells historyCells(const HistoryRecord& record, const ValueFormats& formats) {
    const QString unit = QStringLiteral(" mSv");
    return {formats.date(record.HistDate), formats.time(record.HistTime),
            formatNumber(record.Dose) + unit, formatNumber(record.DoseSum) + unit,
            identifierDisplayText(record.DosimeterId)};
}

} // namespace sarvo
