#pragma once

#include "core/registry/registry_connection.h"

#include <QString>
#include <functional>
#include <vector>

namespace sarvo {
class Store;
}

namespace sarvo::registry {

// Progress of a push: items sent of items to send (persons, readings, ledger rows and alerts
// together).
struct SyncProgress {
    long long sent = 0;
    long long total = 0;
};

// What a push did.
struct SyncResult {
    long long persons = 0; // sent (new or changed)
    long long readings = 0;
    long long ledgerRows = 0;
    long long alerts = 0;
    // History records whose bytes differ from what the registry holds under their number: the
    // file was rewritten behind the station's back. Reported, never sent.
    std::vector<long long> rewrittenRecords;
    // The same for ledger rows.
    std::vector<long long> rewrittenLedgerRows;
    long long sent() const { return persons + readings + ledgerRows + alerts; }
};

// Pushes to the registry what it does not have yet of the station `station` whose files are in
// `store`, under the login of `connection` (the station's role). The station's data are read
// under the shared lock of the data directory; no lock is held while the network is used. Sent
// in batches, each committed on its own: an interrupted push loses nothing and the next one
// goes on from what the server has. Persons and alerts whose content changed are updated;
// readings and ledger rows are only ever added. When it completes, the station's pushed state
// (DoseDatabase::setPushedState) is stored. RegistryError on any failure of the server
// (the changes sent so far stay; nothing is reported as sent that was not committed),
// StoreError for the local files, and RegistryError when `station` is not the station of the
// login.
SyncResult syncStation(Store& store, RegistryConnection& connection, const QString& station,
                       const std::function<void(const SyncProgress&)>& progress = {});

// The station whose role the login of `connection` is (sarvo.stations.role_name =
// current_user); empty when it is no station's role. RegistryError when the query fails.
QString loginStation(RegistryConnection& connection);

// The rows sent per statement (5000; tests make it small to see several batches).
void setSyncBatchRows(int rows);

// The number of changes the registry is not known to have, from the station's files and its
// pushed state alone (no network): History records and ledger rows beyond what was pushed,
// persons and alerts whose digest differs or that were never pushed.
long long waitingChanges(Store& store);

} // namespace sarvo::registry
