#include "trackfile.h"

#include <QCoreApplication>
#include <QFile>

namespace EmulationManagement::Internal {

std::optional<TrackReadResult> readTrackFile(const QString &path, QString *error)
{
    // The page reads a file it cannot open as an empty one; here the reason counts.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("EmulationManagement::Internal::TrackFile",
                                             "cannot read %1: %2")
                     .arg(path, file.errorString());
        return std::nullopt;
    }
    file.close();
    const TrackReadResult result = TrackReader::readFile(path);
    if (result.succeeded())
        return result;
    const QString message = result.errorLine > 0 ? result.errorMessage + ", line: "
                                                       + QString::number(result.errorLine)
                                                 : result.errorMessage;
    *error = QStringLiteral("%1: %2").arg(path, message);
    error->replace('\n', ' ');
    return std::nullopt;
}

} // namespace EmulationManagement::Internal
