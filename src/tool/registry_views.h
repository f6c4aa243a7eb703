#pragma once

#include "tool/commands.h"

namespace sarvo::tool {

// The subcommands of `sarvo-tool registry` that read the registry: its limits and levels (and
// with options, stores them), the persons, the readings and the doses per worker across
// stations. `registry` has checked the options of each before it calls it.
int runRegistryLimits(const Args& args);
int runRegistryPersons(const Args& args);
int runRegistryReadings(const Args& args);
int runRegistryDoses(const Args& args);

} // namespace sarvo::tool
