<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AccelerometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/AccelerometerControls.qml" line="+6"/>
        <source>Accelerometer</source>
        <translation>Акселерометр</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>m/s</source>
        <translation>м/с</translation>
    </message>
</context>
<context>
    <name>CameraManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CameraManagementPage.qml" line="+62"/>
        <source>Open Video File</source>
        <translation>Открыть видеофайл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Video files (*.webm *.mkv)</source>
        <translation>Видеофайлы (*.webm *.mkv)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Host camera</source>
        <translation>Камера компьютера</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+141"/>
        <location line="+14"/>
        <source>Video file</source>
        <translation>Видеофайл</translation>
    </message>
    <message>
        <location line="-136"/>
        <source>Current values</source>
        <translation>Текущие значения</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+46"/>
        <location line="+13"/>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <location line="-48"/>
        <location line="+53"/>
        <location line="+8"/>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <location line="-52"/>
        <location line="+57"/>
        <location line="+7"/>
        <source>Framerate</source>
        <translation>Частота кадров</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Set settings</source>
        <translation>Применить настройки</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose video file</source>
        <translation>Выбрать видеофайл</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Start stream</source>
        <translation>Начать трансляцию</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+10"/>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Update cameras list</source>
        <translation>Обновить список камер</translation>
    </message>
</context>
<context>
    <name>CompassControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/CompassControls.qml" line="+7"/>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Calib. level</source>
        <translation>Калибровка</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraCommands</name>
    <message>
        <location filename="../ctl/cameracommands.cpp" line="+102"/>
        <source>the camera stream stopped: %1</source>
        <translation>трансляция камеры прервана: %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+23"/>
        <source>stream stopped</source>
        <translation>трансляция остановлена</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>no camera stream is running</source>
        <translation>трансляция камеры не запущена</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the stream of process %1 did not stop</source>
        <translation>трансляция процесса %1 не остановилась</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CameraStreams</name>
    <message>
        <location filename="../ctl/camerastreams.cpp" line="+47"/>
        <source>no cameras found</source>
        <translation>камеры не найдены</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is not a VP8 or VP9 video</source>
        <translation>%1 — не видео VP8 или VP9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a VP8 or VP9 video (%2)</source>
        <translation>%1 — не видео VP8 или VP9 (%2)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>unknown camera &quot;%1&quot;; cameras: %2</source>
        <translation>неизвестная камера «%1»; камеры: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 does not offer %2</source>
        <translation>%1 не поддерживает разрешение %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 does not offer %2 at %3x%4; it offers %5</source>
        <translation>%1 не поддерживает частоту кадров %2 при разрешении %3x%4; доступные: %5</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandLine</name>
    <message>
        <location filename="../ctl/commandline.cpp" line="+33"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation>%1: «%2» — не целое число</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation>%1: «%2» — не число или знаков после запятой больше %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 is out of range (%3…%4)</source>
        <translation>%1: %2 вне допустимого диапазона (%3…%4)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 needs a value</source>
        <translation>%1: требуется значение</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>missing arguments; see --help</source>
        <translation>недостаточно аргументов; см. --help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unexpected argument &quot;%1&quot;; see --help</source>
        <translation>лишний аргумент «%1»; см. --help</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>unknown sensor &quot;%1&quot;; sensors: %2</source>
        <translation>неизвестный датчик «%1»; датчики: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>unknown sensor command &quot;%1&quot;; see &quot;emulation-ctl sensor --help&quot;</source>
        <translation>неизвестная команда датчиков «%1»; см. «emulation-ctl sensor --help»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>preset</source>
        <translation>предустановка</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>-Rot</source>
        <translation>-поворот</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>--loop and --no-loop exclude each other</source>
        <translation>--loop и --no-loop несовместимы</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>speed</source>
        <translation>скорость</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>--fingerprint: &quot;%1&quot; is not a track fingerprint</source>
        <translation>--fingerprint: «%1» — не отпечаток трека</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>index</source>
        <translation>индекс</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown gps command &quot;%1&quot;; see &quot;emulation-ctl gps --help&quot;</source>
        <translation>неизвестная команда GPS «%1»; см. «emulation-ctl gps --help»</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>camera stream needs either --camera NAME or --file FILE</source>
        <translation>для camera stream нужен либо --camera NAME, либо --file FILE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--resolution and --framerate go with --camera</source>
        <translation>--resolution и --framerate допустимы только с --camera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--resolution takes WIDTHxHEIGHT, e.g. 640x480</source>
        <translation>--resolution принимает ШИРИНАxВЫСОТА, например 640x480</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--framerate takes N/D, e.g. 30/1</source>
        <translation>--framerate принимает N/D, например 30/1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>seconds</source>
        <translation>секунды</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>unknown camera command &quot;%1&quot;; see &quot;emulation-ctl camera --help&quot;</source>
        <translation>неизвестная команда камеры «%1»; см. «emulation-ctl camera --help»</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>port</source>
        <translation>порт</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no command given; see &quot;emulation-ctl --help&quot;</source>
        <translation>команда не указана; см. «emulation-ctl --help»</translation>
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
        <translation>неизвестная команда «%1»; см. «emulation-ctl --help»</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>unterminated %1 quote</source>
        <translation>незакрытая кавычка %1</translation>
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
    Состояние каждого датчика (запрашивается у эмулятора) и показания,
    заданные последними через emulation-ctl.
