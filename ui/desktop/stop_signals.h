#pragma once

#include <functional>

class QObject;

// The stops a system sends a program it wants gone (SIGTERM at a logout or
// shutdown, SIGINT from a terminal's Ctrl+C, SIGHUP when the terminal goes,
// SIGQUIT) reach `onStop` on the GUI thread, through a pipe the handler
// writes to (a handler may do nothing else safely), instead of ending the
// process on the spot. Lives as long as `owner`; once only per process.
void CatchStopSignals(QObject* owner, std::function<void(int signal)> onStop);
