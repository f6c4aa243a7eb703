#pragma once

#include "core/registry/registry_connection.h"

#include <QString>

namespace sarvo::registry {

// What `registry init` did.
struct InitResult {
    int versionBefore = 0; // 0: the database had no registry schema
    int version = 0;
    bool rolesCreated = false; // sarvo_station and sarvo_officer were made now
};

// Creates the registry schema in the database of `connection` when it has none (in one
// transaction), creates the roles sarvo_station and sarvo_officer when they do not exist, and
// grants them their rights; row-level security keeps each station to its own rows. Safe to run
// again: what exists stays as it is. RegistryError when the server refuses (the login may not
// create roles or schemas) or its schema is newer than this program knows.
InitResult initRegistry(RegistryConnection& connection);

// Creates the login role of the station `name` (stationRoleName) with `password`, a member of
// sarvo_station, and the station's row. RegistryError when the name is not a valid station
// name, the station or its role exists already, or the server refuses.
void addStation(RegistryConnection& connection, const QString& name, const QString& password);

} // namespace sarvo::registry
