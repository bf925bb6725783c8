#pragma once

#include <QByteArrayView>

namespace EmulationManagement::Internal {

// Whether bytes hold a whole Qt Quick 3D mesh file (balsam's output, mesh
// versions 3 to 5). Qt Quick 3D trusts every count, size and offset in such a
// file, so each one is followed here: the footer and its mesh list, each
// mesh's header, vertex layout, names, buffers and subsets must lie inside
// the file, the vertex attributes inside the stride, the indices inside the
// vertex buffer and the subsets inside the index buffer.
bool isWholeMeshFile(QByteArrayView bytes);

} // namespace EmulationManagement::Internal
