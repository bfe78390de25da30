// "Igra preko mreze": the window's side of a network table. The controller
// shows the match; this file hands it the server's steps, puts the player's
// clicks on the wire, and shows the chat, the refusals and a dropped
// connection's countdown.
#include "game/controller/match_controller.h"
#include "game/controller/match_saver.h"
#include "game/controller/remote_feed.h"
#include "game/controller/saved_match_store.h"
#include "platform/message_sink.h"
#include "ui/access/card_words.h"
#include "settings/ini.h"
#include "ui/network/chat_panel.h"
#include "ui/network/drop_notice.h"
#include "ui/network/net_table.h"
#include "ui/network/net_words.h"
#include "ui/window/main_window.h"
#include "ui/window/table_view.h"

#include <QDockWidget>
#include <QMenu>
#include <QTimer>

using namespace zaviko::net;

void TForm1::CreateNetTable()
{
    FNet = std::make_unique<TNetTable>(this);
    FNet->stateChanged = [this](const TSeatView& view) {
        if (!FController->RemoteMatch()) BeginNetworkMatch();
        FController->ShowRemoteStep(FFeed->Step(view));
    };
    // A refused move is said where a refused capture is.
    // The log keeps the invitation of a table this window opened.
    FNet->seatsChanged = [this] {
        const QString& link = FNet->Session()->Link();
        if (link.isEmpty() || link == FLoggedLink) return;
        FLoggedLink = link;
        FController->LogLine(QStringLiteral("Otvoren sto preko mreze, poziv: ") + link);
    };
    FNet->refused = [this](const QString& reason) { FController->ShowNotice(reason); };
    FNet->chatAdded = [this](const TChatLine& line) {
        if (FChat) FChat->AddLine(line);
    };
    FNet->returning = [this](int left) { FDropNotice->ShowCountdown(left); };
    FNet->returned = [this] { FDropNotice->hide(); };
    FNet->ended = [this](const QString& message) {
        FDropNotice->hide();
        FController->EndRemoteMatch();
        // Said once the step that ended the table has returned; then a match
        // against the computers, so the lost table is never kept as one.
        QTimer::singleShot(0, this, [this, message] {
            MessageSink().Error(message.toStdString());
            if (!FController->RemoteMatch()) BackToLocalMatch();
        });
    };
    FDropNotice = new TDropNotice(FView);
    FDropNotice->OnCancel = [this] {
        FNet->Session()->CancelReturn();
        FDropNotice->hide();
        FController->EndRemoteMatch();
        BackToLocalMatch();
        FController->ShowNotice(tr("Napustio si sto."));
    };
}

void TForm1::BeginNetworkMatch()
{
    TNetSession& s = *FNet->Session();
    FFeed = std::make_unique<TRemoteFeed>();
    const std::array<QString, kSeatCount> real = SeatNames(s.Seats(), s.Mode());
    std::array<QString, kSeatCount> names;
    for (int shown = SeatS; shown <= SeatE; ++shown)
        names[shown] = real[(shown + s.Seat()) % kSeatCount];
    FController->BeginRemoteMatch(
        [this](const TMove& move) {
            if (TNetSession* session = FNet->Session())
                session->Move({ session->Seat(), move.handSlot, move.take });
        },
        names, s.HintsAllowed());
    ShowChatPanel();
}

// After a network table the match against the computers that the player
// left comes back as it was last kept (a network match is never kept); when
// there is none, a new one begins.
void TForm1::BackToLocalMatch()
{
    FSaver->Flush();
    if (const auto kept = TSavedMatchStore(FSettings->FileName).Load()) {
        FController->ResumeMatch(*kept);
        ResumeReviews();
    } else
        FController->NewGame(false);
}

void TForm1::ShowPlayedWhileAway(const std::vector<int>& ids)
{
    // In the status bar, where a refused move is said, and so spoken too.
    SetStatusText(
        2, tr("Dok te nije bilo, racunar je za tebe odigrao: %1.").arg(CardWords::List(ids)));
}

void TForm1::ShowChatPanel()
{
    if (!FChatDock) {
        FChatDock = new QDockWidget(tr("Razgovor"), this);
        FChatDock->setObjectName(QStringLiteral("ChatDock"));
        FChat = new TChatPanel(FChatDock);
        FChat->OnSend = [this](const QString& text) {
            if (TNetSession* session = FNet->Session()) session->Chat(text);
        };
        FChatDock->setWidget(FChat);
        addDockWidget(Qt::RightDockWidgetArea, FChatDock);
        QAction* toggle = FChatDock->toggleViewAction();
        toggle->setText(tr("&Razgovor"));
        toggle->setObjectName(QStringLiteral("Razgovor1"));
        FMenu.Network->addAction(toggle);
    }
    FChat->SetLines(FNet->Session()->ChatLines());
    FChatDock->show();
    // The keys play the match: the chat's line takes them only when clicked.
    if (QWidget* focus = focusWidget(); !focus || FChatDock->isAncestorOf(focus)) setFocus();
}

bool TForm1::LeaveNetworkTable()
{
    if (!FController->RemoteMatch() && !FNet->Active()) return true;
    const bool host = FNet->Session() && FNet->Session()->Host();
    const QString question = host
        ? tr("Ti si domacin ovog stola: ako ga napustis, sto se zatvara i za ostale igrace. "
             "Da li zelis da napustis sto?")
        : tr("Igras za stolom preko mreze. Da li zelis da napustis sto?");
    if (FNet->Active() && !MessageSink().Confirmation(question.toStdString())) return false;
    FNet->Leave();
    FDropNotice->hide();
    FController->EndRemoteMatch();
    return true;
}

void TForm1::Otvoristo1Click()
{
    if (!Idle() || !LeaveNetworkTable()) return;
    FNet->playerName = FSettings->S;
    FNet->SuggestGame(FSettings->NumberOfPlayers, FSettings->NumberOfDecks, FSettings->Clockwise);
    FNet->OpenTable();
}

void TForm1::Pridruzise1Click()
{
    JoinByLink({});
}

void TForm1::JoinByLink(const QString& link)
{
    if (!Idle() || !LeaveNetworkTable()) return;
    FNet->playerName = FSettings->S;
    FNet->JoinTable(link);
}
