// Feeds arbitrary bytes to the frame decoder, once one byte per receive event and once in pieces
// of random sizes, emptying the buffer after each verdict as the program does. Every good frame is
// encoded again and must decode to the same reading.
#include "core/link/frame.h"
#include "core/link/frame_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkGood(const sarvo::FrameDecoder& decoder) {
    using namespace sarvo;
    const Reading& r = decoder.reading();
    const int n = decoder.receiveCount();
    require(n >= kMinimumFrameLength && n <= kReceiveBufferSize);
    require(r.entriesInFrame == (n - kMinimumFrameLength) / kEntrySize);
    require(static_cast<int>(r.entries.size()) ==
            std::min(r.entriesInFrame, static_cast<int>(kEntriesTaken)));
    require(r.doseThousandths >= 0 && r.doseThousandths < kDoseLimit);
    require(!r.identifierText().isEmpty());
    for (const DoseRateEntry& e : r.entries) {
        require(e.line(2026).size() <= 28);
        require(e.month <= 12 && e.day <= 31 && e.hour <= 23 && e.minute <= 59);
    }

    FrameDecoder again;
    const FrameVerdict verdict = again.receive(encodeFrame(r));
    require(verdict.good());
    require(again.reading().identifier == r.identifier);
    require(again.reading().doseThousandths == r.doseThousandths);
    require(again.reading().entries == r.entries);
}

void feed(const std::uint8_t* data, std::size_t size, bool byteByByte) {
    sarvo::FrameDecoder decoder;
    std::uint32_t random = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        random = (random ^ data[i]) * 16777619u;
    for (std::size_t at = 0; at < size;) {
        std::size_t piece = 1;
        if (!byteByByte) {
            random = random * 1664525u + 1013904223u;
            piece = 1 + (random >> 16) % 97;
            if (piece > size - at)
                piece = size - at;
        }
        const sarvo::FrameVerdict verdict = decoder.receive(QByteArrayView(
            reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(piece)));
        at += piece;
        require(decoder.receiveCount() >= 0 && decoder.receiveCount() <= sarvo::kReceiveBufferSize);
        if (verdict.waiting())
            continue;
        if (verdict.good())
            checkGood(decoder);
        require(!describe(verdict).isEmpty());
        decoder.clear();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    feed(data, size, true);
    feed(data, size, false);
    return 0;
}
