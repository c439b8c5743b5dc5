#!/usr/bin/env bash
# Builds the SZDD fuzz target with clang (ASan, UBSan, libFuzzer) in build/fuzz and fuzzes it for N seconds
# (default 60), starting from the seed corpus in tests/fuzz/corpus/szdd. New inputs go to build/fuzz/szdd-corpus
# and any crash to build/fuzz/crash-*; the seed corpus is never changed.
# Usage: fuzz.sh [SECONDS] [extra libFuzzer options...]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
shift || true
build=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target szdd_fuzz -j "$(nproc)" >/dev/null
mkdir -p "$build/szdd-corpus"
"$build/tests/szdd_fuzz" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/" \
  "$@" "$build/szdd-corpus" "$root/tests/fuzz/corpus/szdd"
