#pragma once

#include "managerfixture.h"

#include <QObject>

#include <memory>

// The frame of a test of one D-Bus manager: numbers on the wire must not
// follow a locale with a decimal comma, and every test function gets a fresh
// fixture and a fresh manager bound to its invoker.
class ManagerTestBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

protected slots:
    // A test function may call them to start again with nothing stored.
    void init();
    void cleanup();

protected:
    virtual void createManager() = 0;
    virtual void destroyManager() = 0;

    std::unique_ptr<ManagerFixture> m_fixture;
};

template<typename Manager>
class ManagerTest : public ManagerTestBase
{
protected:
    void createManager() override
    {
        m_manager = std::make_unique<Manager>();
        m_manager->setRdbusinvoker(m_fixture->invoker());
    }
    void destroyManager() override { m_manager.reset(); }

    std::unique_ptr<Manager> m_manager;
};
