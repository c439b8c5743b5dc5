#!/usr/bin/env bash
# Builds the Windows build and runs every benchmark under Wine (the product's real code path).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/bootstrap.sh"
cmake -S "$root" -B "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win" -j "$(nproc)" --target script_run_bench szdd_bench copy_files_bench >/dev/null
"$root/tools/wine-run.sh" "$root/build/win/bench/script_run_bench.exe"
"$root/tools/wine-run.sh" "$root/build/win/bench/szdd_bench.exe"
"$root/tools/wine-run.sh" "$root/build/win/bench/copy_files_bench.exe"
