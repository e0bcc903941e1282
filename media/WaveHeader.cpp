#include "media/WaveHeader.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace media {

namespace {

// The chunks before the sound data are small; a file whose format chunk is
// not within this much of its start is not one we play.
constexpr std::size_t kHeadBytes = 1 << 20;

constexpr std::uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;
// Rates a sound device plays; a header outside them is damaged or crafted.
constexpr std::uint32_t kMinRate = 1000, kMaxRate = 768000;
constexpr std::uint16_t kMaxChannels = 32;

std::uint16_t U16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// What is wrong with the format, or "".
std::string FormatProblem(const WaveHeader& h) {
    if (h.channels == 0) return "it has no sound channels";
    if (h.channels > kMaxChannels) return "it claims " + std::to_string(h.channels) + " sound channels";
    if (h.sampleRate < kMinRate || h.sampleRate > kMaxRate)
        return "its sample rate of " + std::to_string(h.sampleRate) + " Hz is not one a sound device plays";
    if (h.blockAlign == 0 || h.bytesPerSecond == 0) return "its format chunk is damaged";
    if (h.formatTag == kPcm || h.formatTag == kFloat || h.formatTag == kExtensible) {
        const unsigned bits = h.bitsPerSample;
        const bool sizeOk =
            h.formatTag == kFloat ? (bits == 32 || bits == 64) : (bits == 8 || bits == 16 || bits == 24 || bits == 32);
        if (!sizeOk) return "its sample size of " + std::to_string(bits) + " bits is not one a sound device plays";
        if (h.blockAlign != h.channels * (bits / 8)) return "its format chunk is damaged";
    } else if (h.bitsPerSample > 64) {
        return "its format chunk is damaged";
    }
    return "";
}

}  // namespace

WaveCheck CheckWaveHeader(const unsigned char* bytes, std::size_t available, std::uint64_t fileSize) {
    WaveCheck check;
    if (available > fileSize) available = static_cast<std::size_t>(fileSize);
    if (available < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        check.problem = "it is not a wave file";
        return check;
    }
    // The RIFF size is often wrong in files that play; the file's own size
    // bounds the walk instead.
    bool haveFormat = false;
    std::uint64_t at = 12;
    while (at + 8 <= fileSize) {
        if (at + 8 > available) break;  // the head read ends here
        const unsigned char* chunk = bytes + at;
        const std::uint64_t size = U32(chunk + 4);
        const std::uint64_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !haveFormat) {
            if (size < 16 || body + 16 > available) break;
            WaveHeader& h = check.header;
            h.formatTag = U16(chunk + 8);
            h.channels = U16(chunk + 10);
            h.sampleRate = U32(chunk + 12);
            h.bytesPerSecond = U32(chunk + 16);
            h.blockAlign = U16(chunk + 20);
            h.bitsPerSample = U16(chunk + 22);
            check.problem = FormatProblem(h);
            if (!check.problem.empty()) return check;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) break;
            if (body + size > fileSize) {
                check.problem = "its sound data reaches beyond the end of the file";
            } else if (size < check.header.blockAlign) {
                check.problem = "it holds no sound";
            }
            check.header.dataOffset = body;
            check.header.dataSize = size;
            return check;
        }
        // Chunks are padded to an even size; 64-bit sums cannot overflow.
        at = body + size + (size & 1);
    }
    check.problem = haveFormat ? "it holds no sound data" : "its format chunk is missing or damaged";
    return check;
}

WaveCheck CheckWaveFile(const std::string& path, bool& readable) {
    readable = false;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return WaveCheck();
    const std::streamoff end = in.tellg();
    if (end < 0) return WaveCheck();
    const std::uint64_t fileSize = static_cast<std::uint64_t>(end);
    std::vector<unsigned char> head(static_cast<std::size_t>(fileSize < kHeadBytes ? fileSize : kHeadBytes));
    in.seekg(0);
    if (!head.empty() && !in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size())))
        return WaveCheck();
    readable = true;
    return CheckWaveHeader(head.data(), head.size(), fileSize);
}

}  // namespace media
