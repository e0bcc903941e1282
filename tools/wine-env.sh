# Sourced by scripts/run, scripts/test and the journeys: chooses how Windows
# programs run here, keeps a private Wine prefix under the build folder (made
# once and reused), and provides an X display (a private Xvfb when none is
# set). Expects BUILD to name the build folder.
#
# Dawnbell is a 32-bit program. Some machines' kernels refuse 32-bit ELF
# programs, and then Wine's 32-bit loader cannot start; there the program and
# its tests run as a 64-bit build of the same sources under 64-bit Wine.

if [ -z "${DAWNBELL_WINE_ARCH:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    DAWNBELL_WINE_ARCH=win32
  else
    DAWNBELL_WINE_ARCH=win64
  fi
fi
export DAWNBELL_WINE_ARCH
if [ "$DAWNBELL_WINE_ARCH" = win32 ]; then
  export WINE=/usr/lib/wine/wine
  unset WINELOADER
else
  export WINE=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
fi
# The build whose programs run under Wine here.
DAWNBELL_RUN_BUILD="$BUILD/$DAWNBELL_WINE_ARCH"
export WINEPREFIX="$BUILD/wineprefix-$DAWNBELL_WINE_ARCH"
export WINEARCH=$DAWNBELL_WINE_ARCH
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

start_private_xvfb() {
  local n
  for n in $(seq 91 120); do
    if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    export DISPLAY=":$n"
    return 0
  done
  echo "no free display number for Xvfb" >&2
  return 1
}

ensure_display() {
  XVFB_PID=""
  if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    start_private_xvfb
  fi
}

ensure_prefix() {
  if [ -f "$WINEPREFIX/.dawnbell-ready" ]; then
    wineserver -p </dev/null >/dev/null 2>&1
    return 0
  fi
  echo "making the Wine prefix $WINEPREFIX (once)"
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  "$WINE" wineboot -i </dev/null >/dev/null 2>&1
  # A crash exits with a backtrace instead of waiting in a dialog; without a
  # window manager Wine draws its own frames (managed mode stalls and draws no
  # caption).
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Stopping the server writes the registry out; then start it again.
  wineserver -k 2>/dev/null
  sleep 1
  wineserver -p </dev/null >/dev/null 2>&1
  touch "$WINEPREFIX/.dawnbell-ready"
}

# A second prefix at $1 made once from the current one, so that a run can
# change its settings (fonts, resolution) without touching the shared one:
# the files are hard links (cheap; Wine replaces rather than rewrites them),
# the registry is copied (the server writes it back). Expects the current
# prefix's server stopped or its registry written out.
copy_prefix() {
  local dst=$1
  [ -f "$dst/.dawnbell-ready" ] && return 0
  rm -rf "$dst"
  mkdir -p "$dst"
  cp -al "$WINEPREFIX/drive_c" "$dst/"
  cp -a "$WINEPREFIX/dosdevices" "$WINEPREFIX"/*.reg "$WINEPREFIX/.update-timestamp" "$dst/" 2>/dev/null
  touch "$dst/.dawnbell-ready"
}
