# Shared harness of the end-to-end tests: the real harvala.exe under Wine on a private Xvfb
# display and a private prefix, observed only from outside (registry, window, pixels,
# clipboard, files). Source it, call e2e_begin, run checks, end with e2e_end.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

E2E_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_OUT=${E2E_OUT:-$E2E_REPO/build/e2e}
E2E_EXE=${E2E_EXE:-$E2E_REPO/build/win/harvala.exe}
E2E_PROBE=${E2E_PROBE:-$E2E_REPO/build/win/harvala_probe.exe}
export WINEPREFIX=${E2E_PREFIX:-$E2E_OUT/prefix}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
TITLE="Brenlow Harvala"
SETTINGS_KEY='HKCU\Software\Classes\VirtualStore\MACHINE\SOFTWARE\Brenlow\Harvala'
E2E_PASSED=0
E2E_FAILED=0
E2E_XVFB_PID=""
HARVALA_PID=""

e2e_log() { echo "  $*"; }
pass() { E2E_PASSED=$((E2E_PASSED + 1)); echo "ok   - $*"; }
fail() { E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL - $*"; }
check() {  # check "description" command...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}
check_eq() {  # check_eq "description" expected actual
  if [ "$2" == "$3" ]; then pass "$1"; else fail "$1 (expected '$2', got '$3')"; fi
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  while [ $SECONDS -lt $end ]; do
    "$@" && return 0
    sleep 0.2
  done
  "$@"
}

e2e_display() {
  xvfb_start "$E2E_OUT" || return 1
  E2E_XVFB_PID=$XVFB_PID
}

e2e_prefix() {
  mkdir -p "$E2E_OUT"
  # A program left running here by a run that was cut short would hold the single-instance
  # lock, and the program this run starts would end at once.
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
  wineserver -p </dev/null >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i </dev/null >/dev/null 2>&1
    # Debian's Wine does not look in its own font folder: without Tahoma the captions fall
    # back to another face.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # No window manager runs here; unmanaged windows close without a 2 s wait.
    wine_tool reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  fi
}

e2e_begin() {
  [ -f "$E2E_EXE" ] || { echo "missing $E2E_EXE" >&2; exit 1; }
  # However the script ends, cut short too, the program, the prefix's server and the display
  # end with it.
  trap e2e_cleanup EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 141' PIPE
  trap 'exit 143' TERM
  e2e_display || exit 1
  e2e_prefix
}

e2e_cleanup() {
  harvala_stop
  wineserver -k </dev/null >/dev/null 2>&1
  wineserver -w </dev/null >/dev/null 2>&1
  [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null
  E2E_XVFB_PID=""
}

e2e_end() {
  input_released "at the end of the script"
  e2e_cleanup
  trap - EXIT
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ]
}

# Runs a Windows console program (wine_tool EXE ARGS...) and prints what it wrote to stdout.
# Now and then Wine ends a freshly started process with exit code 1 before the program has run:
# nothing is written, to stdout or stderr (seen about once in a hundred runs of the locale test,
# and once as a click that never came, its window probe having ended so). The programs run here
# never end that way themselves, so the cause lies in Wine, outside the program under test, and
# such a start is made again, three times at most.
wine_tool() {
  local out code try errors=$E2E_OUT/wine_tool.err
  for try in 1 2 3; do
    out=$(wine "$@" </dev/null 2>"$errors")
    code=$?
    [ "$code" -eq 1 ] && [ -z "$out" ] && [ ! -s "$errors" ] || break
  done
  [ -z "$out" ] || printf '%s\n' "$out"
  return "$code"
}

# Settings in the program's key. Values are seeded before the program starts.
reg_clear() { wine_tool reg delete "$SETTINGS_KEY" /f >/dev/null || true; }
reg_set() {  # reg_set Name TYPE data
  wine_tool reg add "$SETTINGS_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null
}
# Prints "TYPE data" of a value, or nothing when it is missing.
reg_get() {
  # Lines read "    Name    REG_TYPE    data"; the data keeps its own blanks.
  wine_tool reg query "$SETTINGS_KEY" /v "$1" | tr -d '\r' |
    sed -n "s/^    $1    \(REG_[A-Z_]*\)    \(.*\)\$/\1 \2/p"
}
# The value names of the key in the order they were written.
reg_names() {
  wine_tool reg query "$SETTINGS_KEY" | tr -d '\r' | awk '$2 ~ /^REG_/ { print $1 }'
}

# What `wine wmic ARGS` prints, as UTF-8 without CRs, heading included. Under load wmic now
# and then answers with nothing at all; it is asked again, three times at most.
wmic_text() {
  local out try
  for try in 1 2 3; do
    out=$(wine wmic "$@" </dev/null 2>/dev/null | iconv -f UTF-16 -t UTF-8 2>/dev/null | tr -d '\r')
    [ "$(printf '%s\n' "$out" | sed -n '2,$p' | tr -d ' \n')" != "" ] && break
  done
  printf '%s\n' "$out"
}

harvala_start() {
  (cd "$E2E_OUT" && exec wine "$E2E_EXE" </dev/null >/dev/null 2>&1) &
  HARVALA_PID=$!
}
harvala_running() { [ -n "$HARVALA_PID" ] && kill -0 "$HARVALA_PID" 2>/dev/null; }
harvala_stop() {
  if harvala_running; then
    kill "$HARVALA_PID" 2>/dev/null
    wait "$HARVALA_PID" 2>/dev/null
  fi
  HARVALA_PID=""
}
# Waits for the program to end by itself; false when it is still running after $1 seconds.
harvala_wait_exit() {
  local end=$((SECONDS + $1))
  while [ $SECONDS -lt $end ]; do
    harvala_running || { wait "$HARVALA_PID" 2>/dev/null; HARVALA_PID=""; return 0; }
    sleep 0.2
  done
  return 1
}

probe() { wine_tool "$E2E_PROBE" "$@" "$TITLE" | tr -d '\r'; }
window_shown() { wine_tool "$E2E_PROBE" exists "$TITLE" >/dev/null; }
# Whether a window of the program has an enabled control captioned $1.
control_enabled() { wine_tool "$E2E_PROBE" enabled "$TITLE" "$1" >/dev/null; }
window_id() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1; }

# The clipboard's text; nothing when it holds none or its owner does not answer within 5 s.
clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
# Empties the clipboard. xclip stays behind to serve it until another program takes it: with
# its output sent nowhere, it never holds open the pipe of a $(...) it runs in, which would
# wait for it forever when the program under test puts nothing there.
clear_clipboard() { printf '' | xclip -selection clipboard >/dev/null 2>&1; }
# Input. A key or button the X server still holds down repeats into whichever window takes the
# focus next (a popup menu that opens then closes itself on a repeated Escape), so a held key
# fails the check where it was left held, naming it, and is let go for the checks after it.
input_released() {  # input_released WHERE
  local held
  held=$(/usr/bin/python3 "$E2E_REPO/tests/e2e/held_input.py" --release) && return 0
  fail "no key or mouse button is held $1 (held: $held)"
  return 1
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# Gives window W the keyboard focus and waits until it has it.
focus() {
  [ -n "$1" ] || { fail "a window to send keys to is shown"; return 1; }
  focused "$1" && return 0
  xdotool windowfocus "$1" 2>/dev/null
  wait_until 5 focused "$1" || { fail "window $1 takes the focus"; return 1; }
}
# Every key of the scripts goes through here, its press and its release both through XTEST to
# the window that has the focus. (Sent to a named window, xdotool uses XTEST only while that
# window has the focus, XSendEvent otherwise: when a press closes a dialog, its release goes to
# the window that is gone, and the X server keeps the key down.)
#   keys [--window W] KEY...    each key or combination (alt+t) pressed and released in turn
#   keys [--window W] --text T  the text T typed
keys() {
  if [ "${1-}" = --window ]; then
    focus "${2-}" || return 1
    shift 2
  fi
  if [ "${1-}" = --text ]; then
    xdotool type --delay 15 "$2"
    input_released "after typing $2"
    return
  fi
  local key
  for key in "$@"; do
    xdotool key "$key"
    input_released "after the key $key" || return 1
  done
}
# Clicks at a point of the screen: click_at X Y [button]
click_at() {
  xdotool mousemove "$1" "$2" click "${3:-1}"
  input_released "after a click at $1,$2"
}
# Clicks at a point of the main window's client area: click X Y [button]
click() {
  local geometry w h ox oy
  geometry=$(probe client) || return 1
  read -r w h ox oy <<<"$geometry"
  click_at "$((ox + $1))" "$((oy + $2))" "${3:-1}"
}
screenshot() { import -window root "$1" 2>/dev/null; }

# The colour "r,g,b" of a client-area pixel, read from a screenshot of the screen.
pixel() {
  local geometry w h ox oy shot=$E2E_OUT/pixel.png
  geometry=$(probe client) || return 1
  read -r w h ox oy <<<"$geometry"
  import -window root "$shot" 2>/dev/null || return 1
  convert "$shot" -crop "1x1+$((ox + $1))+$((oy + $2))" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*srgb(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p'
}
# The report window has the main window's title; it is the one whose client area is 417 wide.
# Without a window manager Wine draws the frame inside the X window: equal side and bottom
# borders, the caption above. Prints its X window and its client area's origin: "W X Y".
report_window() {
  local w geometry
  for w in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
    geometry=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null) || continue
    eval "$geometry"
    local border=$(((WIDTH - 417) / 2))
    if [ "$border" -ge 0 ] && [ "$border" -le 8 ]; then
      echo "$w $((X + border)) $((Y + HEIGHT - 181 - border))"
      return 0
    fi
  done
  return 1
}
# Presses the report window's Save once the report is done: Save, captioned as the dialog it
# opens ($1), stays disabled until then.
press_save() {
  local w ox oy
  wait_until 60 control_enabled "$1" || return 1
  read -r w ox oy <<<"$(report_window)" || return 1
  click_at "$((ox + 246))" "$((oy + 159))"
}
# How many visible top-level windows the program has (popups count as windows of their own).
program_windows() { xdotool search --onlyvisible --class harvala.exe 2>/dev/null | wc -l; }
