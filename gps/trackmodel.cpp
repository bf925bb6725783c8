#include "trackmodel.h"

#include "gpsemulationmanager.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace EmulationManagement::Internal {

namespace {

enum Column {
    NumberColumn,
    TimeColumn,
    LatitudeColumn,
    LongitudeColumn,
    AltitudeColumn,
    ColumnCount
};

QString localPath(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + url.path();
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

QString failureText(const TrackReadResult &result)
{
    return result.errorLine > 0
               ? QStringLiteral("%1, line: %2").arg(result.errorMessage).arg(result.errorLine)
               : result.errorMessage;
}

} // namespace

// One load on the worker thread; the model drops its hold on it when it is
// cancelled or replaced, and the worker's late result is then ignored.
struct TrackModel::Job
{
    std::atomic_bool cancel = false;
    TrackReadResult result;
    QString trackArgument;
    QThread *thread = nullptr;
};

// The argument text of a long track takes a while too: made here, it keeps
// the window drawing. A cancelled load gives its memory back here, at once,
// and no allocation failure leaves the worker.
void TrackModel::readOnWorker(Job *job, const QString &path, const TrackReadControl &control)
{
    job->result = TrackReader::readFile(path, control);
    try {
        if (job->result.succeeded())
            job->trackArgument
                = GPSEmulationManager::trackArgument(job->result.points, &job->cancel);
    } catch (const std::bad_alloc &) {
        job->result = TrackReadResult();
        job->result.errorMessage = tr("The track is too large for the memory available");
    }
    if (job->cancel) {
        job->result = TrackReadResult();
        job->result.cancelled = true;
        job->trackArgument = QString();
    }
}

TrackModel::TrackModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

// Workers still running are stopped and waited for, so that none reports to
// a model that is gone.
TrackModel::~TrackModel()
{
    for (const std::shared_ptr<Job> &job : std::as_const(m_running))
        job->cancel = true;
    for (const std::shared_ptr<Job> &job : std::as_const(m_running)) {
        job->thread->wait();
        delete job->thread;
    }
}

int TrackModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows();
}

int TrackModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrackModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const TrackPoint &point = m_points.at(index.row());
    switch (index.column()) {
    case NumberColumn:
        return index.row();
    case TimeColumn:
        return TrackReader::timeString(point.time);
    case LatitudeColumn:
        return m_locale.toString(point.latitude, 'f', 7);
    case LongitudeColumn:
        return m_locale.toString(point.longitude, 'f', 7);
    case AltitudeColumn:
        return m_locale.toString(point.altitude, 'f', 2);
    }
    return {};
}

void TrackModel::load(const QUrl &url)
{
    cancel();
    auto job = std::make_shared<Job>();
    const QString path = localPath(url);
    job->thread = QThread::create([this, job, path] {
        TrackReadControl control{&job->cancel, [this, job](int percent) {
                                     QMetaObject::invokeMethod(this, [this, job, percent] {
                                         if (m_job == job)
                                             setProgress(percent);
                                     });
                                 }};
        readOnWorker(job.get(), path, control);
    });
    connect(job->thread, &QThread::finished, this, [this, job] { finish(job); });
    m_job = job;
    m_running.append(job);
    setProgress(0);
    emit loadingChanged();
    job->thread->start();
}

void TrackModel::cancel()
{
    if (!m_job)
        return;
    m_job->cancel = true;
    m_job.reset();
    emit loadingChanged();
}

// The load's outcome comes before the change of loading, so that whoever
// waits for the end finds the track in place and handled.
void TrackModel::finish(const std::shared_ptr<Job> &job)
{
    m_running.removeOne(job);
    job->thread->deleteLater();
    if (m_job != job)
        return;
    m_job.reset();
    if (job->result.succeeded()) {
        take(job->result, std::move(job->trackArgument));
        emit loaded(TrackReader::skippedLinesNote(job->result));
    } else {
        emit loadFailed(failureText(job->result));
    }
    emit loadingChanged();
}

void TrackModel::setPoints(const QVariantList &points)
{
    TrackReadResult result;
    result.points.reserve(points.size());
    for (const QVariant &value : points) {
        const QVariantMap point = value.toMap();
        result.points.append({point.value(QStringLiteral("latitude")).toDouble(),
                              point.value(QStringLiteral("longitude")).toDouble(),
                              point.value(QStringLiteral("altitude")).toDouble(),
                              point.value(QStringLiteral("time")).toLongLong(),
                              point.value(QStringLiteral("interval")).toLongLong()});
    }
    take(result, GPSEmulationManager::trackArgument(result.points));
}

void TrackModel::clear()
{
    take({}, {});
}

void TrackModel::take(const TrackReadResult &result, QString trackArgument)
{
    beginResetModel();
    m_points = result.points;
    m_trackArgument = std::move(trackArgument);
    m_withoutTimes = TrackReader::hasPointsWithoutTime(m_points);
    endResetModel();
    emit rowsChanged();
}

void TrackModel::setProgress(int percent)
{
    m_progress = percent;
    emit progressChanged();
}

QVariantMap TrackModel::record(int row) const
{
    if (row < 0 || row >= rows())
        return {};
    const TrackPoint &point = m_points.at(row);
    return {{QStringLiteral("latitude"), point.latitude},
            {QStringLiteral("longitude"), point.longitude},
            {QStringLiteral("altitude"), point.altitude},
            {QStringLiteral("interval"), double(point.interval)}};
}

QString TrackModel::fileText(const QUrl &url)
{
    if (!url.isLocalFile())
        return url.toString();
    const QString path = url.toLocalFile();
    const QString home = QDir::homePath();
    if (home != QDir::rootPath() && path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

QVariantList TrackModel::outline(int maximum) const
{
    QVariantList points;
    if (m_points.isEmpty() || maximum < 2)
        return points;
    const qsizetype step = std::max<qsizetype>(1, (m_points.size() + maximum - 2) / (maximum - 1));
    for (qsizetype row = 0; row < m_points.size(); row += step) {
        const TrackPoint &point = m_points.at(row);
        points.append(QVariantMap{{QStringLiteral("latitude"), point.latitude},
                                  {QStringLiteral("longitude"), point.longitude},
                                  {QStringLiteral("index"), int(row)}});
    }
    // The last point ends the line wherever the step falls.
    if ((m_points.size() - 1) % step != 0) {
        const TrackPoint &last = m_points.constLast();
        points.append(QVariantMap{{QStringLiteral("latitude"), last.latitude},
                                  {QStringLiteral("longitude"), last.longitude},
                                  {QStringLiteral("index"), int(m_points.size() - 1)}});
    }
    return points;
}

} // namespace EmulationManagement::Internal
