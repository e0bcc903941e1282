// Fuzz target for the wave header reader: any bytes as the start of a file,
// with the file's size taken from the first four bytes when they make it no
// smaller than the bytes given (a file only partly read), else the bytes'
// own length.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "media/WaveHeader.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t fileSize = size;
    if (size >= 4) {
        const std::uint64_t claimed = data[0] | data[1] << 8 | data[2] << 16 | std::uint64_t{data[3]} << 24;
        if (claimed >= size) fileSize = claimed;
    }
    for (std::uint64_t total : {std::uint64_t{size}, fileSize}) {
        const media::WaveCheck check = media::CheckWaveHeader(data, size, total);
        if (!check.Playable()) continue;
        const media::WaveHeader& h = check.header;
        Check(h.channels > 0 && h.sampleRate > 0 && h.blockAlign > 0, "a playable format has channels and frames");
        Check(h.dataOffset + h.dataSize <= total, "the sound data lies inside the file");
        Check(h.dataSize >= h.blockAlign, "the sound data holds a frame");
    }
    return 0;
}
