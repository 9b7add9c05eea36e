#!/usr/bin/env bash
# Builds harvala.exe and starts it under Wine, in a private prefix (build/run-prefix). Where no
# display is set, it starts an Xvfb display of its own (:90).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j"$(nproc)" --target harvala
export WINEPREFIX=$PWD/build/run-prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :90 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  export DISPLAY=:90
  sleep 1
  echo "Harvala runs on the Xvfb display :90 (no display was set)."
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i </dev/null >/dev/null 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
exec wine build/win/harvala.exe </dev/null
