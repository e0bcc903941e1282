// The wave header check: plain files play, whatever their RIFF size says;
// crafted or damaged headers are refused with a reason, never read past the
// bytes that are there.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "media/WaveHeader.h"

namespace {

std::string Le(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

struct Wave {
    std::uint16_t tag = 1, channels = 1, bits = 8;
    std::uint32_t rate = 8000;
    std::string before;              // chunks between the format and the data
    std::string data = std::string(16, '\x80');
    std::int64_t dataSize = -1;      // the data chunk's claimed size; -1: true size
    std::uint32_t riffSize = 0xFFFFFFFF;

    std::string Bytes() const {
        const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
        std::string fmt = Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) + Le(bits, 2);
        const std::uint32_t size = dataSize < 0 ? static_cast<std::uint32_t>(data.size()) : static_cast<std::uint32_t>(dataSize);
        return "RIFF" + Le(riffSize, 4) + "WAVE" + "fmt " + Le(16, 4) + fmt + before + "data" + Le(size, 4) + data;
    }
};

media::WaveCheck Check(const std::string& bytes) {
    return media::CheckWaveHeader(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), bytes.size());
}

TEST(WaveHeader, PlainFilesPlayWhateverTheirRiffSizeSays) {
    Wave w;
    w.before = "LIST" + Le(3, 4) + "abc" + std::string(1, '\0');  // odd size, padded
    const std::string bytes = w.Bytes();
    media::WaveCheck c = Check(bytes);
    ASSERT_TRUE(c.Playable()) << c.problem;
    EXPECT_EQ(1, c.header.channels);
    EXPECT_EQ(8000u, c.header.sampleRate);
    EXPECT_EQ(bytes.size() - 16, c.header.dataOffset);
    EXPECT_EQ(16u, c.header.dataSize);

    Wave stereo;
    stereo.channels = 2;
    stereo.bits = 16;
    stereo.rate = 44100;
    EXPECT_TRUE(Check(stereo.Bytes()).Playable());

    // Only the head of a long file was read: the data chunk's size is
    // checked against the whole file.
    std::string head = w.Bytes();
    head.resize(head.size() - 16);
    EXPECT_TRUE(media::CheckWaveHeader(reinterpret_cast<const unsigned char*>(head.data()), head.size(),
                                       head.size() + 16)
                    .Playable());
}

TEST(WaveHeader, CraftedOrDamagedHeadersAreRefusedWithAReason) {
    auto problem = [](void (*change)(Wave&)) {
        Wave w;
        change(w);
        return Check(w.Bytes()).problem;
    };
    EXPECT_EQ("it has no sound channels", problem([](Wave& w) { w.channels = 0; }));
    EXPECT_EQ("its sample rate of 1 Hz is not one a sound device plays", problem([](Wave& w) { w.rate = 1; }));
    EXPECT_NE("", problem([](Wave& w) { w.bits = 12; }));
    EXPECT_EQ("its sound data reaches beyond the end of the file", problem([](Wave& w) { w.dataSize = 100000; }));
    EXPECT_EQ("it holds no sound", problem([](Wave& w) { w.data.clear(); }));
    // A chunk claiming 4 GB before the data: the walk ends at the file's end.
    EXPECT_EQ("it holds no sound data", problem([](Wave& w) { w.before = "junk" + Le(0xFFFFFFFF, 4); }));

    EXPECT_EQ("it is not a wave file", Check(std::string("RIFF\0\0\0\0AVI LIST", 16)).problem);
    EXPECT_EQ("it is not a wave file", Check("RIFF").problem);
    const std::string noFormat = std::string("RIFF") + Le(20, 4) + "WAVE" + "data" + Le(4, 4) + "abcd";
    EXPECT_EQ("its format chunk is missing or damaged", Check(noFormat).problem);
    // A format chunk cut short by the end of the file.
    std::string cut = Wave().Bytes().substr(0, 30);
    EXPECT_EQ("its format chunk is missing or damaged", Check(cut).problem);
}

}  // namespace
