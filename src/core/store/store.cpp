#include "core/store/store.h"

#include "core/store/name_order.h"
#include "core/store/platform.h"
#include "core/store/record_file.h"
#include "core/store/replacement_file.h"
#include "core/store/store_error.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sarvo {

namespace fs = std::filesystem;

namespace {

using UserBytes = std::array<char, kUserRecordSize>;
using HistoryBytes = std::array<char, kHistoryRecordSize>;

} // namespace

Store::Store(fs::path baseDir, bool readOnly) : base_(std::move(baseDir)), readOnly_(readOnly) {}

fs::path Store::settingsPath() const {
    return base_ / "Sarvo.ini";
}
fs::path Store::dataDir() const {
    return base_ / "DB";
}
fs::path Store::userPath() const {
    return dataDir() / "DataUsers.usr";
}
fs::path Store::historyPath() const {
    return dataDir() / "DataHist.hst";
}

void Store::ensureDataDir() {
    if (readOnly_)
        return;
    std::error_code ec;
    if (fs::is_directory(dataDir(), ec))
        return;
    if (int error = platform::makePrivateDirectory(dataDir()); error && error != EEXIST)
        throw errorFromSystem(error);
}

DataLock Store::writeLock() {
    if (readOnly_)
        throw errorFromSystem(EACCES);
    ensureDataDir();
    return DataLock(dataDir(), DataLock::Kind::Exclusive);
}

DataLock Store::readLock() {
    return DataLock(dataDir(), DataLock::Kind::Shared);
}

long long Store::userCount() {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    return file.count();
}

UserRecord Store::readUser(long long index) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    UserBytes bytes;
    file.read(index, bytes.data());
    file.close();
    return UserRecord::fromBytes(bytes.data());
}

void Store::writeUser(long long index, const UserRecord& user) {
    DataLock lock = writeLock();
    RecordFile file(userPath(), kUserRecordSize, RecordFile::Mode::OpenOrCreate);
    UserBytes bytes;
    user.toBytes(bytes.data());
    file.write(index, bytes.data());
    file.sync();
    file.close();
}

bool Store::updateUser(long long index, std::int32_t userNo,
                       const std::function<void(UserRecord&)>& change) {
    DataLock lock = writeLock();
    RecordFile file(userPath(), kUserRecordSize, RecordFile::Mode::OpenOrCreate);
    if (index < 0 || index >= file.count())
        return false;
    UserBytes bytes;
    file.read(index, bytes.data());
    UserRecord user = UserRecord::fromBytes(bytes.data());
    if (user.UserNo != userNo)
        return false;
    change(user);
    user.toBytes(bytes.data());
    file.write(index, bytes.data());
    file.sync();
    file.close();
    return true;
}

void Store::forEachUser(const std::function<bool(long long, const UserRecord&)>& visit) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    long long k = 0;
    while (const char* bytes = file.next())
        if (!visit(k++, UserRecord::fromBytes(bytes)))
            break;
    file.close();
}

std::vector<UserRecord> Store::readUsers() {
    std::vector<UserRecord> users;
    forEachUser([&](long long, const UserRecord& u) {
        users.push_back(u);
        return true;
    });
    return users;
}

std::int32_t Store::findUserByIdentifier(std::int64_t identifier) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    while (const char* bytes = file.next()) {
        // Only the two fields compared are decoded.
        std::int64_t id;
        std::int32_t userNo;
        std::memcpy(&id, bytes + 96, sizeof id);
        std::memcpy(&userNo, bytes + 84, sizeof userNo);
        if (qFromLittleEndian(id) == identifier)
            return qFromLittleEndian(userNo);
    }
    file.close();
    return 0;
}

