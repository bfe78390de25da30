#pragma once

#include <QString>

// The game's settings: four player names and eleven options, read from the
// settings file once at start-up and written back whenever a dialog accepts.
// The fields are the current settings for the whole run, even when the file
// cannot be written.
class TIni {
public:
    // Writes the defaults when the file does not exist yet, then reads it.
    explicit TIni(const QString& FileName);

    void ReadSettings();
    void WriteDefaults();
    // Each sets its fields first and then writes them, so the new values hold
    // for the run even when the write raises EIniFileException.
    void SetPlayerNames(const QString& S, const QString& W, const QString& N, const QString& E);
    void SetGameOptions(int NumberOfPlayers, int NumberOfDecks, int CompPlays, int CompPlayDelay,
        int CompWaitForPlay, bool Clockwise, bool CompCardsTight, bool HumanCardsTight,
        bool CanViewMyCollectedCards, bool CanViewOtherCollectedCards, bool Log);

    QString FileName;
    QString S = QStringLiteral("Lazor");
    QString W = QStringLiteral("Dunjo");
    QString E = QStringLiteral("Savel");
    QString N = QStringLiteral("Tomir");
    int CompPlayDelay = 2; // seconds a computer shows its move
    int CompWaitForPlay = 1; // half seconds between two moves
    bool Clockwise = true;
    bool CompCardsTight = false;
    bool HumanCardsTight = true;
    bool CanViewMyCollectedCards = true;
    bool CanViewOtherCollectedCards = true;
    int CompPlays = 1; // 0 Pametno, 1 Prosecno, 2 Glupo, 3 Majstor
    int NumberOfPlayers = 0; // 0 each for himself, 1 in pairs, 2 two players
    int NumberOfDecks = 0; // 0 one deck, 1 two decks
    bool Log = false;

private:
    TIni() = default; // holds the defaults; touches no file
};
