#!/usr/bin/env bash
# The harness's own guard against held input: a key or button left down must fail the check
# where it happens and be named, then be let go so that later checks start clean.
source "$(dirname "$0")/lib.sh"
e2e_begin
# The X server keeps a key held only while a window has the focus: the main window takes it.
reg_clear
harvala_start
wait_until 30 window_shown || { fail "main window did not appear"; e2e_end; exit 1; }
focus "$(window_id)" && pass "the main window has the focus" || { e2e_end; exit 1; }

# Runs the guard as a script would and prints what it reported; fails when the guard passed.
guard_report() { (input_released "here" && exit 1; exit 0); }

check "nothing is held at the start" input_released "at the start"

xdotool keydown Escape
report=$(guard_report) && pass "a held Escape fails the guard" ||
  fail "a held Escape fails the guard"
check "the guard names Escape" grep -q "held: Escape)" <<<"$report"
check "the guard let go of it" input_released "after the guard let go"

xdotool keydown alt+t
report=$(guard_report)
check "a held combination is named key by key" grep -Eq "held: (Alt_L t|t Alt_L))" <<<"$report"

xdotool mousedown 1
report=$(guard_report)
check "a held mouse button is named" grep -q "held: button1)" <<<"$report"

# Pressed and released by the test itself, the key is not reported.
xdotool keydown Return
xdotool keyup Return
check "a key pressed and released leaves nothing held" input_released "after Return"

e2e_end
