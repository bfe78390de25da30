#pragma once

#include "cards/zucard.h"

#include <gtest/gtest.h>

#include <vector>

// The card pictures stay loaded for the whole suite, as the program holds them.
class CapturedCardsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AcquireCardPictures(); }
    static void TearDownTestSuite() { ReleaseCardPictures(); }

    // n card IDs in taking order: every card of one deck, then of a second.
    static std::vector<int> Taken(int n)
    {
        std::vector<int> ids;
        for (int i = 0; i < n; ++i)
            ids.push_back(2 + (i * 7) % 52); // not in sorted order
        return ids;
    }
};
