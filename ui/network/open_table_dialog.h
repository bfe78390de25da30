#pragma once

#include "net/protocol/client_message.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Otvori sto...": the table a host offers friends. The mode and the decks as
// the options dialog offers them, for each other seat a person or a computer
// strength, whether "Savet" is allowed, and the port the window's server
// listens on, with the addresses this machine can be reached at.
struct TOpenTableChoice {
    QString name;
    zaviko::net::TTableOptions options;
    // W, N, E: -1 for a person, else the computer's strength; S is the host.
    std::array<int, 4> seats { -1, -1, -1, -1 };
    quint16 port = 7461;
};

class TFOpenTable : public QDialog {
    Q_OBJECT
public:
    TFOpenTable(
        const TOpenTableChoice& start, const QStringList& addresses, QWidget* parent = nullptr);
    TOpenTableChoice Choice() const;
    static constexpr quint16 kDefaultPort = 7461;

private:
    QWidget* BuildGame(const TOpenTableChoice& start);
    QWidget* BuildSeats(const TOpenTableChoice& start);
    void ModeChanged();
    void ShowAddresses();

    QLineEdit* FName = nullptr;
    QButtonGroup* FMode = nullptr;
    QButtonGroup* FDecks = nullptr;
    QCheckBox* FClockwise = nullptr;
    QCheckBox* FHints = nullptr;
    std::array<QComboBox*, 4> FSeats {};
    QSpinBox* FPort = nullptr;
    QLabel* FAddresses = nullptr;
    QStringList FMachine;
};
