#include "platform/SystemLibraries.h"

namespace platform {
namespace {

// The function's address, looked up once; null when it is not there. A
// library stays loaded for the rest of the process.
template <typename Fn>
Fn Late(const char* library, const char* name) {
    HMODULE module = LoadLibraryA(library);
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

BOOL LateTransparentBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                        UINT transparent) {
    using Fn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
    static Fn fn = Late<Fn>("msimg32.dll", "TransparentBlt");
    return fn ? fn(dest, x, y, w, h, src, sx, sy, sw, sh, transparent) : FALSE;
}

BOOL LateGetOpenFileNameA(OPENFILENAMEA* ofn) {
    using Fn = BOOL(WINAPI*)(OPENFILENAMEA*);
    static Fn fn = Late<Fn>("comdlg32.dll", "GetOpenFileNameA");
    return fn ? fn(ofn) : FALSE;
}

MCIERROR LateMciSendCommandA(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) {
    using Fn = MCIERROR(WINAPI*)(MCIDEVICEID, UINT, DWORD_PTR, DWORD_PTR);
    static Fn fn = Late<Fn>("winmm.dll", "mciSendCommandA");
    return fn ? fn(device, message, flags, params) : MCIERR_CANNOT_LOAD_DRIVER;
}

BOOL LateMciGetErrorStringA(MCIERROR error, LPSTR text, UINT size) {
    using Fn = BOOL(WINAPI*)(MCIERROR, LPSTR, UINT);
    static Fn fn = Late<Fn>("winmm.dll", "mciGetErrorStringA");
    return fn ? fn(error, text, size) : FALSE;
}

BOOL LatePlaySoundA(LPCSTR sound, HMODULE module, DWORD flags) {
    using Fn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
    static Fn fn = Late<Fn>("winmm.dll", "PlaySoundA");
    return fn ? fn(sound, module, flags) : FALSE;
}

}  // namespace platform
