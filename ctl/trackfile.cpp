#include "trackfile.h"

#include "ctl/pagescripts.h"
#include "gps/gpxtrackreader.h"

#include <QCoreApplication>
#include <QFile>

namespace EmulationManagement::Internal {

std::optional<QVariantList> readTrackFile(const QString &path, PageScripts &scripts, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("EmulationManagement::Internal::TrackFile",
                                             "cannot read %1: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    const QString text = QString::fromUtf8(file.readAll());
    QVariantList points;
    QString message;
    int line = 0;
    if (path.endsWith(".gpx", Qt::CaseInsensitive)) {
        const GpxTrackReader::Result result = GpxTrackReader::read(text);
        points = result.points;
        message = result.errorMessage;
        line = result.errorLine;
    } else {
        const PageScripts::TrackText result = scripts.readNmea(text);
        points = result.points;
        message = result.errorMessage;
        line = result.errorLine;
    }
    if (message.isEmpty())
        return points;
    // As the page shows it, on one line.
    *error = QStringLiteral("%1: %2").arg(
        path, line > 0 ? message + ", line: " + QString::number(line) : message);
    error->replace('\n', ' ');
    return std::nullopt;
}

} // namespace EmulationManagement::Internal
