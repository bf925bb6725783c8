#include "tapmodel.h"

namespace EmulationManagement::Internal {

TapModel::TapModel(QObject *parent)
    : SensorModel(parent)
{}

void TapModel::restoreDefaults()
{
    setTapDirection(Undefined);
}

QString TapModel::sensorName() const
{
    return QStringLiteral("tap");
}

void TapModel::setTapDirection(TapDirection direction)
{
    m_tapDirection = direction;
    emit tapDirectionChanged();
}

} // namespace EmulationManagement::Internal
