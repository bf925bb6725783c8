#include "alsmodel.h"

namespace EmulationManagement::Internal {

AlsModel::AlsModel(QObject *parent)
    : SensorModel(parent)
{}

void AlsModel::restoreDefaults()
{
    setLux(SensorDefaults::alsLux);
}

QString AlsModel::sensorName() const
{
    return QStringLiteral("als");
}

void AlsModel::setLux(int lux)
{
    m_lux = lux;
    emit luxChanged();
}

} // namespace EmulationManagement::Internal
