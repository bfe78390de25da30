#pragma once

#include <QString>

// The game's sounds. Each is a WAV file made by the build's sound generator
// (tools/sound_gen) and compiled into the program under ":/sounds/".
enum class TSoundCue {
    Deal, // a card dealt
    Lay, // a card laid on the table
    Capture, // a few cards taken
    CaptureLong, // many cards taken at once
    Clear, // the table taken clean ("tabla")
    Turn, // the human's turn
    Refused, // a move or a key that did nothing
    HandEnd,
    Won, // the match won by the human (or the human's pair)
    Lost,
};

constexpr int SoundCueCount = int(TSoundCue::Lost) + 1;

// The generator's name of the cue's sound: "capture_long".
QString SoundCueName(TSoundCue cue);
// Where the program holds it: "qrc:/sounds/capture_long.wav".
QString SoundCueSource(TSoundCue cue);
