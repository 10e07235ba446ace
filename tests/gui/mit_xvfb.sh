#!/bin/bash
# Runs a test program on the xcb platform against an X server of its own: Xvfb picks a free
# display itself and names it once it accepts connections, so nothing waits on the clock.
# Exit status 77 (ctest: skipped) when there is no Xvfb.
set -u

if ! command -v Xvfb >/dev/null 2>&1; then
    echo "ÜBERSPRUNGEN: Xvfb fehlt (Paket xvfb); dieser Test braucht einen X-Server."
    exit 77
fi

protokoll=$(mktemp)
coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>"$protokoll"; }
xvfb_pid=$XVFB_PID
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$protokoll"' EXIT

if ! read -r -u "${XVFB[0]}" nummer || [ -z "$nummer" ]; then
    echo "Xvfb ist nicht gestartet:" >&2
    cat "$protokoll" >&2
    exit 1
fi

DISPLAY=":$nummer" QT_QPA_PLATFORM=xcb "$@"
