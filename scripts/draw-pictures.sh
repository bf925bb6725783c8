#!/usr/bin/env bash
# Draws the window's pictures with ImageMagick: the twelve phone pictures of
# the preset poses (dark strokes for light themes, "_light" ones for dark
# themes) and the play, pause and stop pictures. The PNGs are committed; run
# this only to change them. Shapes are drawn eight times larger and scaled
# down, which gives smooth edges at 36 and 32 pixels.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/resources/emulationmanagement
mkdir -p "$out/icons"

scale=8
# Coordinates below are in final pixels; s scales a list of them.
s() {
    local result=() n
    for n in "$@"; do
        result+=("$(awk -v v="$n" -v k=$scale 'BEGIN { print v * k }')")
    done
    echo "${result[*]}"
}
point() { local p; p=$(s "$1" "$2"); echo "${p/ /,}"; }

# Writes a picture of the given size drawn by the given drawing primitives,
# one drawing so that stroke and fill settings carry from line to line.
render() {
    local file=$1 size=$2
    shift 2
    local big=$((size * scale))
    convert -size "${big}x${big}" xc:none \
        -draw "$*" \
        -filter Box -resize "${size}x${size}" \
        -define png:color-type=6 -strip "$file"
}

# The upright phone: body, screen, speaker slot and the button at the lower
# edge.
upright() {
    local c=$1
    echo "stroke $c fill none stroke-width $(s 2)"
    echo "roundrectangle $(point 9.5 2) $(point 26.5 34) $(s 3) $(s 3)"
    echo "stroke-width $(s 1)"
    echo "rectangle $(point 12.5 7) $(point 23.5 27.5)"
    echo "line $(point 16 4.5) $(point 20 4.5)"
    echo "fill $c stroke none"
    echo "circle $(point 18 30.8) $(point 19.5 30.8)"
}

# The phone lying flat, seen from in front and above, between the heights
# top and top + 11; face is "screen" or "back".
flat() {
    local c=$1 top=$2 face=$3
    local b=$(awk -v t="$top" 'BEGIN { print t + 10 }')
    local e=$(awk -v t="$top" 'BEGIN { print t + 13 }')
    echo "stroke $c fill none stroke-width $(s 2) stroke-linejoin round"
    echo "polygon $(point 9 "$top") $(point 27 "$top") $(point 33 "$b") $(point 3 "$b")"
    echo "stroke-width $(s 1.5)"
    echo "polyline $(point 3 "$b") $(point 3 "$e") $(point 33 "$e") $(point 33 "$b")"
    echo "stroke-width $(s 1)"
    if [ "$face" = screen ]; then
        local t2=$(awk -v t="$top" 'BEGIN { print t + 2 }')
        local b2=$(awk -v t="$top" 'BEGIN { print t + 7 }')
        echo "polygon $(point 11.5 "$t2") $(point 24.5 "$t2") $(point 27.5 "$b2") $(point 8.5 "$b2")"
        local by=$(awk -v t="$top" 'BEGIN { print t + 8.6 }')
        echo "fill $c stroke none"
        echo "ellipse $(point 18 "$by") $(s 1.6 0.9) 0 360"
    else
        local cy=$(awk -v t="$top" 'BEGIN { print t + 2.6 }')
        echo "ellipse $(point 12.5 "$cy") $(s 1.6 1.1) 0 360"
    fi
}

# A vertical arrow from y1 to its tip at y2.
arrow() {
    local c=$1 y1=$2 y2=$3
    local base
    if awk -v a="$y1" -v b="$y2" 'BEGIN { exit !(b < a) }'; then
        base=$(awk -v t="$y2" 'BEGIN { print t + 6 }')
    else
        base=$(awk -v t="$y2" 'BEGIN { print t - 6 }')
    fi
    echo "stroke $c fill none stroke-width $(s 2)"
    echo "line $(point 18 "$y1") $(point 18 "$base")"
    echo "fill $c stroke none"
    echo "polygon $(point 18 "$y2") $(point 13 "$base") $(point 23 "$base")"
}

phones() {
    local suffix=$1 c=$2
    render "$out/icons/phone_1$suffix.png" 36 "$(upright "$c")"
    # On its side with the button edge left, upside down, button edge right.
    convert "$out/icons/phone_1$suffix.png" -rotate 90 -define png:color-type=6 -strip "$out/icons/phone_2$suffix.png"
    convert "$out/icons/phone_1$suffix.png" -rotate 180 -define png:color-type=6 -strip "$out/icons/phone_3$suffix.png"
    convert "$out/icons/phone_1$suffix.png" -rotate 270 -define png:color-type=6 -strip "$out/icons/phone_4$suffix.png"
    # Lying flat: the screen up with the arrow pointing up, the back up with
    # the arrow pointing down.
    render "$out/icons/phone_5$suffix.png" 36 "$(flat "$c" 21 screen; arrow "$c" 18 1.5)"
    render "$out/icons/phone_6$suffix.png" 36 "$(flat "$c" 2 back; arrow "$c" 18 34.5)"
}

phones "" "#333333"
phones "_light" "#e8e8e8"

# Playback pictures: filled mid-grey shapes that read on light and dark
# backgrounds alike.
grey="#808080"
render "$out/play.png" 32 \
    "fill $grey stroke none polygon $(point 9 5) $(point 26 16) $(point 9 27)"
render "$out/pause.png" 32 \
    "fill $grey stroke none roundrectangle $(point 8 6) $(point 13.5 26) $(s 1) $(s 1)" \
    "fill $grey stroke none roundrectangle $(point 18.5 6) $(point 24 26) $(s 1) $(s 1)"
render "$out/stop.png" 32 \
    "fill $grey stroke none roundrectangle $(point 7 7) $(point 25 25) $(s 1.5) $(s 1.5)"
