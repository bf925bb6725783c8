#pragma once

#include "sensors/intxyzmodel.h"

namespace EmulationManagement::Internal {

// Thousandths of standard gravity (1000 = 1 g = 9.80665 m/s²).
class AccelerometerModel : public IntXYZModel
{
    Q_OBJECT

public:
    explicit AccelerometerModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;
};

} // namespace EmulationManagement::Internal
