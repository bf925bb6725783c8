#pragma once

#include "sensors/doublexyzmodel.h"

namespace EmulationManagement::Internal {

// Degrees per second; the default z is 0.02 rad/s.
class GyroscopeModel : public DoubleXYZModel
{
    Q_OBJECT

public:
    explicit GyroscopeModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;
};

} // namespace EmulationManagement::Internal
