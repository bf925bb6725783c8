.pragma library
.import org.mirel 1.0 as Mirel

// Reads NMEA 0183 logs into track points for the GPS page. The native reader
// does the reading; a failure is thrown as a SyntaxError with the message
// and "incorrectLine". Reads and writes no document's names.

function loadNmeaLog(text) {
    return Mirel.TrackParser.loadNmeaLog(text);
}
