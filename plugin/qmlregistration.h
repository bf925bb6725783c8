#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QQmlContext;
QT_END_NAMESPACE

namespace EmulationManagement::Internal {

// The plug-in's native QML types under "org.mirel" 1.0.
void registerQmlTypes();

// The IDE theme's colours and darkness, under the names the window's QML reads.
void setThemeContextProperties(QQmlContext *context);

} // namespace EmulationManagement::Internal
