#!/usr/bin/env bash
# Make a report from the Options menu, save it in each of the four formats through the real
# save dialog, and read the files as other programs would.
source "$(dirname "$0")/lib.sh"
e2e_begin
# The small file system mounted below goes with the script, however it ends.
trap 'umount -l "$FULL" 2>/dev/null; e2e_cleanup' EXIT

REPORTS="$E2E_OUT/reports"
REPORTS_WIN="Z:${REPORTS//\//\\}"
FULL="$REPORTS/full"  # a small file system of its own, filled up
BOARD_KEY='HKCU\Software\Install\Harvala\Mainboard'
BOARD='Плата ASUS 日本 Ωmega é 😀'
umount -l "$FULL" 2>/dev/null
rm -rf "$REPORTS"
mkdir -p "$REPORTS"
wine_tool reg delete "$BOARD_KEY" /f >/dev/null 2>&1

report_click() {  # report_click X Y: a point of the report window's client area
  local w ox oy
  read -r w ox oy <<<"$(report_window)" || return 1
  click_at "$((ox + $1))" "$((oy + $2))"
}
# Options -> Make a report: the popup is a window of its own; the second item is chosen by
# keyboard once it is there.
open_report() {
  local before
  before=$(program_windows)
  click 52 12
  wait_until 5 test "$(program_windows)" -gt "$before" || return 1
  keys Down Down Return
  wait_until 15 report_window >/dev/null
}
report_gone() { ! report_window >/dev/null; }
report_open() { report_window >/dev/null; }
# Save and Accept stay disabled until the report is done.
report_done() { control_enabled "Save report as..."; }
save_dialog() { xdotool search --onlyvisible --name '^Save report as\.\.\.$' 2>/dev/null | head -1; }
save_dialog_open() { [ -n "$(save_dialog)" ]; }
save_dialog_gone() { ! save_dialog_open; }
# A save dialog other than window $1 is shown.
another_save_dialog() { [ -n "$(save_dialog)" ] && [ "$(save_dialog)" != "$1" ]; }

