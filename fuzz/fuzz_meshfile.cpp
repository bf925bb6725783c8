#include "fuzzcheck.h"

#include "ui/meshfilelayout.h"

#include <QBuffer>

#include <QtQuick3DUtils/private/qssgmesh_p.h>

using namespace EmulationManagement::Internal;

namespace {

// A phone's model is a few hundred kilobytes; a megabyte gives room for many
// meshes and long footers.
const size_t cap = 1 << 20;
// Qt Quick 3D loads a megabyte in milliseconds; so must the check, which is
// timed alone.
const EmulationManagement::Fuzz::TimeBudget budget{50, 50};

} // namespace

// What the check passes, Qt Quick 3D loads: every mesh the footer names,
// each with something to draw.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    bool accepted = false;
    const int checked = EmulationManagement::Fuzz::checkInput(data, size, cap, budget,
                                                              [&accepted](QByteArrayView bytes) {
                                                                  accepted = isWholeMeshFile(bytes);
                                                                  return 0;
                                                              });
    if (checked != 0 || !accepted)
        return checked;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const QMap<quint32, QSSGMesh::Mesh> meshes = QSSGMesh::Mesh::loadAll(&device);
    FUZZ_CHECK(!meshes.isEmpty());
    for (const QSSGMesh::Mesh &mesh : meshes) {
        FUZZ_CHECK(mesh.isValid());
        FUZZ_CHECK(!mesh.vertexBuffer().data.isEmpty());
    }
    return 0;
}
