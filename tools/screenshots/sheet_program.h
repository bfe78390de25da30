#pragma once

// What every sheet program does the same way: find its output folder and
// save a widget as a PNG there.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>

#include <cstdio>

// The folder from the first argument ("screenshots" when none is given),
// created when missing; an empty string, after saying why, when it cannot be.
inline QString SheetFolder(int argc, char** argv)
{
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (QDir().mkpath(folder)) return folder;
    std::fprintf(stderr, "%s: cannot create %s\n", argv[0], qPrintable(folder));
    return {};
}

// Shows the widget, saves what it shows as <name>.png in the folder, closes it.
inline bool SaveSheet(QWidget& widget, const QDir& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(QLatin1String(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "written" : "FAILED", qPrintable(path));
    widget.close();
    return saved;
}
