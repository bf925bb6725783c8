.pragma library
// Pure helpers of the phone's 3D view: where the camera stands and how a
// mouse drag turns the phone.

// Degrees the phone turns per pixel dragged.
const dragDegreesPerPixel = 0.5;
// The camera looks down on the phone by this much, so a phone lying flat
// still shows its face.
const cameraElevationDegrees = 15;
// Room left around the turning phone, as a share of the view's height.
const viewMargin = 1.15;

// Radius of the sphere around the model's origin that holds its bounds, so
// that any pose of the phone stays in view.
function boundingRadius(minimum, maximum) {
    const x = Math.max(Math.abs(minimum.x), Math.abs(maximum.x));
    const y = Math.max(Math.abs(minimum.y), Math.abs(maximum.y));
    const z = Math.max(Math.abs(minimum.z), Math.abs(maximum.z));
    const radius = Math.sqrt(x * x + y * y + z * z);
    return isFinite(radius) ? radius : 0;
}

// Distance from the phone at which a sphere of that radius fills the
// vertical field of view, with the margin. Until the mesh has loaded its
// radius reads 0; a centimetre keeps the camera's clipping planes apart.
function cameraDistance(radius, fieldOfViewDegrees) {
    return viewMargin * Math.max(radius, 0.01) / Math.sin(fieldOfViewDegrees * Math.PI / 360);
}

// A drag step of (dx, dy) pixels: dragging right turns the phone clockwise
// as seen (Z-Rot down), dragging up tips its top away from the viewer
// (X-Rot down), as if the phone's top were held.
function dragRotation(dx, dy) {
    return { z: -dx * dragDegreesPerPixel, x: dy * dragDegreesPerPixel };
}
