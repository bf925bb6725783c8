#pragma once

#include "devicemodeldata.h"

#include <QObject>

namespace Vesk {

class VirtualMachine;

// One emulator known to the SDK, with its virtual machine.
class Emulator : public QObject
{
    Q_OBJECT

public:
    Emulator(const QString &name, const QString &deviceModelName, QObject *parent = nullptr);
    ~Emulator() override;

    QString name() const { return m_name; }
    VirtualMachine *virtualMachine() const { return m_virtualMachine; }
    DeviceModelData deviceModel() const { return m_deviceModel; }

    void setDeviceModelName(const QString &name);

signals:
    void deviceModelNameChanged(const QString &name);

private:
    QString m_name;
    DeviceModelData m_deviceModel;
    VirtualMachine *m_virtualMachine;
};

} // namespace Vesk
