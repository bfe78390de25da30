#pragma once

#include <memory>

class QWidget;
class TMessageSink;

// The program's message sink: each message is a Qt message box with the
// game's buttons. main() installs it; tests and tools keep their own sinks.
std::unique_ptr<TMessageSink> MakeMessageBoxSink();

// The window the message boxes open centred over (the program's main window),
// shown or not; a modal dialog open at the time takes its place, so a box
// stacks on the dialog that asked. Cleared when the window goes.
void SetMessageOwner(QWidget* owner);