# Save, pick the file type (the first is preselected; Down moves to the next), type the path
# without extension and confirm. SAVED_FROM is then the dialog that was confirmed.
fill_save_dialog() {  # fill_save_dialog TYPE NAME
  press_save "Save report as..." || { fail "the report is done before saving type $1"; return 1; }
  wait_until 10 save_dialog_open || { fail "save dialog for type $1 did not open"; return 1; }
  SAVED_FROM=$(save_dialog)
  keys --window "$SAVED_FROM" alt+t || return 1
  local i
  for ((i = 1; i < $1; i++)); do keys Down; done
  keys alt+n
  keys --text "$REPORTS_WIN\\$2"
  keys Return
}
save_report() {  # save_report TYPE NAME
  fill_save_dialog "$@" && wait_until 15 save_dialog_gone
}
# Saves over an existing file: the dialog asks first, and Yes is its default button.
replace_question() { wine_tool "$E2E_PROBE" enabled "Save report as..." "&Yes" >/dev/null; }
save_over() {  # save_over TYPE NAME
  fill_save_dialog "$@" || return 1
  wait_until 10 replace_question || { fail "the dialog asks before replacing $2"; return 1; }
  keys Return
  wait_until 15 save_dialog_gone
}
# The program's message box: a window with the program's title and an OK button.
error_box() { control_enabled "OK"; }
no_error_box() { ! error_box; }
# A save over a file of the reports folder that fails: the box names the file with a reason
# under it, Return closes it, and the file and its folder are as they were.
failed_save_over() {  # failed_save_over WHAT TYPE NAME EXTENSION (NAME may hold a subfolder\)
  local what=$1 name=$3 before kept=$E2E_OUT/kept
  local file=$REPORTS/${name//\\//}.$4 path_win=$REPORTS_WIN\\$name.$4
  local folder=${file%/*}
  cp "$file" "$kept"
  before=$(ls -A "$folder")
  save_over "$2" "$name"
  wait_until 15 error_box && pass "$what: a message box says so" ||
    fail "$what: a message box says so"
  check "$what: it names the file and why" \
    test -n "$(probe texts | grep -A1 -Fx "$path_win" | sed -n 2p)"
  keys Return
  wait_until 10 no_error_box && pass "$what: Return closes the box" ||
    fail "$what: Return closes the box"
  check "$what: the file is as it was" cmp -s "$kept" "$file"
  check_eq "$what: nothing is left beside it" "$before" "$(ls -A "$folder")"
}

reg_clear
harvala_start
wait_until 30 window_shown || { fail "main window did not appear"; e2e_end; exit 1; }
wait_until 10 test "$(probe alpha)" = 255

open_report && pass "Make a report opens the report window" ||
  fail "Make a report opens the report window"

save_report 1 "report_rich"
save_report 2 "report_web"
save_report 3 "report_forum"
save_report 4 "report_plain"
# A name typed with its extension keeps it once.
save_report 1 "typed.rtf"

# A name typed with another type's extension leads to an existing file the dialog did not ask
# about: the dialog comes back with the full name, and cancelling it leaves the file alone.
printf 'keep' >"$REPORTS/clash.rtf.txt"
fill_save_dialog 3 "clash.rtf"
wait_until 10 another_save_dialog "$SAVED_FROM" &&
  pass "the dialog asks again about the existing clash.rtf.txt" ||
  fail "the dialog asks again about the existing clash.rtf.txt"
keys --window "$(save_dialog)" Escape
wait_until 10 save_dialog_gone
check_eq "the existing file is not replaced unasked" keep "$(cat "$REPORTS/clash.rtf.txt")"
check "nothing else is written for it" test ! -e "$REPORTS/clash.rtf"

check "rich text saved as .rtf" test -s "$REPORTS/report_rich.rtf"
check "HTML saved as .htm" test -s "$REPORTS/report_web.htm"
check "forum markup saved as .txt" test -s "$REPORTS/report_forum.txt"
check "plain text saved as .txt" test -s "$REPORTS/report_plain.txt"
check "report.rtf typed with the rich text type stays .rtf" test -s "$REPORTS/typed.rtf"
check "no doubled extension" test ! -e "$REPORTS/typed.rtf.rtf"

rtf_text=$(unrtf --text "$REPORTS/report_rich.rtf" 2>/dev/null)
check "rich text: title line" grep -q "Report made by Brenlow Harvala 2.5 in" <<<"$rtf_text"
check "rich text: footer" grep -q "Thank you for use Brenlow Harvala!" <<<"$rtf_text"
check "rich text ends with }, CR LF, space, CR LF" \
  test "$(tail -c 6 "$REPORTS/report_rich.rtf" | od -An -tx1 | tr -d ' \n')" = "7d0d0a200d0a"
check "rich text declares its code page" grep -q '\\ansicpg1252' "$REPORTS/report_rich.rtf"

# The HTML parses, and every element that is not void is closed in order.
check "HTML parses with every element closed" /usr/bin/python3 - "$REPORTS/report_web.htm" <<'PY'
import sys
from html.parser import HTMLParser
import html5lib

data = open(sys.argv[1], "rb").read().decode("ascii")  # every other character is a reference
parser = html5lib.HTMLParser()
parser.parse(data)
errors = [e for e in parser.errors if e[1] != "expected-doctype-but-got-start-tag"]
VOID = {"br", "hr"}

class Balance(HTMLParser):
    def __init__(self):
        super().__init__()
        self.stack, self.bad = [], []

    def handle_starttag(self, tag, attrs):
        if tag not in VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if not self.stack or self.stack.pop() != tag:
            self.bad.append(tag)

b = Balance()
b.feed(data)
b.close()
ok = not errors and not b.bad and not b.stack and data.rstrip().endswith("</html>")
if not ok:
    print(errors, b.bad, b.stack, file=sys.stderr)
sys.exit(0 if ok else 1)
PY

check "forum markup ends with its link" grep -q '\[/url\]\[/center\]' "$REPORTS/report_forum.txt"
check "plain text: footer" grep -q "Thank you for use Brenlow Harvala!" "$REPORTS/report_plain.txt"
check "plain text: middle dot is one byte B7" grep -q $'\xB7 Report made' "$REPORTS/report_plain.txt"
check "plain text holds no UTF-8" /usr/bin/python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
try:
    data.decode("utf-8")
    sys.exit(1)
except UnicodeDecodeError:
    sys.exit(0 if b"\xc2" not in data and not data.startswith(b"\xef\xbb\xbf") else 1)
' "$REPORTS/report_plain.txt"

# The keyboard reaches Accept: Escape closes nothing, Shift+Tab goes back round to Accept (the
# last control) from Save or from the window, and Return presses it; the main window stays.
read -r rw _ _ <<<"$(report_window)"
keys --window "$rw" Escape
sleep 1
check "Escape leaves the report window open" report_open
keys --window "$rw" shift+Tab
keys Return
wait_until 10 report_gone &&
  pass "Shift+Tab and Return press Accept" || fail "Shift+Tab and Return press Accept"
check "the main window stays" window_shown
check "the program still runs" harvala_running

# A mainboard named outside the ANSI code page: every file keeps the name.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"Full"="%s"\r\n' \
  "${BOARD_KEY/HKCU/HKEY_CURRENT_USER}" "$BOARD" | iconv -f UTF-8 -t UTF-16 >"$E2E_OUT/board.reg"
wine_tool reg import 'Z:'"${E2E_OUT//\//\\}"'\board.reg' >/dev/null 2>&1

# Once the report is done, the window's own close (Alt+F4 here) closes it like Accept.
open_report && pass "a second report opens" || fail "a second report opens"
# A close before the report is done is ignored.
wait_until 60 report_done || fail "the second report is done"

save_report 1 "board_rich"
save_report 2 "board_web"
save_report 4 "board_plain"
check "the files name a board outside the code page" /usr/bin/python3 - "$REPORTS" "$BOARD" <<'PY'
import html, sys
folder, board = sys.argv[1], sys.argv[2]
read = lambda name: open(f"{folder}/{name}", "rb").read()

def rtf(ch):  # \uN, with the code page's bytes or "?" after it; two surrogates beyond the BMP
    o = ord(ch)
    if o < 0x80:
        return ch
    if o > 0xFFFF:
        v = o - 0x10000
        return f"\\u{0xD800 + (v >> 10) - 65536}?\\u{0xDC00 + (v & 0x3FF) - 65536}?"
    try:
        fallback = "".join(f"\\'{b:02x}" for b in ch.encode("cp1252"))
    except UnicodeEncodeError:
        fallback = "?"
    return f"\\u{o if o < 32768 else o - 65536}{fallback}"

rich, web, plain = read("board_rich.rtf"), read("board_web.htm"), read("board_plain.txt")
problems = []
if not rich.isascii() or "".join(map(rtf, board)).encode() not in rich:
    problems.append("rich text")
if not web.isascii() or board not in html.unescape(web.decode("ascii")):
    problems.append("web page")
if not plain.startswith(b"\xef\xbb\xbf") or board.encode() not in plain:
    problems.append("plain text")
if problems:
    print("wrong:", *problems, file=sys.stderr)
sys.exit(1 if problems else 0)
PY
wine_tool reg delete "$BOARD_KEY" /f >/dev/null 2>&1

# Saves that fail. Wine's dialog lets a read-only file through (Windows' refuses it, as asked
# by the program); the save itself then refuses to replace it.
printf 'an earlier report\r\n' >"$REPORTS/locked.txt"
chmod a-w "$REPORTS/locked.txt"
failed_save_over "a read-only file" 4 locked txt
# A disk that fills part way through the rich text (about 8 KB): one page of 4 KB is left.
mkdir -p "$FULL"
if mount -t tmpfs -o size=64k harvala_full "$FULL" 2>/dev/null; then
  head -c 980 "$REPORTS/report_rich.rtf" >"$FULL/earlier.rtf"
  dd if=/dev/zero of="$FULL/filler" bs=4096 2>/dev/null
  truncate -s -4096 "$FULL/filler"
  failed_save_over "a full disk" 1 'full\earlier' rtf
  umount -l "$FULL"
else
  echo "skip - a full disk: no tmpfs can be mounted here"
fi
save_report 4 "after_failures"
check "the report window saves again after the failures" test -s "$REPORTS/after_failures.txt"
read -r rw _ _ <<<"$(report_window)"
keys --window "$rw" alt+F4
wait_until 10 report_gone && pass "closing the done report window closes it" ||
  fail "closing the done report window closes it"
check "the program still runs after the close" harvala_running

e2e_end