emulation-ctl sensor enable|disable NAME
    Включает или выключает датчик вместе с датчиками, которые переключает
    и окно (включение компаса включает акселерометр и магнитометр,
    выключение акселерометра — компас и датчик ориентации, выключение
    магнитометра — компас).
    NAME: %1
emulation-ctl sensor set NAME VALUES…
    Задаёт показание; единицы, диапазоны и число знаков — как в окне:
    %2
    NAME.x, NAME.y или NAME.z задаёт одну ось, как поле в окне.
    magneticField хранится в emulation-ctl для «pose» и не отправляется.
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
    Отправляет показания акселерометра и магнитометра, как страница
    «Ориентация», для неподвижного телефона, повёрнутого на X, Y и Z
    градусов вокруг осей X, Y и Z (-180…180).
emulation-ctl pose preset 1…6
    Кнопки положений на странице: 1 — вертикально, 2 — на левом боку,
    3 — вверх ногами, 4 — на правом боку, 5 — лёжа экраном вверх,
    6 — лёжа экраном вниз.
    Магнитометр учитывает магнитное поле, заданное командой
    «sensor set magneticField X Y Z».
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
    Задаёт неподвижное положение (-90…90 и -180…180 градусов, не более
    7 знаков после запятой; -1000…10000 м, не более 2 знаков; если высота
    не указана, берётся последняя заданная).
emulation-ctl gps load FILE [--fingerprint TEXT]
    Читает трек NMEA (.nmea), GPX (.gpx) или KML (.kml), как страница GPS,
    и отправляет его; с --fingerprint (его пишет записанный сценарий)
    принимает только тот же самый файл.
emulation-ctl gps play [--speed 1…5] [--loop|--no-loop] [--wait]
    Запускает загруженный трек. С --wait воспроизводит трек в темпе
    страницы до последней точки (с --loop — до прерывания).
emulation-ctl gps pause | stop | goto INDEX | status
    Приостанавливает на текущей точке, останавливает (с возвратом к первой
    точке), переходит к точке (нумерация с 0) или показывает положение
    и настройки трека.
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
    Камеры компьютера с их разрешениями и частотами кадров.
emulation-ctl camera stream --camera NAME [--resolution WxH] [--framerate N/D] [--seconds N]
emulation-ctl camera stream --file FILE [--seconds N]
    Транслирует камеру компьютера или видеофайл VP8/VP9 (по кругу) как
    камеру эмулятора, пока не будет дана команда «camera stop», не нажато
    Ctrl+C или не пройдёт N секунд.
emulation-ctl camera stop
    Останавливает трансляцию, запущенную ранее другим вызовом emulation-ctl.
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
    Выполняет команды из FILE, по одной в строке, через одно соединение;
    «sleep MS» задаёт паузу между ними, «#» начинает комментарий, слова
    заключаются в кавычки, как в командной оболочке. Все строки, а также
    все файлы треков (по их отпечаткам) проверяются до запуска первой
    строки; первая ошибочная строка завершает сценарий.
    --speed делит паузы на F, --dry-run выводит вызовы вместо отправки,
    --force воспроизводит сценарий, даже если файлы треков изменились.
