// Where start-up time goes, in a build configured with
// -DDAWNBELL_STARTUP_TRACE=ON: STARTUP_PROBE("name") adds the time of its
// scope to a bucket of that name, with the number of times the Wine server
// went to sleep meanwhile: its voluntary context switches, which with one
// client at work count the requests it served (Wine opens files in the
// server, so the /proc/thread-self/status read here is the server's own).
// Buckets nest (a font made while a window is built counts in both).
// WriteStartupTrace writes them to startup-trace.txt in the current folder.
// In other builds it all vanishes.
#pragma once

#ifdef DAWNBELL_STARTUP_TRACE
class StartupProbe {
public:
    explicit StartupProbe(const char* name);
    ~StartupProbe();
    StartupProbe(const StartupProbe&) = delete;
    StartupProbe& operator=(const StartupProbe&) = delete;

private:
    const char* name_;
    long long start_;
    long switches_;
};
void WriteStartupTrace();
// Notes the time since the process was created (and this thread's switches
// so far) under a name.
void StartupMilestone(const char* name);
#define STARTUP_PROBE_JOIN2(a, b) a##b
#define STARTUP_PROBE_JOIN(a, b) STARTUP_PROBE_JOIN2(a, b)
#define STARTUP_PROBE(name) StartupProbe STARTUP_PROBE_JOIN(startupProbe, __LINE__)(name)
#else
#define STARTUP_PROBE(name) static_cast<void>(0)
inline void WriteStartupTrace() {}
inline void StartupMilestone(const char*) {}
#endif
