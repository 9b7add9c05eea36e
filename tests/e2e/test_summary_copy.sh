#!/usr/bin/env bash
# The Summary page under Wine, read back through the clipboard: a right click on the page
# background opens the copy menu, Copy all puts the whole page there, and its values agree
# with what Wine's own WMI tool reports for this machine. A right click on a row copies
# that row alone.
source "$(dirname "$0")/lib.sh"
e2e_begin

# One property of a WMI class as Wine's wmic reports it (UTF-16 output, header line first).
wmic_values() {
  wmic_text "$@" | tail -n +2 | sed 's/ *$//; /^$/d'
}
# Chooses "Copy all" in the open copy menu by the keyboard: Down Down lands on it whether
# the menu's navigation skips the disabled "Copy" or not.
choose_copy_all() { keys Down Down Return; }

# The speed text of the page: three-digit speeds of one processor in MHz, else the GHz
# quotient cut to four characters, with the processor count from two processors on.
speed_text() {
  awk -v mhz="$1" -v n="$2" 'BEGIN {
    ghz = substr(sprintf("%.15g", mhz / 1000), 1, 4) " Ghz"
    if (mhz < 1) print "Unknown"
    else if (n < 2) print (length(mhz "") == 3 ? mhz " Mhz" : ghz)
    else print ghz " (" n " CPUs)"
  }'
}
# Whole MB: below 1024 in MB, else whole GB.
mbgb_text() {
  awk -v mb="$1" 'BEGIN { if (mb == 0) print "Unknown"; else if (mb < 1024) print mb " MB";
                          else printf "%d GB\n", int(mb / 1024) }'
}

reg_clear
reg_set ChkTrans REG_DWORD 0
harvala_start
wait_until 30 window_shown || fail "window did not appear"
sleep 1

before=$(program_windows)
click 650 470 3                       # the page background, right button
wait_until 10 test "$(program_windows)" -gt "$before"
check "a right click on the background opens the copy menu" test "$(program_windows)" -gt "$before"
choose_copy_all
wait_until 10 test -n "$(clipboard)"
text=$(clipboard | tr -d '\r')
line() { sed -n "$1p" <<<"$text"; }
check_eq "the title line" "Summary" "$(line 1)"
check_eq "an empty line after the title" "" "$(line 2)"
check_eq "the first heading" "Main features:" "$(line 3)"
check_eq "the second heading" "Others features:" "$(line 10)"
check_eq "fourteen lines" "14" "$(wc -l <<<"$text")"
# (Wine hands the text to X with plain line feeds, so the CR LF pairs are not seen here.)

mhz=$(wmic_values cpu get maxclockspeed | head -1)
cpus=$(wine_tool cmd /c 'echo %NUMBER_OF_PROCESSORS%' | tr -d '\r')
check_eq "processor speed as wmic reports it" "Processor speed: $(speed_text "$mhz" "$cpus")" "$(line 5)"
ram_mb=$(wmic_values memorychip get capacity | awk '{ s += int($1 / 1048576) } END { print s + 0 }')
check_eq "RAM as wmic reports it" "RAM: $(mbgb_text "$ram_mb")" "$(line 6)"
vram=$(wmic_values path Win32_VideoController get AdapterRAM | head -1)
vram_mb=$(awk -v b="$vram" 'BEGIN { if (b < 0) b += 4294967296; print int(b / 1048576) }')
check_eq "graphics memory as wmic reports it" "Graphics card memory: $(mbgb_text "$vram_mb")" "$(line 7)"
check "free space in a size unit" grep -Eq '^Total free space: ([0-9.,]+ (MB|GB|TB)|Unknown)$' <<<"$(line 8)"
# The free space moves while the test runs, so the page's figure must lie at or below the
# fixed disks' total that wmic reports (its text is cut, never rounded up) and within one
# step of its last digit, give or take the churn of a busy disk (1 % and 256 MB).
free_mb=$(wmic_values logicaldisk get drivetype,freespace |
  awk '$1 == 3 { s += int($2 / 1048576) } END { print s + 0 }')
free_agrees() {
  awk -v shown="${1#Total free space: }" -v mb="$free_mb" 'BEGIN {
    split(shown, p, " "); gsub(",", ".", p[1])
    unit = p[2] == "TB" ? 1048576 : p[2] == "GB" ? 1024 : 1
    decimals = index(p[1], ".") ? length(p[1]) - index(p[1], ".") : 0
    page = p[1] * unit; step = unit / 10 ^ decimals; churn = mb / 100 + 256
    exit !(page <= mb + churn && mb - page < step + churn)
  }'
}
check "free space as wmic reports it ($free_mb MB)" free_agrees "$(line 8)"
check_eq "operating system as wmic reports it" \
  "Operating system: $(wmic_values os get caption | head -1)" "$(line 12)"
check_eq "graphics card as wmic reports it" \
  "Graphics card: $(wmic_values path Win32_VideoController get name | head -1)" "$(line 13)"
check_eq "no motherboard value on this machine" "Motherboard: Unknown" "$(line 14)"

# One row: the RAM row's caption and value, without a line break.
before=$(program_windows)
click 212 222 3                       # row 4's caption, right button
wait_until 10 test "$(program_windows)" -gt "$before"
keys Down Return
wait_until 10 test "$(clipboard)" = "$(line 6)"
check_eq "Copy on a row copies that row" "$(line 6)" "$(clipboard)"
check_eq "no line break after a single row" "0" "$(clipboard | tr -cd '\r\n' | wc -c)"
check "the program still runs" harvala_running

e2e_end
