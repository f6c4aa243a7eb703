#include "store/store.h"
#include "tool/commands.h"
#include "tool/listing.h"
#include "views/text_forms.h"

namespace sarvo::tool {
namespace {

int runHistory(const QStringList& arguments) {
    Args args(arguments, {QStringLiteral("--dir"), QStringLiteral("--person")},
              {QStringLiteral("--csv")});
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().first()));
    const long long person = args.integer(QStringLiteral("--person"));
    if (person <= 0 || person > 0x7fffffff)
        throw UsageError(QStringLiteral("--person takes a person number from 1 on"));
    const bool csv = args.has(QStringLiteral("--csv"));
    const ValueFormats& formats = ValueFormats::system();
    Store store(args.dir().toStdString(), true);
    Listing listing({QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("dose"),
                     QStringLiteral("dose_sum"), QStringLiteral("user_no"),
                     QStringLiteral("dosimeter_id")},
                    csv);
    store.forEachHistoryOf(
        static_cast<std::int32_t>(person), [&](long long, const HistoryRecord& h) {
            const QString id = identifierDisplayText(h.DosimeterId);
            const QString no = QString::number(h.UserNo);
            if (csv)
                listing.add({}, {dateFromDays(h.HistDate).toString(QStringLiteral("yyyy-MM-dd")),
                                 timeFromFraction(h.HistTime).toString(QStringLiteral("HH:mm:ss")),
                                 csvNumber(h.Dose), csvNumber(h.DoseSum), no, id});
            else
                listing.add({formats.date(h.HistDate), formats.time(h.HistTime),
                             formatNumber(h.Dose), formatNumber(h.DoseSum), no, id},
                            {});
            return true;
        });
    listing.print();
    return 0;
}

const Registration registration("history", "history --person USERNO [--dir DIR] [--csv]",
                                &runHistory);

} // namespace
} // namespace sarvo::tool
