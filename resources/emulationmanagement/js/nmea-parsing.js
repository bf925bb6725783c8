// Reads NMEA 0183 logs into track points for the GPS page. The page imports
// this file into its own scope: the rounding sizes latLongRoundingSize and
// altRoundingSize are the page's, and so is qsTr.

var nmeaPatterns = {
    "$GPRMC": /^\$GPRMC,\d{6}(\.\d{2,3})?,.*,\d+\.\d+,(N|S),\d+\.\d+,(E|W),.*,.*,\d{6},.*,.*$/,
    "$GPGGA": /^\$GPGGA,\d{6}(\.\d{2,3})?,\d+\.\d+,(N|S),\d+\.\d+,(E|W),.*,.*,.*,\d+\.\d+,.*,.*,.*,.*,.*$/,
    "$GPGLL": /^\$GPGLL,\d+\.\d+,(N|S),\d+\.\d+,(E|W),(\d{6}(\.\d{2,3})?,)?.*$/,
    "$GPWPL": /^\$GPWPL,\d+\.\d+,(N|S),\d+\.\d+,(E|W),.*$/
};

// The time field of "$GPGLL" is optional: only a leading hhmmss[.f] counts.
var nmeaTimeOfDay = /^\d{6}(\.\d+)?/;

var decimalNumber = /^\d+\.\d+$/;

var millisPerDay = 24 * 60 * 60 * 1000;

function roundValue(value, precision) {
    var factor = Math.pow(10, precision);
    return Math.round(value * factor) / factor;
}

function parseCoordinateFromNmea(coordinateString, coordinateHemisphere, degreesSize) {
    var degrees = Number(coordinateString.substring(0, degreesSize));
    var minutes = Number(coordinateString.substring(degreesSize));
    var value = roundValue(degrees + minutes / 60, latLongRoundingSize);
    // 0 - value, unlike -value, leaves no negative zero on the equator.
    if (coordinateHemisphere === "S" || coordinateHemisphere === "W")
        return 0 - value;
    return value;
}

function parseLatitudeFromNmea(latitudeString, latitudeHemisphere) {
    return parseCoordinateFromNmea(latitudeString, latitudeHemisphere, 2);
}

function parseLongitudeFromNmea(longitudeString, longitudeHemisphere) {
    return parseCoordinateFromNmea(longitudeString, longitudeHemisphere, 3);
}

// The value of the decimal digits text[from] to text[to - 1], read without
// cutting them out: a long log would otherwise make millions of small strings.
function digitsValue(text, from, to) {
    var value = 0;
    for (var i = from; i < to; ++i)
        value = value * 10 + text.charCodeAt(i) - 48;
    return value;
}

// NMEA times and dates are UTC; reading them as local time would put a
// daylight-saving change into the track's intervals. Timestamps are
// milliseconds since the epoch.
function parseDateFromNmea(dateString, timeString, prevDate) {
    var millisOfDay = ((digitsValue(timeString, 0, 2) * 60 + digitsValue(timeString, 2, 4)) * 60
                       + digitsValue(timeString, 4, 6)) * 1000;
    if (timeString.length > 7) {
        var fractionDigits = timeString.length - 7;
        millisOfDay += Math.round(digitsValue(timeString, 7, timeString.length) * 1000
                                  / Math.pow(10, fractionDigits));
    }

    if (dateString !== undefined) {
        var year = 2000 + digitsValue(dateString, 4, 6);
        if (year > new Date().getUTCFullYear())
            year -= 100;
        return Date.UTC(year, digitsValue(dateString, 2, 4) - 1, digitsValue(dateString, 0, 2))
                + millisOfDay;
    }

    // Without a date the time belongs to the day of the previous point, or
    // the next day when it lies before it: a track running across midnight.
    var reference = prevDate !== undefined ? prevDate : Date.now();
    var date = reference - reference % millisPerDay + millisOfDay;
    if (prevDate !== undefined && date < prevDate)
        date += millisPerDay;
    return date;
}

function millisBetween(firstDate, secondDate) {
    return secondDate - firstDate;
}

function twoDigits(value) {
    return value < 10 ? "0" + value : "" + value;
}

// A track whose timestamps go back in time has negative times; they keep
// their sign instead of turning into digits with minus signs inside.
function millisToPointTime(duration) {
    if (duration < 0)
        return "-" + millisToPointTime(-duration);
    var hours = Math.floor(duration / 3600000) % 24;
    var minutes = Math.floor(duration / 60000) % 60;
    var seconds = Math.floor(duration / 1000) % 60;
    var tenths = Math.floor(duration % 1000 / 100);
    return twoDigits(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds) + "." + tenths;
}

