#pragma once

#include <memory>
#include <string>

// Every message box the program shows goes through the one sink installed here,
// so tests can record messages and answer confirmations instead of a person.
class TMessageSink {
public:
    virtual ~TMessageSink() = default;
    virtual void Information(const std::string& text) = 0;
    virtual bool Confirmation(const std::string& text) = 0; // true for "Yes"
    virtual void Error(const std::string& text) = 0;
    virtual void Message(const std::string& text) = 0; // a plain box with OK
};

// The sink in use; by default it shows Qt message boxes.
TMessageSink& MessageSink();

// Installs a sink and returns the previous one; nullptr restores the default.
std::unique_ptr<TMessageSink> SetMessageSink(std::unique_ptr<TMessageSink> sink);
