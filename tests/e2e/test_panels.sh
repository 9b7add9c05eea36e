#!/usr/bin/env bash
# The customise and About panels under Wine: changes made in the customise panel apply at
# once and Accept stores only them; the About panel's link and "Visit the website" open
# their addresses in the browser.
source "$(dirname "$0")/lib.sh"
e2e_begin

# Wine hands web addresses to the programs listed under WineBrowser; this one only records
# its argument.
URLS="$E2E_OUT/opened_urls.txt"
BROWSER="$E2E_OUT/record_url.sh"
rm -f "$URLS"
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$URLS" >"$BROWSER"
chmod +x "$BROWSER"
wine_tool reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$BROWSER" /f >/dev/null

# Options -> the n-th item by keyboard once the popup is there (separators are skipped).
choose_option() {
  local before
  before=$(program_windows)
  click 52 12
  wait_until 5 test "$(program_windows)" -gt "$before" || return 1
  local i
  for ((i = 0; i < $1; i++)); do keys Down; done
  keys Return
  wait_until 5 test "$(program_windows)" -eq "$before"
}
url_recorded() { [ -f "$URLS" ] && grep -qxF "$1" "$URLS"; }
# The rightmost dark pixel of the credit line: the end of the link that follows the credit.
link_end() {
  local geometry w h ox oy shot=$E2E_OUT/about.png
  geometry=$(probe client) || return 1
  read -r w h ox oy <<<"$geometry"
  import -window root "$shot" 2>/dev/null || return 1
  convert "$shot" -crop "340x12+$((ox + 208))+$((oy + 357))" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:]' '/srgb/ { split($0, a, "srgb\\("); split(a[2], c, ",");
                            if (c[1] + 0 < 160 && $1 > max) max = $1 } END { print max + 0 }'
}

reg_clear
reg_set Language REG_SZ English
reg_set ChkTrans REG_DWORD 0
reg_set Transparency REG_DWORD 30
reg_set ShineValue REG_DWORD 20
harvala_start
wait_until 30 window_shown || { fail "main window did not appear"; e2e_end; exit 1; }
sleep 1
check_eq "the window starts opaque" "opaque" "$(probe alpha)"

choose_option 1 && pass "Customize opens from the Options menu" ||
  fail "Customize opens from the Options menu"
sleep 1
click 492 188                      # Allow transparency
wait_until 5 test "$(probe alpha)" = 178
check_eq "ticking the switch applies the stored 30 % at once" 178 "$(probe alpha)"
click 400 384                      # the shine bar, right of its thumb: 20 -> 30
click 260 322                      # the colour bar, left of its thumb: 122 -> 112
sleep 1
check_eq "nothing is stored before Accept" "REG_DWORD 0x0" "$(reg_get ChkTrans)"
click 670 479                      # Accept
wait_until 5 test "$(reg_get ChkTrans)" = "REG_DWORD 0x1"
check_eq "Accept stores the switch" "REG_DWORD 0x1" "$(reg_get ChkTrans)"
check_eq "Accept stores the shine" "REG_DWORD 0x1e" "$(reg_get ShineValue)"
check_eq "Accept stores the spectrum column" "REG_DWORD 0x70" "$(reg_get SCV)"
colour=$(reg_get ColorValue)
check "Accept stores the new colour" test -n "$colour" -a "$colour" != "REG_DWORD 0xff9900"
check_eq "the untouched level keeps its stored value" "REG_DWORD 0x1e" "$(reg_get Transparency)"
check_eq "the unchanged language is not rewritten" "REG_SZ English" "$(reg_get Language)"

# The same panel from the keyboard: Tab walks the language list and the colour and shine
# bars to the check box, Space clears it, and Enter on Accept stores that.
choose_option 1 || fail "Customize opens again"
sleep 1
keys Escape                        # closes nothing: the panel stays
keys Tab Tab Tab Tab space
wait_until 5 test "$(probe alpha)" = 255
check_eq "Space on the focused check box turns transparency off" 255 "$(probe alpha)"
keys Tab Return                    # the transparency bar is disabled now: on to Accept
wait_until 5 test "$(reg_get ChkTrans)" = "REG_DWORD 0x0"
check_eq "Enter on the focused Accept stores the switch" "REG_DWORD 0x0" "$(reg_get ChkTrans)"
# Minimized and restored, the window gives the focus back to Accept: Enter still presses it.
choose_option 1 || fail "Customize opens a third time"
sleep 1
keys Tab Tab Tab Tab space Tab Tab # the switch on again, past the transparency bar to Accept
probe minimize && probe restore || fail "the window is minimized and restored"
keys Return
wait_until 5 test "$(reg_get ChkTrans)" = "REG_DWORD 0x1"
check_eq "Enter on Accept after a minimize and restore stores it" "REG_DWORD 0x1" "$(reg_get ChkTrans)"

choose_option 3 && pass "About opens from the Options menu" ||
  fail "About opens from the Options menu"
# Read once the panel is painted.
link_shown() { end_x=$(link_end) && [ "${end_x:-0}" -gt 100 ]; }
check "the credit line shows a link" wait_until 10 link_shown
click $((208 + end_x - 3)) 363 3   # a right press does nothing
click $((208 + end_x - 3)) 363 1
wait_until 15 url_recorded "https://harvala.example/translators/"
check "the link opens the translators' site" url_recorded "https://harvala.example/translators/"
check_eq "only the left press opened it" 1 "$(wc -l <"$URLS" 2>/dev/null || echo 0)"
click 670 479                      # Accept
sleep 1
choose_option 4 && pass "Visit the website is chosen from the Options menu" ||
  fail "Visit the website is chosen from the Options menu"
wait_until 15 url_recorded "https://harvala.example/"
check "Visit the website opens the maker's site" url_recorded "https://harvala.example/"
check "the program still runs" harvala_running

e2e_end
