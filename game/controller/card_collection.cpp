#include "game/controller/card_collection.h"

#include "cards/zucard.h"
#include "game/rules/capture_errors.h"
#include "platform/message_sink.h"

#include <QCoreApplication>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr const char* kSearchFailureText
    = QT_TRANSLATE_NOOP("CaptureSearch", "No one is perfect - TCardCollection.SubSumsMatch");
}

void TCardCollection::Remove(const TZuSingleCard& card)
{
    const auto end = cards.begin() + count;
    const auto found = std::find(cards.begin(), end, &card);
    if (found == end) return;
    std::move(found + 1, end, found);
    cards[--count] = nullptr;
}

void TCardCollection::Clear()
{
    cards.fill(nullptr);
    count = 0;
}

TZuSingleCard& TCardCollection::Card(int index) const
{
    if (index < 0 || index >= count)
        throw std::out_of_range("No card at this index of the capture set");
    return *cards[index];
}

int TCardCollection::CardID(int index) const
{
    return Card(index).ID();
}

TCaptureValues TCardCollection::Values() const
{
    TCaptureValues values;
    for (int i = 0; i < count; ++i)
        values.Add(cards[i]->Value());
    return values;
}

bool TCardCollection::Matches(const TCaptureValues& values, int target)
{
    try {
        return values.SplitsIntoGroupsOf(target);
    } catch (...) {
        // The search finds a split or fails before it has seen one, so the
        // answer so far is always no.
        MessageSink().Error(
            QCoreApplication::translate("CaptureSearch", kSearchFailureText).toStdString());
        return false;
    }
}

bool TCardCollection::CanTake(const TZuSingleCard& handCard) const
{
    if (count < 1) throw EInvalidPlay(kNoMarkedCardsText);
    if (count == 1) return TakesSingleCard(handCard.Value(), cards[0]->Value());
    return SubSumsMatch(CaptureTarget(handCard.Value()));
}

bool TCardCollection::SubSumsMatch(int target) const
{
    return Matches(Values(), target);
}
