#pragma once

// While one lives, the system refuses every new thread (pthread_create fails
// with EAGAIN), as it does for a process that has run out of them. Link
// tests/support/refused_threads.cpp into the test program.
class TRefusedThreads {
public:
    TRefusedThreads();
    ~TRefusedThreads();
    TRefusedThreads(const TRefusedThreads&) = delete;
    TRefusedThreads& operator=(const TRefusedThreads&) = delete;
};
