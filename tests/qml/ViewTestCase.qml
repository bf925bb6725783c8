import QtQuick
import QtTest

// The plug-in's main view with what its tests share: named items, the page
// buttons, typed text, and the sensor calls that one step sends.
TestCase {
    readonly property string sensorsService: "system ru.quor.SensorfwEmulationManagement /ru/quor/SensorfwEmulationManagement ru.quor.SensorfwEmulationManagement "
    readonly property var view: viewLoader.item
    // How long a test waits for an event before it gives up: never waited
    // out by a passing test, so long enough for a machine busy with builds.
    readonly property int patience: 60000

    function child(name, parent) {
        const item = findChild(parent || view, name);
        verify(item, name);
        return item;
    }
    // The page whose button reads text, in the window's language.
    function showPage(text) {
        const caption = qsTranslate("EmulationManagementView", text);
        mouseClick(Array.from(child("pageButtons").children).find(button => button.text === caption));
    }
    function typeInto(name, keys) {
        const field = child(name);
        mouseClick(field);
        keySequence(StandardKey.SelectAll);
        for (const key of keys)
            keyClick(key);
        return field;
    }
    // Waits until the phone model's files are checked and, when they are
    // shown, its mesh is loaded: what the window then draws stays.
    function awaitPhoneModel() {
        const model = child("smartphoneModel");
        const scene = child("smartphoneModelSceneLoader", model);
        tryVerify(() => !model.checkingFiles && (!model.showing || scene.item?.phoneRadius > 0), patience, "the phone model settles");
    }
    function waitForInvoker() {
        tryVerify(() => wire.frames.length > 0, patience, "the invoker connects");
    }
    // Waits for the echo of a marker call, which comes after all earlier calls.
    function awaitSensorCalls() {
        sensorsEmulationManager.enableSensor("tap");
        tryVerify(() => wire.frames[wire.frames.length - 1] === sensorsService + "enableSensor string:tap", patience);
    }
    function flushSensorCalls() {
        wire.clearFrames();
        awaitSensorCalls();
        wire.clearFrames();
    }
    // The sensor calls (method and arguments) that a step sends.
    function sent(step) {
        flushSensorCalls();
        step();
        awaitSensorCalls();
        return wire.frames.slice(0, -1).map(frame => frame.substring(sensorsService.length));
    }

    width: 1100
    height: 600
    visible: true
    when: windowShown

    Loader {
        id: viewLoader

        anchors.fill: parent
        source: "qrc:/emulationmanagement/qml/EmulationManagementView.qml"
    }
}
