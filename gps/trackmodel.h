#pragma once

#include "gps/trackreader.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QUrl>

#include <memory>

namespace EmulationManagement::Internal {

// The GPS page's loaded track: the rows of its table, made when a cell is
// shown, the values playback needs, and the loading of a file on a worker
// thread. A new track replaces the old one only once it has been read, so a
// failed or cancelled load leaves the previous track in place.
class TrackModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_PROPERTY(int rows READ rows NOTIFY rowsChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(int progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(bool withoutTimes READ withoutTimes NOTIFY rowsChanged)

public:
    explicit TrackModel(QObject *parent = nullptr);
    ~TrackModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int rows() const { return int(m_points.size()); }
    bool loading() const { return m_job != nullptr; }
    int progress() const { return m_progress; }
    bool withoutTimes() const { return m_withoutTimes; }
    const QList<TrackPoint> &points() const { return m_points; }
    // The "loadTrack" argument text of the track, made when it was read.
    QString trackArgument() const { return m_trackArgument; }

    // Reads the file on a worker thread; loaded() or loadFailed() follow,
    // unless cancel() comes first.
    Q_INVOKABLE void load(const QUrl &url);
    Q_INVOKABLE void cancel();
    // Takes the points of a script reader (maps with "latitude",
    // "longitude", "altitude", "time" and "interval").
    Q_INVOKABLE void setPoints(const QVariantList &points);
    Q_INVOKABLE void clear();

    // The point of a row as numbers: "latitude", "longitude", "altitude"
    // and "interval"; empty for a row that does not exist.
    Q_INVOKABLE QVariantMap record(int row) const;
    // How the page shows a track file: a local file as its path, with the
    // home folder as "~"; anything else as the URL.
    Q_INVOKABLE static QString fileText(const QUrl &url);
    // At most maximum points spread evenly over the track, each with its
    // "latitude", "longitude" and "index", for drawing.
    Q_INVOKABLE QVariantList outline(int maximum) const;

signals:
    void rowsChanged();
    void loadingChanged();
    void progressChanged();
    // A new track is in place; note says which lines were left out, if any.
    void loaded(const QString &note);
    // The read failed; text is the message with the line it concerns.
    void loadFailed(const QString &text);

private:
    struct Job;

    static void readOnWorker(Job *job, const QString &path, const TrackReadControl &control);
    void finish(const std::shared_ptr<Job> &job);
    void take(const TrackReadResult &result, QString trackArgument);
    void setProgress(int percent);

    QList<TrackPoint> m_points;
    QString m_trackArgument;
    bool m_withoutTimes = false;
    int m_progress = 0;
    std::shared_ptr<Job> m_job;
    // Cancelled loads whose workers have not noticed yet, and the current one.
    QList<std::shared_ptr<Job>> m_running;
    QLocale m_locale{QLocale::English, QLocale::UnitedStates};
};

} // namespace EmulationManagement::Internal
