// A placeholder for the registry's views until cmd_registry_views.cpp is in the tree (the build
// leaves this file out then).
#include "core/registry/registry_connection.h"
#include "tool/registry_views.h"

namespace sarvo::tool {

namespace {
int notYet() {
    throw registry::RegistryError(QStringLiteral("not available in this build"));
}
} // namespace

int runRegistryLimits(const Args&) {
    return notYet();
}
int runRegistryPersons(const Args&) {
    return notYet();
}
int runRegistryReadings(const Args&) {
    return notYet();
}
int runRegistryDoses(const Args&) {
    return notYet();
}

} // namespace sarvo::tool
