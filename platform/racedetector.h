#pragma once

// Tells ThreadSanitizer about an ordering between threads that it cannot see by itself:
// hand-overs through Qt's event queue, whose locks live in a Qt built without the tool.
// The thread that hands an object over calls handedOver(object) after its last write; the
// thread that takes it calls takenOver(object) before its first read. Both compile to
// nothing in other builds.

#if defined(__SANITIZE_THREAD__)
#define QUORVEL_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QUORVEL_TSAN 1
#endif
#endif

#ifdef QUORVEL_TSAN
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
#endif

namespace RaceDetector {

inline void handedOver([[maybe_unused]] void* object)
{
#ifdef QUORVEL_TSAN
    __tsan_release(object);
#endif
}

inline void takenOver([[maybe_unused]] void* object)
{
#ifdef QUORVEL_TSAN
    __tsan_acquire(object);
#endif
}

} // namespace RaceDetector
