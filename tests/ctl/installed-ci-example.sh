#!/usr/bin/env bash
# Installs the build into a temporary prefix (the plug-in, and its catalogues
# where the IDE looks) and runs the CI example with the installed
# emulation-ctl (the simulated emulator from the build).
#   installed-ci-example.sh BUILD_DIR WEBSOCKET_PORT CAMERA_PORT
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
export PATH="$prefix/bin:$build/bin:$PATH"
[ "$(command -v emulation-ctl)" = "$prefix/bin/emulation-ctl" ]
[ -f "$prefix/lib/qtcreator/plugins/libEmulationManagement.so" ]
[ -f "$prefix/share/qtcreator/translations/EmulationManagement_de.qm" ]
[ -f "$prefix/share/qtcreator/translations/EmulationManagement_ru.qm" ]
bash "$(dirname "$0")/../../scripts/ci-example.sh" "$2" "$3"
