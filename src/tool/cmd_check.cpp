#include "core/store/dose_database.h"
#include "core/store/name_order.h"
#include "core/store/record_file.h"
#include "core/store/store.h"
#include "core/text/text_forms.h"
#include "tool/commands.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace sarvo::tool {
namespace {

const QString kUsers = QStringLiteral("DB/DataUsers.usr");
const QString kHistory = QStringLiteral("DB/DataHist.hst");

void checkTail(const std::filesystem::path& path, int recordSize, const QString& name,
               QStringList& faults) {
    RecordFile file(path, recordSize, RecordFile::Mode::ReadOnly);
    if (long long partial = file.partialBytes())
        faults << QStringLiteral("%1: a partial record of %2 bytes at the end of the file")
                      .arg(name)
                      .arg(partial);
}

// A dose or a date that no reading can have: not finite, or below zero.
bool isDamaged(double value) {
    return !std::isfinite(value) || value < 0;
}

void addValueFault(const QString& where, const char* field, double value, QStringList& faults) {
    faults
        << QStringLiteral("%1: %2 is %3").arg(where, QLatin1String(field), QString::number(value));
}

void checkSettings(Store& store, QStringList& faults) {
    QFileInfo settings(QString::fromStdString(store.settingsPath().string()));
    if (!settings.exists())
        return;
    const qint64 size = settings.size();
    bool valid = size == kSettingsRecordSize;
    if (size == kSettingsRecordSize + 1 + kPortExtensionCapacity)
        valid = !store.readSettings()->LongPortName.isEmpty();
    if (!valid)
        faults << QStringLiteral("Sarvo.ini: %1 bytes instead of %2")
                      .arg(size)
                      .arg(kSettingsRecordSize);
}

QString userWhere(long long index) {
    return QStringLiteral("%1: record %2").arg(kUsers).arg(index);
}

// What the ledger check needs of a person record.
struct PersonEd {
    long long index;
    std::int32_t userNo;
    double ed;
};

void checkUsers(Store& store, QStringList& faults,
                std::unordered_map<std::int32_t, long long>& numbers, std::vector<PersonEd>& eds) {
    RecordFile file(store.userPath(), kUserRecordSize, RecordFile::Mode::ReadOnly);
    const auto count = static_cast<size_t>(file.count());
    numbers.reserve(count);
    eds.reserve(count);
    std::unordered_map<std::int64_t, long long> holders; // identifier -> first record
    holders.reserve(count);
    long long index = 0;
    long long outOfOrder = -1; // the first record that goes before the one ahead of it
    NameKey previousName{};
    for (; const char* bytes = file.next(); ++index) {
        // The name order is checked in the same scan as the records.
        const NameKey name = nameKey(bytes);
        if (outOfOrder < 0 && index > 0 && goesBefore(name, previousName))
            outOfOrder = index;
        previousName = name;
        if (const QStringList overlong = UserRecord::overlongFields(bytes); !overlong.isEmpty())
            faults << QStringLiteral("%1: the length of %2 is above the field's capacity")
                          .arg(userWhere(index), overlong.join(QStringLiteral(", ")));
        const UserSummary user = UserSummary::fromBytes(bytes);
        eds.push_back({index, user.UserNo, user.ED});
        if (isDamaged(user.ED))
            addValueFault(userWhere(index), "ED", user.ED, faults);
        if (user.UserNo <= 0)
            faults << QStringLiteral("%1: person number %2 is not above 0")
                          .arg(userWhere(index))
                          .arg(user.UserNo);
        if (user.DosimeterId != 0) {
            auto [it, fresh] = holders.emplace(user.DosimeterId, index);
            if (!fresh)
                faults << QStringLiteral("%1: records %2 and %3 hold the same dosimeter %4")
                              .arg(kUsers)
                              .arg(it->second)
                              .arg(index)
                              .arg(identifierDisplayText(user.DosimeterId));
        }
        auto [it, fresh] = numbers.emplace(user.UserNo, index);
        if (!fresh)
            faults << QStringLiteral("%1: records %2 and %3 have the same person number %4")
                          .arg(kUsers)
                          .arg(it->second)
                          .arg(index)
                          .arg(user.UserNo);
    }
    if (outOfOrder >= 0)
        faults << QStringLiteral("%1: not in name order (record %2 belongs before record %3)")
                      .arg(kUsers)
                      .arg(outOfOrder)
                      .arg(outOfOrder - 1);
}

// The person numbers of the user file, looked up for every reading: a bit per number when the
// numbers lie close together (as 1 to the count of persons do), otherwise by hash.
class PersonNumbers {
public:
    explicit PersonNumbers(const std::unordered_map<std::int32_t, long long>& numbers)
        : numbers_(numbers) {
        if (numbers.empty())
            return;
        std::int32_t low = numbers.begin()->first, high = low;
        for (const auto& entry : numbers) {
            low = std::min(low, entry.first);
            high = std::max(high, entry.first);
        }
        const auto span = static_cast<std::uint64_t>(std::int64_t{high} - low) + 1;
        if (span > 64 * numbers.size() + (1 << 16))
            return;
        low_ = low;
        present_.assign(span, false);
        for (const auto& entry : numbers)
            present_[static_cast<std::uint64_t>(std::int64_t{entry.first} - low)] = true;
    }
    bool contains(std::int32_t number) const {
        if (present_.empty())
            return numbers_.count(number) != 0;
        const auto offset = static_cast<std::uint64_t>(std::int64_t{number} - low_);
        return offset < present_.size() && present_[offset];
    }

private:
    const std::unordered_map<std::int32_t, long long>& numbers_;
    std::int32_t low_ = 0;
    std::vector<bool> present_;
};

void checkHistory(Store& store, QStringList& faults,
                  const std::unordered_map<std::int32_t, long long>& numbers) {
    const PersonNumbers persons(numbers);
    // The place of a fault is written out only for a fault.
    const auto where = [](long long index) {
        return QStringLiteral("%1: record %2").arg(kHistory).arg(index);
    };
    // Read block by block under the lock the check holds.
    RecordFile file(store.historyPath(), kHistoryRecordSize, RecordFile::Mode::ReadOnly);
    long long index = 0;
    size_t records = 0;
    while (const char* block = file.nextBlock(records))
        for (size_t i = 0; i < records; ++i, ++index) {
            const HistoryRecord h = HistoryRecord::fromBytes(block + i * kHistoryRecordSize);
            if (h.UserNo != 0 && !persons.contains(h.UserNo))
                faults << QStringLiteral("%1 belongs to person number %2, whom no person record "
                                         "has")
                              .arg(where(index))
                              .arg(h.UserNo);
            if (isDamaged(h.Dose))
                addValueFault(where(index), "Dose", h.Dose, faults);
            if (isDamaged(h.DoseSum))
                addValueFault(where(index), "DoseSum", h.DoseSum, faults);
            if (!std::isfinite(h.HistDate))
                faults << QStringLiteral("%1: HistDate is %2")
                              .arg(where(index), QString::number(h.HistDate));
            if (!(h.HistTime >= 0 && h.HistTime < 1))
                faults << QStringLiteral("%1: HistTime %2 is not a time of day")
                              .arg(where(index), QString::number(h.HistTime));
        }
    file.close();
}

// When there is a dose ledger, each person's ED is the ED after the person's last row (0 without
// a row). The database is only read, never created.
void checkLedger(Store& store, const std::vector<PersonEd>& eds, QStringList& faults) {
    DoseDatabase database(store);
    if (!database.exists())
        return;
    std::unordered_map<std::int32_t, double> ledgerEd; // UserNo -> ED after the last row
    try {
        for (const LedgerRow& row : database.ledger())
            ledgerEd[row.userNo] = row.edAfter;
    } catch (const StoreError& e) {
        faults << e.text(); // it names the database
        return;
    }
    for (const PersonEd& person : eds) {
        const auto it = ledgerEd.find(person.userNo);
        if (it == ledgerEd.end() ? person.ed != 0 : person.ed != it->second)
            faults << QStringLiteral("%1: ED %2 of person number %3 disagrees with the dose "
                                     "ledger (%4)")
                          .arg(userWhere(person.index), QString::number(person.ed))
                          .arg(person.userNo)
                          .arg(it == ledgerEd.end() ? QStringLiteral("no row")
                                                    : QString::number(it->second));
    }
}

// Temporary files are made only under the exclusive lock, so one seen under the shared lock
// was left by a replacement that did not end.
void checkLeftovers(Store& store, QStringList& faults) {
    const std::pair<std::filesystem::path, QString> folders[] = {{store.baseDir(), QString()},
                                                                 {store.dataDir(), "DB/"}};
    for (const auto& [folder, prefix] : folders) {
        const QDir dir(QString::fromStdString(folder.string()));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (isReplacementTemporary(name))
                faults << QStringLiteral("%1%2: left behind by an interrupted replacement")
                              .arg(prefix, name);
    }
}

int runCheck(const Args& args) {
    args.refusePositional();
    Store store(args.dir().toStdString(), true);
    // No other program writes while the files are checked.
    DataLock lock = store.readLock();
    QStringList faults;
    std::unordered_map<std::int32_t, long long> numbers; // UserNo -> first record
    std::vector<PersonEd> eds;
    checkSettings(store, faults);
    checkTail(store.userPath(), kUserRecordSize, kUsers, faults);
    checkTail(store.historyPath(), kHistoryRecordSize, kHistory, faults);
    checkUsers(store, faults, numbers, eds);
    checkHistory(store, faults, numbers);
    checkLedger(store, eds, faults);
    checkLeftovers(store, faults);

    for (const QString& fault : faults)
        out() << fault << "\n";
    return faults.isEmpty() ? 0 : 1;
}

const Registration registration(
    "check", "check [--dir DIR]",
    "Checks the data files of a base directory under the read lock and prints each fault found,\n"
    "the ED of each person against the dose ledger among them; exit code 1 when there is one.\n"
    "Nothing is changed.",
    {dirOption()}, &runCheck);

} // namespace
} // namespace sarvo::tool
