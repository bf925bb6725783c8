import QtQuick
import QtQuick.Controls
import QtTest

// The camera page in the main view, streaming the virtual camera and video
// files made at run time to a real receiver on UDP 127.0.0.1:34343.
ViewTestCase {
    id: test

    readonly property var page: view ? findChild(view, "cameraManagementPage") : null

    function chooseFile(path, parent) {
        const dialog = child("videoFileDialog", parent);
        dialog.currentFile = cameraRig.fileUrl(path);
        dialog.accepted();
    }
    function click(name) {
        const control = child(name);
        verify(control.enabled, name + " is enabled");
        mouseClick(control);
    }
    function framesArrive(width, height) {
        cameraRig.resetReceiver();
        tryVerify(() => cameraRig.receivedFrames(width, height) >= 5, patience, width + "x" + height + " frames");
    }

    name: "CameraPage"

    function initTestCase() {
        verify(cameraRig.listen(), "UDP port 34343 is free");
        showPage("Camera Management");
        click("updateCamerasButton");
        compare(cameraEmulationManager.cameras, ["Virtual Camera 1", "Virtual Camera 2"]);
    }
    function init() {
        showPage("Camera Management");
        click("hostCameraButton");
        page.videoFilePath = "";
        if (cameraEmulationManager.streamRunning)
            click("stopStreamButton");
    }

    // The last camera goes from the live page while it streams, then a page is made without one.
    function test_noCameraLeavesOnlyTheVideoFile() {
        click("startStreamButton");
        cameraRig.unplugCameras();
        tryCompare(cameraEmulationManager, "cameras", [], patience);
        const controls = parent => ["hostCameraButton", "videoFileButton", "startStreamButton"].map(name => child(name, parent));
        const [liveHost, liveVideo, liveStart] = controls();
        compare([liveHost.enabled, liveHost.checked, liveVideo.checked, liveStart.enabled, cameraEmulationManager.streamRunning], [false, false, true, false, false]);
        lonePageLoader.active = true;
        const lonePage = lonePageLoader.item;
        const [host, video, start] = controls(lonePage);
        compare([host.enabled, host.checked, video.checked, start.enabled], [false, false, true, false]);
        chooseFile(cameraRig.media("vp8", "lone.webm"), lonePage);
        compare([start.enabled, cameraEmulationManager.streamRunning], [false, true], "the chosen file streams at once");
        cameraEmulationManager.stopVideoStream();
        verify(start.enabled);

        // Cameras found later make "Host camera" the choice.
        cameraRig.plugCamera(0, "Virtual Camera 1");
        tryVerify(() => host.checked, patience);
        lonePageLoader.active = false;
        cameraRig.plugCamera(1, "Virtual Camera 2");
        tryCompare(cameraEmulationManager.cameras, "length", 2, patience);
    }

    // A stream failure too reaches the error dialog.
    function test_rejectedFiles_data() {
        return [
            { tag: "Theora", kind: "theora", file: "clip.ogv", text: "Camera emulation does not support Theora. Supported codecs: VP8 and VP9." },
            { tag: "not a video", kind: "text", file: "notes.webm", text: "Could not determine the video codec of the video file. Supported codecs: VP8 and VP9." },
            { tag: "failing while streaming", kind: "vp8", file: "removed.webm", remove: true, text: /^The camera stream stopped: / }
        ];
    }
    function test_rejectedFiles(data) {
        click("videoFileButton");
        chooseFile(cameraRig.media("vp8", "clip.webm"));
        verify(cameraEmulationManager.streamRunning);
        const path = cameraRig.media(data.kind, data.file);
        chooseFile(path);
        if (data.remove)
            verify(cameraRig.removeFile(path));
        const dialog = child("errorDialog");
        tryVerify(() => dialog.visible, patience, "the error dialog opens");
        verify(data.text instanceof RegExp ? data.text.test(dialog.text) : dialog.text === data.text, dialog.text);
        dialog.close();
        compare([cameraEmulationManager.streamRunning, child("stopStreamButton").enabled], [false, false], "the page marks the stream stopped");
    }

    function test_handOversWhileStreaming() {
        click("videoFileButton");
        verify(!child("startStreamButton").enabled, "no file chosen yet");
        click("hostCameraButton");
        click("startStreamButton");
        framesArrive(1280, 720);

        // Without a file, "Video file" stops the camera stream.
        click("videoFileButton");
        compare([cameraEmulationManager.streamRunning, child("startStreamButton").enabled], [false, false]);

        // A URL keeps "#" and "%" encoded in any form, and a space in some.
        const path = cameraRig.media("vp8", "My clip #2 at 100% é.webm");
        chooseFile(path);
        compare(page.videoFilePath, path);
        framesArrive(320, 240);
        for (const [button, width, height] of [["hostCameraButton", 1280, 720], ["videoFileButton", 320, 240]]) {
            click(button);
            verify(cameraEmulationManager.streamRunning);
            framesArrive(width, height);
        }
        verify(!child("errorDialog").visible);
    }

    function test_currentValuesChangeOnlyOnSetSettings() {
        compare(child("currentResolution").text, "1280x720");
        const resolutions = child("resolutionComboBox");
        resolutions.forceActiveFocus();
        keyClick(Qt.Key_Down);
        compare([cameraEmulationManager.resolutionIndex, child("currentResolution").text], [1, "1280x720"]);
        click("setSettingsButton");
        compare(child("currentResolution").text, resolutions.currentText);
        resolutions.forceActiveFocus();
        keyClick(Qt.Key_Up);
        click("setSettingsButton");
    }

    function test_stoppingTheStream_data() {
        return [
            { tag: "camera, page left", video: false, leave: true },
            { tag: "video, Stop", video: true, leave: false },
            { tag: "video, page left", video: true, leave: true }
        ];
    }
    function test_stoppingTheStream(data) {
        if (data.video) {
            click("videoFileButton");
            chooseFile(cameraRig.media("vp8", "clip.webm"));
        } else {
            click("startStreamButton");
        }
        compare(cameraEmulationManager.previewSink, child("previewOutput").videoSink);
        // What reaches the video output is tst_camerapreview's matter.
        tryVerify(() => cameraEmulationManager.sentFrameRate > 0, patience);
        tryVerify(() => child("sentFrameRate").text.startsWith("Sent: "), patience);
        if (!data.video)
            testEnvironment.saveScreenshot("camera-page");
        data.leave ? showPage("GPS Management") : click("stopStreamButton");
        verify(!cameraEmulationManager.streamRunning);
        // Nothing is sent any more: the rate of what is sent falls to 0.
        tryCompare(cameraEmulationManager, "sentFrameRate", 0, patience);
        compare(cameraEmulationManager.previewSink, data.leave ? null : child("previewOutput").videoSink);
    }

    // A page created while no camera is connected.
    Loader {
        id: lonePageLoader

        active: false
        source: "qrc:/emulationmanagement/qml/CameraManagementPage.qml"
    }
}
