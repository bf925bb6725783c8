#pragma once

#include <QList>
#include <QObject>

namespace Vesk {

class Emulator;

// The SDK's list of emulators. The one instance is created by the SDK (here
// the host or a test) and owns its emulators.
class Sdk : public QObject
{
    Q_OBJECT

public:
    enum TextStyle { UserVisible = 0, SystemName = 1 };

    explicit Sdk(const QString &osName = QStringLiteral("Strova OS"), QObject *parent = nullptr);
    ~Sdk() override;

    static Sdk *instance();
    static QList<Emulator *> emulators();
    static QString osVariant(TextStyle style);

    // Takes ownership; announces the emulator with emulatorAdded().
    void addEmulator(Emulator *emulator);
    // Announces the removal while the emulator is still listed, then deletes it.
    void removeEmulator(Emulator *emulator);

signals:
    void emulatorAdded(int index);
    void aboutToRemoveEmulator(int index);
    void deviceModelsChanged();

private:
    QString m_osName;
    QList<Emulator *> m_emulators;
};

} // namespace Vesk
