#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// A figure printed after the benchmark table as "ratio <name> <value>": how
// many times longer the reference benchmark computed than ours in the same run.
struct TRatio {
    std::string name, reference, ours;
};

// Registers a ratio; returns true so it can initialise a static.
bool RegisterRatio(const std::string& name, const std::string& reference, const std::string& ours);

// A figure printed as "<label> <value>": how many iterations of the benchmark
// one core completes per second, by processor time.
bool RegisterRate(const std::string& label, const std::string& benchmark);

// A line printed after the ratios and rates, as it stands; a benchmark adds
// its own summary (the last one a benchmark adds under a key stands).
void SetNote(const std::string& key, const std::string& line);

// The console table as usual, remembering each benchmark's processor time per
// iteration.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints every registered ratio whose two benchmarks both ran.
    void PrintRatios() const;
    // Prints every registered rate whose benchmark ran.
    void PrintRates() const;
    // Prints the notes in key order.
    static void PrintNotes();

private:
    std::map<std::string, double> FSeconds;
};
