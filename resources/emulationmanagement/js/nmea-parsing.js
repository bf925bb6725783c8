// Reads NMEA 0183 logs into track points for the GPS page. The page imports
// this file into its own scope: the rounding sizes latLongRoundingSize and
// altRoundingSize are the page's, and so is qsTr.

function loadNmeaLog(text) {
    return nmeaReader(latLongRoundingSize, altRoundingSize).loadNmeaLog(text);
}

function trackHasPointsWithoutDateTime(points) {
    for (var i = 1; i < points.length; ++i) {
        if (points[i].time === 0)
            return true;
    }
    return false;
}

// The reader is a closure over the page's rounding sizes, read once per
// parse. The names of a script imported into a page resolve through the
// page's context on every use, which costs more than the rest of a line;
// names inside the closure do not.
function nmeaReader(latLongRoundingSize, altRoundingSize) {
    // Each supported sentence as a pattern of its leading fields, with groups
    // for the fields that are read: the time of day, the date, latitude and
    // longitude with their hemispheres and the altitude. A field that is not
    // read is any text without a comma, and the last field named is followed
    // by at least one more. No part of a pattern can take a comma that the
    // next part could take too, so a test never backtracks over the fields:
    // whole-line patterns with several ".*" did, in cubic time on one long
    // corrupt line.
    var sentenceLayouts = {
        "$GPRMC": {
            pattern: /^\$GPRMC,(\d{6}(?:\.\d{2,3})?),[^,]*,(\d+\.\d+),([NS]),(\d+\.\d+),([EW]),[^,]*,[^,]*,(\d{6}),[^,]*,/,
            time: 1, date: 6, latitude: 2, longitude: 4, altitude: 0
        },
        "$GPGGA": {
            pattern: /^\$GPGGA,(\d{6}(?:\.\d{2,3})?),(\d+\.\d+),([NS]),(\d+\.\d+),([EW]),[^,]*,[^,]*,[^,]*,(\d+\.\d+),[^,]*,[^,]*,[^,]*,[^,]*,/,
            time: 1, date: 0, latitude: 2, longitude: 4, altitude: 6
        },
        // The time field of "$GPGLL" is optional: only a leading hhmmss[.f] counts.
        "$GPGLL": {
            pattern: /^\$GPGLL,(\d+\.\d+),([NS]),(\d+\.\d+),([EW]),(\d{6}(?:\.\d+)?)?/,
            time: 5, date: 0, latitude: 1, longitude: 3, altitude: 0
        },
        "$GPWPL": {
            pattern: /^\$GPWPL,(\d+\.\d+),([NS]),(\d+\.\d+),([EW]),/,
            time: 0, date: 0, latitude: 1, longitude: 3, altitude: 0
        }
    };

    // A sentence holds no line separator but the carriage return and line
    // feed that end it.
    var lineSeparator = /[\u2028\u2029]/;

    var millisPerDay = 24 * 60 * 60 * 1000;
    var currentYear = new Date().getUTCFullYear();

    // Math.pow costs more than the rest of a rounding; the table holds the
    // same exact powers.
    var powersOfTen = [1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000];

    // "00" to "59": a table lookup instead of a number conversion per field.
    var twoDigitTexts = [];
    for (var i = 0; i < 60; ++i)
        twoDigitTexts.push(i < 10 ? "0" + i : "" + i);

    function roundValue(value, precision) {
        var factor = powersOfTen[precision] ?? Math.pow(10, precision);
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

    // The value of the decimal digits text[from] to text[to - 1], read
    // without cutting them out: a long log would otherwise make millions of
    // small strings.
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
            if (year > currentYear)
                year -= 100;
            return Date.UTC(year, digitsValue(dateString, 2, 4) - 1, digitsValue(dateString, 0, 2))
                    + millisOfDay;
        }

        // Without a date the time belongs to the day of the previous point,
        // or the next day when it lies before it: a track running across
        // midnight.
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
        return twoDigitTexts[value] ?? "" + value;
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

    // Every field is there from the start: adding fields to an object one by
    // one makes the engine grow it each time.
    function createTrackPoint(pointFormat, latString, latHemisphere, lonString, lonHemisphere, alt) {
        return {
            format: pointFormat,
            latitude: parseLatitudeFromNmea(latString, latHemisphere),
            longitude: parseLongitudeFromNmea(lonString, lonHemisphere),
            altitude: alt === undefined ? 0 : roundValue(Number(alt), altRoundingSize),
            index: 0,
            time: 0,
            interval: 0,
            timeString: ""
        };
    }

    // The text of a sentence's first field, its type.
    function sentenceType(line) {
        var end = line.indexOf(",");
        return end < 0 ? line : line.substring(0, end);
    }

    // Milliseconds since the epoch, or undefined for a sentence without a time.
    function timestampOfSentence(layout, fields, prevDate) {
        if (layout.time === 0 || fields[layout.time] === undefined)
            return undefined;
        return parseDateFromNmea(layout.date === 0 ? undefined : fields[layout.date],
                                 fields[layout.time], prevDate);
    }

    function loadNmeaLog(text) {
        var error = new SyntaxError("Incorrect NMEA file");
        error.incorrectLine = 0;

        var lines = text ? text.match(/[^\r\n]+/g) : null;
        if (lines === null) {
            error.message = qsTr("NMEA file is empty");
            throw error;
        }

        var mayHoldLineSeparators = lineSeparator.test(text);
        var points = [];
        var startTime;
        var previousTime;
        for (var i = 0; i < lines.length; ++i) {
            var line = lines[i];
            var type = sentenceType(line);
            error.incorrectLine = i + 1;
            if (!Object.prototype.hasOwnProperty.call(sentenceLayouts, type))
                continue;
            var layout = sentenceLayouts[type];
            var fields = layout.pattern.exec(line);
            if (fields === null || (mayHoldLineSeparators && lineSeparator.test(line)))
                throw error;
            if (points.length > 0 && points[points.length - 1].format !== type)
                continue;

            var trackPoint = createTrackPoint(type, fields[layout.latitude],
                                              fields[layout.latitude + 1], fields[layout.longitude],
                                              fields[layout.longitude + 1],
                                              layout.altitude === 0 ? undefined
                                                                    : fields[layout.altitude]);

            var timestamp = timestampOfSentence(layout, fields, previousTime);
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

    return {loadNmeaLog: loadNmeaLog};
}
