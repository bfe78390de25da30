#include "tools/screenshots/sheet_program.h"

#include "cards/pictures/zucard_pictures.h"
#include "ui/dialogs/dialog_scale.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int TSheetProgram::PrepareEnvironment()
{
    // A sheet never opens a window on the desktop, unless asked to.
    return setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

TSheetProgram::TSheetProgram(int& argc, char** argv, unsigned needs, const char* folder)
    : FApp(argc, argv)
{
    // The game's style: marks of check boxes drawn at a grown dialog's scale.
    QApplication::setStyle(new TScaledIndicatorStyle);
    const char* name = folder ? folder : argc > 1 ? argv[1] : "screenshots";
    FFolder = QString::fromLocal8Bit(name);
    if (!QDir().mkpath(FFolder)) {
        std::fprintf(stderr, "%s: cannot create %s\n", argv[0], name);
        return;
    }
    if (needs & snSettingsFolder) {
        FSettings.emplace();
        if (!FSettings->isValid()) {
            std::fprintf(stderr, "%s: no temporary folder for the settings\n", argv[0]);
            return;
        }
    }
    if (needs & snCardPictures) {
        try {
            AcquireCardPictures();
            FPictures = true;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
            return;
        }
    }
    FReady = true;
}

TSheetProgram::~TSheetProgram()
{
    if (FPictures) ReleaseCardPictures();
}

QString TSheetProgram::SettingsFile() const
{
    return FSettings ? FSettings->filePath(QStringLiteral("Zaviko.ini")) : QString();
}

bool SaveSheet(QWidget& widget, const QDir& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "written" : "FAILED", qPrintable(path));
    widget.close();
    return saved;
}
