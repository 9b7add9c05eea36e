#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (ASan/UBSan) and the
# end-to-end tests of the real harvala.exe under Wine on a private Xvfb display.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh || exit 1
status=0
(cd build/native && ctest --output-on-failure -j"$(nproc)") || status=1
echo "== window backend tests under Wine"
bash tests/win32/backend/run.sh "$PWD/build/win" || status=1
for t in tests/e2e/test_*.sh; do
  echo "== $t"
  bash "$t" || status=1
done
[ $status -eq 0 ] && echo "All tests passed." || echo "Some tests failed."
exit $status
