#!/usr/bin/env bash
# Runs the window backend's tests (win32_backend_tests.exe from a cross build) under Wine, on
# a private Xvfb display and a private prefix. Usage: run.sh [build dir, default build/win].
set -uo pipefail
repo=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$repo/build/win}
exe=$build/win32_backend_tests.exe
[ -f "$exe" ] || { echo "no $exe: build the win32_backend_tests target first" >&2; exit 1; }
export WINEPREFIX=$build/backend-tests-prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
source "$repo/tests/e2e/xvfb.sh"
xvfb_start "$build/backend-tests-display" || exit 1
cleanup() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  kill "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 141' PIPE
trap 'exit 143' TERM
# The server stays up between the set-up and the run; its output must not hold a pipe open.
wineserver -p </dev/null >/dev/null 2>&1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i </dev/null >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  # Without a window manager, Wine draws the frames itself and closes windows at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
fi
timeout 300 wine "$exe" </dev/null
