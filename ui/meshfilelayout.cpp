#include "meshfilelayout.h"

#include <QList>
#include <QtEndian>

#include <algorithm>
#include <vector>

namespace EmulationManagement::Internal {

namespace {

// The footer at the file's end: identifier, version, entries' offset (unused)
// and the number of meshes, whose entries (offset, id, padding) precede it.
const quint32 footerId = 555777497U;
const quint32 footerVersion = 1;
const quint64 footerSize = 16;
const quint64 footerEntrySize = 16;

// Each mesh: a header (identifier, version, flags, size of what follows),
// then a fixed block of counts and sizes, then the blocks they describe.
const quint32 meshId = 3365961549U;
const quint16 oldestMeshVersion = 3;
const quint16 newestMeshVersion = 5;
const quint16 lightmapSizeVersion = 5;
const quint64 meshHeaderSize = 12;
const quint64 vertexEntrySize = 16;
const quint64 subsetSize = 40;
const quint64 subsetLightmapSize = 8;

const quint32 lastDrawMode = 7;
const quint32 lastWinding = 2;
const quint32 maxComponentCount = 4;
// Byte sizes of the component types 1 to 11: unsigned and signed 8, 16, 32
// and 64 bit integers, then 16, 32 and 64 bit floats.
const quint32 componentSizes[] = {1, 1, 2, 2, 4, 4, 8, 8, 2, 4, 8};
const quint32 unsignedInt16 = 3;
const quint32 unsignedInt32 = 5;

quint32 componentSize(quint32 componentType)
{
    const quint32 count = sizeof(componentSizes) / sizeof(componentSizes[0]);
    return componentType >= 1 && componentType <= count ? componentSizes[componentType - 1] : 0;
}

// Little-endian words of one stretch of the file. A read past its end fails
// the reader for good; the words read then are 0.
class Reader
{
public:
    Reader(QByteArrayView bytes, quint64 start, quint64 end)
        : m_bytes(bytes)
        , m_start(start)
        , m_position(start)
        , m_end(end)
        , m_ok(start <= end && end <= quint64(bytes.size()))
    {}

    bool ok() const { return m_ok; }
    quint64 position() const { return m_position; }
    bool fits(quint64 size) const { return m_ok && size <= m_end - m_position; }

    template<typename T>
    T read()
    {
        if (!fits(sizeof(T))) {
            m_ok = false;
            return 0;
        }
        const T value = qFromLittleEndian<T>(m_bytes.data() + m_position);
        m_position += sizeof(T);
        return value;
    }

    void skip(quint64 size)
    {
        m_ok = fits(size);
        if (m_ok)
            m_position += size;
    }

