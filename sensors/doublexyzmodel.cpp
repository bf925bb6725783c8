#include "doublexyzmodel.h"

namespace EmulationManagement::Internal {

DoubleXYZModel::DoubleXYZModel(double x, double y, double z, QObject *parent)
    : XYZModel<double>(x, y, z, parent)
{}

void DoubleXYZModel::setX(double x)
{
    XYZModel::setX(x);
    emit xChanged();
}

void DoubleXYZModel::setY(double y)
{
    XYZModel::setY(y);
    emit yChanged();
}

void DoubleXYZModel::setZ(double z)
{
    XYZModel::setZ(z);
    emit zChanged();
}

} // namespace EmulationManagement::Internal
