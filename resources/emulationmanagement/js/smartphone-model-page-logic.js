.import "pose-readings.mjs" as Pose
.import "pose-display.js" as Display

// Turns the pose of the virtual phone into accelerometer, gyroscope and
// magnetometer readings with the maths of pose-readings.mjs. A plain import:
// the functions work on the names of the phone page's scope.
//
// Reads and writes, by owner:
// - context property sensorsEmulationManager (the plug-in): its
//   sensorsAvailability, sensorsEnabledStates and magneticField are read; the
//   readings are sent through its setters.
// - SmartphoneModelPage.qml: the page's properties (the constants are read;
//   the tick history xMovePrev*, x*InitSpeed, xGyro*, x*RotSliderReset, the
//   readings acc*, gyro*, magnet* and controlModifierPressed are read and
//   written), the six sliders' values (read and written), the ids
//   rotationRadioButton and moveRadioButton (checked read and written), and
//   accelerometerLabel, gyroscopeLabel, magnetometerLabel and resultsColumn
//   (visible and enabled written, read as gates).
// What needs no name of the page is in pose-readings.mjs and pose-display.js.

var sensorNames = ["accelerometer", "gyroscope", "magnetometer"];

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
        Pose.calculateMoveAccValue(xMoveSlider.value * phoneSizeCoefficient, xMovePrevValue,
                                   xMoveInitSpeed, timerInterval),
        Pose.calculateMoveAccValue(yMoveSlider.value * phoneSizeCoefficient, yMovePrevValue,
                                   yMoveInitSpeed, timerInterval),
        Pose.calculateMoveAccValue(zMoveSlider.value * phoneSizeCoefficient, zMovePrevValue,
                                   zMoveInitSpeed, timerInterval)
    ];
}

function updateAccelerometerValues() {
    if (!accelerometerLabel.visible)
        return;
    var x = xRotSlider.value, y = yRotSlider.value, z = zRotSlider.value;
    var a = Pose.gravityAcceleration(x, y, z, gravityAccelEarth);
    if (moveRadioButton.checked) {
        var m = Pose.motionAcceleration(x, y, z, moveAccelerations());
        a = [a[0] + m[0], a[1] + m[1], a[2] + m[2]];
    }
    accXValue = a[0];
    accYValue = a[1];
    accZValue = a[2];
    var sent = Pose.accelerometerValues(a, accGravityCoef);
    sensorsEmulationManager.setAccelerometerValues(sent[0], sent[1], sent[2]);
}

function calculateRotationFrequency() {
    xGyroRotFrequency = Pose.rotationFrequency(xRotSlider.value, xGyroPrevValue, xRotSliderReset,
                                               timerInterval);
    yGyroRotFrequency = Pose.rotationFrequency(yRotSlider.value, yGyroPrevValue, yRotSliderReset,
                                               timerInterval);
    zGyroRotFrequency = Pose.rotationFrequency(zRotSlider.value, zGyroPrevValue, zRotSliderReset,
                                               timerInterval);
    xRotSliderReset = false;
    yRotSliderReset = false;
    zRotSliderReset = false;
}

function updateGyroscopeValues() {
    if (gyroscopeLabel.enabled) {
        var g = Pose.angularSpeed(xRotSlider.value, yRotSlider.value, zRotSlider.value,
                             [xGyroRotFrequency, yGyroRotFrequency, zGyroRotFrequency]);
        gyroXValue = g[0];
        gyroYValue = g[1];
        gyroZValue = g[2];
        sensorsEmulationManager.setGyroscopeValues(Pose.limitEmulatedValue(g[0]),
                                                   Pose.limitEmulatedValue(g[1]),
                                                   Pose.limitEmulatedValue(g[2]));
    }
    xGyroPrevValue = xRotSlider.value;
    yGyroPrevValue = yRotSlider.value;
    zGyroPrevValue = zRotSlider.value;
}

function updateMagnetometerValues() {
    if (!magnetometerLabel.enabled || !rotationRadioButton.checked)
        return;
    var field = sensorsEmulationManager.magneticField;
    var b = Pose.magneticReading(xRotSlider.value, yRotSlider.value, zRotSlider.value,
                            [field.x, field.y, field.z]);
    magnetXValue = b[0];
    magnetYValue = b[1];
    magnetZValue = b[2];
    var sent = Pose.magnetometerValues(b);
    sensorsEmulationManager.setMagnetometerValues(sent[0], sent[1], sent[2]);
}

function updatePoseReadings() {
    updateAccelerometerValues();
    updateMagnetometerValues();
}

// Turns a rotation slider by some degrees, coming back at the other end past
// ±180 (the same pose); returns whether it wrapped.
function turnSlider(slider, degrees) {
    const turned = Display.turnedAngle(slider.value, degrees, rotMaxValue);
    slider.value = turned.value;
    return turned.wrapped;
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

// Preset poses 1 to 6.
function switchOrientation(index) {
    xRotSlider.value = 0;
    yRotSlider.value = 0;
    zRotSlider.value = Pose.presetRotations[index - 1][0];
    xRotSlider.value = Pose.presetRotations[index - 1][1];
    updatePoseReadings();
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
