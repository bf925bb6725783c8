#include "fuzzcheck.h"

#include "sensors/sensorsemulationmanager.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace EmulationManagement::Internal;

namespace {

// The emulator's replies are one line of a method, its arguments and an
// error; a WebSocket frame can be larger, so the cap is generous.
const size_t cap = 256 << 10;
const EmulationManagement::Fuzz::TimeBudget budget{50, 2000};

SensorsEmulationManager &manager()
{
    static SensorsEmulationManager *instance = [] {
        // The manager keeps its readings in the settings: the test ones.
        QStandardPaths::setTestModeEnabled(true);
        return new SensorsEmulationManager;
    }();
    return *instance;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

// Every reply is answered once, with "OK" exactly when it is a success of
// five fields; anything else leaves the sensors' states as they were, and a
// success touches only the switchable sensors' entries.
int checkReply(QByteArrayView bytes)
{
    SensorsEmulationManager &sensors = manager();
    const QVariantMap statesBefore = sensors.sensorsEnabledStates();
    const QVariantMap availability = sensors.sensorsAvailability();
    QStringList answers;
    const auto connection = QObject::connect(&sensors,
                                             &EmulationManager::replyFromEmulatorReceived,
                                             [&answers](const QString &answer) {
                                                 answers << answer;
                                             });
    const QString reply = QString::fromUtf8(bytes);
    sensors.handleReply(reply);
    QObject::disconnect(connection);
    const QStringList fields = reply.split(QLatin1Char(':'));
    const bool success = fields.size() == 5 && fields.at(3).isEmpty();
    FUZZ_CHECK(answers.size() == 1);
    FUZZ_CHECK((answers.first() == QLatin1String("OK")) == success || reply == QLatin1String("OK"));
    FUZZ_CHECK(sensors.sensorsAvailability() == availability);
    const QVariantMap states = sensors.sensorsEnabledStates();
    FUZZ_CHECK(states.keys() == statesBefore.keys());
    if (!success)
        FUZZ_CHECK(states == statesBefore);
    for (auto entry = states.cbegin(); entry != states.cend(); ++entry)
        FUZZ_CHECK(availability.value(entry.key()).toBool() || !entry.value().toBool());
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return EmulationManagement::Fuzz::checkInput(data, size, cap, budget, checkReply);
}
