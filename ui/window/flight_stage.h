#pragma once

#include "cards/sprite/zugraphics_sprite_stage.h"

#include <QElapsedTimer>
#include <QGraphicsObject>
#include <QImage>

#include <vector>

// Where the cards fly: an item over the table in the table view's scene, so
// the flights are drawn where the scaled table is, at its scale. The scene's
// coordinates are the table's, the sprite's form coordinates. Each picture is
// drawn from the card picture table at the view's scale times the screen's
// pixel ratio, as the card groups draw theirs.
class TFlightStage : public QGraphicsObject, public TZuSpriteStage {
    Q_OBJECT
public:
    TFlightStage();

    void ShowFrames(const std::vector<TZuFlightFrame>& frames) override;
    // The scale the view shows the table at; pictures are drawn for it.
    void SetPictureScale(qreal scale) { FScale = scale; }
    // Where pictures may be: the table and a margin around it. A fixed area,
    // so a frame draws again only the places its pictures leave and take.
    void SetArea(const QRectF& area);
    // How many pictures show now, for tests and the screenshots.
    int Shown() const { return int(FShown.size()); }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct TShown {
        QImage picture;
        QRectF place;
    };
    // The figures of scripts/perf.sh: frames while cards are in the air.
    void Count(bool flying);
    void RepaintPlace(const QRectF& place);

    std::vector<TShown> FShown;
    QElapsedTimer FSinceFrame;
    qint64 FCpuAtFrame = 0; // the GUI thread's processor time at the last frame
    QRectF FArea;
    qreal FScale = 1.0;
};
