<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccelerometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/AccelerometerControls.qml" line="+6"/>
        <source>Accelerometer</source>
        <translation>Beschleunigungssensor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
</context>
<context>
    <name>CameraManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CameraManagementPage.qml" line="+62"/>
        <source>Open Video File</source>
        <translation>Videodatei öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video files (*.webm *.mkv)</source>
        <translation>Videodateien (*.webm *.mkv)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Host camera</source>
        <translation>Host-Kamera</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+141"/>
        <location line="+14"/>
        <source>Video file</source>
        <translation>Videodatei</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Current values</source>
        <translation>Aktuelle Werte</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+46"/>
        <location line="+13"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+53"/>
        <location line="+8"/>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+57"/>
        <location line="+7"/>
        <source>Framerate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Set settings</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose video file</source>
        <translation>Videodatei auswählen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start stream</source>
        <translation>Stream starten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+10"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Update cameras list</source>
        <translation>Kameraliste aktualisieren</translation>
    </message>
</context>
<context>
    <name>CompassControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CompassControls.qml" line="+7"/>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Calib. level</source>
        <translation>Kalibrierung</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraCommands</name>
    <message>
        <location filename="../ctl/cameracommands.cpp" line="+102"/>
        <source>the camera stream stopped: %1</source>
        <translation>der Kamerastream wurde beendet: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>stream stopped</source>
        <translation>Stream beendet</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>no camera stream is running</source>
        <translation>kein Kamerastream aktiv</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the stream of process %1 did not stop</source>
        <translation>der Stream von Prozess %1 wurde nicht beendet</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraStreams</name>
    <message>
        <location filename="../ctl/camerastreams.cpp" line="+47"/>
        <source>no cameras found</source>
        <translation>keine Kameras gefunden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a VP8 or VP9 video</source>
        <translation>%1 ist kein VP8- oder VP9-Video</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a VP8 or VP9 video (%2)</source>
        <translation>%1 ist kein VP8- oder VP9-Video (%2)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>unknown camera &quot;%1&quot;; cameras: %2</source>
        <translation>unbekannte Kamera &quot;%1&quot;; Kameras: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 does not offer %2</source>
        <translation>%1 bietet %2 nicht an</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not offer %2 at %3x%4; it offers %5</source>
        <translation>%1 bietet %2 bei %3x%4 nicht an; verfügbar: %5</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandLine</name>
    <message>
        <location filename="../ctl/commandline.cpp" line="+33"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation>%1: &quot;%2&quot; ist keine ganze Zahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl mit höchstens %3 Nachkommastellen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 is out of range (%3…%4)</source>
        <translation>%1: %2 liegt außerhalb des Bereichs (%3…%4)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>missing arguments; see --help</source>
        <translation>Argumente fehlen; siehe --help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unexpected argument &quot;%1&quot;; see --help</source>
        <translation>unerwartetes Argument &quot;%1&quot;; siehe --help</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown sensor &quot;%1&quot;; sensors: %2</source>
        <translation>unbekannter Sensor &quot;%1&quot;; Sensoren: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown sensor command &quot;%1&quot;; see &quot;emulation-ctl sensor --help&quot;</source>
        <translation>unbekannter Sensorbefehl &quot;%1&quot;; siehe &quot;emulation-ctl sensor --help&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>-Rot</source>
        <translation>-Drehung</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--loop and --no-loop exclude each other</source>
        <translation>--loop und --no-loop schließen einander aus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>--fingerprint: &quot;%1&quot; is not a track fingerprint</source>
        <translation>--fingerprint: &quot;%1&quot; ist kein Track-Fingerabdruck</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown gps command &quot;%1&quot;; see &quot;emulation-ctl gps --help&quot;</source>
        <translation>unbekannter GPS-Befehl &quot;%1&quot;; siehe &quot;emulation-ctl gps --help&quot;</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>camera stream needs either --camera NAME or --file FILE</source>
        <translation>camera stream erwartet entweder --camera NAME oder --file FILE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--resolution and --framerate go with --camera</source>
        <translation>--resolution und --framerate gelten nur mit --camera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--resolution takes WIDTHxHEIGHT, e.g. 640x480</source>
        <translation>--resolution erwartet WIDTHxHEIGHT, z. B. 640x480</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--framerate takes N/D, e.g. 30/1</source>
        <translation>--framerate erwartet N/D, z. B. 30/1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>unknown camera command &quot;%1&quot;; see &quot;emulation-ctl camera --help&quot;</source>
        <translation>unbekannter Kamerabefehl &quot;%1&quot;; siehe &quot;emulation-ctl camera --help&quot;</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no command given; see &quot;emulation-ctl --help&quot;</source>
        <translation>kein Befehl angegeben; siehe &quot;emulation-ctl --help&quot;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--speed</source>
        <translation>--speed</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>sleep</source>
        <translation>sleep</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown command &quot;%1&quot;; see &quot;emulation-ctl --help&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;; siehe &quot;emulation-ctl --help&quot;</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>unterminated %1 quote</source>
        <translation>nicht geschlossenes Anführungszeichen %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>emulation-ctl sensor list
    The enabled state of every sensor (asked from the emulator) and the
    readings last set with emulation-ctl.
