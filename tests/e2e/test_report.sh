#!/usr/bin/env bash
# Make a report from the Options menu, save it in each of the four formats through the real
# save dialog, and read the files as other programs would.
source "$(dirname "$0")/lib.sh"
e2e_begin

REPORTS="$E2E_OUT/reports"
REPORTS_WIN="Z:${REPORTS//\//\\}"
rm -rf "$REPORTS"
mkdir -p "$REPORTS"

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

data = open(sys.argv[1], "rb").read().decode("cp1252")
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

# Accept closes the report window; the main window stays.
report_click 372 159
wait_until 10 report_gone &&
  pass "Accept closes the report window" || fail "Accept closes the report window"
check "the main window stays" window_shown
check "the program still runs" harvala_running

# Once the report is done, the window's own close (Alt+F4 here) closes it like Accept.
open_report && pass "a second report opens" || fail "a second report opens"
# A close before the report is done is ignored.
wait_until 60 report_done || fail "the second report is done"
read -r rw _ _ <<<"$(report_window)"
keys --window "$rw" alt+F4
wait_until 10 report_gone && pass "closing the done report window closes it" ||
  fail "closing the done report window closes it"
check "the program still runs after the close" harvala_running

e2e_end
