#include "bench/ratio_report.h"

#include <cstdio>
#include <utility>

namespace {

std::vector<TRatio>& Ratios()
{
    static std::vector<TRatio> ratios;
    return ratios;
}

std::vector<std::pair<std::string, std::string>>& Rates()
{
    static std::vector<std::pair<std::string, std::string>> rates;
    return rates;
}

std::map<std::string, std::string>& Notes()
{
    static std::map<std::string, std::string> notes;
    return notes;
}

} // namespace

void SetNote(const std::string& key, const std::string& line)
{
    Notes()[key] = line;
}

void TRatioReporter::PrintNotes()
{
    // The console table may leave its last line open.
    if (!Notes().empty()) std::printf("\n");
    for (const auto& [key, line] : Notes())
        std::printf("%s\n", line.c_str());
}

bool RegisterRatio(const std::string& name, const std::string& reference, const std::string& ours)
{
    Ratios().push_back({ name, reference, ours });
    return true;
}

bool RegisterRate(const std::string& label, const std::string& benchmark)
{
    Rates().emplace_back(label, benchmark);
    return true;
}

void TRatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        // Processor time: other work on a shared machine inflates both wall
        // times unevenly, but not the time each benchmark itself computed.
        FSeconds[run.benchmark_name()]
            = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void TRatioReporter::PrintRatios() const
{
    for (const TRatio& ratio : Ratios()) {
        const auto reference = FSeconds.find(ratio.reference);
        const auto ours = FSeconds.find(ratio.ours);
        if (reference == FSeconds.end() || ours == FSeconds.end() || ours->second <= 0) continue;
        std::printf("ratio %s %.1f\n", ratio.name.c_str(), reference->second / ours->second);
    }
}

void TRatioReporter::PrintRates() const
{
    for (const auto& [label, benchmark] : Rates()) {
        const auto seconds = FSeconds.find(benchmark);
        if (seconds == FSeconds.end() || seconds->second <= 0) continue;
        std::printf("%s %.0f\n", label.c_str(), 1.0 / seconds->second);
    }
}
