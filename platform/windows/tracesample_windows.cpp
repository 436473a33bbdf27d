#include "platform/tracesample.h"

#include <windows.h>

namespace {

// FILETIME counts 100 ns.
long long hundredNanoseconds(const FILETIME &time)
{
    return static_cast<long long>((ULONGLONG(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

} // namespace

TraceSample TraceSample::now()
{
    TraceSample sample;

    FILETIME wall;
    GetSystemTimePreciseAsFileTime(&wall);
    // FILETIME starts in 1601; 11644473600 s lie between it and 1970.
    sample.wallUs = (hundredNanoseconds(wall) - 116444736000000000LL) / 10;

    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    // Whole seconds first: counter * 10^6 would overflow after a few days.
    sample.monotonicUs = counter.QuadPart / frequency.QuadPart * 1000000
                         + counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;

    // Counted by the scheduler's tick, not to the microsecond as on Linux.
    FILETIME created, exited, kernel, user;
    if (GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user))
        sample.threadCpuUs = (hundredNanoseconds(kernel) + hundredNanoseconds(user)) / 10;

    sample.threadId = long(GetCurrentThreadId());
    // Windows keeps no count of a process's resident pages backed by no
    // file; the working set mixes in the mapped program and libraries.
    return sample;
}
