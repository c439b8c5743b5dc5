#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's private prefix (never ~/.wine).
# The prefix is created once; Mono and Gecko installers are switched off.
# Usage: wine-run.sh PROGRAM.exe [ARGS...]   (VESK_WINEPREFIX overrides the prefix)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=${VESK_WINEPREFIX:-${WINEPREFIX:-$here/../build/wineprefix}}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
      wineboot -i >/dev/null 2>&1
      # Xvfb runs no window manager: unmanaged windows are drawn by Wine itself and hide without a stall.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      wineserver -w
    fi
  ) 9>"$prefix.lock"
fi
exec wine "$@"
