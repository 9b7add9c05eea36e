#!/usr/bin/env bash
# The Windows services (WMI over COM, the registry, system calls, ANSI files) checked for real
# under Wine by their smoke program.
source "$(dirname "$0")/lib.sh"
smoke=${E2E_SMOKE:-$(dirname "$E2E_EXE")/harvala_win32_smoke.exe}
e2e_begin
(cd "$E2E_OUT" && wine "$smoke" </dev/null >"$E2E_OUT/smoke.out" 2>&1)
code=$?
out=$(tr -d '\r' <"$E2E_OUT/smoke.out")
echo "$out" | grep -E '^(FAIL|not ok)' || true
echo "$out" | tail -1
check "the Windows services' smoke program passes" test $code -eq 0 -a -n "$out"
e2e_end
