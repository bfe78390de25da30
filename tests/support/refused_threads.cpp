// The program's own pthread_create comes before the C library's, so Qt's
// thread starts reach it; it passes them on unless a test refuses them.
#include "tests/support/refused_threads.h"

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>

namespace {

std::atomic<int> gRefusals { 0 };

using TCreate = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

} // namespace

extern "C" int pthread_create(
    pthread_t* thread, const pthread_attr_t* attr, void* (*start)(void*), void* arg) noexcept
{
    if (gRefusals > 0) return EAGAIN;
    static const auto next = reinterpret_cast<TCreate>(dlsym(RTLD_NEXT, "pthread_create"));
    return next(thread, attr, start, arg);
}

TRefusedThreads::TRefusedThreads()
{
    ++gRefusals;
}

TRefusedThreads::~TRefusedThreads()
{
    --gRefusals;
}
