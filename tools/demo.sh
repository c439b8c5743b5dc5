#!/usr/bin/env bash
# The sample installation: builds setup.exe and the sample media (two disks, plain and SZDD-compressed
# files), and runs it under Wine. With a display the wizard opens there for you to click through; without
# one (or with --headless) it runs in Xvfb, driven to its end by the project's driver, and a screenshot of
# each screen is kept. Then it prints what was installed and where.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
headless=${VESK_HEADLESS:-}
[ "${1:-}" = --headless ] && headless=1

"$root/tools/bootstrap.sh"
win="$root/build/win"
cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$win" -j "$(nproc)" --target sample_media vesk-drive >"$win.demo.log" 2>&1 \
  || { tail -30 "$win.demo.log"; exit 1; }

demo="$root/build/demo"
screens="$demo/screens"
rm -rf "$demo"
mkdir -p "$screens"
cp -r "$win/sample/." "$demo/"

source "$root/tools/session.sh"
if [ -n "$headless" ]; then start_display force; else start_display; fi
start_wineserver
trap stop_session EXIT

drive() { "$root/tools/wine-run.sh" "$win/e2e/vesk-drive.exe" "$@"; }
WINEPREFIX=$(realpath -m "$WINEPREFIX")
user="$WINEPREFIX/drive_c/users/$(id -un)"
target="$WINEPREFIX/drive_c/Example Tools"
group="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Example Tools"
desktop_link="$user/Desktop/Example Tool.lnk"
rm -rf "$target" "$group" "$desktop_link"

echo "Running the sample installation from $demo/disk1"
[ -z "$session_xvfb_pid" ] && echo "When it asks for the next disk, press Ch&ange and choose $demo/disk2 (drive Z:)."
"$root/tools/wine-run.sh" "$demo/disk1/setup.exe" &
setup=$!

if [ -n "$session_xvfb_pid" ]; then
  # Nobody is watching: read each screen, keep its picture, press the button that goes on. The second disk
  # is "inserted" by putting its files where the first disk's are, as a floppy drive would show them.
  step=0
  shot() {
    local file; file="$screens/$(printf 'step-%02d' "$step").bmp"
    drive shot "$1" "$file" >/dev/null 2>&1 || return 0
    if [ "$step" -gt 0 ] && cmp -s "$file" "$screens/$(printf 'step-%02d' $((step - 1))).bmp"; then
      rm -f "$file"
    else
      step=$((step + 1))
    fi
  }
  while kill -0 "$setup" 2>/dev/null; do
    if drive wait-window "Insert next disk" 300 >/dev/null 2>&1; then
      shot "Insert next disk"
      cp "$demo/disk2/"* "$demo/disk1/"
      drive click "Insert next disk" "&OK" >/dev/null 2>&1 || true
    elif drive wait-window FormMain 2000 >/dev/null 2>&1; then
      shot FormMain
      drive click FormMain "&Next >>" >/dev/null 2>&1 || true
    fi
    sleep 0.3
  done
  for bmp in "$screens"/*.bmp; do
    [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
fi
wait "$setup" && status=0 || status=$?

echo "setup.exe ended with exit code $status"
list() { (cd "$1" && find . -mindepth 1 | sort | sed 's|^\./|    |'); }
if [ -d "$target" ]; then
  echo "Installed into C:\\Example Tools ($target):"
  list "$target"
else
  echo "Nothing was installed into C:\\Example Tools."
fi
if [ -d "$group" ]; then
  echo "Start-menu group Example Tools ($group):"
  list "$group"
fi
[ -f "$desktop_link" ] && echo "Desktop shortcut: $desktop_link"
if command -v lnkinfo >/dev/null && [ -f "$group/Example Tool.lnk" ]; then
  echo "The group's Example Tool shortcut, as lnkinfo reads it:"
  lnkinfo "$group/Example Tool.lnk" | grep -E 'Local path|Command line arguments|Working directory' | sed 's/^\s*/    /'
fi
[ -n "$session_xvfb_pid" ] && echo "Screenshots of each screen: $screens"
exit "$status"
