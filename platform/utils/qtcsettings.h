#pragma once

#include "storekey.h"

#include <QSettings>

namespace Utils {

// The IDE's settings object: QSettings addressed with Keys.
class QtcSettings : public QSettings
{
public:
    using QSettings::QSettings;

    QVariant value(const Key &key, const QVariant &defaultValue = {}) const;
    void setValue(const Key &key, const QVariant &value);
    bool contains(const Key &key) const;
    void remove(const Key &key);
};

} // namespace Utils
