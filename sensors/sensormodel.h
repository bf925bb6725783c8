#pragma once

#include <QObject>

// One emulated sensor's current reading, for the QML pages to show. Models
// carry no transport: the sensors manager sends a reading first, then stores it.
class SensorModel : public QObject
{
    Q_OBJECT

public:
    explicit SensorModel(QObject *parent = nullptr);

    // Puts the model's own defaults back through its setters; sends nothing.
    virtual void restoreDefaults() = 0;
    // The name used in the emulator protocol and as key of the manager's maps.
    virtual QString sensorName() const = 0;
};
