#pragma once

#include "core/store/data_lock.h"
#include "core/store/record_file.h"
#include "core/store/records.h"
#include "core/store/replacement_file.h"

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace sarvo {

// The data files under one base directory: "Sarvo.ini", "DB/DataUsers.usr" and
// "DB/DataHist.hst". Every operation opens its file, does its work and closes it again; a
// failure throws StoreError after closing what the operation had opened. Records written are
// flushed to the disk before an operation returns; a file whose content is replaced is written
// to a new temporary file of a unique name next to it, which then takes the old file's place
// (keeping its mode).
//
// Every operation holds the data directory's lock (DataLock) for as long as it works: shared to
// read, exclusive to write, so that other programs (sarvo-tool, a second window, a script) may
// read and write the same files at the same time. A writer reads the record again under the lock
// and changes only what it was asked to. A sequence of operations that must see no other writer
// in between holds writeLock() around them. When the lock is not had within 5 seconds the
// operation throws DataBusyError and writes nothing.
class Store {
public:
    // A read-only store never creates or changes a file (every write throws "File access
    // denied"); a missing file counts as empty.
    explicit Store(std::filesystem::path baseDir, bool readOnly = false);

    const std::filesystem::path& baseDir() const { return base_; }
    std::filesystem::path settingsPath() const;
    std::filesystem::path dataDir() const;
    std::filesystem::path userPath() const;
    std::filesystem::path historyPath() const;
    bool readOnly() const { return readOnly_; }

    void ensureDataDir();

    // The data directory's lock for a sequence of operations. writeLock() creates the data
    // directory when it is missing, and refuses a read-only store.
    DataLock writeLock();
    DataLock readLock();

    // Persons.
    long long userCount();
    UserRecord readUser(long long index);
    // Rewrites record `index` in place.
    void writeUser(long long index, const UserRecord& user);
    // Reads record `index` again, and when it still belongs to `userNo` applies `change` to it
    // and writes it back; false (and nothing written) when the record holds someone else now.
    bool updateUser(long long index, std::int32_t userNo,
                    const std::function<void(UserRecord&)>& change);
    // Calls `visit` for each person in file order until it returns false.
    void forEachUser(const std::function<bool(long long index, const UserRecord&)>& visit);
    // The same for listings, without the dose-rate lines or a call through std::function per
    // person: `visit(long long index, const UserSummary&)` returns false to stop.
    template <typename Visit> void forEachUserSummary(Visit&& visit);
    std::vector<UserRecord> readUsers();
    // The UserNo of the first person holding `identifier` in all 64 bits, 0 when nobody does.
    std::int32_t findUserByIdentifier(std::int64_t identifier);
    // The person holding `identifier`, found in one scan under one lock: the index and record of
    // the first person carrying the UserNo of the first record that holds `identifier` in all 64
    // bits (in a damaged file with a UserNo twice, that person may come before the holder). Nothing
    // when no record holds the identifier or that record's UserNo is 0.
    struct Holder {
        long long index = -1;
        UserRecord user;
    };
    std::optional<Holder> findHolder(std::int64_t identifier);
    // The record index of the person with `userNo`, or -1.
    long long findUserIndex(std::int32_t userNo);
    // Appends a person (UserNo = number of records + 1) and returns the new UserNo. The file is
    // not reordered: call sortByName afterwards.
    std::int32_t appendPerson(const QString& last, const QString& first, const QString& middle,
                              const QString& department);
    // A new person (UserNo = number of records + 1) put in its place in name order, the whole
    // file replaced in one step: either the person is stored once, or the file stays as it was.
    std::int32_t addPerson(const QString& last, const QString& first, const QString& middle,
                           const QString& department);
    // Puts the user file into name order (the bubble sort on the first three characters of the
    // last name). Returns true when the order changed and the file was rewritten.
    bool sortByName();
    // The first record that the name order would move before the one ahead of it, or -1 when the
    // file is in name order.
    long long firstOutOfNameOrder();

    // Readings.
    long long historyCount();
    // Appends a reading and returns its record number (from 0).
    long long appendHistory(const HistoryRecord& record);
    void forEachHistory(const std::function<bool(long long index, const HistoryRecord&)>& visit);
    // The same for the readings of one person (UserNo not 0); others are passed over unread.
    void forEachHistoryOf(std::int32_t userNo,
                          const std::function<bool(long long index, const HistoryRecord&)>& visit);

    // Settings. loadSettings creates the file with the defaults when it is missing.
    SettingsRecord loadSettings(std::uint8_t defaultLangIndex);
    // The settings file as it is, or nothing when there is none. A file shorter than the record
    // gives "Read beyond end of file".
    std::optional<SettingsRecord> readSettings();
    void saveSettings(const SettingsRecord& settings);
    // Reads the settings file again under the lock (`fallback` when there is none), applies
    // `change` and stores the result, which is returned: nothing another program stored in the
    // file meanwhile is undone.
    SettingsRecord updateSettings(const SettingsRecord& fallback,
                                  const std::function<void(SettingsRecord&)>& change);
    // Stores the port choice; `settings` is the record held in memory and is updated from the
    // file.
    void savePortChoice(const QString& portName, SettingsRecord& settings);
    // Stores the language in the settings file when the file exists; `settings` is the record
    // held in memory and is updated from the file. False when there was no file to write.
    bool saveLanguageChoice(std::uint8_t langIndex, SettingsRecord& settings);

private:
    RecordFile::Mode readMode() const {
        return readOnly_ ? RecordFile::Mode::ReadOnly : RecordFile::Mode::OpenOrCreate;
    }
    bool rewriteInNameOrder(const char* extraRecord);

    std::filesystem::path base_;
    bool readOnly_;
};

template <typename Visit> void Store::forEachUserSummary(Visit&& visit) {
    DataLock lock = readLock();
    RecordFile file(userPath(), kUserRecordSize, readMode());
    long long k = 0;
    while (const char* bytes = file.next())
        if (!visit(k++, UserSummary::fromBytes(bytes)))
            break;
    file.close();
}

} // namespace sarvo
