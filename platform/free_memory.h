#pragma once

// Hands the heap's free pages back to the system. The allocator keeps what a
// program frees for its next allocations; after a burst of large pictures
// (a new table scale, a hand's flights) that stays resident though nothing
// uses it. Takes a few milliseconds: call it where the player waits anyway.
// Does nothing where the C library has no such call.
void ReturnFreeMemory();

// Lets at most `arenas` heaps serve the program's threads. By default each
// thread that allocates may get a heap of its own (the search's workers, the
// picture thread, Qt's own), and what each keeps free stays resident; the
// window's threads allocate little and seldom at once. Call it first thing.
void LimitHeapArenas(int arenas);