emulation-ctl sensor enable|disable NAME
    Switches a sensor on or off, with the sensors the window switches along
    (compass on: accelerometer and magnetometer on; accelerometer off:
    compass and orientation off; magnetometer off: compass off).
    NAME: %1
emulation-ctl sensor set NAME VALUES…
    Sets a reading in the window&apos;s units, ranges and decimals:
    %2
    NAME.x, NAME.y or NAME.z sets one axis as the window&apos;s field does.
    magneticField is kept by emulation-ctl for &quot;pose&quot;; nothing is sent.
</source>
        <translation>emulation-ctl sensor list
    Der Zustand (ein/aus) jedes Sensors, beim Emulator abgefragt, und die
    zuletzt mit emulation-ctl gesetzten Messwerte.
emulation-ctl sensor enable|disable NAME
    Schaltet einen Sensor ein oder aus, samt den Sensoren, die das Fenster
    mitschaltet (Kompass ein: Beschleunigungssensor und Magnetometer ein;
    Beschleunigungssensor aus: Kompass und Ausrichtungssensor aus;
    Magnetometer aus: Kompass aus).
    NAME: %1
emulation-ctl sensor set NAME VALUES…
    Setzt einen Messwert in den Einheiten, Bereichen und Nachkommastellen
    des Fensters:
    %2
    NAME.x, NAME.y oder NAME.z setzt eine Achse wie das Feld im Fenster.
    magneticField merkt sich emulation-ctl nur für &quot;pose&quot;; gesendet wird
    nichts.
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>emulation-ctl pose X Y Z
    Sends the accelerometer and magnetometer readings of the phone page for
    a phone at rest turned by X-Rot, Y-Rot and Z-Rot degrees (-180…180).
emulation-ctl pose preset 1…6
    The page&apos;s preset buttons: 1 upright, 2 on its left side, 3 upside down,
    4 on its right side, 5 flat screen up, 6 flat screen down.
    The magnetometer follows the magnetic field set with
    &quot;sensor set magneticField X Y Z&quot;.
</source>
        <translation>emulation-ctl pose X Y Z
    Sendet die Messwerte von Beschleunigungssensor und Magnetometer, die die
    Seite Ausrichtung für ein ruhendes Telefon ergibt, das um X, Y und Z Grad
    gedreht ist (X-, Y- und Z-Drehung, -180…180).
emulation-ctl pose preset 1…6
    Die Vorgabe-Schaltflächen der Seite: 1 aufrecht, 2 auf der linken Seite,
    3 kopfüber, 4 auf der rechten Seite, 5 flach mit Bildschirm nach oben,
    6 flach mit Bildschirm nach unten.
    Das Magnetometer folgt dem Magnetfeld, das mit
    &quot;sensor set magneticField X Y Z&quot; gesetzt wurde.
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>emulation-ctl gps fix LATITUDE LONGITUDE [ALTITUDE]
    Sets a fixed position (-90…90 and -180…180 degrees with up to 7 decimals,
    -1000…10000 m with up to 2; the altitude last set when left out).
emulation-ctl gps load FILE [--fingerprint TEXT]
    Reads an NMEA (.nmea), GPX (.gpx) or KML (.kml) track as the GPS page does
    and sends it; with --fingerprint (as a recorded scenario writes it) only
    the same file.
emulation-ctl gps play [--speed 1…5] [--loop|--no-loop] [--wait]
    Starts the loaded track. With --wait it plays the track with the page&apos;s
    timing until its last point (with --loop until interrupted).
emulation-ctl gps pause | stop | goto INDEX | status
    Pauses at the current point, stops (back to the first point), goes to a
    point (0-based), or shows the position and the track settings.
