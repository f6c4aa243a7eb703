#include "core/link/fcs16.h"

namespace sarvo {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned v = i;
        for (int step = 0; step < 8; ++step)
            v = (v & 1) ? (v >> 1) ^ 0x8408 : v >> 1;
        table[i] = static_cast<std::uint16_t>(v);
    }
    return table;
}

} // namespace

std::array<std::uint16_t, 256> Fcs16Table = makeTable();

void BuildFcs16Table() {
    Fcs16Table = makeTable();
}

std::uint16_t ComputeFcs16(const std::uint8_t* bytes, std::uint16_t length) {
    std::uint16_t c = 0xFFFF;
    for (std::uint16_t i = 0; i < length; ++i)
        c = static_cast<std::uint16_t>((c >> 8) ^ Fcs16Table[(c ^ bytes[i]) & 0xFF]);
    return c;
}

} // namespace sarvo
