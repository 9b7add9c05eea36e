#!/usr/bin/env bash
# Times and dates as the user's regional settings make them. For each case the settings are
# written before the program starts; then the User account page's usage time must count the
# time since start-up in the user's long time picture, and the title line of a saved
# plain-text report must read exactly as Windows itself formats the same clock readings,
# which harvala_locale_probe asks it for.
#
# How Wine 8 picks the user's locale, as measured here:
# - The user default locale comes from the Unix locale of each Wine process. LC_ALL alone
#   works even when that locale is not generated on the host (Wine then falls back to the
#   variable's text); LANG, LC_MESSAGES or LC_CTYPE work only for a generated locale, and
#   LC_TIME never does. So every Wine process of a case runs under the case's LC_ALL.
# - When a process starts under a locale other than the one recorded in the prefix (the
#   "Locale"/"LocaleName" values of HKCU\Control Panel\International), Wine rewrites the
#   whole key with that locale's defaults: overrides written earlier are lost. Under an
#   unchanged locale, overrides stay and every new process formats with them. So each case
#   writes its overrides from a process that already runs under its locale.
# - The tick count is the host's uptime, the same for every process.
source "$(dirname "$0")/lib.sh"
LOCALE_PROBE=${E2E_LOCALE_PROBE:-$E2E_REPO/build/win/harvala_locale_probe.exe}
INTL='HKCU\Control Panel\International'
REPORTS="$E2E_OUT/locale_reports"
REPORTS_WIN="Z:${REPORTS//\//\\}"
[ -f "$LOCALE_PROBE" ] || { echo "missing $LOCALE_PROBE" >&2; exit 1; }
e2e_begin
rm -rf "$REPORTS"
mkdir -p "$REPORTS"

# The probe's lines; a failure is said on stderr, so that a check it starves says why.
lprobe() {
  local code
  wine_tool "$LOCALE_PROBE" "$@"
  code=$?
  [ "$code" -eq 0 ] || echo "  the locale probe ended with code $code for: $*" >&2
  return "$code"
}
# A string value's line in a .reg file, its backslashes and quotes escaped.
reg_line() { printf '"%s"="%s"\n' "$1" "$(sed 's/\\/\\\\/g; s/"/\\"/g' <<<"$2")"; }
# Bash warns on stderr when the shell itself cannot take a locale that is not generated.
use_locale() {
  if [ -n "$1" ]; then export LC_ALL="$1" 2>/dev/null; else unset LC_ALL 2>/dev/null; fi
}
one_of() { grep -qxF -- "$1" <<<"$2"; }  # one_of LINE LINES
listed() { tr '\n' '/' <<<"$1" | sed 's:/$::'; }

# What the program's texts read in each language, and its save dialog's title.
texts_for() {
  case $1 in
    Spanish)
      USAGE_CAPTION="Tiempo de uso:" TITLE_HEAD=" · Informe creado por Brenlow Harvala 2.5 en "
      TITLE_TIME=" seg. a las " SAVE_TITLE="Guardar informe como..."
      ;;
    *)
      USAGE_CAPTION="Usage time:" TITLE_HEAD=" · Report made by Brenlow Harvala 2.5 in "
      TITLE_TIME=" sec. at " SAVE_TITLE="Save report as..."
      ;;
  esac
}

# The usage time of each uptime second from $1 to $2 milliseconds, one a line: every hour
# since start-up (two digits at least), minutes and seconds, drawn by the printf format
# DURATION.
uptime_texts() {
  local s
  for ((s = $1 / 1000; s <= $2 / 1000; s++)); do
    printf "$DURATION\n" $((s / 3600)) $((s / 60 % 60)) $((s % 60))
  done
}

