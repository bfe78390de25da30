#pragma once

#include "game/controller/match_view.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class TFPregledKarata;
class TZuCardGroup;

// The end-of-hand dialog: who took the cards left on the table, who captured
// the most, and one button per seat that opens the captured-cards view.
// Only one of these is open at a time.
class TFDeckOverInfoDlg : public QDialog {
    Q_OBJECT
public:
    enum TSeat { South, West, North, East };

    explicit TFDeckOverInfoDlg(QWidget* parent = nullptr);
    ~TFDeckOverInfoDlg() override;

    // Captions the buttons "Name (count)", a name too long for its button
    // cut at its end and whole in the button's tooltip; with NumberOfPlayers
    // 2 (the two-player game) only the south and north buttons show.
    void SetPlayers(TZuCardGroup* South, TZuCardGroup* West, TZuCardGroup* North,
        TZuCardGroup* East, int NumberOfPlayers);
    void SetLastTaker(const QString& Name);
    // The seats that captured the most cards, one or a tie, in the order given.
    void SetMostCards(const std::vector<TZuCardGroup*>& groups);
    void SetViewer(TFPregledKarata* Window);
    // The hand's card points, table clears and most-cards bonus of each seat
    // or pair, as a small table under the two lines; none shows no table.
    void SetHandFigures(const std::vector<THandScoreRow>& rows);
    QWidget* FiguresTable() const { return FFigures; }
    // The review of the human's moves in the hand, under the two lines:
    // "Preciznost: N%" and the costliest mistake once the hand is judged,
    // a line saying it is being judged until then; none hides them. Called
    // again as the judgement lands while the dialog is open.
    void SetReview(const THandReview* hand);
    QLabel* ReviewLabel() const { return FReview; }

    // Shows the dialog modally; a request while one is open is ignored.
    int Execute();
    static bool AnyOpen() { return FOpen; }

    // "Analiza": greyed, with the reason, while there is no hand to review;
    // chosen, it closes the dialog and the window opens the review after it.
    void SetAnalysisAvailable(bool available);
    bool AnalysisChosen() const { return FAnalysisChosen; }
    QPushButton* AnalysisButton() const { return FAnalysis; }

    QLabel* LastTakerLabel() const { return FLastTaker; }
    QLabel* MostCardsLabel() const { return FMostCards; }
    QPushButton* SeatButton(TSeat seat) const { return FButtons[seat]; }
    // What a click on a seat's button does.
    void ViewSeat(TSeat seat);

private:
    QPushButton* MakeButton(QWidget* parent, int top);
    void FitLabels();
    // The seat's caption, fitted to its button.
    void CaptionButton(int seat, const TZuCardGroup& group);

    static bool FOpen;
    QGroupBox* FBox = nullptr;
    QPushButton* FOK = nullptr;
    QPushButton* FAnalysis = nullptr;
    bool FAnalysisChosen = false;
    QLabel* FLastTaker = nullptr;
    QLabel* FMostCards = nullptr;
    QWidget* FFigures = nullptr;
    QLabel* FReview = nullptr;
    std::array<QPushButton*, 4> FButtons {};
    int FShownButtons = 4;
    std::array<QPointer<TZuCardGroup>, 4> FSeats;
    QPointer<TFPregledKarata> FViewer;
};