std::optional<Store::Holder> Store::findHolder(std::int64_t identifier) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    // The UserNo of each record before the holder's, so that the first record carrying the
    // holder's UserNo is known without a second scan.
    std::vector<std::int32_t> userNos;
    while (const char* bytes = file.next()) {
        const std::int32_t userNo = qFromLittleEndian<std::int32_t>(bytes + 84);
        if (qFromLittleEndian<std::int64_t>(bytes + 96) != identifier) {
            userNos.push_back(userNo);
            continue;
        }
        if (userNo == 0)
            break;
        Holder holder;
        const auto first = std::find(userNos.begin(), userNos.end(), userNo);
        holder.index = first - userNos.begin();
        if (first == userNos.end()) {
            holder.user = UserRecord::fromBytes(bytes);
        } else {
            UserBytes earlier;
            file.read(holder.index, earlier.data());
            holder.user = UserRecord::fromBytes(earlier.data());
        }
        file.close();
        return holder;
    }
    file.close();
    return std::nullopt;
}

long long Store::findUserIndex(std::int32_t userNo) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    long long k = 0;
    for (; const char* bytes = file.next(); ++k) {
        std::int32_t no;
        std::memcpy(&no, bytes + 84, sizeof no);
        if (qFromLittleEndian(no) == userNo)
            return k;
    }
    file.close();
    return -1;
}

std::int32_t Store::appendPerson(const QString& last, const QString& first, const QString& middle,
                                 const QString& department) {
    DataLock lock = writeLock();
    RecordFile file(userPath(), kUserRecordSize, RecordFile::Mode::OpenOrCreate);
    const long long count = file.count();
    UserRecord user;
    user.setTexts(last, first, middle, department);
    user.UserNo = static_cast<std::int32_t>(count + 1);
    UserBytes bytes;
    user.toBytes(bytes.data());
    file.write(count, bytes.data());
    file.sync();
    file.close();
    return user.UserNo;
}

bool Store::sortByName() {
    DataLock lock = writeLock();
    return rewriteInNameOrder(nullptr);
}

std::int32_t Store::addPerson(const QString& last, const QString& first, const QString& middle,
                              const QString& department) {
    DataLock lock = writeLock();
    UserRecord user;
    user.setTexts(last, first, middle, department);
    user.UserNo = static_cast<std::int32_t>(userCount() + 1);
    UserBytes bytes;
    user.toBytes(bytes.data());
    rewriteInNameOrder(bytes.data());
    return user.UserNo;
}

long long Store::firstOutOfNameOrder() {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    long long k = 0;
    NameKey previous{};
    while (const char* bytes = file.next()) {
        const NameKey key = nameKey(bytes);
        if (k > 0 && goesBefore(key, previous))
            return k;
        previous = key;
        ++k;
    }
    return -1;
}

bool Store::rewriteInNameOrder(const char* extraRecord) {
    // The passes of the bubble sort run over the last names held in memory; the records
    // themselves are copied once, in their new order, into a file that replaces the old one.
    // `extraRecord`, when given, is a new record after the last one of the file.
    std::vector<NameEntry> order;
    {
        RecordFile file(userPath(), kUserRecordSize, RecordFile::Mode::OpenOrCreate);
        while (const char* bytes = file.next())
            order.push_back({nameKey(bytes), static_cast<std::int32_t>(order.size())});
        file.close();
    }
    const std::int32_t stored = static_cast<std::int32_t>(order.size());
    if (extraRecord)
        order.push_back({nameKey(extraRecord), stored});
    if (!putInNameOrder(order) && !extraRecord)
        return false;

    // The records are read in file order as far as they follow each other; the read position
    // moves only where the new order jumps.
    RecordFile source(userPath(), kUserRecordSize, RecordFile::Mode::OpenOrCreate);
    ReplacementFile file(userPath());
    std::int32_t following = 0; // the record after the last one read
    for (const NameEntry& entry : order) {
        const char* record = extraRecord;
        if (entry.index != stored) {
            if (entry.index != following)
                source.seek(entry.index);
            record = source.next();
            if (!record)
                throw readBeyondEnd();
            following = entry.index + 1;
        }
        file.write(record, kUserRecordSize);
    }
    file.commit();
    return true;
}

long long Store::historyCount() {
    DataLock lock = readLock();
    RecordFile file(historyPath(), kHistoryRecordSize, readMode());
    return file.count();
}

