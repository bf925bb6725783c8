// What the phone's sensors read in a pose: the phone page and the command
// line evaluate these same functions, so both send the same readings.
//
// Angles are degrees. The pose's rotation is R = Rx(x) * Ry(y) * Rz(z): a
// vector given in device coordinates points along R * v in the world, whose
// Y axis points up.
import { Euler, Vector3 } from "./three.mjs";

export const gravityAccelEarth = 9.80665;
// m/s² to the thousandths of g the emulator takes.
export const accGravityCoef = 1000 / gravityAccelEarth;
// Microtesla to the tesla the emulator takes.
export const microToWholeCoef = 0.000001;

const emulatedValueLimit = 3000;

// The preset poses 1 to 6 of the page's buttons: [Z-Rot, X-Rot].
export const presetRotations = [[0, 0], [-90, 0], [180, 0], [90, 0], [0, -90], [0, 90]];

export function limitEmulatedValue(value) {
    if (Math.abs(value) <= emulatedValueLimit)
        return value;
    return value < 0 ? -emulatedValueLimit : emulatedValueLimit;
}

function toRadians(degrees) {
    return degrees * Math.PI / 180;
}

// Gravity as the device feels it: g times the second row of R.
export function gravityAcceleration(x, y, z, g) {
    const cx = Math.cos(toRadians(x)), sx = Math.sin(toRadians(x));
    const cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    const cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [g * (cx * sz + sx * sy * cz),
            g * (cx * cz - sx * sy * sz),
            -g * cy * sx];
}

// The acceleration that carries the phone from its previous displacement with
// its previous speed to the current displacement within one interval.
export function calculateMoveAccValue(displacement, previousDisplacement, speed, interval) {
    return 2 * (displacement - previousDisplacement) / (interval * interval)
            - 2 * speed / interval;
}

// The world acceleration m = (m0, m1, m2) in device coordinates, as gravity
// above: each component is m projected on one rotated device axis.
export function motionAcceleration(x, y, z, m) {
    const cx = Math.cos(toRadians(x)), sx = Math.sin(toRadians(x));
    const cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    const cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [m[0] * cy * cz + m[1] * cx * sz + m[1] * sx * sy * cz
            + m[2] * sx * sz - m[2] * cx * sy * cz,
            -m[0] * cy * sz + m[1] * cx * cz - m[1] * sx * sy * sz
            + m[2] * sx * cz + m[2] * cx * sy * sz,
            m[0] * sy - m[1] * sx * cy + m[2] * cx * cy];
}

// Turns per second of one slider between two ticks. A slider that wrapped
// went past ±180 and came back at the other end; the sign of its new value
// tells which way, so turning either way past the end reads right.
export function rotationFrequency(value, previousValue, wrapped, interval) {
    let difference = value - previousValue;
    if (wrapped) {
        const magnitude = 360 - Math.abs(value) - Math.abs(previousValue);
        difference = value < 0 ? magnitude : -magnitude;
    }
    return difference / (360 * interval);
}

// Degrees per second about the device's axes for slider frequencies f.
export function angularSpeed(x, y, z, f) {
    const cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    const cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [360 * (f[0] * cz * cy + f[1] * sz),
            360 * (-f[0] * sz * cy + f[1] * cz),
            360 * (f[2] + f[0] * sy)];
}

// The field F = (fx, fy, fz) projected on the device's rotated axes. An angle
// to a zero field cannot be formed; three.js takes it as 90 degrees, so the
// reading is 0 then.
export function magneticReading(x, y, z, field) {
    const euler = new Euler(toRadians(x), toRadians(y), toRadians(z), "XYZ");
    const f = new Vector3(field[0], field[1], field[2]);
    const strength = f.length();
    const axes = [new Vector3(1, 0, 0), new Vector3(0, 1, 0), new Vector3(0, 0, 1)];
    return axes.map(axis => strength * Math.cos(axis.applyEuler(euler).angleTo(f)));
}

// An acceleration in m/s² as the whole thousandths of g the emulator takes:
// the nearest (cut off, 984.8 thousandths at X-Rot 10 would read 984).
export function thousandthsOfG(value, coefficient) {
    return Math.round(value * coefficient);
}

// The accelerometer triple the emulator receives for an acceleration a in
// m/s²: whole thousandths of g, limited.
export function accelerometerValues(a, coefficient) {
    return a.map(value => limitEmulatedValue(thousandthsOfG(value, coefficient)));
}

// The magnetometer triple the emulator receives for a reading b in
// microtesla: tesla, limited.
export function magnetometerValues(b) {
    return b.map(value => limitEmulatedValue(value * microToWholeCoef));
}

// What the emulator receives for a phone at rest in the pose (x, y, z), with
// the magnetic field in microtesla: the accelerometer in thousandths of g and
// the magnetometer in tesla.
export function restingReadings(x, y, z, field) {
    const a = gravityAcceleration(x, y, z, gravityAccelEarth);
    const b = magneticReading(x, y, z, field);
    return {
        accelerometer: accelerometerValues(a, accGravityCoef),
        magnetometer: magnetometerValues(b)
    };
}
