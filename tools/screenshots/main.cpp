#include "tools/screenshots/card_sheet.h"
#include "tools/screenshots/sheet_program.h"

#include <QDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Each sheet writes its own PNG files into the folder; add new ones here.
struct Sheet {
    const char* name;
    std::function<bool(const QDir&, QString*)> write;
};

int fail(const QString& message)
{
    std::fprintf(stderr, "zaviko_screenshots: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    TSheetProgram program(argc, argv, snNothing);
    if (!program.Ready()) return 1;
    const QDir folder = program.Dir();

    QString error;
    const std::vector<Sheet> sheets {
        { "cards", writeCardSheets },
    };
    for (const Sheet& sheet : sheets) {
        if (!sheet.write(folder, &error))
            return fail(QStringLiteral("%1: %2").arg(sheet.name, error));
        std::printf("%s sheet written to %s\n", sheet.name, qPrintable(folder.absolutePath()));
    }
    return 0;
}
