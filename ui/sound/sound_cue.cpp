#include "ui/sound/sound_cue.h"

QString SoundCueName(TSoundCue cue)
{
    switch (cue) {
    case TSoundCue::Deal:
        return QStringLiteral("deal");
    case TSoundCue::Lay:
        return QStringLiteral("lay");
    case TSoundCue::Capture:
        return QStringLiteral("capture");
    case TSoundCue::CaptureLong:
        return QStringLiteral("capture_long");
    case TSoundCue::Clear:
        return QStringLiteral("clear");
    case TSoundCue::Turn:
        return QStringLiteral("turn");
    case TSoundCue::Refused:
        return QStringLiteral("refused");
    case TSoundCue::HandEnd:
        return QStringLiteral("hand_end");
    case TSoundCue::Won:
        return QStringLiteral("won");
    case TSoundCue::Lost:
        return QStringLiteral("lost");
    }
    return {};
}

QString SoundCueSource(TSoundCue cue)
{
    return QStringLiteral("qrc:/sounds/%1.wav").arg(SoundCueName(cue));
}
