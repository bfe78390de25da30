#include "platform/message_sink.h"

#include <cstdio>

namespace {

// "No" is the answer that changes nothing: no match is given up, no file
// is thrown away.
class TStandardErrorSink : public TMessageSink {
public:
    void Information(const std::string& text) override { Print("information", text); }
    bool Confirmation(const std::string& text) override
    {
        Print("question, answered no", text);
        return false;
    }
    void Error(const std::string& text) override { Print("error", text); }
    void Message(const std::string& text) override { Print("message", text); }

private:
    static void Print(const char* kind, const std::string& text)
    {
        std::fprintf(stderr, "Zaviko %s: %s\n", kind, text.c_str());
    }
};

std::unique_ptr<TMessageSink>& Installed()
{
    static std::unique_ptr<TMessageSink> sink = std::make_unique<TStandardErrorSink>();
    return sink;
}

} // namespace

TMessageSink& MessageSink()
{
    return *Installed();
}

std::unique_ptr<TMessageSink> SetMessageSink(std::unique_ptr<TMessageSink> sink)
{
    if (!sink) sink = std::make_unique<TStandardErrorSink>();
    std::swap(Installed(), sink);
    return sink;
}
