#include "managertest.h"

#include <QLocale>
#include <QTest>

void ManagerTestBase::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void ManagerTestBase::init()
{
    m_fixture = std::make_unique<ManagerFixture>();
    QVERIFY(m_fixture->isReady());
    createManager();
}

void ManagerTestBase::cleanup()
{
    destroyManager();
    m_fixture.reset();
}
