#!/usr/bin/env bash
# Installs every Debian package that the build, the demo and the tests need.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config git
    # fuzz targets: clang with libFuzzer and its sanitizer runtimes
    clang libclang-rt-14-dev
    # Qt 6
    qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
    qt6-websockets-dev qt6-sensors-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-multimedia-dev libgl-dev
    qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
    qml6-module-qtquick-layouts qml6-module-qtquick-dialogs qml6-module-qtquick-window
    qml6-module-qt-labs-qmlmodels qml6-module-qtqml qml6-module-qtqml-models
    qml6-module-qtqml-workerscript qml6-module-qtsensors qml6-module-qtmultimedia
    qml6-module-qttest qml6-module-qt-labs-folderlistmodel
    # the phone's 3D model: Qt Quick 3D, its mesh converter (balsam) and Mesa's
    # software OpenGL for headless runs under Xvfb
    qt6-quick3d-dev qt6-quick3d-dev-tools qt6-quick3d-assetimporters-plugin
    qml6-module-quick3d libgl1-mesa-dri
    # GStreamer
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-tools
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-base-apps
    # simulated emulator: private D-Bus daemon, SSH client, camera window sink
    dbus-daemon openssh-client gstreamer1.0-x
    # the test suite's own network namespace (ip), headless runs and screenshots
    iproute2 xvfb xauth x11-apps imagemagick fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
    echo "setup: could not install: ${missing[*]}" >&2
    exit 1
fi
