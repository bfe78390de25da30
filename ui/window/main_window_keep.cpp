// Keeping the match: after every move on the disk, and at the close, when a
// failed write leaves the choice to the player; a stop signal closes the
// window as "Gotovo" does.
#include "ui/window/main_window.h"

#include "game/controller/review_store.h"

#include "game/controller/match_controller.h"
#include "game/controller/match_saver.h"
#include "game/controller/saved_match_store.h"
#include "platform/message_sink.h"
#include "settings/atomic_file.h"
#include "settings/ini.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

namespace {

// A stop that cannot close the window yet (a stop of the computers under
// way, a question that will not go) is tried again this often, this many times.
constexpr int kStopRetryMs = 20;
constexpr int kStopTries = 500;

} // namespace

void TForm1::KeepMatchesInProgress()
{
    FSaver = std::make_unique<TMatchSaver>(TSavedMatchStore(FSettings->FileName));
    FSaver->OnWritten = [this](int, bool written) {
        if (!written) QMetaObject::invokeMethod(this, [this] { ReportKeepFailure(); });
    };
    FController->OnMatchProgress = [this](const std::optional<TSavedMatch>& match) {
        if (match) {
            FSaver->Keep(*match);
        } else {
            FSaver->Forget();
            TReviewStore(FSettings->FileName).Remove();
        }
    };
}

void TForm1::ReportKeepFailure()
{
    // Once: a full disk would say it after every move.
    if (FKeepFailureShown || FClosing) return;
    FKeepFailureShown = true;
    MessageSink().Error(tr("Partija u toku ne moze da se cuva u %1. Ako se igra prekine pre "
                           "nego sto je zatvoris, partija ce biti izgubljena.")
                            .arg(TSavedMatchStore(FSettings->FileName).FileName())
                            .toStdString());
}

void TForm1::KeepMatchOnClose()
{
    // The writes under way end before the last one, which they must not follow.
    FSaver->Flush();
    // A match shown at the start and not yet offered stays as it was.
    if (FSavedMatch || !FController->MatchUnderway()) return;
    const TSavedMatch match = FController->SavedMatch();
    const TSavedMatchStore store(FSettings->FileName);
    const std::vector<std::string> answers { tr("Pokusaj ponovo").toStdString(),
        tr("Sacuvaj drugde...").toStdString(), tr("Zatvori bez cuvanja").toStdString() };
    while (!store.Save(match)) {
        // A stop signal leaves no one to ask; the last move's write stands.
        if (FStopBySignal) return;
        const int answer = MessageSink().Choice(
            tr("Partija nije mogla da se sacuva.\n\nFajl: %1").arg(store.FileName()).toStdString(),
            answers);
        if (answer == 0) continue;
        if (answer == 1 && SaveMatchElsewhere(match)) return;
        if (answer != 1) return;
    }
}

bool TForm1::SaveMatchElsewhere(const TSavedMatch& match)
{
    const QString name = QFileDialog::getSaveFileName(this, tr("Sacuvaj partiju"),
        QDir::home().filePath(QStringLiteral("Zaviko.sav")), tr("Sacuvana partija (*.sav)"));
    if (name.isEmpty()) return false;
    QString reason;
    if (WriteFileAtomically(
            name, QByteArray::fromStdString(SaveMatchText(match)), TAtomicWrite {}, reason))
        return true;
    MessageSink().Error(
        tr("Partija nije mogla da se sacuva u %1 (%2).").arg(name, reason).toStdString());
    return false;
}

void TForm1::CloseOnStopSignal()
{
    FStopBySignal = true;
    if (!isVisible()) return;
    if (++FStopTries > kStopTries) {
        QApplication::exit(0);
        return;
    }
    // A question's own loop must end before the window can close.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        QTimer::singleShot(0, this, [this] { CloseOnStopSignal(); });
        return;
    }
    if (!close()) QTimer::singleShot(kStopRetryMs, this, [this] { CloseOnStopSignal(); });
}
