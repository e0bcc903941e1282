// A platform for tests: a settable clock, a locale table, the built-in string
// table (with overrides), a launcher that records command lines and returns
// chosen results, a scripted media device hook, a message box that records
// and answers, and recorders of sounds, the wake-up timer and the execution
// state. Install with ScopedPlatform.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace fakes {

class FakePlatform : public platform::Platform {
public:
    // Clock.
    platform::LocalTime now{2026, 12, 1, 7, 7, 5, 0, 0};  // Mon 7 Dec 2026 07:05:00.000
    void SetNow(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0);

    // Locale: items present in the map are returned, others fail.
    platform::LCID lcid = 0x0409;
    std::map<platform::LCTYPE, std::string> locale;

    // String table overrides; ids not listed come from the built-in table.
    std::map<unsigned, std::string> strings;

    // Launcher.
    std::vector<std::pair<std::string, unsigned>> launched;  // command line, show command
    unsigned execResult = 33;
    // When set, answers in place of execResult (e.g. the real launcher).
    std::function<unsigned(const char*, unsigned)> exec;
    std::string commandLine = "Dawnbell.exe";
    std::string moduleFileName = "C:\\ALARM\\DAWNBELL.EXE";

    // Media control: a test installs its own device script.
    std::function<platform::MciError(platform::MciDevice, std::uint32_t, std::uintptr_t, void*)> mci;
    std::map<platform::MciError, std::string> mciErrors;

    // Message box: records each call and answers messageBoxAnswer.
    struct Box {
        void* owner;
        std::string text, caption;
        unsigned flags;
    };
    std::vector<Box> boxes;
    int messageBoxAnswer = 1;
    std::function<void()> onMessageBox;  // runs while the "box" is up

    // Sounds: each call's sound (empty for null) and flags; playSoundResult
    // is the answer.
    struct Sound {
        std::string sound;
        std::uint32_t flags;
    };
    std::vector<Sound> sounds;
    bool playSoundResult = true;

    // Wake-up timer: the due time while set; setWakeTimerResult answers
    // SetWakeTimer (a refused one is not recorded as set).
    bool wakeTimerSet = false;
    platform::LocalTime wakeDue{};
    int wakeTimerSets = 0;
    bool setWakeTimerResult = true;

    // Execution state: every request in order, and the state in force.
    std::vector<std::uint32_t> executionStates;
    std::uint32_t executionState = 0x80000000;  // ES_CONTINUOUS alone

    platform::LocalTime GetLocalTime() override { return now; }
    platform::LCID GetSystemDefaultLCID() override { return lcid; }
    int LocaleInfo(platform::LCID, platform::LCTYPE item, char* buf, int size) override;
    int CompareText(platform::LCID, std::uint32_t flags, const char* a, int lenA, const char* b,
                    int lenB) override;
    int LoadResourceString(unsigned id, char* buf, int size) override;
    unsigned WinExec(const char* cmd, unsigned show) override;
    std::string CommandLine() override { return commandLine; }
    std::string ModulePath() override { return moduleFileName; }
    platform::MciError MciSendCommand(platform::MciDevice device, std::uint32_t message,
                                      std::uintptr_t flags, void* params) override;
    bool MciGetErrorString(platform::MciError error, char* buf, unsigned size) override;
    int SystemMessageBox(void* owner, const char* text, const char* caption, unsigned flags) override;
    bool PlaySystemSound(const char* sound, std::uint32_t flags) override;
    bool SetWakeTimer(const platform::LocalTime& due) override;
    void CancelWakeTimer() override { wakeTimerSet = false; }
    std::uint32_t SetThreadExecutionState(std::uint32_t flags) override;
};

// Installs a platform for the life of the object.
class ScopedPlatform {
public:
    explicit ScopedPlatform(platform::Platform& p) : previous_(platform::SetPlatform(&p)) {}
    ~ScopedPlatform() { platform::SetPlatform(previous_); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    platform::Platform* previous_;
};

}  // namespace fakes
