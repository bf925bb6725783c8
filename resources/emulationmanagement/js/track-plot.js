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

// The track's points scaled into a width × height box with a margin, north
// up and the longitude scaled by the cosine of the middle latitude.
function plotPoints(records, width, height, margin) {
    if (records.length === 0)
        return [];
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
    const offsetX = (width - spanX * scale) / 2;
    const offsetY = (height - spanY * scale) / 2;
    return records.map(record => ({
        x: offsetX + (Number(record.longitude) - minLon) * squeeze * scale,
        y: height - offsetY - (Number(record.latitude) - minLat) * scale
    }));
}
