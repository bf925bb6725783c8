#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

namespace EmulationManagement::Internal {

// Vets the phone model's mesh and texture before the 3D view gets them. Qt
// Quick 3D answers a bad mesh with a burst of warnings and a bad texture by
// drawing nothing, so the view only receives files that pass here, and a bad
// selection is reported once, by the answer to its check.
class SmartphoneModelFiles : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool checking READ checking NOTIFY checkingChanged)

public:
    explicit SmartphoneModelFiles(QObject *parent = nullptr);
    // Waits for a check that is running, which only reads files: no code of
    // ours may run on once the plug-in is gone.
    ~SmartphoneModelFiles() override;

    // Checks on a worker thread that both file: URLs name usable files (a
    // large mesh or texture takes a while) and answers with checked() on
    // this object's thread. A newer request replaces one not yet answered,
    // which is then never answered. An unusable selection's answer comes with
    // one warning naming its first unusable file.
    Q_INVOKABLE void checkLater(const QString &meshUri, const QString &textureUri);
    // From a request until its answer.
    bool checking() const;

    // A Qt Quick 3D mesh file (balsam's output) that is whole, to its last
    // count and offset, and small enough to be read into memory.
    static bool isMeshFile(const QString &path);
    // An image that Qt can decode.
    static bool isImageFile(const QString &path);

signals:
    void checked(const QString &meshUri, const QString &textureUri, bool usable);
    void checkingChanged();

private:
    enum class Verdict { Usable, BadMesh, BadTexture };

    static Verdict verdict(const QString &meshUri, const QString &textureUri);
    void answer(quint64 request,
                const QString &meshUri,
                const QString &textureUri,
                Verdict verdict);

    quint64 m_newestRequest = 0;
    bool m_checking = false;
    // One thread: a replaced check never competes with the newest, and
    // answers come in the order of their requests.
    QThreadPool m_pool;
};

} // namespace EmulationManagement::Internal
