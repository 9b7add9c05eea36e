#!/usr/bin/env bash
# Start-up, settings, single instance, transparency and ending, seen from outside.
source "$(dirname "$0")/lib.sh"
e2e_begin

start_and_wait() {
  harvala_start
  wait_until 30 window_shown
}

# The right-most client x of the white text of menu entry 2. The tinted strip has no near-white
# pixel of its own, so the text alone shows its width, and with it the language.
entry2_text_right() {
  local geometry w h ox oy shot=$E2E_OUT/entry2.png
  geometry=$(probe client) || return 1
  read -r w h ox oy <<<"$geometry"
  import -window root "$shot" 2>/dev/null || return 1
  convert "$shot" -crop "150x20+$((ox + 20))+$((oy + 90))" +repage -depth 8 txt:- 2>/dev/null |
    sed -n 's/^\([0-9]*\),[0-9]*: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p' |
    awk '$2 >= 200 && $3 >= 200 && $4 >= 200 && $1 > m { m = $1 } END { print m + 20 }'
}

# A grey skin pixel of level g under a tint and shine: each channel g + tint + shine - 244,
# clamped. tinted_grey G RED GREEN BLUE SHINE -> "r,g,b"
tinted_grey() {
  local out="" tint v
  for tint in "$2" "$3" "$4"; do
    v=$(($1 + tint + $5 - 244))
    ((v < 0)) && v=0
    ((v > 255)) && v=255
    out+="${out:+,}$v"
  done
  echo "$out"
}
# The grey of the top strip's picture at (230, 15), shown at client (400, 15).
top_grey=$(convert "$E2E_REPO/assets/SkinTop.bmp" -crop "1x1+230+15" -depth 8 txt:- 2>/dev/null |
  sed -n 's/.*srgb(\([0-9]*\),.*/\1/p')

# Starts with the settings already seeded, waits for the window, then closes the program.
run_once() {
  start_and_wait || { fail "window did not appear"; harvala_stop; return 1; }
  probe close >/dev/null
  harvala_wait_exit 10 || { fail "did not end after close"; harvala_stop; }
}

# First run: the five defaults are written with their types.
reg_clear
start_and_wait && pass "first run shows the main window" || fail "first run shows the main window"
check_eq "Language default" "REG_SZ English" "$(reg_get Language)"
check_eq "ColorValue default" "REG_DWORD 0xff9600" "$(reg_get ColorValue)"
check_eq "ShineValue default" "REG_DWORD 0x30" "$(reg_get ShineValue)"
check_eq "ChkTrans default" "REG_DWORD 0x1" "$(reg_get ChkTrans)"
check_eq "Transparency default" "REG_DWORD 0x0" "$(reg_get Transparency)"
check_eq "SCV is not written at start-up" "" "$(reg_get SCV)"
check_eq "exactly the five values are written" "ChkTrans ColorValue Language ShineValue Transparency" \
  "$(reg_names | sort | xargs)"
check_eq "client area is 777 x 553" "777 553" "$(probe client | cut -d' ' -f1-2)"
check_eq "caption" "1" "$(xdotool search --onlyvisible --name "^Brenlow Harvala\$" | wc -l)"
wait_until 10 test "$(probe alpha)" = 255
check_eq "fade-in ends opaque at transparency 0" "255" "$(probe alpha)"
english_entry2=$(entry2_text_right)
check_eq "the skin takes the default colour" "$(tinted_grey "$top_grey" 0 150 255 24)" \
  "$(pixel 400 15)"

# A second copy ends at once without showing a window.
(cd "$E2E_OUT" && exec wine "$E2E_EXE" </dev/null >/dev/null 2>&1) &
second=$!
end=$((SECONDS + 15))
while kill -0 $second 2>/dev/null && [ $SECONDS -lt $end ]; do sleep 0.2; done
if kill -0 $second 2>/dev/null; then
  fail "second instance ends at once"
  kill $second
else
  pass "second instance ends at once"
