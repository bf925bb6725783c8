#include "ctlstate.h"

#include <utils/qtcsettings.h>

namespace EmulationManagement::Internal {

namespace {

Utils::Key key(const char *name)
{
    return Utils::keyFromString(QStringLiteral("emulation-ctl/%1").arg(QLatin1String(name)));
}

template<typename T>
void saveChange(Utils::QtcSettings &settings, const char *name, const T &now, const T &before)
{
    if (now != before)
        settings.setValue(key(name), now);
}

} // namespace

CtlState CtlState::load(Utils::QtcSettings &settings)
{
    // Older runs kept every point in the settings file, which made each later run slow.
    if (settings.contains(key("track_points"))) {
        settings.remove(key("track_points"));
        settings.remove(key("track_file"));
    }
    CtlState state;
    state.trackFile = settings.value(key("track_file")).toString();
    state.trackFingerprint = settings.value(key("track_fingerprint")).toString();
    state.trackPointCount = settings.value(key("track_point_count"), 0).toInt();
    state.useDefaultInterval = settings.value(key("track_default_interval"), false).toBool();
    state.looped = settings.value(key("track_looped"), false).toBool();
    state.speed = settings.value(key("track_speed"), 1).toInt();
    state.index = settings.value(key("track_index"), 0).toInt();
    state.streamProcess = settings.value(key("stream_process"), 0).toLongLong();
    state.streamProcessStart = settings.value(key("stream_process_start"), 0).toLongLong();
    return state;
}

void CtlState::saveChanges(Utils::QtcSettings &settings, const CtlState &before) const
{
    saveChange(settings, "track_file", trackFile, before.trackFile);
    saveChange(settings, "track_fingerprint", trackFingerprint, before.trackFingerprint);
    saveChange(settings, "track_point_count", trackPointCount, before.trackPointCount);
    saveChange(settings, "track_default_interval", useDefaultInterval, before.useDefaultInterval);
    saveChange(settings, "track_looped", looped, before.looped);
    saveChange(settings, "track_speed", speed, before.speed);
    saveChange(settings, "track_index", index, before.index);
    saveChange(settings, "stream_process", streamProcess, before.streamProcess);
    saveChange(settings, "stream_process_start", streamProcessStart, before.streamProcessStart);
}

} // namespace EmulationManagement::Internal
