// Reads the header of a RIFF wave file from its bytes and tells whether a
// wave device can plausibly play it. Nothing in the file is trusted: every
// size is checked against the bytes that are there, so a crafted header can
// neither crash the reader nor reach the system's wave driver.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace media {

struct WaveHeader {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint64_t dataOffset = 0;  // of the sound data, from the file's start
    std::uint64_t dataSize = 0;
};

// Why a file cannot be played; empty when it can.
struct WaveCheck {
    WaveHeader header;
    std::string problem;
    bool Playable() const { return problem.empty(); }
};

// bytes holds the first `available` bytes of a file of fileSize bytes
// (available <= fileSize): enough to hold the chunks before the sound data.
WaveCheck CheckWaveHeader(const unsigned char* bytes, std::size_t available, std::uint64_t fileSize);

// Reads the start of the file at path and checks it. Sets readable to false
// (and returns a check without a problem) when the file cannot be read at
// all: whoever opens it then says why.
WaveCheck CheckWaveFile(const std::string& path, bool& readable);

}  // namespace media
