#!/usr/bin/env bash
# The sample installation: builds setup.exe, lays out the sample media from examples/sample in
# build/demo/media, and runs it under Wine. With a display the wizard opens there for you to click
# through; without one (or with --headless) it runs in Xvfb, driven to its end by the project's driver,
# and a screenshot of each screen is kept.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
headless=${VESK_HEADLESS:-}
[ "${1:-}" = --headless ] && headless=1

"$root/tools/bootstrap.sh"
win="$root/build/win"
cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$win" -j "$(nproc)" --target setup vesk-drive >"$win.demo.log" 2>&1 \
  || { tail -30 "$win.demo.log"; exit 1; }

demo="$root/build/demo"
media="$demo/media"
screens="$demo/screens"
rm -rf "$media" "$screens"
mkdir -p "$media" "$screens"
cp -r "$root/examples/sample/." "$media/"
cp "$win/setup.exe" "$media/"

source "$root/tools/session.sh"
if [ -n "$headless" ]; then start_display force; else start_display; fi
start_wineserver
trap stop_session EXIT

drive() { "$root/tools/wine-run.sh" "$win/e2e/vesk-drive.exe" "$@"; }
WINEPREFIX=$(realpath -m "$WINEPREFIX")
target="$WINEPREFIX/drive_c/Example Tools"
rm -rf "$target"

echo "Running the sample installation from $media"
"$root/tools/wine-run.sh" "$media/setup.exe" &
setup=$!

if [ -n "$session_xvfb_pid" ]; then
  # Nobody is watching: read each screen, keep its picture, press the button that goes on.
  step=0
  while kill -0 "$setup" 2>/dev/null; do
    if drive wait-window FormMain 3000 >/dev/null 2>&1; then
      shot="$screens/$(printf 'step-%02d' "$step").bmp"
      if drive shot FormMain "$shot" >/dev/null 2>&1; then
        if [ "$step" -gt 0 ] && cmp -s "$shot" "$screens/$(printf 'step-%02d' $((step - 1))).bmp"; then
          rm -f "$shot"
        else
          step=$((step + 1))
        fi
      fi
      drive click FormMain "&Next >>" >/dev/null 2>&1 || true
    fi
    sleep 0.5
  done
  for bmp in "$screens"/*.bmp; do
    [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
fi
wait "$setup" && status=0 || status=$?

echo "setup.exe ended with exit code $status"
if [ -d "$target" ]; then
  echo "Installed into C:\\Example Tools (here: $target):"
  (cd "$target" && find . -mindepth 1 | sort | sed 's|^\./|  |')
else
  echo "Nothing was installed into C:\\Example Tools."
fi
[ -n "$session_xvfb_pid" ] && echo "Screenshots of each screen: $screens"
exit "$status"
