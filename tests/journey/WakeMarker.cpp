// The program an alarm starts in the journeys: it appends one line to the
// file named on its command line, so that the journey sees it was started
// and how often, then ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (!commandLine || !*commandLine) return 2;
    FILE* f = std::fopen(commandLine, "ab");
    if (!f) return 1;
    std::fputs("started\n", f);
    return std::fclose(f) == 0 ? 0 : 1;
}
