#pragma once

#include "net/client/net_session.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TChatPanel;

// The table before its match: each seat with its name, whether a person or a
// computer plays it and whether that person is connected, and the chat. The
// host sees the invitation to pass on, gives a waiting seat to a computer and
// starts once every seat is filled; the room closes (accepted) when the match
// starts, and a guest's closes too. Leaving rejects it.
class TFWaitingRoom : public QDialog {
    Q_OBJECT
public:
    TFWaitingRoom(
        zaviko::net::TNetSession& session, const QStringList& addresses, QWidget* parent = nullptr);

    // The session's news, as the window's network table passes it on.
    void Refresh();
    void AddChat(const zaviko::net::TChatLine& line);
    void ShowStatus(const QString& text);
    TChatPanel* Chat() const { return FChat; }
    QPushButton* StartButton() const { return FStart; }
    QTableWidget* SeatTable() const { return FSeats; }
    QLineEdit* LinkEdit() const { return FLink; }

private:
    QWidget* BuildInvitation(const QStringList& addresses);
    void FillSeat(int seat);

    zaviko::net::TNetSession& FSession;
    QLabel* FStatus = nullptr;
    QWidget* FInvitation = nullptr;
    QLineEdit* FLink = nullptr;
    QLabel* FAddresses = nullptr;
    QStringList FMachine;
    QTableWidget* FSeats = nullptr;
    TChatPanel* FChat = nullptr;
    QPushButton* FStart = nullptr;
};
