#pragma once

#include "tool/commands.h"

namespace sarvo::tool {

// The subcommands of `sarvo-tool registry` that read the registry (and set its limits), with the
// arguments of `registry`: --db URL, and --year, --csv or the options of `limits`.
int runRegistryLimits(const Args& args);
int runRegistryPersons(const Args& args);
int runRegistryReadings(const Args& args);
int runRegistryDoses(const Args& args);

} // namespace sarvo::tool
