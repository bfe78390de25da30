#pragma once

#include "platform/message_sink.h"

#include <functional>
#include <string>
#include <vector>

// Records every message instead of showing it and answers confirmations with
// a fixed reply. Installed for the lifetime of the object.
class TRecordingSink : public TMessageSink {
public:
    struct TShown {
        std::vector<std::string> information, confirmations, errors, messages;
        // The confirmations asked with "No" for the default, also in `confirmations`.
        std::vector<std::string> destructive;
        bool confirmReply = true;
        // Runs while a confirmation is asked, as the event loop runs while a
        // real question is open.
        std::function<void()> whileAsked;
    };

    static TShown& Install()
    {
        auto sink = std::make_unique<TRecordingSink>();
        TShown& shown = sink->FShown;
        SetMessageSink(std::move(sink));
        return shown;
    }

    void Information(const std::string& t) override { FShown.information.push_back(t); }
    bool Confirmation(const std::string& t) override
    {
        FShown.confirmations.push_back(t);
        if (FShown.whileAsked) FShown.whileAsked();
        return FShown.confirmReply;
    }
    bool DestructiveConfirmation(const std::string& t) override
    {
        FShown.destructive.push_back(t);
        return Confirmation(t);
    }
    void Error(const std::string& t) override { FShown.errors.push_back(t); }
    void Message(const std::string& t) override { FShown.messages.push_back(t); }

private:
    TShown FShown;
};

// Puts a recording sink in place for one scope and restores the default after.
class TScopedRecordingSink {
public:
    TScopedRecordingSink()
        : shown(TRecordingSink::Install())
    {
    }
    ~TScopedRecordingSink() { SetMessageSink(nullptr); }
    TRecordingSink::TShown& shown;
};
