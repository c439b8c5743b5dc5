# Sourced by the test and sample scripts: an X display (Xvfb when there is none) and a Wine server that
# stays up for the whole session, so that each Windows program starts quickly.
here_session=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export WINEPREFIX=${VESK_WINEPREFIX:-$here_session/../build/wineprefix}
export WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
session_xvfb_pid=

start_display() { # [force]: always use a private Xvfb
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != force ]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    session_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  done
  echo "no X display could be started" >&2
  return 1
}

start_wineserver() {
  "$here_session/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 || true
}

stop_session() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$session_xvfb_pid" ] && kill "$session_xvfb_pid" 2>/dev/null
  return 0
}
