#include "intxyzmodel.h"

namespace EmulationManagement::Internal {

IntXYZModel::IntXYZModel(int x, int y, int z, QObject *parent)
    : XYZModel<int>(x, y, z, parent)
{}

void IntXYZModel::setX(int x)
{
    XYZModel::setX(x);
    emit xChanged();
}

void IntXYZModel::setY(int y)
{
    XYZModel::setY(y);
    emit yChanged();
}

void IntXYZModel::setZ(int z)
{
    XYZModel::setZ(z);
    emit zChanged();
}

} // namespace EmulationManagement::Internal
