.pragma library
// Geometry of the GPS page's track plot; pure functions of their arguments.

// The index of the point nearest to (x, y) among the plotted points.
function nearestPoint(plotted, x, y) {
    let nearest = -1;
    let best = Infinity;
    for (let i = 0; i < plotted.length; ++i) {
        const dx = plotted[i].x - x;
        const dy = plotted[i].y - y;
        const distance = dx * dx + dy * dy;
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

// How the track's points fit into a width × height box with a margin, north
// up and the longitude scaled by the cosine of the middle latitude; null
// for no points.
function plotFrame(records, width, height, margin) {
    if (records.length === 0)
        return null;
    let minLat = Infinity, maxLat = -Infinity, minLon = Infinity, maxLon = -Infinity;
    for (const record of records) {
        const lat = Number(record.latitude);
        const lon = Number(record.longitude);
        minLat = Math.min(minLat, lat);
        maxLat = Math.max(maxLat, lat);
        minLon = Math.min(minLon, lon);
        maxLon = Math.max(maxLon, lon);
    }
    const squeeze = Math.cos((minLat + maxLat) / 2 * Math.PI / 180);
    const spanX = Math.max((maxLon - minLon) * squeeze, 1e-9);
    const spanY = Math.max(maxLat - minLat, 1e-9);
    const scale = Math.min((width - 2 * margin) / spanX, (height - 2 * margin) / spanY);
    return {
        minLat: minLat, minLon: minLon, squeeze: squeeze, scale: scale, height: height,
        offsetX: (width - spanX * scale) / 2, offsetY: (height - spanY * scale) / 2
    };
}

// A point in the box, with the index of its record in the track (its
// position in records when the record has none).
function projectPoint(frame, record, index) {
    return {
        x: frame.offsetX + (Number(record.longitude) - frame.minLon) * frame.squeeze * frame.scale,
        y: frame.height - frame.offsetY - (Number(record.latitude) - frame.minLat) * frame.scale,
        index: record.index ?? index
    };
}

function plotPoints(records, frame) {
    return frame === null ? [] : records.map((record, i) => projectPoint(frame, record, i));
}
