.pragma library
// How the GPS page writes numbers: pure functions of their arguments.

function localeNumber(value, decimals, locale) {
    return Number(value).toLocaleString(locale, "f", decimals);
}

// How far through the track a point is, in percent with two decimals.
function progressPercent(value, maximum, locale) {
    return localeNumber(value / maximum * 100, 2, locale) + "%";
}