call SERVICE METHOD ARGUMENTS (в сценарии)
    Отправляет один вызов с этим текстом аргументов как есть: так записи
    окна сохраняют вызовы, которые в точности не отправляет ни одна другая
    команда.
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
        <translation>Использование: emulation-ctl [--host HOST] [--port PORT] [--json] COMMAND…
Управляет датчиками, GPS и камерой эмулятора так же, как окно «Управление
эмуляцией», через тот же WebSocket (по умолчанию 127.0.0.1:5454).

Команды (у каждой есть --help):
  sensor list | enable NAME | disable NAME | set NAME VALUES…
  pose X Y Z | pose preset 1…6
  gps fix LAT LON [ALT] | load FILE | play [--speed N] [--loop] [--wait]
      | pause | stop | goto INDEX | status
  camera list | stream --camera NAME … | stream --file FILE | stop
  script FILE [--speed F] [--dry-run] [--force]

--json выводит по одному объекту JSON на команду. Код завершения: 0 — успех;
1 — эмулятор отклонил вызов или недоступен либо файл нельзя использовать;
2 — ошибка в командной строке.
</translation>
    </message>
    <message>
        <location filename="../sensors/sensorreadings.cpp" line="+31"/>
        <source>latitude</source>
        <translation>широта</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>longitude</source>
        <translation>долгота</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>altitude</source>
        <translation>высота</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CommandRunner</name>
    <message>
        <location filename="../ctl/commandrunner.cpp" line="+115"/>
        <source>a script cannot run another script</source>
        <translation>сценарий не может запускать другой сценарий</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::CtlSession</name>
    <message>
        <location filename="../ctl/ctlsession.cpp" line="+40"/>
        <source>the page scripts did not load: %1</source>
        <translation>не удалось загрузить скрипты страниц: %1</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulationManagementPlugin</name>
    <message>
        <location filename="../plugin/emulationmanagementplugin.cpp" line="+111"/>
        <source>Emulation Management</source>
        <translation>Управление эмуляцией</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Emulation Management…</source>
        <translation>Управление эмуляцией…</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>The emulation management plugin cannot be used. Please, close the emulator if it is running and add %1 Emulator to the list of available devices in Qt Creator settings.</source>
        <translation>Модуль управления эмуляцией недоступен. Закройте эмулятор, если он запущен, и добавьте эмулятор %1 в список доступных устройств в настройках Qt Creator.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The emulation management plugin cannot be used. Please, close %1 and try to use &apos;Emulation management…&apos; again.</source>
        <translation>Модуль управления эмуляцией недоступен. Закройте %1 и снова выберите «Управление эмуляцией…».</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Emulator connection is lost. Please, run %1 if it is needed and load the GPS-track again.</source>
        <translation>Соединение с эмулятором потеряно. При необходимости запустите %1 и загрузите GPS-трек заново.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The recording could not be saved.</source>
        <translation>Не удалось сохранить запись.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The window was closed while recording. The recording was saved to %1.</source>
        <translation>Окно было закрыто во время записи. Запись сохранена в %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replay it with: emulation-ctl script &quot;%1&quot;</source>
        <translation>Воспроизвести её можно командой: emulation-ctl script &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Emulation management plugin</source>
        <translation>Модуль управления эмуляцией</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::EmulatorConnection</name>
    <message>
        <location filename="../ctl/emulatorconnection.cpp" line="+14"/>
        <location line="+73"/>
        <source>no reply from the emulator within %1 s</source>
        <translation>эмулятор не ответил за %1 с</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>the connection to the emulator was lost</source>
        <translation>соединение с эмулятором потеряно</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot reach the emulator at %1</source>
        <translation>не удаётся подключиться к эмулятору по адресу %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no answer from the emulator at %1 within %2 s</source>
        <translation>эмулятор по адресу %1 не ответил за %2 с</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the emulator refused &quot;%1&quot;: %2</source>
        <translation>эмулятор отклонил «%1»: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::GpsCommands</name>
    <message>
        <location filename="../ctl/gpscommands.cpp" line="+65"/>
        <source>track points loaded: %1</source>
        <translation>загружено точек трека: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no track is loaded; load one with &quot;gps load FILE&quot;</source>
        <translation>трек не загружен; загрузите его командой «gps load FILE»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 changed since it was loaded; load it again with &quot;gps load&quot;</source>
        <translation>файл %1 изменился после загрузки; загрузите его снова командой «gps load»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>index %1 is beyond the track&apos;s last point, %2</source>
        <translation>индекс %1 больше индекса последней точки трека (%2)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>position: %1 %2 %3 m</source>
        <translation>положение: %1 %2 %3 м</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>track: %1 (points: %2)</source>
        <translation>трек: %1 (точек: %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>current point: %1</source>
        <translation>текущая точка: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>speed: %1x, loop: %2, own track times: %3</source>
        <translation>скорость: %1x, повтор: %2, время из трека: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+1"/>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::Scenario</name>
    <message>
        <location filename="../scenario/scenarioformat.cpp" line="+195"/>
        <source>Not a call to one of the emulator&apos;s services: %1</source>
        <translation>Это не вызов службы эмулятора: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A call with a line break cannot be written: %1</source>
        <translation>Невозможно записать вызов, содержащий перевод строки: %1</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScenarioRecorder</name>
    <message>
        <location filename="../scenario/scenariorecorder.cpp" line="+142"/>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScriptReader</name>
    <message>
        <location filename="../ctl/scriptreader.cpp" line="+17"/>
        <source>the line is longer than %1 bytes</source>
        <translation>строка длиннее %1 байт</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a script cannot run another script</source>
        <translation>сценарий не может запускать другой сценарий</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::ScriptRunner</name>
    <message>
        <location filename="../ctl/scriptrunner.cpp" line="+71"/>
        <source>%1 is not the track file that was recorded (%2 now, %3 then); --force replays it anyway</source>
        <translation>%1 — не тот файл трека, что был при записи (сейчас %2, тогда %3); с --force он всё равно будет воспроизведён</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>interrupted</source>
        <translation>прервано</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::SensorCommands</name>
    <message>
        <location filename="../ctl/sensorcommands.cpp" line="+40"/>
        <source>follows the accelerometer</source>
        <translation>следует за акселерометром</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>reflectance %1</source>
        <translation>отражение %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>on </source>
        <translation>вкл. </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>выкл.</translation>
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
        <translation>orientation принимает одно из значений: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>tap must be one of %1</source>
        <translation>tap принимает одно из значений: %1</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>unknown sensor reading &quot;%1&quot;; see &quot;emulation-ctl sensor set --help&quot;</source>
        <translation>неизвестное показание «%1»; см. «emulation-ctl sensor set --help»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 takes one value</source>
        <translation>%1 принимает одно значение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 takes three values, X Y Z</source>
        <translation>%1 принимает три значения: X Y Z</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: &quot;%2&quot; is not a whole number</source>
        <translation>%1: «%2» — не целое число</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: &quot;%2&quot; is not a number with at most %3 decimals</source>
        <translation>%1: «%2» — не число или знаков после запятой больше %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2 is out of range (%3)</source>
        <translation>%1: %2 вне допустимого диапазона (%3)</translation>
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
        <translation>мкТл</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>deg/s</source>
        <translation>°/с</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lx</source>
        <translation>лк</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFile</name>
    <message>
        <location filename="../ctl/trackfile.cpp" line="+13"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackFingerprint</name>
    <message>
        <location filename="../gps/trackfingerprint.cpp" line="+16"/>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::TrackModel</name>
    <message>
        <location filename="../gps/trackmodel.cpp" line="+60"/>
        <source>The track is too large for the memory available</source>
        <translation>Трек слишком велик для доступной памяти</translation>
    </message>
</context>
<context>
    <name>EmulationManagement::Internal::WarningDialog</name>
    <message>
        <location filename="../ui/warningdialog.cpp" line="+38"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do not show again</source>
        <translation>Больше не показывать</translation>
    </message>
</context>
<context>
    <name>EmulationManagementPackagesChecker</name>
    <message>
        <location filename="../plugin/emulationmanagementpackageschecker.cpp" line="+58"/>
        <source>Necessary packages not found on emulator!</source>
        <translation>В эмуляторе не найдены необходимые пакеты!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Packages is not installed: 
</source>
        <translation>Не установлены пакеты: 
</translation>
    </message>
</context>
<context>
    <name>EmulationManagementView</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/EmulationManagementView.qml" line="+132"/>
        <source>Save Recording</source>
        <translation>Сохранить запись</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Emulation scenario (*.scenario)</source>
        <translation>Сценарий эмуляции (*.scenario)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Discard Recording</source>
        <translation>Удаление записи</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The recording has not been saved. Discard it?</source>
        <translation>Запись не сохранена. Удалить её?</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The sensors values will be reset using the smartphone 3D-model position. Do you want to continue?</source>
        <translation>Показания датчиков будут сброшены в соответствии с положением 3D-модели смартфона. Продолжить?</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Sensors Management</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sensors Values</source>
        <translation>Показания датчиков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Orientation Management</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GPS Management</source>
        <translation>GPS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Camera Management</source>
        <translation>Камера</translation>
    </message>
</context>
<context>
    <name>ErrorMessageDialog</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ErrorMessageDialog.qml" line="+2"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>GpsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GpsManagementPage.qml" line="+35"/>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+130"/>
        <location line="+36"/>
        <location line="+10"/>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+136"/>
        <location line="+47"/>
        <location line="+10"/>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <location line="-193"/>
        <location line="+143"/>
        <location line="+58"/>
        <location line="+10"/>
        <source>Altitude</source>
        <translation>Высота</translation>
    </message>
    <message>
        <location line="-165"/>
        <source>The loaded NMEA file has no temporal information. Thus you cannot play it at its own speed.</source>
        <translation>В загруженном файле NMEA нет сведений о времени, поэтому воспроизвести его с собственной скоростью нельзя.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Open NMEA File</source>
        <translation>Открыть файл NMEA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA files (*.nmea)</source>
        <translation>Файлы NMEA (*.nmea)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>GPX files (*.gpx)</source>
        <translation>Файлы GPX (*.gpx)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>KML files (*.kml)</source>
        <translation>Файлы KML (*.kml)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Current Position</source>
        <translation>Текущее положение</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Coordinate</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Track</source>
        <translation>Трек</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Track file</source>
        <translation>Файл трека</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Open track file</source>
        <translation>Открыть файл трека</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loading track</source>
        <translation>Загрузка трека</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Dismiss note</source>
        <translation>Скрыть примечание</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+15"/>
        <source>Track progress</source>
        <translation>Положение в треке</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Use own track speed</source>
        <translation>Собственная скорость трека</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Loop track</source>
        <translation>Повторять трек</translation>
    </message>
</context>
<context>
    <name>GyroscopeControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/GyroscopeControls.qml" line="+6"/>
        <source>Gyroscope</source>
        <translation>Гироскоп</translation>
    </message>
</context>
<context>
    <name>LightSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/LightSensorControls.qml" line="+9"/>
        <source>Light Sensor</source>
        <translation>Датчик освещённости</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>lux</source>
        <translation>Освещённость</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+8"/>
        <source>Light level</source>
        <translation>Уровень освещённости</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undefined</source>
        <translation>Не определён</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Темно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Twilight</source>
        <translation>Сумерки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Light</source>
        <translation>Светло</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bright</source>
        <translation>Ярко</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sunny</source>
        <translation>Солнечно</translation>
    </message>
</context>
<context>
    <name>MagneticFieldControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagneticFieldControls.qml" line="+7"/>
        <source>Magnetic Field</source>
        <translation>Магнитное поле</translation>
    </message>
</context>
<context>
    <name>MagnetometerControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/MagnetometerControls.qml" line="+8"/>
        <source>Magnetometer</source>
        <translation>Магнитометр</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Calib. level</source>
        <translation>Калибровка</translation>
    </message>
</context>
<context>
    <name>OrientationSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/OrientationSensorControls.qml" line="+8"/>
        <source>Orientation Sensor</source>
        <translation>Датчик ориентации</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
</context>
<context>
    <name>ProximitySensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/ProximitySensorControls.qml" line="+8"/>
        <source>Proximity Sensor</source>
        <translation>Датчик приближения</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Reflectance</source>
        <translation>Отражение</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Near</source>
        <translation>Близко</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Far</source>
        <translation>Далеко</translation>
    </message>
</context>
<context>
    <name>RecordButton</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/RecordButton.qml" line="+18"/>
        <source>Stop recording</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record emulator input</source>
        <translation>Запись ввода эмулятора</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Recording for %1</source>
        <translation>Идёт запись: %1</translation>
    </message>
</context>
<context>
    <name>SensorsManagementPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsManagementPage.qml" line="+63"/>
        <source>The sensor configuration has been changed. Apply or discard changes?</source>
        <translation>Конфигурация датчиков изменена. Применить или отменить изменения?</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Accelerometer</source>
        <translation>Акселерометр</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Compass</source>
        <translation>Компас</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Orientation Sensor</source>
        <translation>Датчик ориентации</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Magnetometer</source>
        <translation>Магнитометр</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gyroscope</source>
        <translation>Гироскоп</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Light Sensor</source>
        <translation>Датчик освещённости</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Proximity Sensor</source>
        <translation>Датчик приближения</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tap Sensor</source>
        <translation>Датчик касаний</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>After applying changes, all applications retrieving data from sensors must be restarted.</source>
        <translation>После применения изменений необходимо перезапустить все приложения, получающие данные от датчиков.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>SensorsValuesPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SensorsValuesPage.qml" line="+134"/>
        <source>Reset values</source>
        <translation>Сбросить значения</translation>
    </message>
</context>
<context>
    <name>SmartphoneModel</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModel.qml" line="+48"/>
        <source>Phone model</source>
        <translation>Модель телефона</translation>
    </message>
</context>
<context>
    <name>SmartphoneModelPage</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/SmartphoneModelPage.qml" line="+181"/>
        <source>Rotation</source>
        <translation>Вращение</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Move</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+7"/>
        <source>X-Rot</source>
        <translation>Поворот X</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Y-Rot</source>
        <translation>Поворот Y</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+7"/>
        <source>Z-Rot</source>
        <translation>Поворот Z</translation>
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
        <translation>Положение устройства</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Upright</source>
        <translation>Вертикально</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge left</source>
        <translation>На боку, кнопки слева</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upside down</source>
        <translation>Вверх ногами</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On its side, button edge right</source>
        <translation>На боку, кнопки справа</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lying flat, screen up</source>
        <translation>Лёжа экраном вверх</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lying flat, screen down</source>
        <translation>Лёжа экраном вниз</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Resulting values</source>
        <translation>Итоговые значения</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Accelerometer (m/s²)</source>
        <translation>Акселерометр (м/с²)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gyroscope (°/s)</source>
        <translation>Гироскоп (°/с)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Magnetometer (μT)</source>
        <translation>Магнитометр (мкТл)</translation>
    </message>
</context>
<context>
    <name>TapSensorControls</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TapSensorControls.qml" line="+8"/>
        <source>Tap Sensor</source>
        <translation>Датчик касаний</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
</context>
<context>
    <name>TrackPlot</name>
    <message>
        <location filename="../resources/emulationmanagement/qml/TrackPlot.qml" line="+21"/>
        <source>Track plot</source>
        <translation>График трека</translation>
    </message>
</context>
<context>
    <name>TrackReader</name>
    <message>
        <location filename="../gps/gpxreader.cpp" line="+29"/>
        <source>GPX point has no valid latitude</source>
        <translation>Точка GPX не содержит допустимой широты</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has no valid longitude</source>
        <translation>Точка GPX не содержит допустимой долготы</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a latitude outside -90 to 90</source>
        <translation>Широта точки GPX вне диапазона от -90 до 90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>GPX point has a longitude outside -180 to 180</source>
        <translation>Долгота точки GPX вне диапазона от -180 до 180</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>GPX point has no valid elevation</source>
        <translation>Точка GPX не содержит допустимой высоты</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>GPX point has no valid time</source>
        <translation>Точка GPX не содержит допустимого времени</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>GPX file has no track points, route points or waypoints</source>
        <translation>В файле GPX нет ни точек трека, ни точек маршрута, ни путевых точек</translation>
    </message>
    <message>
        <location filename="../gps/kmlreader.cpp" line="+45"/>
        <source>KML point has a latitude outside -90 to 90</source>
        <translation>Широта точки KML вне диапазона от -90 до 90</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KML point has a longitude outside -180 to 180</source>
        <translation>Долгота точки KML вне диапазона от -180 до 180</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML point has no valid altitude</source>
        <translation>Точка KML не содержит допустимой высоты</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>KML coordinates are not longitude,latitude[,altitude]</source>
        <translation>Координаты KML не в формате долгота,широта[,высота]</translation>
    </message>
    <message>
        <location line="+142"/>
        <source>KML point has no valid time</source>
        <translation>Точка KML не содержит допустимого времени</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>KML track has %1 times for %2 positions</source>
        <translation>В треке KML число отметок времени (%1) не совпадает с числом позиций (%2)</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>KML file has no paths, tracks or placemarks with points</source>
        <translation>В файле KML нет ни путей, ни треков, ни меток с точками</translation>
    </message>
    <message>
        <location filename="../gps/nmeareader.cpp" line="+191"/>
        <source>60 minutes or more</source>
        <translation>60 минут или больше</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a latitude over 90 degrees</source>
        <translation>широта больше 90°</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a longitude over 180 degrees</source>
        <translation>долгота больше 180°</translation>
    </message>
    <message>
        <location line="+211"/>
        <source>Incorrect NMEA file</source>
        <translation>Некорректный файл NMEA</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>NMEA file has a number out of range</source>
        <translation>В файле NMEA есть число вне допустимого диапазона</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>NMEA file is empty</source>
        <translation>Файл NMEA пуст</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NMEA file has an impossible position: %1</source>
        <translation>В файле NMEA недопустимые координаты: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>NMEA file has incorrect points format.
Supported formats: GPRMC, GPGGA, GPGLL, GPWPL.</source>
        <translation>В файле NMEA неверный формат точек.
Поддерживаемые форматы: GPRMC, GPGGA, GPGLL, GPWPL.</translation>
    </message>
    <message>
        <location filename="../gps/trackreader.cpp" line="+25"/>
        <source>%1 file is too large for the memory available</source>
        <translation>Файл %1 слишком велик для доступной памяти</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 file cannot be read: %2</source>
        <translation>Не удаётся прочитать файл %1: %2</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1 without a position fix</source>
        <translation>без определения местоположения: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 with an impossible position</source>
        <translation>с недопустимыми координатами: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cut off at the end of the file</source>
        <translation>оборванных в конце файла: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Skipped 1 line: %1.</source>
        <translation>Пропущена 1 строка (%1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped %1 lines: %2.</source>
        <translation>Пропущено строк: %1 (%2).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 point goes back in time; it follows the one before at once.</source>
        <translation>Время 1 точки раньше, чем у предыдущей; она следует сразу за предыдущей.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 points go back in time; each follows the one before at once.</source>
        <translation>Точек со временем раньше, чем у предыдущей: %1; каждая следует сразу за предыдущей.</translation>
    </message>
    <message>
        <location filename="../gps/xmltrack.cpp" line="+116"/>
        <source>%1 element has more than %2 attributes</source>
        <translation>Число атрибутов элемента %1 превышает %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 file nests elements more than %2 deep</source>
        <translation>Глубина вложенности элементов в файле %1 превышает %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 file is empty</source>
        <translation>Файл %1 пуст</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 file is encoded in UTF-16, which is not read; save it as UTF-8</source>
        <translation>Файл %1 в кодировке UTF-16, она не поддерживается; сохраните его в UTF-8</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 file declares a document type of its own, which %1 files do not use</source>
        <translation>Файл %1 объявляет собственный тип документа, который в файлах %1 не используется</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 file is not well-formed XML: %2</source>
        <translation>Файл %1 содержит некорректный XML: %2</translation>
    </message>
</context>
<context>
    <name>camera-management-page-logic</name>
    <message>
        <location filename="../resources/emulationmanagement/js/camera-management-page-logic.js" line="+89"/>
        <source>Could not determine the video codec of the video file. Supported codecs: VP8 and VP9.</source>
        <translation>Не удалось определить видеокодек файла. Поддерживаемые кодеки: VP8 и VP9.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Camera emulation does not support %1. Supported codecs: VP8 and VP9.</source>
        <translation>Эмуляция камеры не поддерживает %1. Поддерживаемые кодеки: VP8 и VP9.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The camera stream stopped: %1</source>
        <translation>Трансляция камеры прервана: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sent: %1 frames per second</source>
        <translation>Передача: %1 кадр/с</translation>
    </message>
</context>
</TS>
