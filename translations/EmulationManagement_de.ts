<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccelerometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/AccelerometerControls.qml" line="+6"/>
        <source>Accelerometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>m/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CameraManagementPage.qml" line="+62"/>
        <source>Open Video File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Host camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+141"/>
        <location line="+14"/>
        <source>Video file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Current values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+46"/>
        <location line="+13"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+53"/>
        <location line="+8"/>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+57"/>
        <location line="+7"/>
        <source>Framerate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Set settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose video file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+10"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Update cameras list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompassControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CompassControls.qml" line="+7"/>
        <source>Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Calib. level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraCommands</name>
    <message>
        <location filename="../ctl/cameracommands.cpp" line="+102"/>
        <source>the camera stream stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>stream stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source>no camera stream is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the stream of process %1 did not stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraStreams</name>
    <message>
        <location filename="../ctl/camerastreams.cpp" line="+47"/>
        <source>no cameras found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a VP8 or VP9 video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a VP8 or VP9 video (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>unknown camera &quot;%1&quot;; cameras: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 does not offer %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not offer %2 at %3x%4; it offers %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandLine</name>
    <message>
        <location filename="../ctl/commandline.cpp" line="+33"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 is out of range (%3…%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>missing arguments; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unexpected argument &quot;%1&quot;; see --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown sensor &quot;%1&quot;; sensors: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown sensor command &quot;%1&quot;; see &quot;emulation-ctl sensor --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>-Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--loop and --no-loop exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>--fingerprint: &quot;%1&quot; is not a track fingerprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown gps command &quot;%1&quot;; see &quot;emulation-ctl gps --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>camera stream needs either --camera NAME or --file FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--resolution and --framerate go with --camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--resolution takes WIDTHxHEIGHT, e.g. 640x480</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--framerate takes N/D, e.g. 30/1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>unknown camera command &quot;%1&quot;; see &quot;emulation-ctl camera --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no command given; see &quot;emulation-ctl --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown command &quot;%1&quot;; see &quot;emulation-ctl --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>unterminated %1 quote</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandRunner</name>
    <message>
        <location filename="../ctl/commandrunner.cpp" line="+115"/>
        <source>a script cannot run another script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CtlSession</name>
    <message>
        <location filename="../ctl/ctlsession.cpp" line="+40"/>
        <source>the page scripts did not load: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulationManagementPlugin</name>
    <message>
        <location filename="../plugin/emulationmanagementplugin.cpp" line="+117"/>
        <source>Emulation Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Emulation Management…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>The emulation management plugin cannot be used. Please, close the emulator if it is running and add %1 Emulator to the list of available devices in Qt Creator settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The emulation management plugin cannot be used. Please, close %1 and try to use &apos;Emulation management…&apos; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Emulator connection is lost. Please, run %1 if it is needed and load the GPS-track again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The recording could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window was closed while recording. The recording was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replay it with: emulation-ctl script &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Emulation management plugin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulatorConnection</name>
    <message>
        <location filename="../ctl/emulatorconnection.cpp" line="+14"/>
        <location line="+73"/>
        <source>no reply from the emulator within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-42"/>
        <source>the connection to the emulator was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot reach the emulator at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the emulator at %1 within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the emulator refused &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::GpsCommands</name>
    <message>
        <location filename="../ctl/gpscommands.cpp" line="+65"/>
        <source>track points loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no track is loaded; load one with &quot;gps load FILE&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 changed since it was loaded; load it again with &quot;gps load&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>index %1 is beyond the track&apos;s last point, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>position: %1 %2 %3 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>track: %1 (points: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>current point: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>speed: %1x, loop: %2, own track times: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+1"/>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::Scenario</name>
    <message>
        <location filename="../scenario/scenarioformat.cpp" line="+195"/>
        <source>Not a call to one of the emulator&apos;s services: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A call with a line break cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScenarioRecorder</name>
    <message>
        <location filename="../scenario/scenariorecorder.cpp" line="+142"/>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScriptRunner</name>
    <message>
        <location filename="../ctl/scriptrunner.cpp" line="+120"/>
        <source>%1 is not the track file that was recorded (%2 now, %3 then); --force replays it anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the line is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a script cannot run another script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorCommands</name>
    <message>
        <location filename="../ctl/sensorcommands.cpp" line="+40"/>
        <source>follows the accelerometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>reflectance %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>magneticField</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorInput</name>
    <message>
        <location filename="../ctl/sensorinput.cpp" line="+72"/>
        <source>orientation must be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>tap must be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>unknown sensor reading &quot;%1&quot;; see &quot;emulation-ctl sensor set --help&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 takes one value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes three values, X Y Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 is out of range (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFile</name>
    <message>
        <location filename="../ctl/trackfile.cpp" line="+13"/>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFingerprint</name>
    <message>
        <location filename="../gps/trackfingerprint.cpp" line="+16"/>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackModel</name>
    <message>
        <location filename="../gps/trackmodel.cpp" line="+60"/>
        <source>The track is too large for the memory available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::WarningDialog</name>
    <message>
        <location filename="../ui/warningdialog.cpp" line="+38"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do not show again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagementPackagesChecker</name>
    <message>
        <location filename="../plugin/emulationmanagementpackageschecker.cpp" line="+58"/>
        <source>Necessary packages not found on emulator!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packages is not installed: 
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmulationManagementView</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/EmulationManagementView.qml" line="+132"/>
        <source>Save Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emulation scenario (*.scenario)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discard Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The recording has not been saved. Discard it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The sensors values will be reset using the smartphone 3D-model position. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Sensors Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensors Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GPS Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Camera Management</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorMessageDialog</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ErrorMessageDialog.qml" line="+2"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GpsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GpsManagementPage.qml" line="+35"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+130"/>
        <location line="+30"/>
        <location line="+10"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-169"/>
        <location line="+136"/>
        <location line="+37"/>
        <location line="+10"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-183"/>
        <location line="+143"/>
        <location line="+44"/>
        <location line="+10"/>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-151"/>
        <source>The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Open NMEA File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA files (*.nmea)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GPX files (*.gpx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KML files (*.kml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Current Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Track file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open track file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Dismiss note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+15"/>
        <source>Track progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Use own track speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loop track</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GyroscopeControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GyroscopeControls.qml" line="+6"/>
        <source>Gyroscope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LightSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/LightSensorControls.qml" line="+9"/>
        <source>Light Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>lux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>Light level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twilight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunny</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MagneticFieldControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagneticFieldControls.qml" line="+7"/>
        <source>Magnetic Field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MagnetometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagnetometerControls.qml" line="+8"/>
        <source>Magnetometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Calib. level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrientationSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/OrientationSensorControls.qml" line="+8"/>
        <source>Orientation Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProximitySensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ProximitySensorControls.qml" line="+8"/>
        <source>Proximity Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Reflectance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Near</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Far</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordButton</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/RecordButton.qml" line="+18"/>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record emulator input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsManagementPage.qml" line="+63"/>
        <source>The sensor configuration has been changed. Apply or discard changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Accelerometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orientation Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Magnetometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gyroscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Light Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Proximity Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tap Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>After applying changes, all applications retrieving data from sensors must be restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SensorsValuesPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsValuesPage.qml" line="+134"/>
        <source>Reset values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartphoneModel</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModel.qml" line="+48"/>
        <source>Phone model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartphoneModelPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModelPage.qml" line="+181"/>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+7"/>
        <source>X-Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Y-Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Z-Rot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <source>Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+7"/>
        <source>Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Device rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lying flat, screen up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lying flat, screen down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Resulting values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Accelerometer (m/s²)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gyroscope (°/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Magnetometer (μT)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TapSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TapSensorControls.qml" line="+8"/>
        <source>Tap Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackPlot</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TrackPlot.qml" line="+21"/>
        <source>Track plot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackReader</name>
    <message>
        <location filename="../gps/gpxreader.cpp" line="+29"/>
        <source>GPX point has no valid latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has no valid longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a latitude outside -90 to 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a longitude outside -180 to 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>GPX point has no valid elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GPX point has no valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>GPX file has no track points, route points or waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../gps/kmlreader.cpp" line="+45"/>
        <source>KML point has a latitude outside -90 to 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KML point has a longitude outside -180 to 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML point has no valid altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>KML coordinates are not longitude,latitude[,altitude]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+142"/>
        <source>KML point has no valid time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>KML track has %1 times for %2 positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <source>KML file has no paths, tracks or placemarks with points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../gps/nmeareader.cpp" line="+191"/>
        <source>60 minutes or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a latitude over 90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a longitude over 180 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+224"/>
        <source>NMEA file has a number out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NMEA file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NMEA file has an impossible position: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>NMEA file has incorrect points format.
Supported formats: GPRMC, GPGGA, GPGLL, GPWPL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../gps/trackreader.cpp" line="+25"/>
        <source>%1 file is too large for the memory available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 file cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1 without a position fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with an impossible position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cut off at the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Skipped 1 line: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped %1 lines: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 point goes back in time; it follows the one before at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 points go back in time; each follows the one before at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../gps/xmltrack.cpp" line="+116"/>
        <source>%1 element has more than %2 attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 file nests elements more than %2 deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 file is encoded in UTF-16, which is not read; save it as UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 file declares a document type of its own, which %1 files do not use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 file is not well-formed XML: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>camera-management-page-logic</name>
    <message>
        <location filename="../resources/emulationmanagement/js/camera-management-page-logic.js" line="+89"/>
        <source>Could not determine the video codec of the video file. Supported codecs: VP8 and VP9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Camera emulation does not support %1. Supported codecs: VP8 and VP9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The camera stream stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sent: %1 frames per second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
