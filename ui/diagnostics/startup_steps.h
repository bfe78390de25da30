#pragma once

#include <QString>

#include <utility>
#include <vector>

// The wall-clock moments (ms since the epoch) at which each step of the
// start-up ended, for scripts/perf.sh, which knows when it launched the
// program and so can tell what each step cost. Noting a step costs a clock
// read; the frame probe writes them out only when it is installed.
namespace StartupSteps {

void Note(const char* step);
// The steps in the order they ended.
const std::vector<std::pair<QString, qint64>>& Noted();

} // namespace StartupSteps
