#pragma once

#include <array>
#include <cstdint>

namespace sarvo {

// The frame check sequence of the infrared frames: the 16-bit FCS of IrLAP and PPP
// (CRC-16/X-25: polynomial 0x1021 reflected, initial value 0xFFFF, result complemented).

// Entry i is i put through eight steps of "shift right by one, XOR 0x8408 when the bit shifted out
// was 1". Filled when the program starts and again by every BuildFcs16Table.
extern std::array<std::uint16_t, 256> Fcs16Table;

// Fills Fcs16Table. Called at every activation of the main window.
void BuildFcs16Table();

// c = 0xFFFF; for each byte b: c = (c >> 8) ^ Fcs16Table[(c ^ b) & 0xFF]. The result is not yet
// complemented; a length of 0 gives 0xFFFF. A sender puts (c ^ 0xFFFF) on the wire, low byte first.
std::uint16_t ComputeFcs16(const std::uint8_t* bytes, std::uint16_t length);

} // namespace sarvo
