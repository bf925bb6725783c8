#include "ctlstate.h"

#include <utils/qtcsettings.h>

namespace EmulationManagement::Internal {

namespace {

Utils::Key key(const char *name)
{
    return Utils::keyFromString(QStringLiteral("emulation-ctl/%1").arg(QLatin1String(name)));
}

} // namespace

CtlState CtlState::load(const Utils::QtcSettings &settings)
{
    CtlState state;
    state.trackFile = settings.value(key("track_file")).toString();
    state.trackPoints = settings.value(key("track_points")).toList();
    state.useDefaultInterval = settings.value(key("track_default_interval"), false).toBool();
    state.looped = settings.value(key("track_looped"), false).toBool();
    state.speed = settings.value(key("track_speed"), 1).toInt();
    state.index = settings.value(key("track_index"), 0).toInt();
    state.streamProcess = settings.value(key("stream_process"), 0).toLongLong();
    return state;
}

void CtlState::save(Utils::QtcSettings &settings) const
{
    settings.setValue(key("track_file"), trackFile);
    settings.setValue(key("track_points"), trackPoints);
    settings.setValue(key("track_default_interval"), useDefaultInterval);
    settings.setValue(key("track_looped"), looped);
    settings.setValue(key("track_speed"), speed);
    settings.setValue(key("track_index"), index);
    settings.setValue(key("stream_process"), streamProcess);
}

} // namespace EmulationManagement::Internal