long long Store::appendHistory(const HistoryRecord& record) {
    DataLock lock = writeLock();
    RecordFile file(historyPath(), kHistoryRecordSize, RecordFile::Mode::OpenOrCreate);
    HistoryBytes bytes;
    record.toBytes(bytes.data());
    const long long index = file.count();
    file.write(index, bytes.data());
    file.sync();
    file.close();
    return index;
}

void Store::forEachHistory(const std::function<bool(long long, const HistoryRecord&)>& visit) {
    DataLock lock = readLock();
    RecordFile file(historyPath(), kHistoryRecordSize, readMode());
    long long k = 0;
    while (const char* bytes = file.next())
        if (!visit(k++, HistoryRecord::fromBytes(bytes)))
            break;
    file.close();
}

void Store::forEachHistoryOf(std::int32_t userNo,
                             const std::function<bool(long long, const HistoryRecord&)>& visit) {
    if (userNo == 0)
        return;
    DataLock lock = readLock();
    RecordFile file(historyPath(), kHistoryRecordSize, readMode());
    const std::int32_t wanted = qToLittleEndian(userNo);
    long long k = 0;
    size_t records = 0;
    while (const char* block = file.nextBlock(records)) {
        for (size_t i = 0; i < records; ++i, ++k) {
            const char* bytes = block + i * kHistoryRecordSize;
            if (std::memcmp(bytes + 32, &wanted, sizeof wanted) == 0 &&
                !visit(k, HistoryRecord::fromBytes(bytes)))
                return;
        }
    }
    file.close();
}

std::optional<SettingsRecord> Store::readSettings() {
    DataLock lock = readLock();
    int error = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        platform::openFile(settingsPath(), platform::Access::ReadOnly, error), &std::fclose);
    if (!file) {
        if (error == ENOENT)
            return std::nullopt;
        throw openError(error, QString::fromStdString(settingsPath().string()));
    }
    QByteArray bytes(kSettingsRecordSize + 1 + kPortExtensionCapacity, '\0');
    size_t got = std::fread(bytes.data(), 1, static_cast<size_t>(bytes.size()), file.get());
    if (std::ferror(file.get()))
        throw errorFromSystem(errno ? errno : EIO);
    if (got < static_cast<size_t>(kSettingsRecordSize))
        throw readBeyondEnd();
    bytes.truncate(static_cast<qsizetype>(got));
    return SettingsRecord::fromFileBytes(bytes);
}

SettingsRecord Store::loadSettings(std::uint8_t defaultLangIndex) {
    if (auto existing = readSettings())
        return *existing;
    SettingsRecord settings = SettingsRecord::defaults(defaultLangIndex);
    if (readOnly_)
        return settings;
    DataLock lock = writeLock();
    if (auto existing = readSettings()) // another program made it meanwhile
        return *existing;
    saveSettings(settings);
    return settings;
}

void Store::saveSettings(const SettingsRecord& settings) {
    DataLock lock = writeLock();
    const QByteArray bytes = settings.toFileBytes();
    ReplacementFile file(settingsPath());
    file.write(bytes.constData(), static_cast<size_t>(bytes.size()));
    file.commit();
}

SettingsRecord Store::updateSettings(const SettingsRecord& fallback,
                                     const std::function<void(SettingsRecord&)>& change) {
    DataLock lock = writeLock();
    SettingsRecord settings = readSettings().value_or(fallback);
    change(settings);
    saveSettings(settings);
    return settings;
}

void Store::savePortChoice(const QString& portName, SettingsRecord& settings) {
    settings = updateSettings(
        settings, [&portName](SettingsRecord& stored) { stored.setPortName(portName); });
}

bool Store::saveLanguageChoice(std::uint8_t langIndex, SettingsRecord& settings) {
    DataLock lock = writeLock();
    std::optional<SettingsRecord> stored = readSettings();
    if (!stored)
        return false;
    settings = *stored;
    settings.LangIndex = langIndex;
    saveSettings(settings);
    return true;
}

} // namespace sarvo
