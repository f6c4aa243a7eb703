#pragma once

#include "core/registry/registry_connection.h"

#include <QString>
#include <memory>

namespace sarvo::tool {

// Connects to the registry at the address `url` (--db). The password comes from the address,
// PGPASSWORD or ~/.pgpass (libpq reads them); when the server wants one none of them gives and
// standard input is a terminal, it is asked for there without echo (nothing is read from
// input that is not a terminal). UsageError for an address that is not one, RegistryError when
// the registry cannot be reached or refuses the login.
std::unique_ptr<registry::RegistryConnection> connectRegistry(const QString& url);

// The address of --db; UsageError when it is not a registry address.
registry::RegistryAddress registryAddress(const QString& url);

// Reads a password: on a terminal asked for with `prompt` on standard error, without echo; from
// other input one line. Empty at the end of the input.
QString readPassword(const QString& prompt);

} // namespace sarvo::tool
