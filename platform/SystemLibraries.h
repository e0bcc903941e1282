// System functions from libraries that start-up does not need: the file
// dialog (comdlg32), the media control interface and sounds (winmm) and
// transparent drawing (msimg32). The program imports them from nowhere; each
// library is loaded the first time one of its functions is called, so a
// start does not pay for loading it and the libraries these pull in
// (the shell, the print spooler, OLE). A library or function that cannot be
// found makes the call fail as the function itself reports failure.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>

namespace platform {

BOOL LateTransparentBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                        UINT transparent);
BOOL LateGetOpenFileNameA(OPENFILENAMEA* ofn);
MCIERROR LateMciSendCommandA(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params);
BOOL LateMciGetErrorStringA(MCIERROR error, LPSTR text, UINT size);
BOOL LatePlaySoundA(LPCSTR sound, HMODULE module, DWORD flags);

}  // namespace platform
