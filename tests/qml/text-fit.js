.pragma library

// What keeps a text of the window from being read whole: a text longer than
// its box, a word longer than its line, a text that leaves its parents or
// what its scroll view can show, two texts over one another.

// Half a pixel of rounding.
const slack = 0.5;
// Text.NoWrap, which a library script cannot name.
const noWrap = 0;

function isText(item) {
    return item.elide !== undefined && item.truncated !== undefined && typeof item.text === "string";
}

// A combo box shows its current entry in an input of its own.
function isComboBoxText(item) {
    return item.parent !== null && item.parent.textRole !== undefined && item.parent.contentItem === item;
}

function shownTexts(item, found) {
    if (!item.visible || item.opacity === 0)
        return found;
    if ((isText(item) || isComboBoxText(item)) && item.text !== "")
        found.push(item);
    for (let i = 0; i < item.children.length; ++i)
        shownTexts(item.children[i], found);
    return found;
}

// The area the glyphs take, in the window's coordinates.
function paintedRect(text) {
    const width = text.contentWidth;
    const height = text.contentHeight;
    const horizontal = text.effectiveHorizontalAlignment;
    const x = horizontal === Qt.AlignRight ? text.width - width
            : horizontal === Qt.AlignHCenter ? (text.width - width) / 2 : 0;
    const y = text.verticalAlignment === Qt.AlignBottom ? text.height - height
            : text.verticalAlignment === Qt.AlignVCenter ? (text.height - height) / 2 : 0;
    return text.mapToItem(null, x, y, width, height);
}

function inside(rect, area) {
    return rect.x >= area.x - slack && rect.y >= area.y - slack
        && rect.x + rect.width <= area.x + area.width + slack
        && rect.y + rect.height <= area.y + area.height + slack;
}

function overlap(a, b) {
    return Math.min(a.x + a.width, b.x + b.width) - Math.max(a.x, b.x) > slack
        && Math.min(a.y + a.height, b.y + b.height) - Math.max(a.y, b.y) > slack;
}

function fitFault(text) {
    const wraps = text.wrapMode !== undefined && text.wrapMode !== noWrap && isText(text);
    const needed = wraps ? text.contentWidth : Math.max(text.implicitWidth, text.contentWidth);
    if (text.truncated || needed > text.width + slack)
        return "needs " + needed.toFixed(1) + " px, has " + text.width.toFixed(1);
    if (text.contentHeight > text.height + slack)
        return "needs " + text.contentHeight.toFixed(1) + " px high, has " + text.height.toFixed(1);
    return "";
}

// Within every parent up to the nearest scroll view, and within that
// view's content or, outside scroll views, the window: a text that leaves
// its layout runs under what lies beside it.
function shownFault(text, rect, window) {
    for (let parent = text.parent; parent !== null; parent = parent.parent) {
        if (parent.flickableDirection !== undefined) {
            const content = parent.contentItem.mapToItem(null, 0, 0, parent.contentWidth, parent.contentHeight);
            return inside(rect, content) ? "" : "lies outside its scroll view's content";
        }
        if (!inside(rect, parent.mapToItem(null, 0, 0, parent.width, parent.height)))
            return "leaves its " + String(parent).split("(")[0] + " " + parent.objectName;
    }
    return inside(rect, Qt.rect(0, 0, window.width, window.height)) ? "" : "lies outside the window";
}

// The faults of the shown texts under root, one line each.
function faults(root, window) {
    const texts = shownTexts(root, []);
    const rects = texts.map(paintedRect);
    const found = [];
    texts.forEach((text, i) => {
        const fault = fitFault(text) || shownFault(text, rects[i], window);
        if (fault)
            found.push("\"" + text.text + "\" " + fault);
        for (let j = 0; j < i; ++j) {
            if (overlap(rects[i], rects[j]))
                found.push("\"" + text.text + "\" overlaps \"" + texts[j].text + "\"");
        }
    });
    return found;
}
