#include "bench/ratio_report.h"

#include <cstdio>

namespace {

std::vector<TRatio>& Ratios()
{
    static std::vector<TRatio> ratios;
    return ratios;
}

} // namespace

bool RegisterRatio(const std::string& name, const std::string& reference, const std::string& ours)
{
    Ratios().push_back({ name, reference, ours });
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
