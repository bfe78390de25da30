#pragma once

#include "game/review/move_review.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TReviewBoard;

// "Analiza": steps through the human's moves of each reviewed hand one by
// one, the position as it was with the move played and the best move drawn
// on the cards, their values, the cost and its mark; a switch shows the same
// hand judged with every card known. A window of its own beside the game
// (not modal): the match goes on while it is open, and new judgements reach
// it through SetReviews.
class TFAnaliza : public QDialog {
    Q_OBJECT
public:
    explicit TFAnaliza(QWidget* parent = nullptr);
    ~TFAnaliza() override;

    // The match's reviews, called again whenever a judgement lands: the
    // position shown stays when its hand and move are still there; with
    // none shown yet the latest hand opens at its first move.
    void SetReviews(const std::vector<THandReview>& reviews);
    bool HasHands() const { return !FReviews.empty(); }
    // Shows and raises the window, at the position it was left at.
    void ShowWindow();
    // The latest hand's first move, as the end-of-hand dialog opens it.
    void ShowLatestHand();

    // Stepping: a hand index into the reviews and a move index into its
    // moves, kept within bounds; both -1 with no hand.
    void GoTo(int hand, int move);
    void StepMove(int delta);
    void StepHand(int delta);
    int HandIndex() const { return FHand; }
    int MoveIndex() const { return FMove; }

    void SetView(ReviewView view);
    ReviewView View() const { return FView; }

    // The shown position's words: the heading and the lines under it, one
    // line each; the same text is the board's accessible description.
    QString StepText() const;
    // Whether the shown view of the shown hand is still being judged.
    bool Judging() const;

    TReviewBoard* Board() const { return FBoard; }
    QCheckBox* EveryCardBox() const { return FEveryCard; }
    QPushButton* PreviousHandButton() const { return FPrevHand; }
    QPushButton* PreviousMoveButton() const { return FPrevMove; }
    QPushButton* NextMoveButton() const { return FNextMove; }
    QPushButton* NextHandButton() const { return FNextHand; }

private:
    void MakeKeys();
    void ShowPosition();
    void ShowNoHand();
    void Describe(const QString& text);

    std::vector<THandReview> FReviews;
    int FHand = -1;
    int FMove = -1;
    ReviewView FView = ReviewView::Fair;

    QLabel* FHeading = nullptr;
    QLabel* FViewName = nullptr;
    QCheckBox* FEveryCard = nullptr;
    TReviewBoard* FBoard = nullptr;
    QProgressBar* FBusyBar = nullptr;
    QLabel* FLines = nullptr;
    QPushButton* FPrevHand = nullptr;
    QPushButton* FPrevMove = nullptr;
    QPushButton* FNextMove = nullptr;
    QPushButton* FNextHand = nullptr;
};
