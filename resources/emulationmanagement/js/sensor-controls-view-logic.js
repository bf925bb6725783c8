// Shared by the main view and the two sensor pages. A plain import: each
// function works on the names of the document that calls it.
//
// Reads and writes, by owner:
// - context property sensorsEmulationManager (the plug-in): read by all;
//   written through its setters by sensorEnabledCheckboxClickHandler and
//   sensorStateReplyReceived.
// - EmulationManagementView.qml: pendingSensorRequests (read and written by
//   sensorStateReplyReceived and sensorEnabledCheckboxClickHandler, both
//   called there or through the sensors management page) and the id
//   sensorsManagementPage (read by sensorStateReplyReceived).
// - the calling sensor page: sensorsControlsIds (read; the check boxes' or
//   blocks' checked, visible and controlsEnabled are written) and, on the
//   sensors management page, sensorControlsRelations (read).
// replyFromEmulatorReceivedHandler, sensorStateReply and lightLevelIndex read
// their arguments only.

function replyFromEmulatorReceivedHandler(reply, errorDialog) {
    if (reply === "" || reply === "OK")
        return;
    errorDialog.text = reply;
    errorDialog.open();
}

// The enabled-state request that a reply answers: its method, sensor and
// whether the emulator refused it; null for a reply to any other call. A
// reply whose error text holds ":" has more than five fields: refused too.
function sensorStateReply(reply) {
    const fields = reply.split(":");
    if (fields.length < 5 || (fields[0] !== "enableSensor" && fields[0] !== "disableSensor"))
        return null;
    return { enabled: fields[0] === "enableSensor", sensorName: fields[1].split("|")[0],
             refused: fields.length !== 5 || fields[3] !== "" };
}

// Settles the oldest unanswered request that a reply answers: forgotten when
// the emulator took it, undone in the sensors map when it refused it (the
// emulator kept its state, so nothing is sent back).
function sensorStateReplyReceived(reply) {
    const answer = sensorStateReply(reply);
    const index = answer ? pendingSensorRequests.findIndex(request =>
        request.sensorName === answer.sensorName && request.enabled === answer.enabled) : -1;
    if (index < 0)
        return;
    const request = pendingSensorRequests[index];
    pendingSensorRequests = pendingSensorRequests.filter((_, i) => i !== index);
    if (!answer.refused)
        return;
    sensorsEmulationManager.setSensorEnabled(request.sensorName, request.previouslyEnabled);
    sensorsManagementPage.followSensorState(request.sensorName);
}

function sensorEnabledCheckboxClickHandler(checked, sensorName) {
    pendingSensorRequests = pendingSensorRequests.concat([{ sensorName: sensorName, enabled: checked,
        previouslyEnabled: sensorsEmulationManager.sensorsEnabledStates[sensorName] === true }]);
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

// Sets one property of every block or check box of the page to whether the
// manager's map holds true for its sensor.
function followSensorMap(map, property) {
    for (const item of sensorsControlsIds)
        item[property] = map[item.sensorName] === true;
}

function updateSensorsControlsVisibility() {
    followSensorMap(sensorsEmulationManager.sensorsAvailability, "visible");
}

function updateSensorsControlsEnabledState() {
    followSensorMap(sensorsEmulationManager.sensorsEnabledStates, "controlsEnabled");
}

function updateSensorsControlsCheckedState() {
    followSensorMap(sensorsEmulationManager.sensorsEnabledStates, "checked");
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
