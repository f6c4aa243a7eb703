#include "core/store/store.h"
#include "core/text/csv_export.h"
#include "core/text/filter_texts.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"
#include "tool/listing.h"

namespace sarvo::tool {
namespace {

int runHistory(const Args& args) {
    args.refusePositional();
    const long long person = args.integer(QStringLiteral("person"));
    if (person <= 0 || person > 0x7fffffff)
        throw UsageError(QStringLiteral("--person takes a person number from 1 on"));
    const bool csv = args.has(QStringLiteral("csv"));
    // The readings shown are those of the history table under the same filter.
    HistFilter filter;
    const FilterConfirmation bounds = filterFromTexts(
        filter,
        {args.value(QStringLiteral("date-from")), args.value(QStringLiteral("date-to")),
         args.value(QStringLiteral("time-from")), args.value(QStringLiteral("time-to"))},
        FilterTexts::system());
    if (!bounds.accepted())
        throw UsageError(bounds.message);
    const ValueFormats& formats = ValueFormats::system();
    Store store(args.dir().toStdString(), true);
    Listing listing(historyCsvHeader(), csv);
    ReadingTexts texts(formats, QLocale::system());
    CsvReadingTimes csvTimes;
    forEachShownReading(store, static_cast<std::int32_t>(person), filter,
                        [&](const HistoryRecord& h) {
                            if (csv) {
                                addReadingCsvCells(listing, h, csvTimes);
                            } else {
                                texts.addDate(listing, h.HistDate);
                                texts.addTime(listing, h.HistTime);
                                addReadingValueCells(listing, h, ',');
                            }
                            listing.endRow();
                            return true;
                        });
    listing.print();
    return 0;
}

const Registration registration(
    "history",
    "history --person USERNO [--date-from DD.MM.YY] [--date-to DD.MM.YY] [--time-from HH:MM] "
    "[--time-to HH:MM] [--dir DIR] [--csv]",
    "Lists the readings of one person that the history table shows under the same filter.",
    QList{personOption()} << filterOptions() << dirOption() << csvOption(), &runHistory);

} // namespace
} // namespace sarvo::tool
