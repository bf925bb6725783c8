.pragma library
.import "pose-readings.mjs" as Pose

// How the phone page shows a pose: its readings, its preset pictures and the
// rotation sliders' wrap. Pure functions of their arguments.

// Each value as the emulator receives it in thousandths of g, back in m/s².
function receivedAcceleration(value, coefficient) {
    return Pose.thousandthsOfG(value, coefficient) / coefficient;
}

function formatValues(caption, values, locale, decimals) {
    return caption + ": " + values.map(value => value.toLocaleString(locale, "f", decimals)).join(" ");
}

function phoneIconSource(index, dark) {
    return "qrc:/emulationmanagement/icons/phone_" + index + (dark ? "_light" : "") + ".png";
}

// An angle turned by some degrees, coming back at the other end past ±limit
// (the same pose), and whether it wrapped.
function turnedAngle(angle, degrees, limit) {
    const value = angle + degrees;
    const wrapped = Math.abs(value) > limit;
    return { value: wrapped ? value - 2 * limit * Math.sign(value) : value, wrapped: wrapped };
}
