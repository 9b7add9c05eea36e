#!/usr/bin/env bash
# The User account, Computer, Operating system and Processor pages under Wine, read back
# through the copy menu's Copy all and compared with what Wine's own WMI tool reports.
# Wine lists no user accounts or login profiles: that page must still show the user's name
# and the usage time, with "Unknown" for the rest, and the program must keep running.
source "$(dirname "$0")/lib.sh"
e2e_begin

wmic_values() {
  wmic_text "$@" | tail -n +2 | sed 's/^ *//; s/ *$//; /^$/d'
}
# First letter upper case, the rest lower case.
capitalised() { awk '{ print toupper(substr($0, 1, 1)) tolower(substr($0, 2)) }' <<<"$1"; }

# Shows menu entry $1 and prints the whole page as Copy all puts it on the clipboard. The page
# is filled within the press, before the program takes the next click.
page_text() {
  local before
  click 40 $((49 + 35 * ($1 - 1) + 17)) 1
  clear_clipboard
  before=$(program_windows)
  click 650 470 3 # the page background, right button
  wait_until 10 test "$(program_windows)" -gt "$before"
  keys Down Down Return # "Copy all", whether or not "Copy" is skipped
  wait_until 10 test -n "$(clipboard)"
  clipboard | tr -d '\r'
}
line() { sed -n "$2p" <<<"$1"; }

reg_clear
reg_set ChkTrans REG_DWORD 0
harvala_start
wait_until 30 window_shown || fail "window did not appear"
sleep 1

text=$(page_text 2)
user=$(wine_tool cmd /c 'echo %USERNAME%' | tr -d '\r')
check_eq "User account: the title" "User account" "$(line "$text" 1)"
check_eq "User account: the name from the environment" "Name: $user" "$(line "$text" 3)"
check_eq "User account: no account class, so no domain" "Domain: Unknown" "$(line "$text" 4)"
check_eq "User account: no login profile, so no logon count" "Logon's number: Unknown" \
  "$(line "$text" 12)"
check "User account: the usage time" grep -Eq '^Usage time: [0-9]{2,}:[0-9]{2}:[0-9]{2} hs\.$' \
  <<<"$(line "$text" 11)"
check_eq "User account: ten rows" "12" "$(wc -l <<<"$text")"

text=$(page_text 3)
check_eq "Computer: manufacturer as wmic reports it" \
  "Manufacturer: $(wmic_values computersystem get manufacturer)" "$(line "$text" 3)"
check_eq "Computer: model" "Model: $(wmic_values computersystem get model)" "$(line "$text" 4)"
check_eq "Computer: type" "Type: $(wmic_values computersystem get systemtype)" "$(line "$text" 5)"
check_eq "Computer: workgroup, capitalised" \
  "Workgroup: $(capitalised "$(wmic_values computersystem get domain)")" "$(line "$text" 8)"
check_eq "Computer: six rows" "8" "$(wc -l <<<"$text")"

text=$(page_text 4)
version=$(wmic_values os get version)
check_eq "Operating system: name" "Name: $(wmic_values os get caption)" "$(line "$text" 3)"
check_eq "Operating system: version and build" \
  "Version and build: ${version:0:3}, ${version: -4}" "$(line "$text" 4)"
check_eq "Operating system: architecture" "Type: $(wmic_values os get osarchitecture)" \
  "$(line "$text" 6)"
check_eq "Operating system: eleven rows" "13" "$(wc -l <<<"$text")"

text=$(page_text 5)
current=$(wmic_values cpu get currentclockspeed | head -1)
maximum=$(wmic_values cpu get maxclockspeed | head -1)
speed=$(awk -v c="$current" -v m="$maximum" 'BEGIN {
  if (m < 1) print "Speed: Unknown"
  else if (c >= 1 && c < m) printf "Current/Maximum speed: %d Mhz (%d%%) / %d Mhz (100%%)\n", c, int(c * 100 / m), m
  else print "Speed: " m " Mhz" }')
check_eq "Processor: name" "Name: $(wmic_values cpu get name | head -1)" "$(line "$text" 3)"
check_eq "Processor: speed" "$speed" "$(line "$text" 4)"
check_eq "Processor: nine rows" "11" "$(wc -l <<<"$text")"

check "the program still runs" harvala_running
e2e_end
