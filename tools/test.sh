#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the host and the Windows builds, runs the host unit tests
# natively (under ASan and UBSan) and the Windows tests under Wine, always on a private Xvfb screen.
# Ends with one line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

"$root/tools/bootstrap.sh" || exit 1
source "$root/tools/session.sh"
start_display force  # a private screen: the tests press keys and take screenshots
start_wineserver
trap stop_session EXIT

jobs=$(nproc)
build() { # DIR [CMAKE ARGS...]
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "$@" >/dev/null && cmake --build "$dir" -j "$jobs" >"$dir.log" 2>&1 \
    || { echo "build of $dir failed; see $dir.log"; tail -30 "$dir.log"; return 1; }
}
build "$root/build/host" || exit 1
build "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" || exit 1

passed=0 failed=0
run_ctest() { # DIR
  local log
  log=$(ctest --test-dir "$1" --output-on-failure --timeout 600 2>&1)
  echo "$log"
  local total fails
  total=$(sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p' <<<"$log" | tail -1)
  fails=$(sed -n 's/.* \([0-9]*\) tests failed out of.*/\1/p' <<<"$log" | tail -1)
  passed=$((passed + ${total:-0} - ${fails:-0}))
  failed=$((failed + ${fails:-0}))
  [ -n "$total" ] || failed=$((failed + 1))
}
run_ctest "$root/build/host"
run_ctest "$root/build/win"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
