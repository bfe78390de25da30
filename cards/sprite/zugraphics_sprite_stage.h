#pragma once

#include <QImage>
#include <QPointF>

#include <vector>

// One picture of a frame-driven flight and where its top-left is now, in the
// form's coordinates. The picture belongs to whoever launched the flight and
// is valid only during the call that shows it.
struct TZuFlightFrame {
    const QImage* picture = nullptr;
    QPointF at;
};

// Where a sprite's frame-driven flights are drawn: told once a frame of every
// picture in the air, in the order they were launched (the last on top); an
// empty list takes the last frame's pictures away.
class TZuSpriteStage {
public:
    virtual ~TZuSpriteStage() = default;
    virtual void ShowFrames(const std::vector<TZuFlightFrame>& frames) = 0;
};
