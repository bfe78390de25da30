#include "ui/window/main_window.h"

#include "cards/pictures/zucard_pictures.h"
#include "data/app_icon.h"
#include "platform/free_memory.h"
#include "platform/message_sink.h"
#include "settings/program_files.h"
#include "ui/window/after_first_paint.h"
#include "ui/diagnostics/event_times.h"
#include "ui/diagnostics/frame_probe.h"
#include "ui/diagnostics/layout_feed.h"
#include "ui/diagnostics/layout_report.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/desktop/language.h"
#include "ui/desktop/single_instance.h"
#include "ui/diagnostics/startup_steps.h"
#include "ui/desktop/stop_signals.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

int main(int argc, char* argv[])
{
    StartupSteps::Note("main");
    // Two heaps: the window's and its threads' (measured: about 1 MB less
    // resident in a match at 1920 x 1080).
    LimitHeapArenas(2);
    TTimedApplication app(argc, argv);
    StartupSteps::Note("qt_application");
    QApplication::setApplicationName(QStringLiteral("Zaviko"));
    // Before any widget, so none is polished twice.
    QApplication::setStyle(new TScaledIndicatorStyle);
    // A script that clicks the program asks it where the cards lie; that run
    // shows nothing and answers its own questions "No".
    const bool printLayout = QApplication::arguments().contains(QStringLiteral("--print-layout"));
    if (!printLayout) SetMessageSink(MakeMessageBoxSink());
    const QString settingsFile = ProgramFileName(QStringLiteral(".ini"));
    // Before anything speaks, so every text comes in the chosen language.
    InstallLanguage(ChosenLanguage(settingsFile));
    StartupSteps::Note("language");

    // A second copy on the same files hands over to the first before it
    // writes any of them or reads the match. The report run keeps its files
    // apart.
    QPointer<QWidget> window;
    TSingleInstance guard(settingsFile);
    // A zaviko:// link (the desktop's handler of the scheme) joins that table.
    QString link;
    for (const QString& argument : QApplication::arguments())
        if (argument.startsWith(QLatin1String("zaviko://"), Qt::CaseInsensitive)) link = argument;
    guard.OnComeForward = [&window](const QString& link) {
        if (!window) return;
        BringForward(window);
        // Asked from outside, the join waits until this request is answered.
        if (!link.isEmpty())
            QTimer::singleShot(0, window, [window, link] {
                if (auto* form = qobject_cast<TForm1*>(window.data())) form->JoinByLink(link);
            });
    };
    if (!printLayout && !guard.Acquire()) {
        if (guard.AskToComeForward(link)) return 0;
        MessageSink().Information(QCoreApplication::translate("TSingleInstance",
            "Zaviko je vec pokrenut sa istim podesavanjima (%1), ali se ne javlja. "
            "Zatvori taj prozor, pa pokreni igru ponovo.")
                                      .arg(guard.LockFileName())
                                      .toStdString());
        return 1;
    }

    // The program holds the card pictures for its whole run, so hands and
    // piles that come and go never reload them; without them it cannot play.
    try {
        AcquireCardPictures();
        StartupSteps::Note("card_library_and_pictures");
    } catch (const EResNotFound& e) {
        QApplication::setWindowIcon(WindowIcon());
        MessageSink().Error(e.what());
        return 1;
    }

    int result = 0;
    if (printLayout) {
        result = PrintLayout();
    } else {
        TForm1 form;
        window = &form;
        StartupSteps::Note("window_built");
        // A stop the system sends closes the window as "Gotovo" does, the
        // match kept, and the program ends normally.
        CatchStopSignals(&form, [&form](int) { form.CloseOnStopSignal(); });
        form.JoinAtStart(link);
        form.show();
        StartupSteps::Note("window_shown");
        const auto probe = TFrameProbe::FromEnvironment(&form);
        const auto feed = TLayoutFeed::FromEnvironment(&form);
        // Reading and handing over the icon's sizes waits until the table is on
        // the screen; every window takes the icon when it comes.
        CallAfterFirstPaint(&form, [] { QApplication::setWindowIcon(WindowIcon()); });
        result = app.exec();
    }
    ReleaseCardPictures();
    return result;
}
