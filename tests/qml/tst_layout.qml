import QtQuick
import QtTest
import "text-fit.js" as TextFit

// Every page's texts shown whole at the window's initial size in each
// language the build has, the pseudo-language's longer texts included.
ViewTestCase {
    name: "Layout"

    // The page buttons in the order of their pages.
    function pageButtons() {
        return Array.from(child("pageButtons").children).filter(item => item.truncated !== undefined);
    }

    function verifyTextsFit(root, where) {
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

    // The page buttons come anew in the new language and are laid out on
    // the next frame.
    function translateInto(language) {
        const translated = testEnvironment.translateInto(language);
        tryVerify(() => !isPolishScheduled(child("pageButtons")), patience);
        return translated;
    }

    function init() {
        showPage(0);
    }

    function cleanup() {
        translateInto("");
    }

    function showPage(index, choice) {
        mouseClick(pageButtons()[index]);
        const page = view.pagesIds[index];
        tryVerify(() => page.visible, patience, page.objectName);
        if (choice)
            mouseClick(child(choice, page));
        return page;
    }

    // Each language, "" for the texts as written; a page with a view that
    // a choice brings up is seen once more with the choice made.
    function test_texts_data() {
        const languages = ["", "pseudo", "de", "ru"];
        const views = [[0], [1], [2], [2, "moveRadioButton"], [3], [4], [4, "videoFileButton"]];
        const rows = [];
        for (const language of languages) {
            for (const [index, choice] of views)
                rows.push({ tag: (language || "en") + " " + index + " " + (choice || ""), language, index, choice });
        }
        return rows;
    }

    function test_texts(data) {
        if (!translateInto(data.language)) {
            verify(data.language !== "pseudo", "the tests build the pseudo-language");
            skip("this build has no catalogue for \"" + data.language + "\"");
        }
        const page = showPage(data.index, data.choice);
        waitForRendering(view);
        verifyTextsFit(page, page.objectName);
        verifyTextsFit(child("recordButton"), "record button");
    }

    function test_pageButtons_data() {
        return [{ tag: "en", language: "" }, { tag: "pseudo", language: "pseudo" },
                { tag: "de", language: "de" }, { tag: "ru", language: "ru" }];
    }

    function test_pageButtons(data) {
        if (!translateInto(data.language))
            skip("this build has no catalogue for \"" + data.language + "\"");
        pageButtons().forEach(verifyPageButton);
    }
}
