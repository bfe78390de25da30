#pragma once

#include <QColor>

#include <QObject>

#include <array>
#include <vector>

class QLabel;
class QWidget;

// Beside each seat's name: what the seat did last (the card it played and
// the cards it took), and a colour for the seat on turn. A seat's last move
// stays until it moves again, so a player who looked away sees what happened.
class TSeatMarks : public QObject {
    Q_OBJECT
public:
    // names: the seats' name labels, S W N E.
    TSeatMarks(QWidget* table, const std::array<QLabel*, 4>& names);

    void ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds);
    void Clear();
    void MarkOnTurn(int seat);
    // The names' colour off turn: black on the flat table, light on the felt.
    void SetNameColour(const QColor& colour);
    // Puts each mark beside its name label, after the labels moved.
    void Place();
    QLabel* Mark(int seat) const { return FMarks.at(seat); }
    int OnTurn() const { return FOnTurn; }

    // A card as rank and suit sign ("10♦"), red suits in red.
    static QString CardHtml(int id);
    // A move in the words of the mark: "10♦ nosi 5♣ 5♥", "7♠ na talon".
    static QString MoveHtml(int playedId, const std::vector<int>& takenIds);

private:
    std::array<QLabel*, 4> FNames;
    std::array<QLabel*, 4> FMarks {};
    int FOnTurn = -1;
    QColor FNameColour = Qt::black;
};
