#pragma once

#include "sensors/sensormodel.h"

namespace EmulationManagement::Internal {

// The direction of the last tap; the numbers go to the emulator unchanged.
class TapModel : public SensorModel
{
    Q_OBJECT
    Q_PROPERTY(TapDirection tapDirection READ tapDirection WRITE setTapDirection NOTIFY
                   tapDirectionChanged)

public:
    // A fixed underlying type, so that any stored number is a valid value.
    enum TapDirection : int {
        Undefined = -1,
        X_Both = 0,
        Y_Both = 1,
        Z_Both = 2,
        X_Pos = 3,
        X_Neg = 4,
        Z_Neg = 5,
        Z_Pos = 6,
        Y_Pos = 7,
        Y_Neg = 8,
    };
    Q_ENUM(TapDirection)

    explicit TapModel(QObject *parent = nullptr);

    void restoreDefaults() override;
    QString sensorName() const override;

    TapDirection tapDirection() const { return m_tapDirection; }
    void setTapDirection(TapDirection direction);

signals:
    void tapDirectionChanged();

private:
    TapDirection m_tapDirection = Undefined;
};

} // namespace EmulationManagement::Internal
