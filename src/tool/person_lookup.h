#pragma once

#include "tool/commands.h"

#include <cstdint>

namespace sarvo::tool {

// The record index of the person --person names in the user file of `args.dir()`. The file is
// only read (a missing file holds nobody); a person not found ends the command: the message
// goes to standard error and the exit code is 1.
struct PersonLookup {
    long long number = 0; // as given
    std::int32_t userNo = 0;
    long long index = -1;
    bool found() const { return index >= 0; }
    int notFound() const;
};
PersonLookup lookUpPerson(const Args& args);

} // namespace sarvo::tool
