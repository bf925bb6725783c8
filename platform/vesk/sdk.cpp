#include "sdk.h"

#include "emulator.h"

namespace Vesk {

static Sdk *s_instance = nullptr;

Sdk::Sdk(const QString &osName, QObject *parent)
    : QObject(parent)
    , m_osName(osName)
{
    s_instance = this;
}

Sdk::~Sdk()
{
    qDeleteAll(m_emulators);
    if (s_instance == this)
        s_instance = nullptr;
}

Sdk *Sdk::instance()
{
    return s_instance;
}

QList<Emulator *> Sdk::emulators()
{
    return s_instance ? s_instance->m_emulators : QList<Emulator *>();
}

QString Sdk::osVariant(TextStyle style)
{
    if (!s_instance)
        return {};
    return style == SystemName ? s_instance->m_osName.toLower().remove(QLatin1Char(' '))
                               : s_instance->m_osName;
}

void Sdk::addEmulator(Emulator *emulator)
{
    emulator->setParent(this);
    m_emulators.append(emulator);
    emit emulatorAdded(int(m_emulators.size()) - 1);
}

void Sdk::removeEmulator(Emulator *emulator)
{
    const int index = int(m_emulators.indexOf(emulator));
    if (index < 0)
        return;
    emit aboutToRemoveEmulator(index);
    m_emulators.removeAt(index);
    delete emulator;
}

} // namespace Vesk
