#!/usr/bin/env bash
# CI example: starts the simulated emulator, runs a scenario with
# emulation-ctl and checks the emulator's call log. Needs strova-emulator and
# emulation-ctl on PATH (the build's bin/).
#   ci-example.sh [WEBSOCKET_PORT] [CAMERA_PORT]
set -euo pipefail
port=${1:-5454}
camera_port=${2:-$((port + 28900))}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
emulator=
cleanup() {
    [ -n "$emulator" ] && kill "$emulator" 2>/dev/null && wait "$emulator" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# A clean state for emulation-ctl, apart from the user's.
export XDG_CONFIG_HOME=$work/config

strova-emulator --port "$port" --camera-port "$camera_port" --log-file "$work/emulator.log" \
    >"$work/emulator.out" 2>&1 &
emulator=$!
for _ in $(seq 300); do
    grep -q "ready:" "$work/emulator.out" 2>/dev/null && break
    kill -0 "$emulator" 2>/dev/null || { cat "$work/emulator.out" >&2; exit 1; }
    sleep 0.1
done
grep -q "ready:" "$work/emulator.out"

# A walk in Munich with the phone in the hand: upright, in daylight, along a
# recorded track at five times its speed, then laid down flat.
cat >"$work/walk.txt" <<SCENARIO
sensor enable accelerometer
pose preset 1
sensor set als Light
gps fix 48.1173 11.5166667 545.4
gps load $here/../tests/qml/gps/track.nmea
gps play --speed 5 --wait
sleep 200
pose preset 5
SCENARIO
emulation-ctl --port "$port" script "$work/walk.txt"

# The calls, without time, bus, service, path and interface.
sed -n 's/^[0-9:.]* call  [^ ]* [^ ]* [^ ]* [^ ]* //p' "$work/emulator.log" >"$work/calls.txt"
expected=(
    "enableSensor string:accelerometer"
    "setAccelerometerValues int32:0 int32:1000 int32:0"
    "setAlsValue int32:80"
    "setPosition double:48.1173000 double:11.5166667 double:545.40"
    "loadTrack array:array:double:48.1173000,11.5166667,545.40,0;48.1189667,11.5183333,546.40,1000;48.1206333,11.5216667,1234.50,1000;48.1223000,11.5233333,547.40,0"
    "setTrackSpeed int32:5"
    "startTrack "
    "goToPositionOnTrack int32:3"
    "setAccelerometerValues int32:0 int32:0 int32:1000"
)
line=0
for call in "${expected[@]}"; do
    found=$(tail -n +$((line + 1)) "$work/calls.txt" | grep -n -m1 -x -F -- "$call" | cut -d: -f1 || true)
    if [ -z "$found" ]; then
        echo "missing, or out of order: $call" >&2
        cat "$work/calls.txt" >&2
        exit 1
    fi
    line=$((line + found))
done
echo "CI example passed: ${#expected[@]} calls in order"
