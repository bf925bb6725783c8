// Logic of the camera page. A plain import: the functions work on the
// names of the page's scope.
//
// Reads and writes, by owner:
// - context property cameraEmulationManager (the plug-in): read; its stream
//   calls are made here.
// - CameraManagementPage.qml: currentCameraName, currentResolution and
//   currentFramerate (written by setupCurrentCameraStreamValues),
//   videoFilePath (written by videoFileAccepted; read), videoFileUrl and the
//   ids hostCameraButton and videoFileButton (read).
// - EmulationManagementView.qml: the id errorDialog (its text is written and
//   it is opened by videoFileCodecChecked and streamFailed).
// localPath, longestEntry and sentFrameRateText read their arguments only.

// The local path of a file URL, as the manager needs it: the "file://" prefix
// goes and the percent-encoding is undone, so that names with spaces or
// non-ASCII letters reach the manager as they are on disk.
function localPath(url) {
    return decodeURIComponent(url.toString().replace(/^(file:\/{2})/, ""));
}

// The entry of a list of texts with the most characters ("" for none).
function longestEntry(entries) {
    let longest = "";
    for (let i = 0; i < entries.length; ++i) {
        if (entries[i].length > longest.length)
            longest = entries[i];
    }
    return longest;
}

function setupCurrentCameraStreamValues() {
    currentCameraName = cameraEmulationManager.cameraName;
    currentResolution = "%1x%2".arg(cameraEmulationManager.width).arg(cameraEmulationManager.height);
    currentFramerate = cameraEmulationManager.framerate;
}

function stopRunningStream() {
    if (!cameraEmulationManager.streamRunning)
        return;
    if (hostCameraButton.checked)
        cameraEmulationManager.stopCameraStream();
    else
        cameraEmulationManager.stopVideoStream();
}

function exitPage(callback) {
    callback();
    stopRunningStream();
}

function startStream() {
    if (videoFileButton.checked)
        cameraEmulationManager.startVideoStream(videoFilePath);
    else
        cameraEmulationManager.startCameraStream();
}

function stopStream() {
    if (videoFileButton.checked)
        cameraEmulationManager.stopVideoStream();
    else
        cameraEmulationManager.stopCameraStream();
}

function hostCameraChecked() {
    if (cameraEmulationManager.streamRunning)
        cameraEmulationManager.startCameraStream();
}

function videoFileChecked() {
    if (videoFilePath === "")
        cameraEmulationManager.stopCameraStream();
    else if (cameraEmulationManager.streamRunning)
        cameraEmulationManager.startVideoStream(videoFilePath);
}

function videoFileAccepted() {
    videoFilePath = localPath(videoFileUrl);
    cameraEmulationManager.startVideoStream(videoFilePath);
}

function videoFileCodecChecked(success, codecName) {
    if (success)
        return;
    if (cameraEmulationManager.streamRunning)
        cameraEmulationManager.stopVideoStream();
    if (codecName === "")
        errorDialog.text = qsTr("Could not determine the video codec of the video file. Supported codecs: VP8 and VP9.");
    else
        errorDialog.text = qsTr("Camera emulation does not support %1. Supported codecs: VP8 and VP9.").arg(codecName);
    errorDialog.open();
}

function streamFailed(message) {
    errorDialog.text = qsTr("The camera stream stopped: %1").arg(message);
    errorDialog.open();
}

function sentFrameRateText(rate) {
    return qsTr("Sent: %1 frames per second").arg(Number(rate).toLocaleString(Qt.locale("en_US"), 'f', 1));
}