// A point without a timestamp, or in a track whose first point has none,
// gets the time 0, as waypoints do.
function setUpTrackPointTimeAndInterval(points, trackPoint, startTime, trackPointTime) {
    trackPoint.index = points.length;
    if (points.length === 0 || startTime === undefined || trackPointTime === undefined) {
        trackPoint.time = 0;
    } else {
        trackPoint.time = millisBetween(startTime, trackPointTime);
    }
    trackPoint.interval = points.length === 0 ? 0 : trackPoint.time - points[points.length - 1].time;
    trackPoint.timeString = millisToPointTime(trackPoint.time);
}

function createTrackPoint(pointFormat, latString, latHemisphere, lonString, lonHemisphere, alt) {
    return {
        format: pointFormat,
        latitude: parseLatitudeFromNmea(latString, latHemisphere),
        longitude: parseLongitudeFromNmea(lonString, lonHemisphere),
        altitude: alt === undefined ? 0 : roundValue(Number(alt), altRoundingSize)
    };
}

// Field n of a sentence, 0 being its type, as splitting the line at every
// "," would give it; "" when the line has fewer fields. Only the few fields
// that are read are cut out.
function sentenceField(line, n) {
    var start = 0;
    for (var i = 0; i < n; ++i) {
        start = line.indexOf(",", start) + 1;
        if (start === 0)
            return "";
    }
    var end = line.indexOf(",", start);
    return line.substring(start, end < 0 ? line.length : end);
}

// The fields a sentence's position is read from: latitude, its hemisphere,
// longitude, its hemisphere and, for "$GPGGA", the altitude.
function positionFields(sentenceType, line) {
    switch (sentenceType) {
    case "$GPRMC":
        return [sentenceField(line, 3), sentenceField(line, 4), sentenceField(line, 5),
                sentenceField(line, 6)];
    case "$GPGGA":
        return [sentenceField(line, 2), sentenceField(line, 3), sentenceField(line, 4),
                sentenceField(line, 5), sentenceField(line, 9)];
    default:
        return [sentenceField(line, 1), sentenceField(line, 2), sentenceField(line, 3),
                sentenceField(line, 4)];
    }
}

// The patterns leave room for extra commas, which shift the fields that are
// read; a line whose read fields lack the shapes of its pattern is as
// malformed as one that fails it.
function hasPositionShape(fields) {
    return decimalNumber.test(fields[0]) && (fields[1] === "N" || fields[1] === "S")
            && decimalNumber.test(fields[2]) && (fields[3] === "E" || fields[3] === "W")
            && (fields.length < 5 || decimalNumber.test(fields[4]));
}

// Milliseconds since the epoch, or undefined for a sentence without a time.
function timestampOfSentence(sentenceType, line, prevDate) {
    switch (sentenceType) {
    case "$GPRMC":
        return parseDateFromNmea(sentenceField(line, 9), sentenceField(line, 1), prevDate);
    case "$GPGGA":
        return parseDateFromNmea(undefined, sentenceField(line, 1), prevDate);
    case "$GPGLL":
        var time = nmeaTimeOfDay.exec(sentenceField(line, 5));
        return time === null ? undefined : parseDateFromNmea(undefined, time[0], prevDate);
    default:
        return undefined;
    }
}

function loadNmeaLog(text) {
    var error = new SyntaxError("Incorrect NMEA file");
    error.incorrectLine = 0;

    var lines = text ? text.match(/[^\r\n]+/g) : null;
    if (lines === null) {
        error.message = qsTr("NMEA file is empty");
        throw error;
    }

    var points = [];
    var startTime;
    var previousTime;
    for (var i = 0; i < lines.length; ++i) {
        var line = lines[i];
        var sentenceType = sentenceField(line, 0);
        error.incorrectLine = i + 1;
        if (!Object.prototype.hasOwnProperty.call(nmeaPatterns, sentenceType))
            continue;
        if (!nmeaPatterns[sentenceType].test(line))
            throw error;
        var position = positionFields(sentenceType, line);
        if (!hasPositionShape(position))
            throw error;
        if (points.length > 0 && points[points.length - 1].format !== sentenceType)
            continue;

        var trackPoint = createTrackPoint(sentenceType, position[0], position[1], position[2],
                                          position[3], position[4]);

        var timestamp = timestampOfSentence(sentenceType, line, previousTime);
        // A "$GPGLL" without a time keeps the previous timestamp, which
        // carries the next one across midnight.
        if (timestamp !== undefined)
            previousTime = timestamp;
        if (points.length === 0)
            startTime = timestamp;
        setUpTrackPointTimeAndInterval(points, trackPoint, startTime, timestamp);
        points.push(trackPoint);
    }

    if (points.length === 0) {
        error.message = qsTr("NMEA file has incorrect points format.\nSupported formats: GPRMC, GPGGA, GPGLL, GPWPL.");
        throw error;
    }
    return points;
}

function trackHasPointsWithoutDateTime(points) {
    for (var i = 1; i < points.length; ++i) {
        if (points[i].time === 0)
            return true;
    }
    return false;
}
