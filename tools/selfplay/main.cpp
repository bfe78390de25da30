// zaviko-selfplay: whole matches between computer seats, spread over every
// core, and a table of how each seat fared.
#include "tools/selfplay/selfplay_report.h"
#include "tools/selfplay/selfplay_round_robin.h"
#include "tools/selfplay/selfplay_run.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include <unistd.h>

namespace {

// A bar on stderr, redrawn in place: only on a terminal.
void DrawProgress(int done, int total)
{
    constexpr int width = 40;
    const int filled = total > 0 ? done * width / total : width;
    std::fprintf(stderr, "\r[%-*s] %d/%d", width, std::string(filled, '#').c_str(), done, total);
    if (done == total) std::fputc('\n', stderr);
    std::fflush(stderr);
}

int Run(TSelfPlayOptions options)
{
    if (!options.seedGiven)
        options.seed = std::uint64_t(
            std::chrono::steady_clock::now().time_since_epoch().count() & ((1ULL << 62) - 1));
    const bool bar = options.progress && isatty(STDERR_FILENO);
    const auto start = std::chrono::steady_clock::now();
    if (options.roundRobin) {
        const TRoundRobin rr = RunRoundRobin(options, [&](int done, int total) {
            if (bar) DrawProgress(done, total);
        });
        PrintRoundRobin(std::cout, options, rr);
        std::cout << "\n"
                  << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
                  << " s\n";
        return 0;
    }
    const std::vector<TMatchSummary> matches = RunSelfPlay(options, [&](int done) {
        if (bar) DrawProgress(done, options.matches);
    });
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintReport(std::cout, options, matches);
    std::cout << "\n" << seconds << " s\n";
    if (!options.csvPath.empty()) {
        std::ofstream csv(options.csvPath);
        WriteCsv(csv, matches);
        csv.close();
        if (!csv) {
            std::cerr << "zaviko-selfplay: cannot write " << options.csvPath << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const TSelfPlayOptions options
            = ParseSelfPlayOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << kSelfPlayUsage;
            return 0;
        }
        return Run(options);
    } catch (const std::invalid_argument& e) {
        std::cerr << "zaviko-selfplay: " << e.what() << "\n\n" << kSelfPlayUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "zaviko-selfplay: " << e.what() << '\n';
        return 1;
    }
}
