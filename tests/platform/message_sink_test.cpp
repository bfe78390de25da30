#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

TEST(MessageSink, ReplacedSinkReceivesEveryKindAndAnswersConfirmations)
{
    TScopedRecordingSink sink;
    MessageSink().Information("info");
    MessageSink().Error("err");
    MessageSink().Message("plain");
    sink.shown.confirmReply = false;
    EXPECT_FALSE(MessageSink().Confirmation("sure?"));
    sink.shown.confirmReply = true;
    EXPECT_TRUE(MessageSink().Confirmation("really?"));

    EXPECT_EQ(sink.shown.information, std::vector<std::string> { "info" });
    EXPECT_EQ(sink.shown.errors, std::vector<std::string> { "err" });
    EXPECT_EQ(sink.shown.messages, std::vector<std::string> { "plain" });
    EXPECT_EQ(sink.shown.confirmations, (std::vector<std::string> { "sure?", "really?" }));
}

// Without a sink of its own a program never waits for a person: messages go
// to the standard error stream and questions are answered "No", also once a
// replaced sink is taken away again.
TEST(MessageSink, TheDefaultPrintsAndAnswersNo)
{
    for (int round = 0; round < 2; ++round) {
        testing::internal::CaptureStderr();
        MessageSink().Error("the disk is full");
        MessageSink().Information("saved");
        const bool yes = MessageSink().Confirmation("give up the match?");
        const bool destructive = MessageSink().DestructiveConfirmation("throw it away?");
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(yes);
        EXPECT_FALSE(destructive);
        for (const char* text :
            { "the disk is full", "saved", "give up the match?", "throw it away?" })
            EXPECT_NE(printed.find(text), std::string::npos) << text << " in " << printed;
        {
            TScopedRecordingSink replaced;
        } // installs, then restores the default
    }
}
