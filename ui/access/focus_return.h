#pragma once

class QWidget;

// When a dialog, a message box or any other window of the program closes,
// the window under it becomes the active one again: the modal dialog it was
// opened from, else the main window. Without a window manager that does it
// (and with some that do not), the closed window stayed the active one and
// the main window's keys did nothing until it was clicked.
void ReturnFocusOnClose(QWidget* mainWindow);
