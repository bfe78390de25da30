#include "ui/main_window.h"

#include "cards/zucard_pictures.h"
#include "data/app_icon.h"
#include "platform/message_sink.h"
#include "ui/frame_probe.h"
#include "ui/startup_steps.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    StartupSteps::Note("main");
    QApplication app(argc, argv);
    StartupSteps::Note("qt_application");
    QApplication::setApplicationName(QStringLiteral("Zaviko"));
    QApplication::setWindowIcon(AppIcon());

    // The program holds the card pictures for its whole run, so hands and
    // piles that come and go never reload them; without them it cannot play.
    try {
        AcquireCardPictures();
        StartupSteps::Note("card_library_and_pictures");
    } catch (const EResNotFound& e) {
        MessageSink().Error(e.what());
        return 1;
    }

    int result = 0;
    {
        TForm1 form;
        StartupSteps::Note("window_built");
        form.show();
        StartupSteps::Note("window_shown");
        const auto probe = TFrameProbe::FromEnvironment(&form);
        result = app.exec();
    }
    ReleaseCardPictures();
    return result;
}
