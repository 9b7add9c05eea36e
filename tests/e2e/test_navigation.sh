#!/usr/bin/env bash
# The section menu under Wine: a left press moves the highlight bar, a right press does
# nothing, and the Options menu opens on a left release and closes again.
source "$(dirname "$0")/lib.sh"
e2e_begin

reg_clear
reg_set ChkTrans REG_DWORD 0
harvala_start
wait_until 30 window_shown || fail "window did not appear"

# A point of each entry's band right of its caption, where only the bar or the strip shows.
band_point() { echo "150 $((49 + 35 * ($1 - 1) + 30))"; }
# Read once the window is painted: then the bar on entry 1 stands out from the strip.
bar_stands_out() {
  bar_colour=$(pixel $(band_point 1))
  strip_colour=$(pixel $(band_point 5))
  test -n "$bar_colour" -a "$bar_colour" != "$strip_colour"
}
check "the bar and the strip differ" wait_until 10 bar_stands_out

click 40 $((49 + 35 * 4 + 17)) 1   # entry 5, on its caption
wait_until 10 test "$(pixel $(band_point 5))" = "$bar_colour"
check_eq "a left press moves the bar to the entry" "$bar_colour" "$(pixel $(band_point 5))"
# The strip shades from top to bottom, so a band without the bar only differs from it.
check "the first band no longer shows the bar" test "$(pixel $(band_point 1))" != "$bar_colour"

# The page icon fades in to the page's own picture.
asset_pixel() {
  convert "$E2E_REPO/assets/$1.bmp" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*srgb(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p'
}
icon_centre=$(asset_pixel Sec5 24 24)
wait_until 10 test "$(pixel 700 76)" = "$icon_centre"
check_eq "the Processor icon has faded in" "$icon_centre" "$(pixel 700 76)"

click 150 $((49 + 35 * 6 + 2)) 1  # entry 7's band, on the strip right of its caption
wait_until 10 test "$(pixel $(band_point 7))" = "$bar_colour"
check_eq "a left press on the strip between captions selects that band" "$bar_colour" \
  "$(pixel $(band_point 7))"
click 150 48 1                    # just above the first band
sleep 1
check_eq "a press above the bands leaves the bar" "$bar_colour" "$(pixel $(band_point 7))"

click 40 $((49 + 35 * 8 + 17)) 3   # entry 9, right button
sleep 1
check_eq "a right press leaves the bar where it was" "$bar_colour" "$(pixel $(band_point 7))"
check "a right press does not move the bar there" test "$(pixel $(band_point 9))" != "$bar_colour"

before=$(program_windows)
click 60 15 1                      # the Options button
wait_until 10 test "$(program_windows)" -gt "$before"
check "the Options menu opens on a left release" test "$(program_windows)" -gt "$before"
keys Escape
wait_until 10 test "$(program_windows)" -eq "$before"
check_eq "Escape closes the Options menu" "$before" "$(program_windows)"
check "the program still runs" harvala_running

e2e_end
