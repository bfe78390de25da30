#pragma once

#include <QString>

// Where the game's own speech goes: the system's speech engine in the program
// (TTextToSpeechSpeaker), a recorder in the tests.
class TSpeaker {
public:
    enum class TWhen {
        // After what is being said and what already waits: the game's flow.
        Queue,
        // Instead of all of it: the player asked for something new.
        Interrupt,
    };
    virtual ~TSpeaker() = default;
    virtual void Say(const QString& text, TWhen when) = 0;
    // Stops speaking and forgets what waits.
    virtual void Stop() = 0;
    // Gets ready to speak (a speech server's connection takes seconds), so
    // the first move is not held up by it.
    virtual void Prepare() { }
};
