#!/usr/bin/env bash
# What harvala.exe says of itself, read from the file: the Windows it needs, the DLLs it
# imports (Windows' own only) and one version number in its version resource and manifest;
# and that the test programs built with it are console programs.
source "$(dirname "$0")/lib.sh"
[ -f "$E2E_EXE" ] || { echo "missing $E2E_EXE" >&2; exit 1; }
headers=$(x86_64-w64-mingw32-objdump -p "$E2E_EXE")
field() { printf '%s\n' "$headers" | awk -v f="$1" '$1 == f { print $2 }'; }
check_eq "OS version 6.1 (Windows 7)" "6.1" "$(field MajorOSystemVersion).$(field MinorOSystemVersion)"
check_eq "subsystem version 6.1" "6.1" "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
check_eq "a windowed program" "00000002" "$(field Subsystem)"
# The test programs and probes beside it are console programs for the same Windows: OS
# version, subsystem version, subsystem 3.
versions='$1 ~ /^(Major|Minor)(OSystem|Subsystem)Version$|^Subsystem$/ { printf "%s ", $2 }'
for tool in "$(dirname "$E2E_EXE")"/*.exe; do
  [ "$tool" = "$E2E_EXE" ] || check_eq "${tool##*/}: a console program for Windows 6.1" \
    "6 1 6 1 00000003 " "$(x86_64-w64-mingw32-objdump -p "$tool" | awk "$versions")"
done

imports=$(printf '%s\n' "$headers" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
check_eq "imports only Windows' own DLLs, none unused" \
  "advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll user32.dll winmm.dll " \
  "$imports"

project=$(sed -n 's/^project(Harvala VERSION \([0-9.]*\).*/\1/p' "$E2E_REPO/CMakeLists.txt")
resource=$(strings -n 1 -el "$E2E_EXE" | sed -n '/^FileVersion$/{n;p;q}')
manifest=$(strings "$E2E_EXE" | sed -n 's/.*name="Brenlow.Harvala" version="\([0-9.]*\)".*/\1/p')
check_eq "the version resource carries the project's version" "$project" "$resource"
check_eq "the manifest carries the project's version" "$project.0.0" "$manifest"
echo "$E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" -eq 0 ]
