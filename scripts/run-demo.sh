#!/usr/bin/env bash
# Installs what is missing, builds, and starts the IDE host with the plug-in
# and the simulated emulator. Choose Tools > Strova OS > "Emulation
# Management…": the host adds the port forwardings, starts the simulated
# emulator, checks its packages and opens the window.
#
# With a display the host runs until you quit it; extra arguments go to the
# host (e.g. -theme dark). Without one it runs headless under Xvfb for
# DEMO_SECONDS (default 15), opens the window by itself, and saves a
# screenshot and the simulated emulator's log in the build directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
BUILD_DIR=$build "$root/scripts/build.sh"
settings=${SETTINGS_DIR:-$build/demo-settings}
host=("$build/bin/ide-host" -settingspath "$settings")

if [ -n "${DISPLAY:-}" ]; then
    exec "${host[@]}" "$@"
fi

export DEMO_SECONDS=${DEMO_SECONDS:-15}
seconds=$DEMO_SECONDS
export SCREENSHOT=$build/demo-screenshot.png

echo "No display: running the demo headless for $seconds s."
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    "$@" &
    host=$!
    sleep $((DEMO_SECONDS - 3))
    import -window root "$SCREENSHOT"
    wait $host
' demo "${host[@]}" -theme dark -answer-dialogs -exit-after $((seconds * 1000)) \
    -trigger EmulationManagement.ShowEmulationManagementView.Action -geometry 1600x380+0+620 "$@" \
    < /dev/null 2>&1 | grep -v -e 'XDG_RUNTIME_DIR' -e 'fd limit' || true
log=$settings/QtProject/strova-emulator/calls.log
echo "Screenshot: $SCREENSHOT"
if [ -f "$log" ]; then
    echo "Simulated emulator log ($log), last lines:"
    tail -n 12 "$log"
fi