# The end of the title line for each second between two "now" readings, one a line: the
# time, then the short date as Windows formats it. Spanish shows the user's long time and
# " hs."; English keeps its fixed "hh:mm AM".
title_ends() {  # title_ends FROM TO LANGUAGE
  local e from to y mo d h mi s words=() fixed=()
  # Both readings are local times; taken as UTC they step by plain seconds in any zone.
  from=$(date -u -d "$1" +%s) to=$(date -u -d "$2" +%s)
  for ((e = from; e <= to; e++)); do
    read -r y mo d h mi s <<<"$(date -u -d "@$e" '+%Y %m %d %H %M %S')"
    words+=("date=$y-$mo-$d" "time=$h:$mi:$s")
    h=$((10#$h))
    fixed+=("$(printf '%02d:%s %s' $((h % 12 == 0 ? 12 : h % 12)) "$mi" \
      "$([ "$h" -lt 12 ] && echo AM || echo PM)")")
  done
  local i=0 date time
  while IFS= read -r date && IFS= read -r time; do
    if [ "$3" = Spanish ]; then
      printf '%s hs. del día %s.\n' "$time" "$date"
    else
      printf '%s on the date %s.\n' "${fixed[$i]}" "$date"
    fi
    i=$((i + 1))
  done < <(lprobe "${words[@]}")
}

# Copy all on the User account page, between two uptime readings; prints its usage time row
# and, on the next lines, every row the clock allows.
usage_time_rows() {
  local windows before after
  click 40 $((49 + 35 + 17))
  sleep 0.5
  clear_clipboard
  windows=$(program_windows)
  before=$(lprobe tick)
  click 650 470 3 # the page background, right button
  wait_until 10 test "$(program_windows)" -gt "$windows" || return 1
  keys Down Down Return # "Copy all"
  wait_until 10 test -n "$(clipboard)" || return 1
  after=$(lprobe tick)
  # Wine hands the X clipboard UTF-8 whatever the Unix locale, generated or not.
  clipboard | tr -d '\r' | sed -n '11p'
  # The row is rewritten once a second, so the copy may show a second or so before the
  # first reading.
  uptime_texts $((before - 2000)) "$after" | sed "s/^/$USAGE_CAPTION /; s/\$/ hs./"
}

save_dialog() { xdotool search --onlyvisible --name "^$SAVE_TITLE\$" 2>/dev/null | head -1; }
save_dialog_open() { [ -n "$(save_dialog)" ]; }
save_dialog_gone() { ! save_dialog_open; }

# Options -> Make a report, then Save as plain text (the fourth type) under $1.txt. The
# dialog's accelerators follow Wine's own language, so the type is reached with Tab from the
# name, which has the focus when the dialog opens.
save_plain_report() {
  local windows
  windows=$(program_windows)
  click 52 12
  wait_until 5 test "$(program_windows)" -gt "$windows" || return 1
  keys Down Down Return
  wait_until 15 report_window >/dev/null || return 1
  press_save "$SAVE_TITLE" || return 1
  wait_until 10 save_dialog_open || return 1
  keys --window "$(save_dialog)" --text "$REPORTS_WIN\\$1" || return 1
  keys Tab Down Down Down Return
  wait_until 15 save_dialog_gone
  wait_until 5 test -s "$REPORTS/$1.txt"
}

# The report's title line, in UTF-8. The file is in code page 1252, or in UTF-8 behind a
# byte-order mark where that code page cannot hold the report.
title_line() {
  if [ "$(head -c 3 "$1")" = $'\xef\xbb\xbf' ]; then
    tail -c +4 "$1"
  else
    iconv -f CP1252 -t UTF-8 "$1" 2>/dev/null
  fi | tr -d '\r' | sed -n '2p'
}

# run_case LABEL UNIX_LOCALE LANGUAGE TIME_FORMAT AM PM SHORT_DATE WINDOWS_LOCALE SAMPLE DURATION
# AM or PM "-" leaves the locale's own. SAMPLE is what Windows must make of 13:05:09 and of
# 2026-12-09, joined by "|": it shows that the settings reach Windows at all. DURATION is how
# the usage time must read in TIME_FORMAT, as a printf format of hours, minutes and seconds.
run_case() {
  local label=$1 language=$3 name
  name=$(tr -c 'a-zA-Z0-9\n' '_' <<<"$label")
  DURATION=${10}
  use_locale "$2"
  texts_for "$language"
  # One import writes the case's regional settings and the program's settings. Being the
  # first Wine process under a new locale, it resets the regional settings before it
  # writes them.
  {
    printf 'REGEDIT4\n\n[%s]\n' "${INTL/#HKCU/HKEY_CURRENT_USER}"
    reg_line sTimeFormat "$4"
    [ "$5" = - ] || reg_line s1159 "$5"
    [ "$6" = - ] || reg_line s2359 "$6"
    reg_line sShortDate "$7"
    printf '\n[-%s]\n\n' "${SETTINGS_KEY/#HKCU/HKEY_CURRENT_USER}"
    printf '[%s]\n"ChkTrans"=dword:00000000\n' "${SETTINGS_KEY/#HKCU/HKEY_CURRENT_USER}"
    reg_line Language "$language"
  } >"$E2E_OUT/locale_case.reg"
  wine_tool reg import "$E2E_OUT/locale_case.reg" >/dev/null ||
    fail "$label: the settings were not imported"
  check_eq "$label: Windows takes the settings" "$8|$9" \
    "$(lprobe locale time=13:5:9 date=2026-12-09 | paste -sd '|' | sed 's/|/ /')"
  harvala_start
  wait_until 30 window_shown || { fail "$label: the window did not appear"; harvala_stop; return; }

  local rows value
  rows=$(usage_time_rows) || fail "$label: Copy all gave nothing"
  value=$(head -1 <<<"$rows")
  if one_of "$value" "$(tail -n +2 <<<"$rows")"; then
    pass "$label: the usage time in the user's long time picture"
  else
    fail "$label: the usage time in the user's long time picture"
    e2e_log "actual:   $value"
    e2e_log "expected: $(listed "$(tail -n +2 <<<"$rows")")"
  fi

  local before after title ends
  before=$(lprobe now)
  save_plain_report "$name" || fail "$label: the report was not saved"
  after=$(lprobe now)
  title=$(title_line "$REPORTS/$name.txt")
  ends=$(title_ends "$before" "$after" "$language")
  if [ "${title:0:${#TITLE_HEAD}}" = "$TITLE_HEAD" ] && [[ $title == *"$TITLE_TIME"* ]] &&
    one_of "${title#*"$TITLE_TIME"}" "$ends"; then
    pass "$label: the report title's time and date"
  else
    fail "$label: the report title's time and date"
    e2e_log "actual:   $title"
    e2e_log "expected: $TITLE_HEAD(seconds)$TITLE_TIME$(listed "$ends")"
  fi
  harvala_stop
}

saved_locale=${LC_ALL-}
saved_lc_all_set=${LC_ALL+set}
# Exported as UTF-16, so every value comes back exactly as it was.
rm -f "$E2E_OUT/locale_saved.reg"
wine_tool reg export "$INTL" "$E2E_OUT/locale_saved.reg" /y >/dev/null

# The 24-hour clock of French (Canada), its units quoted in the picture.
run_case "24-hour clock with units" en_US.UTF-8 English "HH' h 'mm' min 'ss' s'" AM PM \
  "dd/MM/yyyy" "en-US 13 h 05 min 09 s" "09/12/2026" "%02d h %02d min %02d s"
run_case "a. m./p. m. markers" en_US.UTF-8 English "hh:mm:ss tt" "a. m." "p. m." "d/M/yyyy" \
  "en-US 01:05:09 p. m." "9/12/2026" "%02d:%02d:%02d"
run_case "vorm./nachm. markers" en_US.UTF-8 English "h:mm:ss tt" "vorm." "nachm." "yyyy-MM-dd" \
  "en-US 1:05:09 nachm." "2026-12-09" "%02d:%02d:%02d"
run_case "month names, dots in the time" en_US.UTF-8 English "HH.mm.ss" AM PM "dd-MMM-yyyy" \
  "en-US 13.05.09" "09-Dec-2026" "%02d.%02d.%02d"
# The locale's own markers are "a. m." and "p. m." with a narrow no-break space (U+202F),
# which code page 1252 lacks: the saved report keeps it, in UTF-8.
NNBSP=$'\xe2\x80\xaf'
run_case "Spanish locale" es_ES.UTF-8 Spanish "hh:mm:ss tt" - - "dddd, d 'de' MMMM 'de' yyyy" \
  "es-ES 01:05:09 p.${NNBSP}m." "miércoles, 9 de diciembre de 2026" "%02d:%02d:%02d"

# Back to the locale the other tests run under: its first process resets the key, then the
# values found there at the start come back.
if [ -n "$saved_lc_all_set" ]; then use_locale "$saved_locale"; else use_locale ""; fi
wine_tool reg import "$E2E_OUT/locale_saved.reg" >/dev/null ||
  fail "the regional settings found at the start were not restored"
reg_clear
e2e_end