</source>
        <translation>emulation-ctl gps fix LATITUDE LONGITUDE [ALTITUDE]
    Setzt eine feste Position (-90…90 und -180…180 Grad mit bis zu
    7 Nachkommastellen, -1000…10000 m mit bis zu 2; ohne Höhe gilt die
    zuletzt gesetzte).
emulation-ctl gps load FILE [--fingerprint TEXT]
    Liest einen NMEA- (.nmea), GPX- (.gpx) oder KML-Track (.kml) wie die
    GPS-Seite und sendet ihn; mit --fingerprint (wie ein aufgezeichnetes
    Szenario ihn schreibt) nur genau dieselbe Datei.
emulation-ctl gps play [--speed 1…5] [--loop|--no-loop] [--wait]
    Startet den geladenen Track. Mit --wait wird er im Takt der Seite bis
    zu seinem letzten Punkt abgespielt (mit --loop bis zum Abbruch).
emulation-ctl gps pause | stop | goto INDEX | status
    Pausiert am aktuellen Punkt, stoppt (zurück zum ersten Punkt), springt
    zu einem Punkt (ab 0 gezählt) oder zeigt die Position und die
    Track-Einstellungen.
</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>emulation-ctl camera list
    The host cameras with their resolutions and frame rates.
emulation-ctl camera stream --camera NAME [--resolution WxH] [--framerate N/D] [--seconds N]
emulation-ctl camera stream --file FILE [--seconds N]
    Streams a host camera, or a VP8/VP9 video file in a loop, as the emulator&apos;s
    camera until &quot;camera stop&quot;, Ctrl+C or N seconds have passed.
emulation-ctl camera stop
    Stops the stream that an earlier emulation-ctl started.
</source>
        <translation>emulation-ctl camera list
    Die Host-Kameras mit ihren Auflösungen und Bildraten.
emulation-ctl camera stream --camera NAME [--resolution WxH] [--framerate N/D] [--seconds N]
emulation-ctl camera stream --file FILE [--seconds N]
    Streamt eine Host-Kamera oder, in Schleife, eine VP8/VP9-Videodatei als
    Kamera des Emulators, bis &quot;camera stop&quot; oder Strg+C sie beendet oder
    N Sekunden vergangen sind.
emulation-ctl camera stop
    Beendet den Stream, den ein früherer Aufruf von emulation-ctl gestartet
    hat.
</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>emulation-ctl script FILE [--speed F] [--dry-run] [--force]
    Runs the commands of FILE, one a line, over one connection; &quot;sleep MS&quot;
    waits between them, &quot;#&quot; starts a comment, words are quoted as in a
    shell. Every line, and every track file against its fingerprint, is
    checked before the first runs; the first failing line ends the script.
    --speed divides the sleeps by F, --dry-run prints the calls instead of
    sending them, --force replays with track files that have changed.
call SERVICE METHOD ARGUMENTS (in a script)
    Sends one call with this argument text as it is, as the window&apos;s
    recordings write calls that no other command sends exactly.
</source>
        <translation>emulation-ctl script FILE [--speed F] [--dry-run] [--force]
    Führt die Befehle aus FILE, einen je Zeile, über eine Verbindung aus;
    &quot;sleep MS&quot; wartet zwischen ihnen, &quot;#&quot; leitet einen Kommentar ein, Wörter
    werden wie in einer Shell in Anführungszeichen gesetzt. Alle Zeilen und
    alle Trackdateien (gegen ihren Fingerabdruck) werden geprüft, bevor die
    erste Zeile läuft; die erste fehlerhafte Zeile beendet das Skript.
    --speed teilt die Wartezeiten durch F, --dry-run gibt die Aufrufe aus,
    statt sie zu senden, --force spielt auch mit geänderten Trackdateien ab.
call SERVICE METHOD ARGUMENTS (in einem Skript)
    Sendet einen Aufruf mit genau diesem Argumenttext; so schreiben die
    Aufzeichnungen des Fensters Aufrufe, die kein anderer Befehl genau so
    sendet.
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: emulation-ctl [--host HOST] [--port PORT] [--json] COMMAND…
Drives the emulator&apos;s sensors, GPS and camera as the Emulation Management
window does, over the same WebSocket (default 127.0.0.1:5454).

