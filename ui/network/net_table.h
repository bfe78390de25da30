#pragma once

#include "net/client/net_session.h"
#include "ui/network/open_table_dialog.h"
#include "ui/network/waiting_room.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace zaviko::net {
class TLocalServer;
}

// The window's place at a network table, from "Otvori sto..." or "Pridruzi
// se..." to the end: it runs the dialogs and the waiting room, hosts the
// table in the window's own server when the player opens one, and passes the
// session's news on to the window once the match is under way.
class TNetTable : public QObject {
public:
    explicit TNetTable(QWidget* window);
    ~TNetTable() override;

    // The name the player sits down with, as the settings have it.
    QString playerName;

    // The game the open-table dialog offers first: the player's own options,
    // until a table has been opened.
    void SuggestGame(int mode, int decks, bool clockwise);
    // "Otvori sto...": true once a match started at the opened table.
    bool OpenTable();
    // "Pridruzi se...", or a link from the command line (the dialog filled).
    bool JoinTable(const QString& link = {});
    // Seated at a table, or coming back to one.
    bool Active() const;
    // Leaves the table; a host's leaving ends it for every guest.
    void Leave();
    zaviko::net::TNetSession* Session() const { return FSession.get(); }
    TFWaitingRoom* Room() const { return FRoom; }

    // The session's news while the match is under way (the window's).
    std::function<void(const zaviko::net::TSeatView&)> stateChanged;
    std::function<void(const zaviko::net::TChatLine&)> chatAdded;
    std::function<void()> seatsChanged;
    std::function<void(const QString& reason)> refused;
    std::function<void(int secondsLeft)> returning;
    std::function<void()> returned;
    // The table is lost: the player's message says why.
    std::function<void(const QString& message)> ended;
    // Runs each dialog; the tests answer it themselves.
    std::function<int(QDialog&)> runDialog;

private:
    void NewSession();
    bool WaitInRoom();
    void GiveChosenSeats();
    void Failed(const QString& message);
    int Run(QDialog& dialog);

    QPointer<QWidget> FWindow;
    std::unique_ptr<zaviko::net::TLocalServer> FServer;
    std::unique_ptr<zaviko::net::TNetSession> FSession;
    QPointer<TFWaitingRoom> FRoom;
    TOpenTableChoice FChoice;
    bool FSeatsGiven = false;
    bool FChosen = false;
    QString FFailure;
};
