// Turns the pose of the virtual phone into accelerometer, gyroscope and
// magnetometer readings. The phone page imports this file into its own scope:
// the functions below the pure ones read the page's properties and ids.
//
// Angles are degrees. The pose's rotation is R = Rx(x) * Ry(y) * Rz(z): a
// vector given in device coordinates points along R * v in the world, whose
// Y axis points up.
.import "three.mjs" as THREE

var emulatedValueLimit = 3000;

var sensorNames = ["accelerometer", "gyroscope", "magnetometer"];

function limitEmulatedValue(value) {
    if (Math.abs(value) <= emulatedValueLimit)
        return value;
    return value < 0 ? -emulatedValueLimit : emulatedValueLimit;
}

function toRadians(degrees) {
    return degrees * Math.PI / 180;
}

// Gravity as the device feels it: g times the second row of R.
function gravityAcceleration(x, y, z, g) {
    var cx = Math.cos(toRadians(x)), sx = Math.sin(toRadians(x));
    var cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    var cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [g * (cx * sz + sx * sy * cz),
            g * (cx * cz - sx * sy * sz),
            -g * cy * sx];
}

// The acceleration that carries the phone from its previous displacement with
// its previous speed to the current displacement within one interval.
function calculateMoveAccValue(displacement, previousDisplacement, speed, interval) {
    return 2 * (displacement - previousDisplacement) / (interval * interval)
            - 2 * speed / interval;
}

// The world acceleration m = (m0, m1, m2) in device coordinates, as gravity
// above: each component is m projected on one rotated device axis.
function motionAcceleration(x, y, z, m) {
    var cx = Math.cos(toRadians(x)), sx = Math.sin(toRadians(x));
    var cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    var cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [m[0] * cy * cz + m[1] * cx * sz + m[1] * sx * sy * cz
            + m[2] * sx * sz - m[2] * cx * sy * cz,
            -m[0] * cy * sz + m[1] * cx * cz - m[1] * sx * sy * sz
            + m[2] * sx * cz + m[2] * cx * sy * sz,
            m[0] * sy - m[1] * sx * cy + m[2] * cx * cy];
}

// Turns per second of one slider between two ticks. A slider that wrapped
// went past ±180 and came back at the other end; the sign of its new value
// tells which way, so turning either way past the end reads right.
function rotationFrequency(value, previousValue, wrapped, interval) {
    var difference = value - previousValue;
    if (wrapped) {
        var magnitude = 360 - Math.abs(value) - Math.abs(previousValue);
        difference = value < 0 ? magnitude : -magnitude;
    }
    return difference / (360 * interval);
}

// Degrees per second about the device's axes for slider frequencies f.
function angularSpeed(x, y, z, f) {
    var cy = Math.cos(toRadians(y)), sy = Math.sin(toRadians(y));
    var cz = Math.cos(toRadians(z)), sz = Math.sin(toRadians(z));
    return [360 * (f[0] * cz * cy + f[1] * sz),
            360 * (-f[0] * sz * cy + f[1] * cz),
            360 * (f[2] + f[0] * sy)];
}

// The field F = (fx, fy, fz) projected on the device's rotated axes. An angle
// to a zero field cannot be formed; three.js takes it as 90 degrees, so the
// reading is 0 then.
function magneticReading(x, y, z, field) {
    var euler = new THREE.Euler(toRadians(x), toRadians(y), toRadians(z), "XYZ");
    var f = new THREE.Vector3(field[0], field[1], field[2]);
    var strength = f.length();
    var axes = [new THREE.Vector3(1, 0, 0), new THREE.Vector3(0, 1, 0), new THREE.Vector3(0, 0, 1)];
    return axes.map(function (axis) {
        return strength * Math.cos(axis.applyEuler(euler).angleTo(f));
    });
}

// Each value as the emulator receives it in thousandths of g, back in m/s².
function receivedAcceleration(value, coefficient) {
    return Math.round(value * coefficient) / coefficient;
}

function formatValues(caption, values, locale, decimals) {
    return caption + ": " + values.map(function (value) {
        return value.toLocaleString(locale, "f", decimals);
    }).join(" ");
}

// A rotation slider that went past ±180 (keys may take it there) comes back
// at the other end of its range.
function wrapSlider(slider) {
    if (Math.abs(slider.value) <= rotMaxValue)
        return false;
    slider.value = -rotMaxValue * Math.sign(slider.value);
    return true;
}

function resetSlidersValue() {
    if (wrapSlider(xRotSlider))
        xRotSliderReset = true;
    if (wrapSlider(yRotSlider))
        yRotSliderReset = true;
    if (wrapSlider(zRotSlider))
        zRotSliderReset = true;
}

