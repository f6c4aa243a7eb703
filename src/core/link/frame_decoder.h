#pragma once

#include "core/link/frame.h"

#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace sarvo {

// Gathers the pieces of one frame, as the serial port hands them over, and judges the frame.
//
// Each piece goes into ReceiveBuffer with the escapes removed from offset 18 on (a 0x7D that ends a
// piece is held back until its successor arrives). Once 20 bytes are held the flags and the header
// are checked; the frame is judged when L + 20 bytes are held, by the FCS in the last three bytes
// held, and a frame whose FCS matches is then decoded (see decodeReading). More bytes than the
// buffer holds are rejected; nothing is ever written past it.
//
// The decoder does not empty itself after a verdict: whoever acts on the verdict calls clear()
// when done (the reading intake after storing the reading, the reject sequence after its box).
// It has no timer and no port; DosimeterLink adds those.
class FrameDecoder {
public:
    // Appends one piece and judges what is held. Bytes after an overflow in the same piece are
    // dropped.
    FrameVerdict receive(QByteArrayView piece);

    // Empties the buffer: ReceiveCount 0, a held-back escape dropped.
    void clear();

    std::int32_t receiveCount() const { return ReceiveCount; }
    bool escapeHeld() const { return escapeHeld_; }
    // The bytes held, escapes removed.
    QByteArrayView frame() const {
        return {reinterpret_cast<const char*>(ReceiveBuffer.data()), ReceiveCount};
    }
    // The reading of the last frame judged good; valid until the next receive().
    const Reading& reading() const { return reading_; }

private:
    FrameVerdict judge();

    std::array<std::uint8_t, kReceiveBufferSize> ReceiveBuffer{};
    std::int32_t ReceiveCount = 0;
    bool escapeHeld_ = false;
    Reading reading_;
};

} // namespace sarvo
