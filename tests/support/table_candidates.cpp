#include "tests/support/table_candidates.h"

#include "cards/zucard.h"
#include "game/rules/capture_errors.h"
#include "platform/message_sink.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

constexpr const char* kCandidatesFailureText
    = QT_TRANSLATE_NOOP("CaptureSearch", "Moja greska - getAllPossibleCollections");

int Binomial(int n, int k)
{
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return static_cast<int>(result);
}

int CandidateCount(int n)
{
    int total = 0;
    for (int k = 1; k <= std::min(n, kMaxCandidateCards); ++k)
        total += Binomial(n, k);
    return total;
}

// The next larger number with as many bits set.
std::uint32_t NextWithSameBits(std::uint32_t mask)
{
    const std::uint32_t lowest = mask & -mask;
    const std::uint32_t ripple = mask + lowest;
    return (((ripple ^ mask) >> 2) / lowest) | ripple;
}

// Bit n - p of mask stands for position p; the cards go in ascending position.
void AddCollectionOf(
    const std::vector<TZuSingleCard*>& byPosition, std::uint32_t mask, TCardCollections& list)
{
    TCardCollection& set = list.emplace_back();
    const int n = static_cast<int>(byPosition.size());
    while (mask != 0) {
        const int bit = 31 - std::countl_zero(mask);
        set.Add(*byPosition[n - 1 - bit]);
        mask &= ~(std::uint32_t { 1 } << bit);
    }
}

} // namespace

TZuSingleCard& TableCardAt(const TTableCards& table, int position)
{
    const int first = static_cast<int>(table.talon1.size());
    if (position < 1 || position > table.Count()) throw EIndexOutOfBounds(kTablePositionText);
    return position <= first ? *table.talon1[position - 1] : *table.talon2[position - first - 1];
}

int getAllPossibleCollections(const TTableCards& table, TCardCollections& list)
{
    try {
        list.clear();
        const int n = table.Count();
        list.reserve(CandidateCount(n));
        std::vector<TZuSingleCard*> byPosition;
        for (int position = 1; position <= n; ++position)
            byPosition.push_back(&TableCardAt(table, position));
        const std::uint32_t end = std::uint32_t { 1 } << n;
        for (int size = 1; size <= std::min(n, kMaxCandidateCards); ++size)
            for (std::uint32_t mask = (1u << size) - 1; mask < end; mask = NextWithSameBits(mask))
                AddCollectionOf(byPosition, mask, list);
        return static_cast<int>(list.size());
    } catch (...) {
        list.clear();
        MessageSink().Error(
            QCoreApplication::translate("CaptureSearch", kCandidatesFailureText).toStdString());
        return 0;
    }
}

std::uint64_t CanTakeEach(
    const TCardCollection& set, std::span<const TZuSingleCard* const> handCards)
{
    if (set.Count() < 1) throw EInvalidPlay(kNoMarkedCardsText);
    if (handCards.size() > 64) throw std::length_error("At most 64 hand cards at once");
    // The set is read once for the whole hand: a scan of every candidate
    // against a full hand spends most of its time reading cards otherwise.
    const TCaptureValues values = set.Values();
    const int lone = set.Count() == 1 ? set.Card(0).Value() : 0;
    std::uint64_t taken = 0;
    for (std::size_t i = 0; i < handCards.size(); ++i) {
        const int hand = handCards[i]->Value();
        const bool takes = lone != 0 ? TakesSingleCard(hand, lone)
                                     : TCardCollection::Matches(values, CaptureTarget(hand));
        taken |= std::uint64_t { takes } << i;
    }
    return taken;
}
