#pragma once

#include "core/store/dose_ledger.h"
#include "core/store/person_details.h"
#include "core/store/records.h"
#include "core/store/store_error.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

namespace sarvo {

class Store;

// The database is of a newer schema than this program knows: nothing is read or written.
class NewerDatabaseError : public StoreError {
public:
    NewerDatabaseError(const QString& path, int version, int known);
};

// A change refused for what it would do to the record (ED below 0, a manual dose without a
// reason, an unknown alert): nothing was written.
class RefusedChange : public StoreError {
public:
    using StoreError::StoreError;
};

// An entry that changes a person's ED.
struct EdEntry {
    EdEntry(LedgerKind kind = LedgerKind::Manual, double dose = 0.0, QDate date = {},
            long long historyRecord = -1, QString reason = {}, bool followMoves = true,
            QDateTime at = {})
        : kind(kind), dose(dose), date(date), historyRecord(historyRecord),
          reason(std::move(reason)), followMoves(followMoves), at(std::move(at)) {}

    LedgerKind kind; // Reading, Clear or Manual
    double dose;     // Reading and Manual; Clear takes minus the ED
    QDate date;      // Reading: its HistDate; Manual: the date given; Clear: not used (the day
                     // it is written)
    long long historyRecord; // Reading: the History record number
    QString reason;          // required for Manual
    // When the record at the index holds someone else now (the file was reordered), look the
    // person up by UserNo; otherwise nothing is written and the change is not done.
    bool followMoves;
    QDateTime at; // when it is written (the workstation's clock); empty: now
};

// What changeEd() did.
struct EdChange {
    bool done = false; // false: the person is not (or no longer) where the caller saw it
    long long index = -1;
    UserRecord user; // the record as written
    LedgerRow row;
    std::vector<Alert> raised; // alerts this entry raised, in kind order
};

// The embedded database "DB/Sarvo.sqlite" beside the user file: the dose ledger, the alerts and
// the limits. It is created at the first write that needs it, with the mode and group of the
// user file (owner-only when there is none), in WAL mode with synchronous=FULL; its schema carries
// a version and is migrated forward when opened for a write; a newer one is refused
// (NewerDatabaseError). Reads never create it: a missing database reads as an empty ledger with
// the default limits. The queries use plain SQL types and statements that PostgreSQL runs alike.
//
// Every write holds the data directory's write lock (DataLock) for its whole read-modify-write,
// reads hold it shared. The database belongs to the thread that made this object.
class DoseDatabase {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr const char* kFileName = "Sarvo.sqlite";

    explicit DoseDatabase(Store& store);
    ~DoseDatabase();
    DoseDatabase(const DoseDatabase&) = delete;
    DoseDatabase& operator=(const DoseDatabase&) = delete;

    std::filesystem::path path() const;
    bool exists() const;

    // Reads. userNo 0: every person's rows. Rows in the order they were written.
    std::vector<LedgerRow> ledger(std::int32_t userNo = 0);
    DoseLimits limits();
    // Open alerts, or all with `all`, in the order they were raised.
    std::vector<Alert> alerts(bool all = false);

    // The register data of every person that has any, by UserNo; and of one person (an empty
    // record with that UserNo when there is none).
    std::map<std::int32_t, PersonDetails> personDetails();
    PersonDetails personDetails(std::int32_t userNo);

    // The central registry this station pushes to: its station name there and the address of
    // the database (never with a password). Empty texts when none is set.
    struct RegistrySettings {
        QString station;
        QString address;
        friend bool operator==(const RegistrySettings&, const RegistrySettings&) = default;
    };
    RegistrySettings registrySettings();

    // What the station knows the registry holds since its last completed push: the number of
    // History records, the highest ledger id, and a digest of each person and alert as sent.
    // Used to count the changes that wait while the registry cannot be reached; the push itself
    // always compares with the server.
    struct PushedState {
        long long readings = 0;
        long long ledgerId = 0;
        std::map<std::int32_t, std::int64_t> persons; // UserNo -> digest
        std::map<long long, std::int64_t> alerts;     // alert id -> digest
        friend bool operator==(const PushedState&, const PushedState&) = default;
    };
    PushedState pushedState();

    // Writes.
    void setLimits(const DoseLimits& limits);
    // Stores the register data of the person with details.userNo, replacing what was stored (an
    // empty record removes it). RefusedChange when no person in the user file has that UserNo or
    // another person holds the registry number already.
    void setPersonDetails(const PersonDetails& details);
    void setRegistrySettings(const RegistrySettings& settings);
    // Replaces the pushed state as a whole.
    void setPushedState(const PushedState& state);
    // Acknowledges an open alert with the note, the operating-system user and the time; the
    // alert as stored. RefusedChange when there is no such alert or it is acknowledged already.
    Alert acknowledge(long long alertId, const QString& note);
    // Changes the ED of the person with `userNo` found at record `index` (see
    // EdEntry::followMoves) and appends its ledger row, and the alerts it raises, in one
    // operation under the write lock. The ledger is created first when there is none, with an
    // opening row for each person whose ED is not 0. RefusedChange when ED would fall below 0
    // or a manual entry has no reason. Should the record not be written, no row is kept; should
    // the row not be committed, the record is put back.
    EdChange changeEd(long long index, std::int32_t userNo, const EdEntry& entry);

    // The operating-system user written into rows and acknowledgements.
    static QString osUser();
    // The time written into rows: ISO 8601 with milliseconds and the local offset.
    static QString timeStamp(const QDateTime& at);

private:
    struct Connection;
    // The connection, migrated forward for a write; nothing when there is no database to read.
    Connection* open(bool forWrite);
    void migrate();
    // Records the alerts `row` raises (in the open transaction) and returns them.
    std::vector<Alert> raiseAlerts(const LedgerRow& row);

    Store& store_;
    Connection* connection_ = nullptr;
};

} // namespace sarvo
