#pragma once

#include <cstdint>
#include <vector>

namespace sarvo {

// The part of a last name that the name order looks at: up to three bytes and how many.
struct NameKey {
    unsigned char length;
    unsigned char c[3];
};

// The key of a short string (length byte, then the text) as stored in a record.
NameKey nameKey(const char* lengthAndText);

// Whether `b` goes before `a` in the name order: the first differing byte of the first three
// decides. This is no strict order: a key that is a prefix of another, or an empty one, goes
// before nothing and nothing goes before it.
inline bool goesBefore(const NameKey& b, const NameKey& a) {
    for (int i = 0; i < 3; ++i) {
        if (i >= a.length || i >= b.length)
            return false;
        if (b.c[i] != a.c[i])
            return b.c[i] < a.c[i];
    }
    return false;
}

// One record in the name order: its key and its index in the file.
struct NameEntry {
    NameKey key;
    std::int32_t index;
};

// Puts `entries` into name order by the exchanges of the bubble sort (passes from the front,
// neighbours exchanged when the second goes before the first, until a pass exchanges nothing),
// exactly, ties included. Returns true when anything was exchanged.
bool putInNameOrder(std::vector<NameEntry>& entries);

} // namespace sarvo
