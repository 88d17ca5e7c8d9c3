// Any bytes as the page helper's answer, in pieces of every size the input
// picks: the reader keeps at most one frame and hands out only whole ones.
#include "exchange/PageFrames.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest arrives.
    const qsizetype piece = 1 + data[0] % 64;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    PageFrames::Reader reader;
    bool last = false;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        for (const PageFrames::Frame& frame : reader.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)))) {
            if (last || frame.text.size() > PageFrames::kLongestFrame)
                __builtin_trap(); // nothing after the last frame; no frame over the limit
            last = frame.kind == PageFrames::Kind::Draws || frame.kind == PageFrames::Kind::Failed;
        }
    }
    return 0;
}
