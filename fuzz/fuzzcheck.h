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

// Runs check on the input, unless it is above the cap (-1 then: libFuzzer
// keeps no such input), and fails when the run takes more processor time
// than its budget twice in a row: a busy machine stretches one run now and
// then (page faults, cache misses), a reader slower than linear every time.
template<typename Check>
int checkInput(const uint8_t *data, size_t size, size_t cap, TimeBudget budget, Check check)
{
    if (size > cap)
        return -1;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint64 allowed = budget.fixedMs * 1000000 + budget.nanosecondsPerByte * bytes.size();
    qint64 spent = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const qint64 start = threadNanoseconds();
        const int result = check(bytes);
        spent = threadNanoseconds() - start;
        if (result != 0 || spent <= allowed)
            return result;
    }
    std::fprintf(stderr,
                 "%lld bytes took %lld ms twice, more than %lld ms\n",
                 static_cast<long long>(bytes.size()),
                 static_cast<long long>(spent / 1000000),
                 static_cast<long long>(allowed / 1000000));
    fail("time grows faster than the input", __FILE__, __LINE__);
}

} // namespace EmulationManagement::Fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? void(0) : EmulationManagement::Fuzz::fail(#condition, __FILE__, __LINE__))
