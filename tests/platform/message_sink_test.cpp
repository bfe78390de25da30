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
