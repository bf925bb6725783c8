import QtQuick
import QtTest
import "text-fit.js" as TextFit

// Every page's texts shown whole at the window's initial size in each
// language the build has, the pseudo-language's longer texts included.
ViewTestCase {
    // "" for the texts as written; the tests build "pseudo", and the
    // shipped catalogues are read where the build puts them.
    readonly property var languages: ["", "pseudo", "de", "ru"]

    // The page buttons in the order of their pages.
    function pageButtons() {
        return Array.from(child("pageButtons").children).filter(item => item.truncated !== undefined);
    }

    function laidOut(item) {
        return !isPolishScheduled(item) && Array.from(item.children).every(laidOut);
    }

    // The page buttons come anew in the new language and are laid out on
    // the next frame.
    function translateInto(language) {
        const translated = testEnvironment.translateInto(language);
        tryVerify(() => laidOut(view), patience, "laid out");
        return translated;
    }

    function useLanguage(language) {
        if (translateInto(language))
            return;
        verify(language !== "pseudo", "the tests build the pseudo-language");
        skip("this build has no catalogue for \"" + language + "\"");
    }

    // The page of that button, and what a click on the named item brings up.
    function openPage(index, choice) {
        mouseClick(pageButtons()[index]);
        const page = view.pagesIds[index];
        tryVerify(() => page.visible, patience, page.objectName);
        if (choice)
            mouseClick(child(choice, page));
        return page;
    }

    function verifyTextsFit(root, where) {
        tryVerify(() => laidOut(view), patience, "laid out");
        const faults = TextFit.faults(root, view);
        verify(faults.length === 0, where + ":\n" + faults.join("\n"));
    }

    // A cut page button shows its whole text on hover and to assistive tools.
    function verifyPageButton(button) {
        compare(button.Accessible.name, button.text);
        if (!button.truncated)
            return;
        const toolTip = child("fullText", button);
        mouseMove(button);
        tryVerify(() => toolTip.visible, patience, button.text);
        compare(toolTip.text, button.text);
        mouseMove(view, view.width - 1, view.height - 1);
        tryVerify(() => !toolTip.visible, patience);
    }

    function init() {
        openPage(0);
    }

    function cleanup() {
        if (scenarioRecorder.recording) {
            scenarioRecorder.stop();
            scenarioRecorder.discard();
        }
        translateInto("");
    }

    // Each language and each page; some once more with what a click (an
    // object name) or a track (a file) brings up.
    function test_texts_data() {
        const views = [[0], [1], [2], [2, "moveRadioButton"], [3], [3, "", "imperfect.nmea"], [4],
                       [4, "videoFileButton"]];
        const rows = [];
        for (const language of languages) {
            for (const [index, choice, track] of views)
                rows.push({ tag: [language || "en", "page " + index, choice, track].filter(Boolean).join(" "),
                            language, index, choice, track });
        }
        return rows;
    }

    function test_texts(data) {
        useLanguage(data.language);
        const page = openPage(data.index, data.choice);
        if (data.track) {
            page.loadTrackFile(testEnvironment.userTrack(Qt.resolvedUrl("gps/" + data.track)));
            tryVerify(() => !page.loading && child("trackTable").rows > 0, patience, "the track is read");
        }
        verifyTextsFit(page, page.objectName);
        verifyTextsFit(child("recordButton"), "record button");
        testEnvironment.saveScreenshot(["page", String(data.index), data.choice, data.track, data.language || "en"]
                                       .filter(Boolean).join("-").replace(".", "-"));
    }

    function test_pageButtons_data() {
        return languages.map(language => ({ tag: language || "en", language }));
    }

    function test_pageButtons(data) {
        useLanguage(data.language);
        pageButtons().forEach(verifyPageButton);
    }

    // The record button's longer text while it records, beside the time.
    function test_recording_data() {
        return test_pageButtons_data();
    }

    function test_recording(data) {
        useLanguage(data.language);
        scenarioRecorder.start();
        verify(child("recordingTime").visible);
        verifyTextsFit(child("recordButton"), "record button");
    }

    name: "Layout"
}
