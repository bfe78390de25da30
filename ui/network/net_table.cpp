#include "ui/network/net_table.h"

#include "net/host/local_server.h"
#include "platform/message_sink.h"
#include "ui/network/join_table_dialog.h"
#include "ui/network/waiting_room.h"

#include <QCoreApplication>
#include <QTimer>

using namespace zaviko::net;

TNetTable::TNetTable(QWidget* window)
    : FWindow(window)
{
    FChoice.port = TFOpenTable::kDefaultPort;
}

TNetTable::~TNetTable()
{
    Leave();
}

int TNetTable::Run(QDialog& dialog)
{
    return runDialog ? runDialog(dialog) : dialog.exec();
}

bool TNetTable::Active() const
{
    if (!FSession) return false;
    const SessionPhase phase = FSession->Phase();
    return phase != SessionPhase::Idle && phase != SessionPhase::Ended;
}

void TNetTable::Leave()
{
    if (FSession) FSession->Leave();
    // The guests are told by the server's own close that the table ended.
    FServer.reset();
}

void TNetTable::NewSession()
{
    Leave();
    FFailure.clear();
    FSeatsGiven = false;
    FSession = std::make_unique<TNetSession>();
    TNetSession& s = *FSession;
    s.seatsChanged = [this] {
        GiveChosenSeats();
        if (FRoom) FRoom->Refresh();
        if (seatsChanged) seatsChanged();
    };
    s.chatAdded = [this](const TChatLine& line) {
        if (FRoom) FRoom->AddChat(line);
        if (chatAdded) chatAdded(line);
    };
    s.stateChanged = [this](const TSeatView& view) {
        // The first state is the match's start: the room gives way to the table.
        if (FRoom) FRoom->accept();
        if (stateChanged) stateChanged(view);
    };
    s.refused = [this](const QString& reason) {
        if (FRoom) FRoom->ShowStatus(reason);
        if (refused) refused(reason);
    };
    s.failed = [this](JoinFailure, const QString& message) { Failed(message); };
    s.returning = [this](int left) {
        if (returning) returning(left);
    };
    s.returned = [this] {
        if (returned) returned();
    };
}

void TNetTable::Failed(const QString& message)
{
    FFailure = message;
    if (FRoom) return FRoom->reject();
    if (ended) ended(message);
}

void TNetTable::SuggestGame(int mode, int decks, bool clockwise)
{
    if (FChosen) return;
    FChoice.options.mode = mode;
    FChoice.options.decks = decks;
    FChoice.options.clockwise = clockwise;
}

bool TNetTable::OpenTable()
{
    FChoice.name = playerName;
    TFOpenTable dialog(FChoice, TLocalServer::MachineAddresses(), FWindow);
    if (Run(dialog) != QDialog::Accepted) return false;
    FChoice = dialog.Choice();
    FChosen = true;
    NewSession();
    FServer = std::make_unique<TLocalServer>();
    if (!FServer->Start(FChoice.port)) {
        const QString why = FServer->ErrorString();
        FServer.reset();
        MessageSink().Error(QCoreApplication::translate(
            "TNetTable", "Sto ne moze da se otvori na portu %1 (%2). Izaberi drugi port.")
                                .arg(FChoice.port)
                                .arg(why)
                                .toStdString());
        return false;
    }
    FSession->Open(FServer->OwnUrl(), FChoice.name, FChoice.options);
    return WaitInRoom();
}

// The computers the host chose sit down as soon as the table is there.
void TNetTable::GiveChosenSeats()
{
    if (FSeatsGiven || !FSession || !FSession->Host() || !FServer) return;
    FSeatsGiven = true;
    for (int seat : { SeatW, SeatN, SeatE })
        if (FSession->SeatPlays(seat) && FChoice.seats[seat] >= 0)
            FSession->SetSeat(seat, SeatUse::Computer, FChoice.seats[seat]);
}

bool TNetTable::JoinTable(const QString& link)
{
    TFJoinTable dialog(playerName, FWindow);
    if (!link.isEmpty()) dialog.SetLink(link);
    if (Run(dialog) != QDialog::Accepted || !dialog.Invitation()) return false;
    NewSession();
    FSession->Join(*dialog.Invitation(), dialog.Name());
    return WaitInRoom();
}

bool TNetTable::WaitInRoom()
{
    TFWaitingRoom room(*FSession, TLocalServer::MachineAddresses(), FWindow);
    FRoom = &room;
    const bool started = Run(room) == QDialog::Accepted;
    FRoom = nullptr;
    if (started) return true;
    if (!FFailure.isEmpty()) MessageSink().Error(FFailure.toStdString());
    Leave();
    return false;
}
