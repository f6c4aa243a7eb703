#include "core/store/name_order.h"

#include <algorithm>
#include <utility>

namespace sarvo {

NameKey nameKey(const char* lengthAndText) {
    NameKey key{
        static_cast<unsigned char>(std::min<int>(static_cast<unsigned char>(lengthAndText[0]), 3)),
        {0, 0, 0}};
    for (int i = 0; i < key.length; ++i)
        key.c[i] = static_cast<unsigned char>(lengthAndText[1 + i]);
    return key;
}

bool putInNameOrder(std::vector<NameEntry>& entries) {
    // The passes make the exchanges of the plain bubble sort, but skip the comparisons that
    // cannot exchange anything. A comparison's result depends on the two neighbours only, so:
    // - before the first exchange `f` of a pass, the neighbours compared are still side by side
    //   after it and exchange nothing in the next pass, which starts at f - 1 (the first pair with
    //   a new member);
    // - behind the last exchange `l` of a pass, the pairs from l + 1 on were compared without an
    //   exchange and stay as they are; once the next pass reaches l or beyond and exchanges
    //   nothing there, no later member can change and the pass ends.
    // The sort ends after a pass without an exchange, as the plain one does.
    const long long n = static_cast<long long>(entries.size());
    bool changed = false;
    long long start = 0;
    long long previousLast = n; // the first pass runs to the end
    for (;;) {
        long long first = -1;
        long long last = -1;
        for (long long i = start; i + 1 < n; ++i) {
            if (goesBefore(entries[i + 1].key, entries[i].key)) {
                std::swap(entries[i], entries[i + 1]);
                if (first < 0)
                    first = i;
                last = i;
            } else if (i >= previousLast) {
                break;
            }
        }
        if (first < 0)
            return changed;
        changed = true;
        start = std::max(first - 1, 0LL);
        previousLast = last;
    }
}

} // namespace sarvo
