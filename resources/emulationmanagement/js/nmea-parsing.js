.import org.mirel 1.0 as Mirel

// Reads NMEA 0183 logs into track points for the GPS page. The native reader
// does the reading; a failure is thrown as a SyntaxError with the message
// and "incorrectLine".

function loadNmeaLog(text) {
    return Mirel.TrackParser.loadNmeaLog(text);
}

function trackHasPointsWithoutDateTime(points) {
    for (var i = 1; i < points.length; ++i) {
        if (points[i].time === 0)
            return true;
    }
    return false;
}
