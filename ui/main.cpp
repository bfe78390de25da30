#include "ui/main_window.h"

#include "cards/zucard_pictures.h"
#include "data/app_icon.h"
#include "platform/message_sink.h"
#include "settings/program_files.h"
#include "ui/frame_probe.h"
#include "ui/language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zaviko"));
    QApplication::setWindowIcon(AppIcon());
    // Before anything speaks, so every text comes in the chosen language.
    InstallLanguage(ChosenLanguage(ProgramFileName(QStringLiteral(".ini"))));

    // The program holds the card pictures for its whole run, so hands and
    // piles that come and go never reload them; without them it cannot play.
    try {
        AcquireCardPictures();
    } catch (const EResNotFound& e) {
        MessageSink().Error(e.what());
        return 1;
    }

    int result = 0;
    {
        TForm1 form;
        form.show();
        const auto probe = TFrameProbe::FromEnvironment(&form);
        result = app.exec();
    }
    ReleaseCardPictures();
    return result;
}
