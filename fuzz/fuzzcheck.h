#pragma once

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// What every fuzz target shares: a size cap, a check that the time a run
// takes grows no faster than its input, and invariants that stop the run
// with a message (libFuzzer then saves the input as a crash).
namespace EmulationManagement::Fuzz {

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
    std::abort();
}

// Processor time of this thread, which other work on the machine does not
// stretch.
inline qint64 threadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Processor time allowed for one run: a fixed part for start-up costs and
// allocation, and a part per byte. Well above a linear reader's needs under
// sanitizers; far below what a quadratic one takes on inputs near the cap.
struct TimeBudget
{
    qint64 fixedMs;
    qint64 nanosecondsPerByte;
};

class Run
{
public:
    Run(const uint8_t *data, size_t size, size_t cap, TimeBudget budget)
        : m_bytes(reinterpret_cast<const char *>(data), qsizetype(size))
        , m_budget(budget)
        , m_skip(size > cap)
        , m_start(threadNanoseconds())
    {}
    ~Run()
    {
        const qint64 allowed = m_budget.fixedMs * 1000000
                               + m_budget.nanosecondsPerByte * m_bytes.size();
        const qint64 spent = threadNanoseconds() - m_start;
        if (!m_skip && spent > allowed) {
            std::fprintf(stderr,
                         "%lld bytes took %lld ms, more than %lld ms\n",
                         static_cast<long long>(m_bytes.size()),
                         static_cast<long long>(spent / 1000000),
                         static_cast<long long>(allowed / 1000000));
            fail("time grows faster than the input", __FILE__, __LINE__);
        }
    }

    // Inputs above the cap are not read: the caller refuses them before.
    bool skipped() const { return m_skip; }
    QByteArrayView bytes() const { return m_bytes; }

private:
    QByteArrayView m_bytes;
    TimeBudget m_budget;
    bool m_skip;
    qint64 m_start;
};

} // namespace EmulationManagement::Fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? void(0) : EmulationManagement::Fuzz::fail(#condition, __FILE__, __LINE__))
