#pragma once

#include <QLocale>
#include <QString>

QT_BEGIN_NAMESPACE
class QObject;
QT_END_NAMESPACE

namespace EmulationManagement::Internal {

// The window's and emulation-ctl's texts, in catalogues
// "EmulationManagement_<language>.qm" in the IDE's translations folder.
namespace TranslationCatalogue {

inline constexpr char name[] = "EmulationManagement";
inline constexpr char prefix[] = "_";

// Installs the catalogue that fits the locale, owned by owner, for the
// whole application; false, and nothing installed, when none fits.
bool install(const QLocale &locale, const QString &directory, QObject *owner);

} // namespace TranslationCatalogue

} // namespace EmulationManagement::Internal
