#include "emulator.h"

#include "virtualmachine.h"

namespace Vesk {

Emulator::Emulator(const QString &name, const QString &deviceModelName, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_virtualMachine(new VirtualMachine(this))
{
    m_deviceModel.name = deviceModelName;
}

Emulator::~Emulator() = default;

void Emulator::setDeviceModelName(const QString &name)
{
    m_deviceModel.name = name;
    emit deviceModelNameChanged(name);
}

} // namespace Vesk
