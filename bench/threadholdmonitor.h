#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <ctime>

// How long the window's thread is held at most while it works: a 10 ms timer
// notes the CPU the thread spends between two ticks (what the work makes it
// do) and the wall-clock gap between them (which a busy machine lengthens).
class ThreadHoldMonitor
{
public:
    ThreadHoldMonitor()
    {
        m_ticker.setInterval(intervalMs);
        QObject::connect(&m_ticker, &QTimer::timeout, [this] {
            m_longestStall = std::max(m_longestStall, m_sinceTick.nsecsElapsed() / 1e6 - intervalMs);
            m_longestHold = std::max(m_longestHold, threadMilliseconds() - m_cpuAtTick);
            m_sinceTick.start();
            m_cpuAtTick = threadMilliseconds();
            ++m_ticks;
        });
    }

    void start()
    {
        m_sinceTick.start();
        m_cpuAtTick = threadMilliseconds();
        m_ticker.start();
    }

    double longestHold() const { return m_longestHold; }
    double longestStall() const { return m_longestStall; }
    int ticks() const { return m_ticks; }

    // CPU time of this thread, which other work on the machine hardly changes.
    static double threadMilliseconds()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }

private:
    static constexpr int intervalMs = 10;
    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    double m_cpuAtTick = 0;
    double m_longestHold = 0;
    double m_longestStall = 0;
    int m_ticks = 0;
};
