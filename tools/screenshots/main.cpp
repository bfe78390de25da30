// zaviko_sheets: renders the game's windows, dialogs and card sheets offscreen
// to PNG files for a person to look at (`make screenshots`). One program, one
// sub-command per sheet, each writing into the folder it is given.
#include "tools/screenshots/sheets.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct TSheetCommand {
    const char* name;
    const char* usage; // the arguments after the name
    const char* what;
    int (*run)(int argc, char** argv);
};

const TSheetCommand kCommands[] = {
    { "cards", "FOLDER", "all 69 pictures of the picture table at 1x and 2x", RunCardSheet },
    { "groups", "FOLDER", "hands in every cascade, table rows with gaps and marks", RunGroupSheet },
    { "decks", "FOLDER [--scale 2]", "the visual deck full, thinned and used up", RunDeckSheet },
    { "dialogs", "FOLDER", "the options, rename and About dialogs and the help viewer",
        RunDialogSheet },
    { "network", "FOLDER", "opening and joining a table, the waiting room, a failure to join",
        RunNetworkSheet },
    { "scores", "FOLDER",
        "the score tables of each mode, the end-of-hand dialog, the captured cards",
        RunScoreSheet },
    { "statistics", "FOLDER", "the statistics dialog, empty and after some matches",
        RunStatisticsSheet },
    { "analysis", "FOLDER", "the Analiza window in both views, judging, and its dialog button",
        RunAnalysisSheet },
    { "window", "FOLDER [--maximized] [--docs PNG]",
        "the main window in each mode, in play and at the end of a hand", RunWindowSheet },
};

int Usage(const char* program)
{
    std::fprintf(stderr, "usage: %s COMMAND ARGS...\n", program);
    for (const TSheetCommand& command : kCommands)
        std::fprintf(stderr, "  %-10s %-34s %s\n", command.name, command.usage, command.what);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return Usage(argv[0]);
    for (const TSheetCommand& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        // The sheet sees the program's own path and then its own arguments.
        std::vector<char*> args { argv[0] };
        args.insert(args.end(), argv + 2, argv + argc);
        args.push_back(nullptr);
        int count = argc - 1;
        return command.run(count, args.data());
    }
    std::fprintf(stderr, "%s: no sheet named %s\n", argv[0], argv[1]);
    return Usage(argv[0]);
}
