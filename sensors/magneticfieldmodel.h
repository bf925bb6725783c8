#pragma once

#include "sensors/doublexyzmodel.h"

namespace EmulationManagement::Internal {

// Microtesla. Only the pages use it, to derive magnetometer readings; it is never sent.
class MagneticFieldModel : public DoubleXYZModel
{
    Q_OBJECT

public:
    explicit MagneticFieldModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;
};

} // namespace EmulationManagement::Internal
