#pragma once

#include <memory>
#include <string>
#include <vector>

// Every message box the program shows goes through the one sink installed here,
// so tests can record messages and answer confirmations instead of a person.
class TMessageSink {
public:
    virtual ~TMessageSink() = default;
    virtual void Information(const std::string& text) = 0;
    virtual bool Confirmation(const std::string& text) = 0; // true for "Yes"
    // A question whose "Yes" throws something away: Enter answers "No". A sink
    // that shows no buttons treats it as any other question.
    virtual bool DestructiveConfirmation(const std::string& text) { return Confirmation(text); }
    virtual void Error(const std::string& text) = 0;
    // An error with a choice of what to do: the index of the answer chosen
    // from `answers`, or -1 when no one can answer (a sink without buttons
    // shows it as an error), which the caller takes as its last answer.
    virtual int Choice(const std::string& text, const std::vector<std::string>& answers)
    {
        (void)answers;
        Error(text);
        return -1;
    }
    virtual void Message(const std::string& text) = 0; // a plain box with OK
};

// The sink in use. Until one is installed (the program installs its message
// boxes), messages go to the standard error stream and every question is
// answered "No", so a program without a window never waits for a person.
TMessageSink& MessageSink();

// Installs a sink and returns the previous one; nullptr restores the default.
std::unique_ptr<TMessageSink> SetMessageSink(std::unique_ptr<TMessageSink> sink);
