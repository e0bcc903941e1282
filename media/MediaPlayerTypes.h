// The media player's enumerations and its button set, shared by the device
// control core and the button row.
#pragma once

#include <cstdint>
#include <initializer_list>

// One value per operation that a button can run, in the order the row shows them.
enum TMPBtnType : std::uint8_t {
    btPlay,
    btPause,
    btStop,
    btNext,
    btPrev,
    btStep,
    btBack,
    btRecord,
    btEject,
};
inline constexpr int MPButtonCount = 9;

enum TMPDeviceTypes : std::uint8_t {
    dtAutoSelect,
    dtAVIVideo,
    dtCDAudio,
    dtDAT,
    dtDigitalVideo,
    dtMMMovie,
    dtOther,
    dtOverlay,
    dtScanner,
    dtSequencer,
    dtVCR,
    dtVideodisc,
    dtWaveAudio,
};

// The device mode, numbered from the platform's not-ready mode.
enum TMPMode : std::uint8_t {
    mdNotReady,
    mdStopped,
    mdPlaying,
    mdRecording,
    mdSeeking,
    mdPaused,
    mdOpen,
};

enum TMPNotifyResult : std::uint8_t {
    nrSuccessful,
    nrSuperseded,
    nrAborted,
    nrFailure,
};

// A set of buttons held as a 16-bit mask, bit n for button n.
class TButtonSet {
public:
    constexpr TButtonSet() = default;
    constexpr explicit TButtonSet(std::uint16_t mask) : mask_(static_cast<std::uint16_t>(mask & 0x1FF)) {}
    constexpr TButtonSet(std::initializer_list<TMPBtnType> buttons) {
        for (TMPBtnType b : buttons) Include(b);
    }
    static constexpr TButtonSet All() { return TButtonSet(0x1FF); }

    constexpr std::uint16_t Mask() const { return mask_; }
    constexpr bool Empty() const { return mask_ == 0; }
    constexpr bool Has(TMPBtnType b) const { return (mask_ & Bit(b)) != 0; }
    constexpr void Include(TMPBtnType b) { mask_ = static_cast<std::uint16_t>(mask_ | Bit(b)); }
    constexpr void Exclude(TMPBtnType b) { mask_ = static_cast<std::uint16_t>(mask_ & ~Bit(b)); }
    constexpr int Count() const {
        int n = 0;
        for (std::uint16_t m = mask_; m != 0; m = static_cast<std::uint16_t>(m & (m - 1))) ++n;
        return n;
    }

    friend constexpr bool operator==(TButtonSet a, TButtonSet b) { return a.mask_ == b.mask_; }

private:
    static constexpr std::uint16_t Bit(TMPBtnType b) { return static_cast<std::uint16_t>(1u << b); }
    std::uint16_t mask_ = 0;
};
