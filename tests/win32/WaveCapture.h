// Shared by the tests that play real wave files under Wine: files made
// here, and a sound setup (written where ALSA_CONFIG_PATH says) that sends
// everything the wave device plays into one capture file.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace wavetest {

using Bytes = std::vector<unsigned char>;

// --- Files --------------------------------------------------------------

// The Windows name of a Unix path, when running under Wine ("" elsewhere).
inline std::string DosPath(const std::string& unixPath) {
    using Convert = LPWSTR(CDECL*)(LPCSTR);
    FARPROC proc = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name");
    if (!proc) return "";
    auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(proc));
    LPWSTR wide = convert(unixPath.c_str());
    if (!wide) return "";
    char narrow[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return narrow;
}

inline bool WriteFile(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

inline Bytes ReadFile(const std::string& path) {
    Bytes data;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        unsigned char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) data.insert(data.end(), buf, buf + n);
        std::fclose(f);
    }
    return data;
}

inline std::string Le(unsigned value, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(value >> (8 * i) & 0xFF);
    return s;
}

// 16-bit stereo PCM at 22050 Hz, noise from a fixed seed: any lost, doubled
// or shifted sample shows.
inline constexpr unsigned kRate = 22050, kFrameBytes = 4;

inline Bytes Noise(unsigned frames, unsigned seed) {
    Bytes samples(frames * kFrameBytes);
    for (unsigned char& b : samples) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<unsigned char>(seed >> 16);
    }
    return samples;
}

inline bool WriteWave(const std::string& path, const Bytes& samples) {
    const auto size = static_cast<unsigned>(samples.size());
    std::string file = "RIFF" + Le(36 + size, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) + Le(2, 2) + Le(kRate, 4) +
                       Le(kRate * kFrameBytes, 4) + Le(kFrameBytes, 2) + Le(16, 2) + "data" + Le(size, 4);
    file.append(samples.begin(), samples.end());
    return WriteFile(path, file);
}

// The samples of a captured wave: everything after the data chunk's header
// (its size field is only final once the capture is closed).
inline Bytes CapturedSamples(const std::string& path) {
    Bytes file = ReadFile(path);
    for (std::size_t at = 12; at + 8 <= file.size();) {
        auto chunk = file.begin() + static_cast<std::ptrdiff_t>(at);
        if (std::string(chunk, chunk + 4) == "data") return Bytes(chunk + 8, file.end());
        at += 8 + (file[at + 4] | file[at + 5] << 8 | file[at + 6] << 16 | static_cast<unsigned>(file[at + 7]) << 24);
    }
    return {};
}

// --- Sound capture -------------------------------------------------------

// The wave device under Wine needs a sound setup; the harness names where
// it goes, and the setup written there sends all sound into one file.
struct Capture {
    bool underWine = false;
    std::string file;  // the captured wave, by its Windows name ("" = none)
    std::string problem;
};
inline Capture capture;

class CaptureSetup : public testing::Environment {
public:
    void SetUp() override {
        capture.underWine = GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name") != nullptr;
        char config[MAX_PATH] = "";
        if (!GetEnvironmentVariableA("ALSA_CONFIG_PATH", config, sizeof config)) {
            capture.problem = "ALSA_CONFIG_PATH is not set: under Wine there is no wave device to play on";
            return;
        }
        std::string unixConfig = config;
        std::string unixFile = unixConfig.substr(0, unixConfig.find_last_of('/') + 1) + "MediaPlayer_test-capture.wav";
        std::string text = "</usr/share/alsa/alsa.conf>\n"
                           "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" +
                           unixFile + "\"\n  format \"wav\"\n  truncate true\n}\n";
        // Written before the first real device command of the process, and
        // only when it differs: test programs running side by side share it.
        std::string dosConfig = DosPath(unixConfig);
        Bytes now = ReadFile(dosConfig);
        if (std::string(now.begin(), now.end()) != text && !WriteFile(dosConfig, text)) {
            capture.problem = "cannot write the sound setup to " + unixConfig;
            return;
        }
        capture.file = DosPath(unixFile);
    }
};
inline testing::Environment* const captureSetup = testing::AddGlobalTestEnvironment(new CaptureSetup);

}  // namespace wavetest
