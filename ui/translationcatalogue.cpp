#include "translationcatalogue.h"

#include <QCoreApplication>
#include <QTranslator>

namespace EmulationManagement::Internal::TranslationCatalogue {

bool install(const QLocale &locale, const QString &directory, QObject *owner)
{
    auto translator = new QTranslator(owner);
    if (!translator->load(
            locale, QLatin1String(name), QLatin1String(prefix), directory)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace EmulationManagement::Internal::TranslationCatalogue
