#include "ui/screenshots/card_sheet.h"

#include <QApplication>
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
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QDir folder(args.size() > 1 ? args.at(1) : QStringLiteral("screenshots"));
    if (!folder.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create ") + folder.path());

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
