#pragma once

// Whether the application is ending, as a flight sees it between its steps.
//
// Qt delivers a quit request (QEvent::Quit, also sent when the last window
// closes) while a flight is still processing messages in a nested loop; the main
// loop only returns once the flight and its caller are done. A flight that sees
// the request ends at once instead of flying on over closed windows.

// True once the application accepted a quit request or is being destroyed.
bool ZuApplicationTerminating();

// Sets or clears the state by hand: for tests, and for code that ends the
// program without a quit request.
void ZuSetApplicationTerminating(bool terminating);

// Starts watching the application for quit requests; the first sprite calls it.
void ZuWatchApplicationQuit();
