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
    return {historyCell(record, 0, formats), historyCell(record, 1, formats),
            historyCell(record, 2, formats), historyCell(record, 3, formats),
            historyCell(record, 4, formats)};
}

QString historyCell(const HistoryRecord& record, int column, const ValueFormats& formats) {
    switch (column) {
    case 0:
        return formats.date(record.HistDate);
    case 1:
        return formats.time(record.HistTime);
    case 2:
        return formatNumber(record.Dose) + QStringLiteral(" mSv");
    case 3:
        return formatNumber(record.DoseSum) + QStringLiteral(" mSv");
    case 4:
        return identifierDisplayText(record.DosimeterId);
    default:
        return QString();
    }
}

} // namespace sarvo
