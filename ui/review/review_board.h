#pragma once

#include "game/rules/match_rules.h"

#include <QRect>
#include <QWidget>

#include <optional>
#include <vector>

// One position of the "Analiza" window drawn with the card library's
// pictures: the table and the human's hand as they were, the other seats'
// hands face down (face up once every card is shown) and the deck face
// down, the move played ringed in one colour and the best move in another,
// with a legend. It draws only what it is given to show.
class TReviewBoard : public QWidget {
    Q_OBJECT
public:
    static const QColor PlayedColour;
    static const QColor BestColour;

    // A card as drawn: where, which card (kNoCard for a back) and its ring.
    struct TDrawnCard {
        QRect rect;
        int id = kNoCard;
        bool played = false;
        bool best = false;
    };

    explicit TReviewBoard(QWidget* parent = nullptr);

    // The position before `played` by the seat that made it; `best` is
    // ringed when given; the other seats' cards show only with `everyCard`.
    void ShowPosition(const TMatchState& before, const TMove& played,
        const std::optional<TMove>& best, bool everyCard);
    // No position: the felt with `note` in its middle.
    void Clear(const QString& note = QString());

    const std::vector<TDrawnCard>& Drawn() const { return FDrawn; }
    // The IDs drawn face up, in drawing order.
    std::vector<int> FaceIds() const;
    QSize sizeHint() const override { return FSize; }
    // A small screen still shows the whole position, smaller.
    QSize minimumSizeHint() const override { return FSize / 2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LayOut(const TMatchState& before, const TMove& played, const std::optional<TMove>& best,
        bool everyCard);
    void AddSideHand(const TMatchState& before, int seat, QPoint corner, bool faceUp);
    QRect LegendRect() const;

    std::vector<TDrawnCard> FDrawn;
    int FDeckCount = 0;
    QString FNote;
    QRect FDeckRect;
    QSize FSize;
};
