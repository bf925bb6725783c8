#pragma once

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

public:
    explicit SmartphoneModelFiles(QObject *parent = nullptr);

    // True when both file: URLs name usable files; otherwise logs one warning
    // naming the first unusable one and returns false.
    Q_INVOKABLE bool check(const QString &meshUri, const QString &textureUri) const;

    // A Qt Quick 3D mesh file (balsam's output) that is whole, to its last
    // count and offset.
    static bool isMeshFile(const QString &path);
    // An image that Qt can decode.
    static bool isImageFile(const QString &path);
};

} // namespace EmulationManagement::Internal
