#!/usr/bin/env bash
# The shortcut check by an independent reader: LinkWriter.exe writes a shortcut under Wine with the setup
# program's shell-folder object, and lnkinfo (Debian's liblnk-utils), which shares no code with the Windows
# link object, reads it on the Linux side. Its local path, arguments and working directory must be the ones
# written. The check runs on the Linux side because Wine does not hand a Linux program's exit code back to
# a Windows caller.
# Usage: check-lnk.sh PATH/TO/LinkWriter.exe
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$here/../../tools/wine-run.sh
writer=$1

command -v lnkinfo >/dev/null || { echo "lnkinfo is missing: install liblnk-utils"; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vesk-lnk.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/Program Files" "$work/Start Menu" "$work/Work Dir"
: >"$work/Program Files/tool.exe"

# The Windows spelling of a Linux path, as the prefix maps it (Z: for the root by default).
windows_path() { "$wine_run" winepath -w "$1" | tr -d '\r'; }
target=$(windows_path "$work/Program Files/tool.exe")
folder=$(windows_path "$work/Start Menu")
working=$(windows_path "$work/Work Dir")
arguments='--mode "two words" /q'

"$wine_run" "$writer" "$folder" "Example Tool" "$target" "$arguments" "$working" 2>"$work/wine.err" \
  || { echo "LinkWriter.exe failed:"; cat "$work/wine.err"; exit 1; }
link="$work/Start Menu/Example Tool.lnk"
[ -f "$link" ] || { echo "no shortcut at $link"; exit 1; }
info=$(lnkinfo "$link") || { echo "lnkinfo cannot read $link:"; echo "$info"; exit 1; }

# lnkinfo prints each field as a tab, its name, tabs, ": " and the value.
field() { sed -n "s/^\t$1\t*: //p" <<<"$info"; }
failed=0
expect() { # NAME EXPECTED
  local seen
  seen=$(field "$1")
  if [ "$seen" = "$2" ]; then
    echo "ok   $1: $seen"
  else
    echo "FAIL $1: expected [$2], lnkinfo shows [$seen]"
    failed=1
  fi
}
expect "Local path" "$target"
expect "Command line arguments" "$arguments"
expect "Working directory" "$working"
# Nothing else is set: no description, no icon location.
for absent in "Contains a description string" "Contains an icon location string"; do
  if grep -qF "$absent" <<<"$info"; then
    echo "FAIL the shortcut says: $absent"
    failed=1
  else
    echo "ok   not: $absent"
  fi
done
[ "$failed" -eq 0 ] || { echo "$info"; exit 1; }
