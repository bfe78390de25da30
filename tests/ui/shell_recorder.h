#pragma once

#include "ui/desktop/shell_open.h"

#include <QStringList>
#include <QUrl>

// Replaces the desktop's "open" for one scope and records every address it
// is given, so no test ever starts a browser or a mail program.
class TScopedShellRecorder {
public:
    TScopedShellRecorder()
    {
        FPrevious = SetShellOpen([this](const QUrl& url) {
            opened << QString::fromLatin1(url.toEncoded());
            return true;
        });
    }
    ~TScopedShellRecorder() { SetShellOpen(FPrevious); }

    QStringList opened;

private:
    TShellOpen FPrevious;
};
