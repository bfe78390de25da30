#pragma once

// What every sheet program does the same way: start an offscreen application,
// find its output folder, keep its settings away from the player's, hold the
// card pictures, and save a widget as a PNG.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <optional>

// What a sheet needs besides the application and its folder.
enum TSheetNeed : unsigned {
    snNothing = 0,
    snSettingsFolder = 1, // a temporary folder for its settings file
    snCardPictures = 2, // the card pictures, held for the whole run
};

class TSheetProgram {
public:
    // The folder is the first argument ("screenshots" when none is given)
    // unless `folder` names one.
    TSheetProgram(int& argc, char** argv, unsigned needs, const char* folder = nullptr);
    ~TSheetProgram();
    TSheetProgram(const TSheetProgram&) = delete;
    TSheetProgram& operator=(const TSheetProgram&) = delete;

    // False, after saying why on the standard error stream, when the folder
    // could not be made or something the sheet needs is missing.
    bool Ready() const { return FReady; }
    const QString& Folder() const { return FFolder; }
    QDir Dir() const { return QDir(FFolder); }
    // "Zaviko.ini" in the sheet's own temporary folder (snSettingsFolder):
    // the sheets never touch the real settings.
    QString SettingsFile() const;

private:
    static int PrepareEnvironment();

    int FEnvironment = PrepareEnvironment(); // before the application starts
    QApplication FApp;
    QString FFolder;
    std::optional<QTemporaryDir> FSettings;
    bool FPictures = false;
    bool FReady = false;
};

// Shows the widget, saves what it shows as <name>.png in the folder, closes it.
bool SaveSheet(QWidget& widget, const QDir& folder, const char* name);
