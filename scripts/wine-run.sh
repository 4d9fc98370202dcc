#!/usr/bin/env bash
# Runs a Windows test program under Wine in the shared unit-test prefix
# (made on first use), quietly, and passes its exit status on.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${TQ_UNIT_PREFIX:-$here/build/prefixes/unit}
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Several ctest workers may start at once: one makes the prefix, the others wait.
  exec 9>"$WINEPREFIX.lock"
  flock 9
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
  flock -u 9
fi
exec wine "$@"
