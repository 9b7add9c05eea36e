#!/usr/bin/env bash
# The RAM, Hard drives, Bios and Display pages under Wine, read back through the clipboard
# (Copy all) and held against what Wine's own WMI tool reports; the RAM page's memory in
# use moves on by itself once a second while the page is shown.
source "$(dirname "$0")/lib.sh"
e2e_begin

wmic_values() {
  wmic_text "$@" | tail -n +2 | sed 's/ *$//; /^$/d'
}
# Copies the whole page shown: the text on the clipboard, CR removed.
# The clipboard is emptied first, so that the text read is this copy's, not an earlier one.
copy_all() {
  local before
  clear_clipboard
  before=$(program_windows)
  click 650 470 3
  wait_until 10 test "$(program_windows)" -gt "$before"
  keys Down Down Return
  wait_until 10 test -n "$(clipboard)"
  clipboard | tr -d '\r'
}
# Shows menu entry k and copies its page. The page is filled within the press, before the
# program takes the next click.
page_text() {
  click 40 $((49 + 35 * ($1 - 1) + 17)) 1
  copy_all
}
row() { grep -m1 "^$1" <<<"$2"; }

reg_clear
reg_set ChkTrans REG_DWORD 0
harvala_start
wait_until 30 window_shown || fail "window did not appear"
sleep 1

ram=$(page_text 6)
check_eq "the RAM page's title line" "RAM" "$(sed -n 1p <<<"$ram")"
total_mb=$(wmic_values memorychip get capacity | awk '{ s += $1 / 1024 } END { printf "%d\n", s / 1024 }')
total=$(awk -v mb="$total_mb" 'BEGIN { if (mb < 1) print "Unknown"; else if (mb < 1024) print mb " MB";
                                         else printf "%d GB\n", int(mb / 1024) }')
check_eq "total memory as wmic reports it" "Total memory: $total" "$(row 'Total memory:' "$ram")"
check "memory in use with its share" \
  grep -Eq '^Memory in use: [0-9]+ MB \([0-9]+%\)$' <<<"$(row 'Memory in use:' "$ram")"
check "available memory with its share" \
  grep -Eq '^Available memory: [0-9]+ MB \([0-9]+%\)$' <<<"$(row 'Available memory:' "$ram")"
# The refresh rewrites the label in place, without the page being shown again: some second
# within fifteen shows another figure.
# On a quiet machine the free memory may hold still to the megabyte, so another process
# takes and touches 300 MB for the while.
first=$(row 'Available memory:' "$ram")
python3 -c 'import time; b = bytearray(300 << 20); b[::4096] = b"x" * len(b[::4096]); time.sleep(20)' &
hog=$!
moved() { [ "$(row 'Available memory:' "$(copy_all)")" != "$first" ]; }
check "the memory figures move on while the page is shown" wait_until 15 moved
kill "$hog" 2>/dev/null
wait "$hog" 2>/dev/null

drives=$(page_text 7)
check_eq "the Hard drives page's title line" "Hard drives" "$(sed -n 1p <<<"$drives")"
letters=$(wmic_values logicaldisk get caption,drivetype | awk '$2 == 3 { printf "%s(%s)", n++ ? " - " : "", $1 }')
check_eq "every fixed volume's letter, in order" "Drive letter: $letters" \
  "$(row 'Drive letter:' "$drives")"
check "one capacity entry per fixed volume" test \
  "$(row 'Capacity:' "$drives" | grep -o '(' | wc -l)" -eq "$(grep -o '(' <<<"$letters" | wc -l)"

bios=$(page_text 8)
check_eq "the firmware version as wmic reports it" \
  "Version: $(wmic_values bios get smbiosbiosversion | head -1)" "$(row 'Version:' "$bios")"
released=$(wmic_values bios get releasedate | head -1)
check "the release date in the short date format" \
  grep -Eq "^Released: 0?${released:6:2}/0?${released:4:2}/${released:0:4}$|^Released: 0?$((10#${released:4:2}))/0?$((10#${released:6:2}))/${released:0:4}$" \
  <<<"$(row 'Released:' "$bios")"

display=$(page_text 9)
vram=$(wmic_values path Win32_VideoController get AdapterRAM | head -1)
vram_mb=$(awk -v b="$vram" 'BEGIN { if (b < 0) b += 4294967296; print int(b / 1048576) }')
memory=$(awk -v mb="$vram_mb" 'BEGIN { if (mb < 1) print "Unknown"; else if (mb < 1024) print mb " MB";
                                       else printf "%d GB\n", int(mb / 1024) }')
check_eq "graphics memory as wmic reports it" "Memory size: $memory" "$(row 'Memory size:' "$display")"
check_eq "the card's name as wmic reports it" \
  "Graphics card name: $(wmic_values path Win32_VideoController get name | head -1)" \
  "$(row 'Graphics card name:' "$display")"

e2e_end