function moveAccelerations() {
    return [
        calculateMoveAccValue(xMoveSlider.value * phoneSizeCoefficient, xMovePrevValue,
                              xMoveInitSpeed, timerInterval),
        calculateMoveAccValue(yMoveSlider.value * phoneSizeCoefficient, yMovePrevValue,
                              yMoveInitSpeed, timerInterval),
        calculateMoveAccValue(zMoveSlider.value * phoneSizeCoefficient, zMovePrevValue,
                              zMoveInitSpeed, timerInterval)
    ];
}

function updateAccelerometerValues() {
    if (!accelerometerLabel.visible)
        return;
    var x = xRotSlider.value, y = yRotSlider.value, z = zRotSlider.value;
    var a = gravityAcceleration(x, y, z, gravityAccelEarth);
    if (moveRadioButton.checked) {
        var m = motionAcceleration(x, y, z, moveAccelerations());
        a = [a[0] + m[0], a[1] + m[1], a[2] + m[2]];
    }
    accXValue = a[0];
    accYValue = a[1];
    accZValue = a[2];
    // To the nearest thousandth: passed as they are, the fractions would be
    // cut off, and 984.8 thousandths (X-Rot 10) would read 984.
    sensorsEmulationManager.setAccelerometerValues(limitEmulatedValue(Math.round(a[0] * accGravityCoef)),
                                                   limitEmulatedValue(Math.round(a[1] * accGravityCoef)),
                                                   limitEmulatedValue(Math.round(a[2] * accGravityCoef)));
}

function calculateRotationFrequency() {
    xGyroRotFrequency = rotationFrequency(xRotSlider.value, xGyroPrevValue, xRotSliderReset,
                                          timerInterval);
    yGyroRotFrequency = rotationFrequency(yRotSlider.value, yGyroPrevValue, yRotSliderReset,
                                          timerInterval);
    zGyroRotFrequency = rotationFrequency(zRotSlider.value, zGyroPrevValue, zRotSliderReset,
                                          timerInterval);
    xRotSliderReset = false;
    yRotSliderReset = false;
    zRotSliderReset = false;
}

function updateGyroscopeValues() {
    if (gyroscopeLabel.enabled) {
        var g = angularSpeed(xRotSlider.value, yRotSlider.value, zRotSlider.value,
                             [xGyroRotFrequency, yGyroRotFrequency, zGyroRotFrequency]);
        gyroXValue = g[0];
        gyroYValue = g[1];
        gyroZValue = g[2];
        sensorsEmulationManager.setGyroscopeValues(limitEmulatedValue(g[0]),
                                                   limitEmulatedValue(g[1]),
                                                   limitEmulatedValue(g[2]));
    }
    xGyroPrevValue = xRotSlider.value;
    yGyroPrevValue = yRotSlider.value;
    zGyroPrevValue = zRotSlider.value;
}

function updateMagnetometerValues() {
    if (!magnetometerLabel.enabled || !rotationRadioButton.checked)
        return;
    var field = sensorsEmulationManager.magneticField;
    var b = magneticReading(xRotSlider.value, yRotSlider.value, zRotSlider.value,
                            [field.x, field.y, field.z]);
    magnetXValue = b[0];
    magnetYValue = b[1];
    magnetZValue = b[2];
    sensorsEmulationManager.setMagnetometerValues(limitEmulatedValue(b[0] * microToWholeCoef),
                                                  limitEmulatedValue(b[1] * microToWholeCoef),
                                                  limitEmulatedValue(b[2] * microToWholeCoef));
}

function updatePoseReadings() {
    updateAccelerometerValues();
    updateMagnetometerValues();
}

// Turns a rotation slider by some degrees, coming back at the other end past
// ±180 (the same pose); returns whether it wrapped.
function turnSlider(slider, degrees) {
    var value = slider.value + degrees;
    var wrapped = Math.abs(value) > rotMaxValue;
    if (wrapped)
        value -= 2 * rotMaxValue * Math.sign(value);
    slider.value = value;
    return wrapped;
}

// A drag on the phone model is a step of the Z-Rot and X-Rot sliders: they
// move, a wrap is marked for the gyroscope's next tick as the page's own wrap
// is, and the readings follow as after a slider submission.
function modelDragged(zDegrees, xDegrees) {
    if (turnSlider(zRotSlider, zDegrees))
        zRotSliderReset = true;
    if (turnSlider(xRotSlider, xDegrees))
        xRotSliderReset = true;
    updatePoseReadings();
}

