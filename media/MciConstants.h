// The media control interface numbers and parameter blocks the media player
// uses, so that its portable core needs no platform header. Names follow the
// platform's, in camel case inside namespace mci because the platform defines
// its own as macros; MciConstants_win32.cpp checks every value and layout
// against the real headers.
#pragma once

#include <cstdint>

namespace mci {

// Commands.
inline constexpr std::uint32_t Open = 0x0803;
inline constexpr std::uint32_t Close = 0x0804;
inline constexpr std::uint32_t Play = 0x0806;
inline constexpr std::uint32_t Seek = 0x0807;
inline constexpr std::uint32_t Stop = 0x0808;
inline constexpr std::uint32_t Pause = 0x0809;
inline constexpr std::uint32_t GetDevCaps = 0x080B;
inline constexpr std::uint32_t Set = 0x080D;
inline constexpr std::uint32_t Step = 0x080E;
inline constexpr std::uint32_t Record = 0x080F;
inline constexpr std::uint32_t Status = 0x0814;
inline constexpr std::uint32_t Window = 0x0841;
inline constexpr std::uint32_t Resume = 0x0855;

// The window message that carries a completion notification.
inline constexpr std::uint32_t MmMciNotify = 0x03B9;

// Flags common to all commands.
inline constexpr std::uint32_t Notify = 0x00000001;
inline constexpr std::uint32_t Wait = 0x00000002;
inline constexpr std::uint32_t From = 0x00000004;
inline constexpr std::uint32_t To = 0x00000008;
inline constexpr std::uint32_t Track = 0x00000010;

// Command-specific flags.
inline constexpr std::uint32_t OpenShareable = 0x00000100;
inline constexpr std::uint32_t OpenElement = 0x00000200;
inline constexpr std::uint32_t OpenType = 0x00002000;
inline constexpr std::uint32_t SeekToStart = 0x00000100;
inline constexpr std::uint32_t SeekToEnd = 0x00000200;
inline constexpr std::uint32_t StatusItem = 0x00000100;
inline constexpr std::uint32_t GetDevCapsItem = 0x00000100;
inline constexpr std::uint32_t SetDoorOpen = 0x00000100;
inline constexpr std::uint32_t SetTimeFormat = 0x00000400;
inline constexpr std::uint32_t AnimStepReverse = 0x00010000;
inline constexpr std::uint32_t AnimStepFrames = 0x00020000;
inline constexpr std::uint32_t AnimWindowHwnd = 0x00010000;

// Status items.
inline constexpr std::uint32_t StatusLength = 1;
inline constexpr std::uint32_t StatusPosition = 2;
inline constexpr std::uint32_t StatusNumberOfTracks = 3;
inline constexpr std::uint32_t StatusMode = 4;
inline constexpr std::uint32_t StatusTimeFormat = 6;

// Capability items.
inline constexpr std::uint32_t GetDevCapsCanRecord = 1;
inline constexpr std::uint32_t GetDevCapsHasVideo = 3;
inline constexpr std::uint32_t GetDevCapsDeviceType = 4;
inline constexpr std::uint32_t GetDevCapsCanEject = 7;
inline constexpr std::uint32_t GetDevCapsCanPlay = 8;

// Device modes.
inline constexpr std::uint32_t ModeNotReady = 524;
inline constexpr std::uint32_t ModeStop = 525;
inline constexpr std::uint32_t ModePlay = 526;
inline constexpr std::uint32_t ModeRecord = 527;
inline constexpr std::uint32_t ModeSeek = 528;
inline constexpr std::uint32_t ModePause = 529;
inline constexpr std::uint32_t ModeOpen = 530;

// Time formats.
inline constexpr std::uint32_t FormatMilliseconds = 0;
inline constexpr std::uint32_t FormatMsf = 2;
inline constexpr std::uint32_t FormatFrames = 3;
inline constexpr std::uint32_t FormatTmsf = 10;

// Device types answered by the device-type capability.
inline constexpr std::uint32_t DevtypeVcr = 513;
inline constexpr std::uint32_t DevtypeVideodisc = 514;
inline constexpr std::uint32_t DevtypeOverlay = 515;
inline constexpr std::uint32_t DevtypeCdAudio = 516;
inline constexpr std::uint32_t DevtypeDat = 517;
inline constexpr std::uint32_t DevtypeScanner = 518;
inline constexpr std::uint32_t DevtypeAnimation = 519;
inline constexpr std::uint32_t DevtypeDigitalVideo = 520;
inline constexpr std::uint32_t DevtypeOther = 521;
inline constexpr std::uint32_t DevtypeWaveformAudio = 522;
inline constexpr std::uint32_t DevtypeSequencer = 523;

// Notification results, carried in the notification's wParam.
inline constexpr std::uint32_t NotifySuccessful = 1;
inline constexpr std::uint32_t NotifySuperseded = 2;
inline constexpr std::uint32_t NotifyAborted = 4;
inline constexpr std::uint32_t NotifyFailure = 8;

// The error that names a failure of the device itself.
inline constexpr std::uint32_t ErrHardware = 262;

// The parts of a position in the track-minute-second-frame format.
constexpr std::uint32_t TmsfTrack(std::uint32_t tmsf) { return tmsf & 0xFF; }
constexpr std::uint32_t TmsfMinute(std::uint32_t tmsf) { return (tmsf >> 8) & 0xFF; }
constexpr std::uint32_t TmsfSecond(std::uint32_t tmsf) { return (tmsf >> 16) & 0xFF; }
constexpr std::uint32_t TmsfFrame(std::uint32_t tmsf) { return (tmsf >> 24) & 0xFF; }
constexpr std::uint32_t MakeTmsf(std::uint32_t t, std::uint32_t m, std::uint32_t s, std::uint32_t f) {
    return (t & 0xFF) | (m & 0xFF) << 8 | (s & 0xFF) << 16 | (f & 0xFF) << 24;
}

// Parameter blocks. Pointer-sized fields are pointer-sized here too, so the
// layout is the platform's on both 32-bit and 64-bit targets.
// The system declares these blocks byte-packed; on 32-bit targets that
// changes nothing, on 64-bit ones it removes the padding after 32-bit fields.
#pragma pack(push, 1)

struct GenericParms {
    std::uintptr_t dwCallback;
};

struct OpenParms {
    std::uintptr_t dwCallback;
    std::uint32_t wDeviceID;
    const char* lpstrDeviceType;
    const char* lpstrElementName;
    const char* lpstrAlias;
};

struct PlayParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwFrom;
    std::uint32_t dwTo;
};

struct RecordParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwFrom;
    std::uint32_t dwTo;
};

struct SeekParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwTo;
};

struct StatusParms {
    std::uintptr_t dwCallback;
    std::uintptr_t dwReturn;
    std::uint32_t dwItem;
    std::uint32_t dwTrack;
};

struct GetDevCapsParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwReturn;
    std::uint32_t dwItem;
};

struct SetParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwTimeFormat;
    std::uint32_t dwAudio;
};

struct AnimStepParms {
    std::uintptr_t dwCallback;
    std::uint32_t dwFrames;
};

struct AnimWindowParms {
    std::uintptr_t dwCallback;
    std::uintptr_t hWnd;
    std::uint32_t nCmdShow;
    const char* lpstrText;
};

#pragma pack(pop)

}  // namespace mci
