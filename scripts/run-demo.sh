#!/usr/bin/env bash
# Installs what is missing, builds, and starts the IDE host with the plug-in.
# Extra arguments go to the host, e.g. -theme dark.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
BUILD_DIR=$build "$root/scripts/build.sh"
settings=${SETTINGS_DIR:-$build/demo-settings}
exec "$build/bin/ide-host" -settingspath "$settings" "$@"