// Speeds from the last two ticks, then the reading, then the history moves on.
function moveTick() {
    xMoveInitSpeed = (xMovePrevValue - xMovePrevPrevValue) / timerInterval;
    yMoveInitSpeed = (yMovePrevValue - yMovePrevPrevValue) / timerInterval;
    zMoveInitSpeed = (zMovePrevValue - zMovePrevPrevValue) / timerInterval;
    updateAccelerometerValues();
    xMovePrevPrevValue = xMovePrevValue;
    yMovePrevPrevValue = yMovePrevValue;
    zMovePrevPrevValue = zMovePrevValue;
    xMovePrevValue = xMoveSlider.value * phoneSizeCoefficient;
    yMovePrevValue = yMoveSlider.value * phoneSizeCoefficient;
    zMovePrevValue = zMoveSlider.value * phoneSizeCoefficient;
}

function timerTick() {
    if (rotationRadioButton.checked) {
        calculateRotationFrequency();
        updateGyroscopeValues();
    } else {
        moveTick();
    }
}

function pageActivated() {
    updateAccelerometerValues();
    sensorsEmulationManager.setGyroscopeValues(0, 0, 0);
    updateMagnetometerValues();
}

// No tick sends the gyroscope in Move mode or while the page is hidden, so
// its last reading, perhaps a turn, would stay with the emulator.
function stopTurning() {
    gyroXValue = 0;
    gyroYValue = 0;
    gyroZValue = 0;
    sensorsEmulationManager.setGyroscopeValues(0, 0, 0);
}

var presetRotations = [[0, 0], [-90, 0], [180, 0], [90, 0], [0, -90], [0, 90]];

// Preset poses 1 to 6: [Z-Rot, X-Rot].
function switchOrientation(index) {
    xRotSlider.value = 0;
    yRotSlider.value = 0;
    zRotSlider.value = presetRotations[index - 1][0];
    xRotSlider.value = presetRotations[index - 1][1];
    updatePoseReadings();
}

function phoneIconSource(index, dark) {
    return "qrc:/emulationmanagement/icons/phone_" + index + (dark ? "_light" : "") + ".png";
}

function toggleMode() {
    if (rotationRadioButton.checked)
        moveRadioButton.checked = true;
    else
        rotationRadioButton.checked = true;
}

function moveDisplacement(slider, step) {
    if ((step < 0 && slider.value > moveMinValue) || (step > 0 && slider.value < moveMaxValue))
        slider.value += step;
}

function rotationKey(key, shift) {
    if (key === Qt.Key_Left)
        (shift ? yRotSlider : zRotSlider).value -= 1;
    else if (key === Qt.Key_Right)
        (shift ? yRotSlider : zRotSlider).value += 1;
    else if (key === Qt.Key_Up)
        xRotSlider.value += 1;
    else if (key === Qt.Key_Down)
        xRotSlider.value -= 1;
}

function moveKey(key) {
    if (key === Qt.Key_Left)
        moveDisplacement(xMoveSlider, -stepSize);
    else if (key === Qt.Key_Right)
        moveDisplacement(xMoveSlider, stepSize);
    else if (key === Qt.Key_Up)
        moveDisplacement(yMoveSlider, stepSize);
    else if (key === Qt.Key_Down)
        moveDisplacement(yMoveSlider, -stepSize);
}

var arrowKeys = [Qt.Key_Left, Qt.Key_Right, Qt.Key_Up, Qt.Key_Down];

// Returns whether the page used the key: other keys go on to the page's
// parents, so that Tab still moves the focus.
function keyPressed(event) {
    if (event.modifiers & Qt.ControlModifier)
        controlModifierPressed = true;
    resetSlidersValue();
    if (rotationRadioButton.checked) {
        rotationKey(event.key, event.modifiers & Qt.ShiftModifier);
        updatePoseReadings();
    } else {
        moveKey(event.key);
    }
    return arrowKeys.indexOf(event.key) >= 0;
}

function keyReleased(event) {
    if (event.modifiers === Qt.NoModifier)
        controlModifierPressed = false;
}

function resultLabels() {
    return [accelerometerLabel, gyroscopeLabel, magnetometerLabel];
}

function updateResultLabelsVisibility() {
    var availability = sensorsEmulationManager.sensorsAvailability;
    var labels = resultLabels();
    var anyShown = false;
    for (var i = 0; i < labels.length; ++i) {
        var available = availability[sensorNames[i]] === true;
        labels[i].visible = available;
        anyShown = anyShown || available;
    }
    resultsColumn.visible = anyShown;
}

function updateResultLabelsEnabledState() {
    var states = sensorsEmulationManager.sensorsEnabledStates;
    var labels = resultLabels();
    for (var i = 0; i < labels.length; ++i)
        labels[i].enabled = states[sensorNames[i]] === true;
}