Commands (each has --help):
  sensor list | enable NAME | disable NAME | set NAME VALUES…
  pose X Y Z | pose preset 1…6
  gps fix LAT LON [ALT] | load FILE | play [--speed N] [--loop] [--wait]
      | pause | stop | goto INDEX | status
  camera list | stream --camera NAME … | stream --file FILE | stop
  script FILE [--speed F] [--dry-run] [--force]

--json prints one JSON object per command. Exit status 0 on success, 1 when
the emulator refuses a call, cannot be reached or a file cannot be used,
2 for a bad command line.
</source>
        <translation>Aufruf: emulation-ctl [--host HOST] [--port PORT] [--json] COMMAND…
Steuert Sensoren, GPS und Kamera des Emulators wie das Fenster
Emulationsverwaltung, über denselben WebSocket (Standard: 127.0.0.1:5454).

Befehle (jeder mit --help):
  sensor list | enable NAME | disable NAME | set NAME VALUES…
  pose X Y Z | pose preset 1…6
  gps fix LAT LON [ALT] | load FILE | play [--speed N] [--loop] [--wait]
      | pause | stop | goto INDEX | status
  camera list | stream --camera NAME … | stream --file FILE | stop
  script FILE [--speed F] [--dry-run] [--force]

--json gibt je Befehl ein JSON-Objekt aus. Exit-Status 0 bei Erfolg, 1 wenn
der Emulator einen Aufruf ablehnt, nicht erreichbar ist oder eine Datei
nicht verwendet werden kann, 2 bei einer fehlerhaften Befehlszeile.
</translation>
    </message>
    <message>
        <location filename="../sensors/sensorreadings.cpp" line="+31"/>
        <source>latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>altitude</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandRunner</name>
    <message>
        <location filename="../ctl/commandrunner.cpp" line="+115"/>
        <source>a script cannot run another script</source>
        <translation>ein Skript kann kein anderes Skript ausführen</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CtlSession</name>
    <message>
        <location filename="../ctl/ctlsession.cpp" line="+40"/>
        <source>the page scripts did not load: %1</source>
        <translation>die Seitenskripte konnten nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulationManagementPlugin</name>
    <message>
        <location filename="../plugin/emulationmanagementplugin.cpp" line="+111"/>
        <source>Emulation Management</source>
        <translation>Emulationsverwaltung</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Emulation Management…</source>
        <translation>Emulationsverwaltung…</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>The emulation management plugin cannot be used. Please, close the emulator if it is running and add %1 Emulator to the list of available devices in Qt Creator settings.</source>
        <translation>Das Plugin „Emulationsverwaltung“ kann nicht verwendet werden. Bitte schließen Sie den Emulator, falls er läuft, und fügen Sie „%1 Emulator“ in den Einstellungen von Qt Creator zur Liste der verfügbaren Geräte hinzu.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The emulation management plugin cannot be used. Please, close %1 and try to use &apos;Emulation management…&apos; again.</source>
        <translation>Das Plugin „Emulationsverwaltung“ kann nicht verwendet werden. Bitte schließen Sie %1 und wählen Sie „Emulationsverwaltung…“ erneut.</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Emulator connection is lost. Please, run %1 if it is needed and load the GPS-track again.</source>
        <translation>Die Verbindung zum Emulator wurde unterbrochen. Bitte starten Sie %1 bei Bedarf und laden Sie den GPS-Track erneut.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The recording could not be saved.</source>
        <translation>Die Aufzeichnung konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window was closed while recording. The recording was saved to %1.</source>
        <translation>Das Fenster wurde während der Aufzeichnung geschlossen. Die Aufzeichnung wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replay it with: emulation-ctl script &quot;%1&quot;</source>
        <translation>Abspielen mit: emulation-ctl script &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Emulation management plugin</source>
        <translation>Plugin Emulationsverwaltung</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulatorConnection</name>
    <message>
        <location filename="../ctl/emulatorconnection.cpp" line="+14"/>
        <location line="+73"/>
        <source>no reply from the emulator within %1 s</source>
        <translation>keine Antwort vom Emulator innerhalb von %1 s</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>the connection to the emulator was lost</source>
        <translation>die Verbindung zum Emulator wurde unterbrochen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot reach the emulator at %1</source>
        <translation>der Emulator unter %1 ist nicht erreichbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the emulator at %1 within %2 s</source>
        <translation>keine Antwort vom Emulator unter %1 innerhalb von %2 s</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the emulator refused &quot;%1&quot;: %2</source>
        <translation>der Emulator hat &quot;%1&quot; abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::GpsCommands</name>
    <message>
        <location filename="../ctl/gpscommands.cpp" line="+65"/>
        <source>track points loaded: %1</source>
        <translation>Trackpunkte geladen: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no track is loaded; load one with &quot;gps load FILE&quot;</source>
        <translation>kein Track geladen; laden Sie einen mit &quot;gps load FILE&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 changed since it was loaded; load it again with &quot;gps load&quot;</source>
        <translation>%1 wurde seit dem Laden geändert; laden Sie die Datei erneut mit &quot;gps load&quot;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>index %1 is beyond the track&apos;s last point, %2</source>
        <translation>Index %1 liegt hinter dem letzten Punkt des Tracks (%2)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>position: %1 %2 %3 m</source>
        <translation>Position: %1 %2 %3 m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>track: %1 (points: %2)</source>
        <translation>Track: %1 (Punkte: %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>current point: %1</source>
        <translation>Aktueller Punkt: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>speed: %1x, loop: %2, own track times: %3</source>
        <translation>Geschwindigkeit: %1x, Wiederholen: %2, eigene Trackzeiten: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+1"/>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::Scenario</name>
    <message>
        <location filename="../scenario/scenarioformat.cpp" line="+195"/>
        <source>Not a call to one of the emulator&apos;s services: %1</source>
        <translation>Kein Aufruf eines Emulatordienstes: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A call with a line break cannot be written: %1</source>
        <translation>Ein Aufruf mit Zeilenumbruch kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScenarioRecorder</name>
    <message>
        <location filename="../scenario/scenariorecorder.cpp" line="+142"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScriptReader</name>
    <message>
        <location filename="../ctl/scriptreader.cpp" line="+17"/>
        <source>the line is longer than %1 bytes</source>
        <translation>die Zeile ist länger als %1 Bytes</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a script cannot run another script</source>
        <translation>ein Skript kann kein anderes Skript ausführen</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScriptRunner</name>
    <message>
        <location filename="../ctl/scriptrunner.cpp" line="+71"/>
        <source>%1 is not the track file that was recorded (%2 now, %3 then); --force replays it anyway</source>
        <translation>%1 ist nicht die aufgezeichnete Trackdatei (jetzt %2, damals %3); --force spielt sie trotzdem ab</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorCommands</name>
    <message>
        <location filename="../ctl/sensorcommands.cpp" line="+40"/>
        <source>follows the accelerometer</source>
        <translation>folgt dem Beschleunigungssensor</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>reflectance %1</source>
        <translation>Reflexionsgrad %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>on </source>
        <translation>an </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>magneticField</source>
        <translation>magneticField</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorInput</name>
    <message>
        <location filename="../ctl/sensorinput.cpp" line="+72"/>
        <source>orientation must be one of %1</source>
        <translation>orientation erwartet einen dieser Werte: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>tap must be one of %1</source>
        <translation>tap erwartet einen dieser Werte: %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>unknown sensor reading &quot;%1&quot;; see &quot;emulation-ctl sensor set --help&quot;</source>
        <translation>unbekannter Messwert &quot;%1&quot;; siehe &quot;emulation-ctl sensor set --help&quot;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 takes one value</source>
        <translation>%1 erwartet einen Wert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes three values, X Y Z</source>
        <translation>%1 erwartet drei Werte, X Y Z</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation>%1: &quot;%2&quot; ist keine ganze Zahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation>%1: &quot;%2&quot; ist keine Zahl mit höchstens %3 Nachkommastellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 is out of range (%3)</source>
        <translation>%1: %2 liegt außerhalb des Bereichs (%3)</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorReadingTable</name>
    <message>
        <location filename="../sensors/sensorreadings.cpp" line="-14"/>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+4"/>
        <source>μT</source>
        <translation>μT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deg/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lx</source>
        <translation>lx</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFile</name>
    <message>
        <location filename="../ctl/trackfile.cpp" line="+13"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFingerprint</name>
    <message>
        <location filename="../gps/trackfingerprint.cpp" line="+16"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackModel</name>
    <message>
        <location filename="../gps/trackmodel.cpp" line="+60"/>
        <source>The track is too large for the memory available</source>
        <translation>Der Track ist zu groß für den verfügbaren Speicher</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::WarningDialog</name>
    <message>
        <location filename="../ui/warningdialog.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do not show again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>EmulationManagementPackagesChecker</name>
    <message>
        <location filename="../plugin/emulationmanagementpackageschecker.cpp" line="+58"/>
        <source>Necessary packages not found on emulator!</source>
        <translation>Erforderliche Pakete wurden auf dem Emulator nicht gefunden!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packages is not installed: 
</source>
        <translation>Nicht installierte Pakete: 
</translation>
    </message>
</context>
<context>
    <name>EmulationManagementView</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/EmulationManagementView.qml" line="+132"/>
        <source>Save Recording</source>
        <translation>Aufzeichnung speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emulation scenario (*.scenario)</source>
        <translation>Emulationsszenario (*.scenario)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discard Recording</source>
        <translation>Aufzeichnung verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The recording has not been saved. Discard it?</source>
        <translation>Die Aufzeichnung wurde nicht gespeichert. Möchten Sie sie verwerfen?</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The sensors values will be reset using the smartphone 3D-model position. Do you want to continue?</source>
        <translation>Die Sensorwerte werden anhand der Lage des 3D-Telefonmodells zurückgesetzt. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Sensors Management</source>
        <translation>Sensorverwaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensors Values</source>
        <translation>Sensorwerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation Management</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GPS Management</source>
        <translation>GPS-Verwaltung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Camera Management</source>
        <translation>Kameraverwaltung</translation>
    </message>
</context>
<context>
    <name>ErrorMessageDialog</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ErrorMessageDialog.qml" line="+2"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>GpsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GpsManagementPage.qml" line="+35"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+130"/>
        <location line="+36"/>
        <location line="+10"/>
        <source>Latitude</source>
        <translation>Breitengrad</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+136"/>
        <location line="+47"/>
        <location line="+10"/>
        <source>Longitude</source>
        <translation>Längengrad</translation>
    </message>
    <message>
        <location line="-193"/>
        <location line="+143"/>
        <location line="+58"/>
        <location line="+10"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.</source>
        <translation>Die geladene NMEA-Datei enthält keine Zeitangaben. Sie kann daher nicht in ihrem eigenen Tempo abgespielt werden.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Open NMEA File</source>
        <translation>Trackdatei öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA files (*.nmea)</source>
        <translation>NMEA-Dateien (*.nmea)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GPX files (*.gpx)</source>
        <translation>GPX-Dateien (*.gpx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KML files (*.kml)</source>
        <translation>KML-Dateien (*.kml)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Current Position</source>
        <translation>Aktuelle Position</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Coordinate</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Track file</source>
        <translation>Trackdatei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open track file</source>
        <translation>Trackdatei öffnen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading track</source>
        <translation>Track wird geladen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Dismiss note</source>
        <translation>Hinweis schließen</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+15"/>
        <source>Track progress</source>
        <translation>Track-Fortschritt</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Use own track speed</source>
        <translation>Zeiten des Tracks verwenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loop track</source>
        <translation>Track wiederholen</translation>
    </message>
</context>
<context>
    <name>GyroscopeControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GyroscopeControls.qml" line="+6"/>
        <source>Gyroscope</source>
        <translation>Gyroskop</translation>
    </message>
</context>
<context>
    <name>LightSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/LightSensorControls.qml" line="+9"/>
        <source>Light Sensor</source>
        <translation>Lichtsensor</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>Light level</source>
        <translation>Helligkeitsstufe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undefined</source>
        <translation>Unbestimmt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bright</source>
        <translation>Sehr hell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunny</source>
        <translation>Sonnig</translation>
    </message>
</context>
<context>
    <name>MagneticFieldControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagneticFieldControls.qml" line="+7"/>
        <source>Magnetic Field</source>
        <translation>Magnetfeld</translation>
    </message>
</context>
<context>
    <name>MagnetometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagnetometerControls.qml" line="+8"/>
        <source>Magnetometer</source>
        <translation>Magnetometer</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Calib. level</source>
        <translation>Kalibrierung</translation>
    </message>
</context>
<context>
    <name>OrientationSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/OrientationSensorControls.qml" line="+8"/>
        <source>Orientation Sensor</source>
        <translation>Ausrichtungssensor</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
</context>
<context>
    <name>ProximitySensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ProximitySensorControls.qml" line="+8"/>
        <source>Proximity Sensor</source>
        <translation>Näherungssensor</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Reflectance</source>
        <translation>Reflexionsgrad</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Near</source>
        <translation>Nah</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Far</source>
        <translation>Fern</translation>
    </message>
</context>
<context>
    <name>RecordButton</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/RecordButton.qml" line="+18"/>
        <source>Stop recording</source>
        <translation>Aufzeichnung beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record emulator input</source>
        <translation>Emulatoreingaben aufzeichnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording for %1</source>
        <translation>Aufzeichnungsdauer: %1</translation>
    </message>
</context>
<context>
    <name>SensorsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsManagementPage.qml" line="+63"/>
        <source>The sensor configuration has been changed. Apply or discard changes?</source>
        <translation>Die Sensorkonfiguration wurde geändert. Möchten Sie die Änderungen übernehmen oder verwerfen?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Accelerometer</source>
        <translation>Beschleunigungssensor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Compass</source>
        <translation>Kompass</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orientation Sensor</source>
        <translation>Ausrichtungssensor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Magnetometer</source>
        <translation>Magnetometer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gyroscope</source>
        <translation>Gyroskop</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Light Sensor</source>
        <translation>Lichtsensor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Proximity Sensor</source>
        <translation>Näherungssensor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tap Sensor</source>
        <translation>Tippsensor</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>After applying changes, all applications retrieving data from sensors must be restarted.</source>
        <translation>Nach dem Übernehmen der Änderungen müssen alle Anwendungen, die Sensordaten abrufen, neu gestartet werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>SensorsValuesPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsValuesPage.qml" line="+134"/>
        <source>Reset values</source>
        <translation>Werte zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SmartphoneModel</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModel.qml" line="+48"/>
        <source>Phone model</source>
        <translation>3D-Modell des Telefons</translation>
    </message>
</context>
<context>
    <name>SmartphoneModelPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModelPage.qml" line="+181"/>
        <source>Rotation</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+7"/>
        <source>X-Rot</source>
        <translation>X-Drehung</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Y-Rot</source>
        <translation>Y-Drehung</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Z-Rot</source>
        <translation>Z-Drehung</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Device rotation</source>
        <translation>Gerätelage</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Upright</source>
        <translation>Aufrecht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge left</source>
        <translation>Auf der Seite, Tastenkante links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside down</source>
        <translation>Kopfüber</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge right</source>
        <translation>Auf der Seite, Tastenkante rechts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lying flat, screen up</source>
        <translation>Flach, Bildschirm nach oben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lying flat, screen down</source>
        <translation>Flach, Bildschirm nach unten</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Resulting values</source>
        <translation>Resultierende Werte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Accelerometer (m/s²)</source>
        <translation>Beschleunigungssensor (m/s²)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gyroscope (°/s)</source>
        <translation>Gyroskop (°/s)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Magnetometer (μT)</source>
        <translation>Magnetometer (μT)</translation>
    </message>
</context>
<context>
    <name>TapSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TapSensorControls.qml" line="+8"/>
        <source>Tap Sensor</source>
        <translation>Tippsensor</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
</context>
<context>
    <name>TrackPlot</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TrackPlot.qml" line="+21"/>
        <source>Track plot</source>
        <translation>Trackverlauf</translation>
    </message>
</context>
<context>
    <name>TrackReader</name>
    <message>
        <location filename="../gps/gpxreader.cpp" line="+29"/>
        <source>GPX point has no valid latitude</source>
        <translation>GPX-Punkt hat keinen gültigen Breitengrad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has no valid longitude</source>
        <translation>GPX-Punkt hat keinen gültigen Längengrad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a latitude outside -90 to 90</source>
        <translation>GPX-Punkt hat einen Breitengrad außerhalb von -90 bis 90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a longitude outside -180 to 180</source>
        <translation>GPX-Punkt hat einen Längengrad außerhalb von -180 bis 180</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>GPX point has no valid elevation</source>
        <translation>GPX-Punkt hat keine gültige Höhe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GPX point has no valid time</source>
        <translation>GPX-Punkt hat keine gültige Zeit</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>GPX file has no track points, route points or waypoints</source>
        <translation>GPX-Datei enthält keine Trackpunkte, Routenpunkte oder Wegpunkte</translation>
    </message>
    <message>
        <location filename="../gps/kmlreader.cpp" line="+45"/>
        <source>KML point has a latitude outside -90 to 90</source>
        <translation>KML-Punkt hat einen Breitengrad außerhalb von -90 bis 90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KML point has a longitude outside -180 to 180</source>
        <translation>KML-Punkt hat einen Längengrad außerhalb von -180 bis 180</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML point has no valid altitude</source>
        <translation>KML-Punkt hat keine gültige Höhe</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>KML coordinates are not longitude,latitude[,altitude]</source>
        <translation>KML-Koordinaten haben nicht die Form Länge,Breite[,Höhe]</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>KML point has no valid time</source>
        <translation>KML-Punkt hat keine gültige Zeit</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>KML track has %1 times for %2 positions</source>
        <translation>KML-Track hat %1 Zeiten für %2 Positionen</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>KML file has no paths, tracks or placemarks with points</source>
        <translation>KML-Datei enthält keine Pfade, Tracks oder Ortsmarken mit Punkten</translation>
    </message>
    <message>
        <location filename="../gps/nmeareader.cpp" line="+191"/>
        <source>60 minutes or more</source>
        <translation>60 Minuten oder mehr</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a latitude over 90 degrees</source>
        <translation>Breitengrad über 90 Grad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a longitude over 180 degrees</source>
        <translation>Längengrad über 180 Grad</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Incorrect NMEA file</source>
        <translation>Ungültige NMEA-Datei</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>NMEA file has a number out of range</source>
        <translation>NMEA-Datei enthält eine Zahl außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NMEA file is empty</source>
        <translation>NMEA-Datei ist leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NMEA file has an impossible position: %1</source>
        <translation>NMEA-Datei enthält eine unmögliche Position: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>NMEA file has incorrect points format.
Supported formats: GPRMC, GPGGA, GPGLL, GPWPL.</source>
        <translation>NMEA-Datei hat ein falsches Punktformat.
Unterstützte Formate: GPRMC, GPGGA, GPGLL, GPWPL.</translation>
    </message>
    <message>
        <location filename="../gps/trackreader.cpp" line="+25"/>
        <source>%1 file is too large for the memory available</source>
        <translation>%1-Datei ist zu groß für den verfügbaren Speicher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 file cannot be read: %2</source>
        <translation>%1-Datei kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1 without a position fix</source>
        <translation>%1 ohne Positionsbestimmung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with an impossible position</source>
        <translation>%1 mit unmöglicher Position</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cut off at the end of the file</source>
        <translation>%1 am Dateiende abgeschnitten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Skipped 1 line: %1.</source>
        <translation>1 Zeile übersprungen: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped %1 lines: %2.</source>
        <translation>%1 Zeilen übersprungen: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 point goes back in time; it follows the one before at once.</source>
        <translation>1 Punkt springt zeitlich zurück; er folgt direkt auf den vorherigen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 points go back in time; each follows the one before at once.</source>
        <translation>%1 Punkte springen zeitlich zurück; jeder folgt direkt auf den vorherigen.</translation>
    </message>
    <message>
        <location filename="../gps/xmltrack.cpp" line="+116"/>
        <source>%1 element has more than %2 attributes</source>
        <translation>%1-Element hat mehr als %2 Attribute</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 file nests elements more than %2 deep</source>
        <translation>%1-Datei verschachtelt Elemente mehr als %2 Ebenen tief</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 file is empty</source>
        <translation>%1-Datei ist leer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 file is encoded in UTF-16, which is not read; save it as UTF-8</source>
        <translation>%1-Datei ist in UTF-16 kodiert, das nicht gelesen wird; speichern Sie sie als UTF-8</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 file declares a document type of its own, which %1 files do not use</source>
        <translation>%1-Datei deklariert einen eigenen Dokumenttyp, den %1-Dateien nicht verwenden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 file is not well-formed XML: %2</source>
        <translation>%1-Datei ist kein wohlgeformtes XML: %2</translation>
    </message>
</context>
<context>
    <name>camera-management-page-logic</name>
    <message>
        <location filename="../resources/emulationmanagement/js/camera-management-page-logic.js" line="+89"/>
        <source>Could not determine the video codec of the video file. Supported codecs: VP8 and VP9.</source>
        <translation>Der Videocodec der Videodatei konnte nicht ermittelt werden. Unterstützte Codecs: VP8 und VP9.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Camera emulation does not support %1. Supported codecs: VP8 and VP9.</source>
        <translation>Die Kameraemulation unterstützt %1 nicht. Unterstützte Codecs: VP8 und VP9.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The camera stream stopped: %1</source>
        <translation>Der Kamerastream wurde beendet: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sent: %1 frames per second</source>
        <translation>Gesendet: %1 Bilder pro Sekunde</translation>
    </message>
</context>
</TS>
