#!/usr/bin/env bash
# Refreshes the three.js modules that the phone page uses from the npm
# package "three". No full build of three.js parses in Qt 6.4's QML engine,
# so only the ES modules behind Vector3 and Euler are carried, unchanged but
# for their import paths: QML imports a module's dependencies as ECMAScript
# modules only when their names end in ".mjs".
#
# Needs npm and network access to the npm registry; the build does not run it.
# Usage: scripts/refresh-three.sh [version]   (default: the pinned version)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=$root/resources/emulationmanagement/js/3rdparty/three
version=${1:-$(cat "$dest/VERSION" 2>/dev/null || echo 0.160.0)}

# Paths under the package's src/, kept as they are so relative imports hold.
modules=(
    constants.js
    math/MathUtils.js
    math/Quaternion.js
    math/Vector3.js
    math/Matrix4.js
    math/Euler.js
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "three@$version" >/dev/null)
tar -xzf "$work"/three-"$version".tgz -C "$work"

rm -rf "$dest"
mkdir -p "$dest/math"
for m in "${modules[@]}"; do
    target=$dest/${m%.js}.mjs
    # Rewrite relative imports of ".js" files to their ".mjs" names.
    sed -E "s#^(import .* from '\\.{1,2}/[^']*)\\.js';#\\1.mjs';#" \
        "$work/package/src/$m" >"$target"
done
cp "$work/package/LICENSE" "$dest/LICENSE"
echo "$version" >"$dest/VERSION"

# Every import must resolve to a module carried here.
status=0
for f in "$dest"/*.mjs "$dest"/math/*.mjs; do
    while read -r path; do
        if [ ! -f "$(dirname "$f")/$path" ]; then
            echo "refresh-three: $f imports $path, which is not carried" >&2
            status=1
        fi
    done < <(sed -nE "s#^import .* from '([^']*)';#\\1#p" "$f")
done
exit $status
