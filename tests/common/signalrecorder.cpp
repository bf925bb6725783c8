#include "signalrecorder.h"

#include <QMetaMethod>

SignalRecorder::SignalRecorder(QObject *sender)
{
    const QMetaObject *meta = sender->metaObject();
    const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Signal)
            connect(sender, meta->method(i), this, slot);
    }
}

void SignalRecorder::record()
{
    names.append(QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()));
}
