// Shared by the main view and the sensor pages. Imported without
// ".pragma library", so each function works on the ids and properties of the
// document that calls it.

function replyFromEmulatorReceivedHandler(reply, errorDialog) {
    if (reply === "" || reply === "OK")
        return;
    errorDialog.text = reply;
    errorDialog.open();
    revertSensorControlsState();
}

// Undoes the last enabled-state change in the sensors map only: the emulator
// refused it, so there is nothing to send back.
function revertSensorControlsState() {
    if (lastChangedSensorName === "")
        return;
    sensorsEmulationManager.setSensorEnabled(lastChangedSensorName, lastChangedSensorPreviousEnabled);
    sensorsManagementPage.followSensorState(lastChangedSensorName);
    lastChangedSensorName = "";
}

function sensorEnabledCheckboxClickHandler(checked, sensorName) {
    lastChangedSensorName = sensorName;
    lastChangedSensorEnabled = checked;
    lastChangedSensorPreviousEnabled = sensorsEmulationManager.sensorsEnabledStates[sensorName] === true;
    if (checked)
        sensorsEmulationManager.enableSensor(sensorName);
    else
        sensorsEmulationManager.disableSensor(sensorName);
    sensorsEmulationManager.setSensorEnabled(sensorName, checked);
}

function dependentSensorsEnabledHandler(checked, sensorName) {
    const dependents = sensorControlsRelations[sensorName][checked ? "true" : "false"];
    for (const item of sensorsControlsIds) {
        if (dependents.indexOf(item.sensorName) >= 0)
            item.checked = checked;
    }
}

function updateSensorsControlsVisibility() {
    const availability = sensorsEmulationManager.sensorsAvailability;
    for (const item of sensorsControlsIds)
        item.visible = availability[item.sensorName] === true;
}

function updateSensorsControlsEnabledState() {
    const states = sensorsEmulationManager.sensorsEnabledStates;
    for (const item of sensorsControlsIds)
        item.controlsEnabled = states[item.sensorName] === true;
}

function updateSensorsControlsCheckedState() {
    const states = sensorsEmulationManager.sensorsEnabledStates;
    for (const item of sensorsControlsIds)
        item.checked = states[item.sensorName] === true;
}

function sensorsStatesHasChanged() {
    const states = sensorsEmulationManager.sensorsEnabledStates;
    return sensorsControlsIds.some(item => item.checked !== (states[item.sensorName] === true));
}

// The entry of the light level list that a lux value falls into: the last
// level reached, or -1 below the first one (the selection stays as it is).
function lightLevelIndex(lux, levels) {
    let index = -1;
    for (let i = 0; i < levels.length && lux >= levels[i]; ++i)
        index = i;
    return index;
}
