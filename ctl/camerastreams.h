#pragma once

#include <QCoreApplication>

#include <QJsonObject>
#include <QStringList>

#include <memory>

class CameraEmulationManager;
class QEventLoop;

namespace EmulationManagement::Internal {

// The camera page's choices without the page: the host cameras with their
// sizes and rates, and one stream at a time, of a camera or of a video file.
class CameraStreams
{
    Q_DECLARE_TR_FUNCTIONS(EmulationManagement::Internal::CameraStreams)

public:
    CameraStreams();
    ~CameraStreams();

    // Each camera with its resolutions and their frame rates, as lines and as JSON.
    QStringList describe(QJsonObject *json);
    // False with a one-line error for a file that is not a VP8 or VP9 video.
    bool startFile(const QString &path, QString *error);
    // False with a one-line error for a camera, size or rate the host does
    // not offer; an empty size or rate keeps the camera's first.
    bool startCamera(const QString &name,
                     const QString &resolution,
                     const QString &framerate,
                     QString *error);
    void stop();
    bool isRunning() const;
    // Ends the loop when the stream fails while it plays; failure() says why
    // until the next start.
    void quitOnFailure(QEventLoop *loop);
    QString failure() const { return m_failure; }

private:
    bool select(const QString &name,
                const QString &resolution,
                const QString &framerate,
                QString *error);

    std::unique_ptr<CameraEmulationManager> m_manager;
    bool m_file = false;
    QString m_failure;
};

} // namespace EmulationManagement::Internal
