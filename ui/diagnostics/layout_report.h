#pragma once

#include <QString>

class TForm1;

// The window's layout as shell assignments, one a line ("CLIENT_W=772"):
// what a script that clicks the real program needs to find the cards. Read
// from a window as it is laid out, so a script never keeps its own copy.
QString LayoutReport(const TForm1& form);

// `Zaviko --print-layout`: lays out a window on settings of its own (in a
// temporary folder, so the player's files stay untouched) and prints its
// layout report. Returns the program's exit status.
int PrintLayout();
