#pragma once

// The sheets of zaviko_sheets, one sub-command each. Each takes the program's
// path and then its own arguments (the output folder first), as a program's
// main would, and returns its exit status.

int RunAnalysisSheet(int argc, char** argv);
int RunCardSheet(int argc, char** argv);
int RunGroupSheet(int argc, char** argv);
int RunDeckSheet(int argc, char** argv);
int RunDialogSheet(int argc, char** argv);
int RunNetworkSheet(int argc, char** argv);
int RunScoreSheet(int argc, char** argv);
int RunStatisticsSheet(int argc, char** argv);
int RunWindowSheet(int argc, char** argv);
