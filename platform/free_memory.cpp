#include "platform/free_memory.h"

#include <cstdlib> // names the C library (__GLIBC__)

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void ReturnFreeMemory()
{
#if defined(__GLIBC__)
    // Every arena, the picture thread's included; 0 keeps no slack at the top.
    malloc_trim(0);
#endif
}

void LimitHeapArenas(int arenas)
{
#if defined(__GLIBC__)
    mallopt(M_ARENA_MAX, arenas);
#else
    (void)arenas;
#endif
}
