#!/usr/bin/env bash
# Builds tintavo.exe and runs it under Wine: on $DISPLAY when there is one, otherwise on a
# private Xvfb, where a screenshot of the window goes to build/screenshot.png. Runs until the
# window is closed or Ctrl+C.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    exec wine build/windows/tintavo.exe
fi

source tests/e2e/lib.sh
e2e_init run build/windows/tintavo.exe build/windows/probe.exe
# Ctrl+C is the way out here, not a failure; the exit still stops what was started.
trap 'exit 0' INT TERM
e2e_start_xvfb
xsetroot -solid '#808080'
e2e_acquire_prefix
e2e_prepare_prefix 96
e2e_start_tintavo

# Once the first tick has filled the code box, the window has been painted.
code_shown() {
    [[ $(probe text 1013) =~ ^#[0-9A-F]{6}$ ]]
}
screenshot=$PWD/build/screenshot.png
if wait_until 10 code_shown && e2e_screenshot "$screenshot"; then
    echo "Screenshot of the window: $screenshot"
else
    echo "Could not take a screenshot" >&2
fi
echo "Tintavo is running on the private display $DISPLAY (PID $E2E_TINTAVO_PID); Ctrl+C stops it."
wait "$E2E_TINTAVO_PID" || true
