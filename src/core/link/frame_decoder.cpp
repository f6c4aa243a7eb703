#include "core/link/frame_decoder.h"

#include "core/link/fcs16.h"

namespace sarvo {

void FrameDecoder::clear() {
    ReceiveCount = 0;
    escapeHeld_ = false;
}

FrameVerdict FrameDecoder::receive(QByteArrayView piece) {
    for (qsizetype i = 0; i < piece.size(); ++i) {
        auto byte = static_cast<std::uint8_t>(piece[i]);
        if (escapeHeld_) {
            escapeHeld_ = false;
            byte ^= 0x20;
        } else if (byte == kEscapeByte && ReceiveCount >= kEscapedFrom) {
            escapeHeld_ = true;
            continue;
        }
        if (ReceiveCount >= kReceiveBufferSize)
            return FrameVerdict::reject(FrameFault::Overflow);
        ReceiveBuffer[static_cast<size_t>(ReceiveCount++)] = byte;
    }
    return judge();
}

FrameVerdict FrameDecoder::judge() {
    const int n = ReceiveCount;
    if (n < kExaminedFrom)
        return {};
    for (int i = 0; i < kFlagCount; ++i)
        if (ReceiveBuffer[i] != kFlagByte)
            return FrameVerdict::reject(FrameFault::Preamble, i, ReceiveBuffer[i], kFlagByte);
    for (size_t i = 0; i < kFrameHeader.size(); ++i) {
        const size_t offset = kFlagCount + i;
        if (ReceiveBuffer[offset] != kFrameHeader[i])
            return FrameVerdict::reject(FrameFault::Header, static_cast<int>(offset),
                                        ReceiveBuffer[offset], kFrameHeader[i]);
    }
    const int length = ReceiveBuffer[18] * 256 + ReceiveBuffer[19];
    if (length + 20 > n)
        return {};

    const std::uint16_t fcs =
        ComputeFcs16(ReceiveBuffer.data() + kFlagCount, static_cast<std::uint16_t>(n - 14)) ^
        0xFFFF;
    const unsigned received = ReceiveBuffer[static_cast<size_t>(n - 3)] |
                              (ReceiveBuffer[static_cast<size_t>(n - 2)] << 8);
    if (received != fcs)
        return FrameVerdict::reject(FrameFault::Checksum, -1, received, fcs);
    return decodeReading(frame(), reading_);
}

} // namespace sarvo
