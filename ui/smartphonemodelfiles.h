#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QString>

namespace EmulationManagement::Internal {

// Vets the phone model's mesh and texture before the 3D view gets them. Qt
// Quick 3D answers a bad mesh with a burst of warnings and a bad texture by
// drawing nothing, so the view only receives files that pass here, and a bad
// selection is reported once, by check().
class SmartphoneModelFiles : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool checking READ checking NOTIFY checkingChanged)

public:
    explicit SmartphoneModelFiles(QObject *parent = nullptr);

    // Checks the files on a worker thread, since a large mesh takes a while,
    // and emits checked() here. A newer request replaces one still running.
    Q_INVOKABLE void checkLater(const QString &meshUri, const QString &textureUri);
    bool checking() const;

    // True when both file: URLs name usable files; otherwise logs one warning
    // naming the first unusable one and returns false.
    static bool check(const QString &meshUri, const QString &textureUri);

    // A Qt Quick 3D mesh file (balsam's output) that is whole, to its last
    // count and offset.
    static bool isMeshFile(const QString &path);
    // An image that Qt can decode.
    static bool isImageFile(const QString &path);

signals:
    void checked(const QString &meshUri, const QString &textureUri, bool usable);
    void checkingChanged();

private:
    QFutureWatcher<bool> m_watcher;
    QString m_meshUri;
    QString m_textureUri;
};

} // namespace EmulationManagement::Internal
