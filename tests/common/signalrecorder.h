#pragma once

#include <QObject>
#include <QStringList>

// Records the names of the signals an object's own class declares, in the
// order they arrive. Signals from other threads arrive queued.
class SignalRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SignalRecorder(QObject *sender);

    QStringList names;

    int count(const QString &name) const { return names.count(name); }
    void clear() { names.clear(); }

private slots:
    void record();
};
