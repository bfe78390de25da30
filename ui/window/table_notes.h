#pragma once

#include <QObject>
#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class QWidget;

// The notes the table itself shows: "Pauza" over the table rows while the
// game is paused, "Na potezu si" beside the human's name while the human is
// on turn, and the sum of the table cards the human has marked.
class TTableNotes : public QObject {
    Q_OBJECT
public:
    explicit TTableNotes(QWidget* table);

    void ShowPaused(bool paused);
    void ShowHumanOnTurn(bool onTurn);
    void ShowMarkedCards(const std::vector<int>& ids);
    // Puts the notes in their places: `rows` is the table rows' rectangle,
    // `humanName` the human's name label.
    void Place(const QRect& rows, const QLabel* humanName);

    QLabel* PauseMark() const { return FPause; }
    QLabel* OnTurnMark() const { return FOnTurn; }
    QLabel* SumMark() const { return FSum; }

    // "Zbir: 7", or with aces, which count 1 or 11, every sum they allow:
    // "Zbir: 3 ili 13". Empty for no cards.
    static QString SumText(const std::vector<int>& ids);

private:
    QLabel* FPause;
    QLabel* FOnTurn;
    QLabel* FSum;
    QRect FRows;
    const QLabel* FHumanName = nullptr;
};
