#pragma once

// Where the device link hands its buffers and handles from one thread to
// another. Qt's thread pool and futures order these hand-overs with locks
// inside Qt; a Qt built without ThreadSanitizer hides those locks from it, so
// the two calls state the order where ThreadSanitizer can check it. In every
// other build they are empty.

#if defined(__SANITIZE_THREAD__)
#define Q530_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define Q530_THREAD_SANITIZER 1
#endif
#endif

#ifdef Q530_THREAD_SANITIZER
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#endif

namespace HandOver {

// Everything this thread did so far is done before a later take() of `channel`.
inline void give([[maybe_unused]] void *channel)
{
#ifdef Q530_THREAD_SANITIZER
    __tsan_release(channel);
#endif
}

// What other threads did before their give() of `channel` is done.
inline void take([[maybe_unused]] void *channel)
{
#ifdef Q530_THREAD_SANITIZER
    __tsan_acquire(channel);
#endif
}

} // namespace HandOver
