#pragma once

#include <cstdlib>
#include <string_view>

// How many matches a stress test plays: the long form unless
// ZAVIKO_STRESS_SHORT is set to anything but "0" (CI's `make stress-short`),
// when it plays the short form. The short form still reaches every mode, deck
// count, direction and strength the long one does.
inline int StressMatches(int longForm, int shortForm)
{
    const char* value = std::getenv("ZAVIKO_STRESS_SHORT");
    const bool shortRun = value != nullptr && *value != '\0' && std::string_view(value) != "0";
    return shortRun ? shortForm : longForm;
}