    // The writer pads every block with 1 to 4 bytes (4 when it already ends
    // on a multiple of 4), counted from the end of the mesh's header.
    void skipPadding() { skip(4 - (m_position - m_start) % 4); }

private:
    QByteArrayView m_bytes;
    quint64 m_start;
    quint64 m_position;
    quint64 m_end;
    bool m_ok;
};

struct MeshBlock
{
    quint32 vertexEntryCount = 0;
    quint32 stride = 0;
    quint32 vertexDataSize = 0;
    quint32 indexType = 0;
    quint32 indexDataSize = 0;
    quint32 subsetCount = 0;
    quint32 drawMode = 0;
    quint32 winding = 0;
};

MeshBlock readMeshBlock(Reader &mesh)
{
    MeshBlock block;
    mesh.read<quint32>(); // offset of the vertex entries, unused
    block.vertexEntryCount = mesh.read<quint32>();
    block.stride = mesh.read<quint32>();
    mesh.read<quint32>(); // offset of the vertex data, unused
    block.vertexDataSize = mesh.read<quint32>();
    block.indexType = mesh.read<quint32>();
    mesh.read<quint32>(); // offset of the index data, unused
    block.indexDataSize = mesh.read<quint32>();
    mesh.read<quint32>(); // offset of the subsets, unused
    block.subsetCount = mesh.read<quint32>();
    mesh.read<quint32>(); // joints, unused
    mesh.read<quint32>();
    block.drawMode = mesh.read<quint32>();
    block.winding = mesh.read<quint32>();
    return block;
}

// Each attribute lies within one vertex; then the names, one per attribute.
bool readVertexEntries(Reader &mesh, const MeshBlock &block)
{
    if (!mesh.fits(quint64(block.vertexEntryCount) * vertexEntrySize))
        return false;
    for (quint32 i = 0; i < block.vertexEntryCount; ++i) {
        mesh.read<quint32>(); // name offset, unused
        const quint32 size = componentSize(mesh.read<quint32>());
        const quint32 count = mesh.read<quint32>();
        const quint32 offset = mesh.read<quint32>();
        if (size == 0 || count == 0 || count > maxComponentCount
            || quint64(offset) + quint64(count) * size > block.stride)
            return false;
    }
    mesh.skipPadding();
    for (quint32 i = 0; i < block.vertexEntryCount && mesh.ok(); ++i) {
        mesh.skip(mesh.read<quint32>());
        mesh.skipPadding();
    }
    return mesh.ok();
}

// The number of vertices, or -1 when the data is not whole vertices.
qint64 vertexCount(const MeshBlock &block)
{
    if (block.vertexDataSize == 0)
        return 0;
    if (block.stride == 0 || block.vertexDataSize % block.stride != 0)
        return -1;
    return block.vertexDataSize / block.stride;
}

// Every index names a vertex; returns the number of indices, or -1.
qint64 readIndices(QByteArrayView bytes, Reader &mesh, const MeshBlock &block, qint64 vertices)
{
    const quint64 start = mesh.position();
    mesh.skip(block.indexDataSize);
    mesh.skipPadding();
    if (!mesh.ok())
        return -1;
    if (block.indexDataSize == 0)
        return 0;
    const quint32 size = block.indexType == unsignedInt16   ? 2
                         : block.indexType == unsignedInt32 ? 4
                                                            : 0;
    if (size == 0 || block.indexDataSize % size != 0)
        return -1;
    const char *data = bytes.data() + start;
    for (quint32 offset = 0; offset < block.indexDataSize; offset += size) {
        const quint32 index = size == 2 ? qFromLittleEndian<quint16>(data + offset)
                                        : qFromLittleEndian<quint32>(data + offset);
        if (index >= vertices)
            return -1;
    }
    return block.indexDataSize / size;
}

// Each subset draws elements that exist, and one at least draws some; then
// the subsets' names.
bool readSubsets(Reader &mesh, quint32 count, quint16 version, qint64 elements)
{
    const quint64 size = subsetSize + (version >= lightmapSizeVersion ? subsetLightmapSize : 0);
    if (count == 0 || !mesh.fits(quint64(count) * size))
        return false;
    QList<quint32> nameLengths;
    bool drawsSomething = false;
    for (quint32 i = 0; i < count; ++i) {
        const quint32 elementCount = mesh.read<quint32>();
        const quint32 offset = mesh.read<quint32>();
        mesh.skip(6 * sizeof(float) + sizeof(quint32)); // bounds, name offset
        nameLengths.append(mesh.read<quint32>());
        mesh.skip(size - subsetSize);
        if (quint64(offset) + elementCount > quint64(elements))
            return false;
        drawsSomething = drawsSomething || elementCount > 0;
    }
    mesh.skipPadding();
    for (const quint32 length : std::as_const(nameLengths)) {
        mesh.skip(quint64(length) * sizeof(char16_t));
        mesh.skipPadding();
    }
    return drawsSomething && mesh.ok();
}

// The end of the mesh at the offset when it is whole, else 0.
quint64 wholeMeshEnd(QByteArrayView bytes, quint64 offset, quint64 meshesEnd)
{
    Reader header(bytes, offset, meshesEnd);
    const quint32 id = header.read<quint32>();
    const quint16 version = header.read<quint16>();
    header.read<quint16>(); // flags
    const quint32 size = header.read<quint32>();
    if (!header.ok() || id != meshId || version < oldestMeshVersion || version > newestMeshVersion
        || !header.fits(size))
        return 0;

    Reader mesh(bytes, offset + meshHeaderSize, offset + meshHeaderSize + size);
    const MeshBlock block = readMeshBlock(mesh);
    if (!mesh.ok() || block.drawMode < 1 || block.drawMode > lastDrawMode || block.winding < 1
        || block.winding > lastWinding || block.vertexEntryCount == 0
        || !readVertexEntries(mesh, block))
        return 0;
    // A mesh without vertices draws nothing, which Qt Quick 3D does not say.
    const qint64 vertices = vertexCount(block);
    if (vertices <= 0)
        return 0;
    mesh.skip(block.vertexDataSize);
    mesh.skipPadding();
    const qint64 indices = mesh.ok() ? readIndices(bytes, mesh, block, vertices) : -1;
    const bool whole = indices >= 0
                       && readSubsets(mesh, block.subsetCount, version,
                                      block.indexDataSize ? indices : vertices);
    return whole ? offset + meshHeaderSize + size : 0;
}

} // namespace

bool isWholeMeshFile(QByteArrayView bytes)
{
    const quint64 fileSize = quint64(bytes.size());
    if (fileSize < footerSize)
        return false;
    Reader footer(bytes, fileSize - footerSize, fileSize);
    const quint32 id = footer.read<quint32>();
    const quint32 version = footer.read<quint32>();
    footer.read<quint32>(); // offset of the entries, unused
    const quint32 count = footer.read<quint32>();
    if (id != footerId || version != footerVersion || count == 0
        || count > (fileSize - footerSize) / footerEntrySize)
        return false;

    const quint64 entriesStart = fileSize - footerSize - count * footerEntrySize;
    Reader entries(bytes, entriesStart, fileSize - footerSize);
    std::vector<quint64> offsets(count);
    for (quint64 &offset : offsets) {
        offset = entries.read<quint64>();
        entries.skip(2 * sizeof(quint32)); // mesh id, padding
    }
    // Each mesh is checked once however many entries name it, and meshes
    // may not overlap, so the check reads every byte at most once.
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    quint64 previousEnd = 0;
    for (const quint64 offset : offsets) {
        if (offset < previousEnd)
            return false;
        previousEnd = wholeMeshEnd(bytes, offset, entriesStart);
        if (previousEnd == 0)
            return false;
    }
    return true;
}

} // namespace EmulationManagement::Internal