fi
check_eq "still one main window" "1" "$(xdotool search --onlyvisible --name "^Brenlow Harvala\$" | wc -l)"

# Closing the window ends the program, after its fade-out.
probe close >/dev/null
harvala_wait_exit 10 && pass "close ends the program (with fade-out)" || fail "close ends the program"

# Valid values are kept; blanks around the language are allowed.
reg_clear
reg_set Language REG_SZ "  Dutch "
reg_set ColorValue REG_DWORD 255
reg_set ShineValue REG_DWORD 47
reg_set ChkTrans REG_DWORD 1
reg_set Transparency REG_DWORD 30
start_and_wait && pass "starts with seeded settings" || fail "starts with seeded settings"
check_eq "'  Dutch ' is kept" "REG_SZ   Dutch " "$(reg_get Language)"
check_eq "ColorValue 255 kept" "REG_DWORD 0xff" "$(reg_get ColorValue)"
check_eq "ShineValue 47 kept" "REG_DWORD 0x2f" "$(reg_get ShineValue)"
wait_until 10 test "$(probe alpha)" = 178
check_eq "fade-in ends at the user's level (30 % -> alpha 178)" "178" "$(probe alpha)"
# "User account" in English, "Gebruikersaccount" in Dutch: a good 30 pixels wider.
dutch_entry2=$(entry2_text_right)
check_eq "the skin takes the stored colour (red) and shine" "$(tinted_grey "$top_grey" 255 0 0 24)" \
  "$(pixel 400 15)"
if [ "${dutch_entry2:-0}" -gt $((${english_entry2:-999} + 15)) ]; then
  pass "'  Dutch ' loads the Dutch texts"
else
  fail "'  Dutch ' loads the Dutch texts (entry 2 ends at ${dutch_entry2:-?}, English at ${english_entry2:-?})"
fi
probe close >/dev/null
harvala_wait_exit 10 && pass "close with transparency ends the program" || fail "close with transparency"

# Invalid values are replaced by their defaults.
reg_clear
reg_set Language REG_SZ "dutch"
reg_set ColorValue REG_DWORD 254
reg_set ShineValue REG_DWORD 49
reg_set ChkTrans REG_DWORD 2
reg_set Transparency REG_DWORD 81
run_once
check_eq "'dutch' replaced" "REG_SZ English" "$(reg_get Language)"
check_eq "ColorValue 254 replaced" "REG_DWORD 0xff9600" "$(reg_get ColorValue)"
check_eq "ShineValue 49 replaced" "REG_DWORD 0x30" "$(reg_get ShineValue)"
check_eq "ChkTrans 2 replaced" "REG_DWORD 0x1" "$(reg_get ChkTrans)"
check_eq "Transparency 81 replaced" "REG_DWORD 0x0" "$(reg_get Transparency)"

# Values of the wrong kind are judged, never fatal.
reg_clear
reg_set Language REG_BINARY "00ff10"
reg_set ColorValue REG_SZ "30000"
reg_set ShineValue REG_SZ "abc"
reg_set ChkTrans REG_SZ " 0 "
reg_set Transparency REG_MULTI_SZ "x"
start_and_wait && pass "odd value types do not stop start-up" || fail "odd value types"
check_eq "binary Language replaced" "REG_SZ English" "$(reg_get Language)"
check_eq "ColorValue as text 30000 kept" "REG_SZ 30000" "$(reg_get ColorValue)"
check_eq "ShineValue 'abc' replaced" "REG_DWORD 0x30" "$(reg_get ShineValue)"
check_eq "ChkTrans ' 0 ' kept" "REG_SZ  0 " "$(reg_get ChkTrans)"
check_eq "Transparency as a list replaced" "REG_DWORD 0x0" "$(reg_get Transparency)"
check_eq "transparency off: the window is never layered" "opaque" "$(probe alpha)"
probe close >/dev/null
harvala_wait_exit 5 && pass "close without transparency ends at once" || fail "close without transparency"

e2e_end
