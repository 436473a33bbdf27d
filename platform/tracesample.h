#pragma once

// One moment as the start-up trace records it: the clocks, the calling
// thread and the process's memory. What the system keeps no figure for
// stays -1.
struct TraceSample
{
    long long wallUs = -1;      // since 1970-01-01 UTC
    long long monotonicUs = -1; // from an arbitrary start, never set back
    long long threadCpuUs = -1; // CPU time the calling thread has used
    long anonymousKb = -1;      // the process's resident memory backed by no file
    long threadId = -1;         // the system's id of the calling thread

    static TraceSample now();
};
