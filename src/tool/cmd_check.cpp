#include "store/record_file.h"
#include "store/store.h"
#include "tool/commands.h"
#include "views/text_forms.h"

#include <QFileInfo>
#include <map>
#include <set>

namespace sarvo::tool {
namespace {

void checkTail(const std::filesystem::path& path, int recordSize, const QString& name,
               QStringList& faults) {
    RecordFile file(path, recordSize, RecordFile::Mode::ReadOnly);
    if (long long partial = file.partialBytes())
        faults << QStringLiteral("%1: a partial record of %2 bytes at the end of the file")
                      .arg(name)
                      .arg(partial);
}

int runCheck(const QStringList& arguments) {
    Args args(arguments, {QStringLiteral("--dir")}, {});
    if (!args.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(args.positional().first()));
    Store store(args.dir().toStdString(), true);
    QStringList faults;
    const QString users = QStringLiteral("DB/DataUsers.usr");
    const QString history = QStringLiteral("DB/DataHist.hst");

    QFileInfo settings(QString::fromStdString(store.settingsPath().string()));
    if (settings.exists()) {
        const qint64 size = settings.size();
        bool valid = size == kSettingsRecordSize;
        if (size == kSettingsRecordSize + 1 + kPortExtensionCapacity)
            valid = !store.readSettings()->LongPortName.isEmpty();
        if (!valid)
            faults << QStringLiteral("Sarvo.ini: %1 bytes instead of %2")
                          .arg(size)
                          .arg(kSettingsRecordSize);
    }

    checkTail(store.userPath(), kUserRecordSize, users, faults);
    checkTail(store.historyPath(), kHistoryRecordSize, history, faults);

    std::map<std::int64_t, long long> holders; // identifier -> first record
    std::map<std::int32_t, long long> numbers; // UserNo -> first record
    store.forEachUser([&](long long index, const UserRecord& user) {
        if (user.DosimeterId != 0) {
            auto [it, fresh] = holders.emplace(user.DosimeterId, index);
            if (!fresh)
                faults << QStringLiteral("%1: records %2 and %3 hold the same dosimeter %4")
                              .arg(users)
                              .arg(it->second)
                              .arg(index)
                              .arg(identifierDisplayText(user.DosimeterId));
        }
        auto [it, fresh] = numbers.emplace(user.UserNo, index);
        if (!fresh)
            faults << QStringLiteral("%1: records %2 and %3 have the same person number %4")
                          .arg(users)
                          .arg(it->second)
                          .arg(index)
                          .arg(user.UserNo);
        return true;
    });
    store.forEachHistory([&](long long index, const HistoryRecord& h) {
        if (h.UserNo != 0 && !numbers.count(h.UserNo))
            faults << QStringLiteral("%1: record %2 belongs to person number %3, whom no "
                                     "person record has")
                          .arg(history)
                          .arg(index)
                          .arg(h.UserNo);
        return true;
    });

    for (const QString& fault : faults)
        out() << fault << "\n";
    return faults.isEmpty() ? 0 : 1;
}

const Registration registration("check", "check [--dir DIR]", &runCheck);

} // namespace
} // namespace sarvo::tool
