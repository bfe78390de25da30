#include "cards/group/zucard_group.h"

#include "cards/group/zucard_group_accessible.h"
#include "platform/random.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

TZuCardItem::TZuCardItem(TZuCardGroup& group)
    : FCard(std::make_unique<TZuSingleCard>(group, &group.Bitmap()))
{
}

TZuCardItem* TZuCardList::Items(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return FItems[std::size_t(index)].get();
}

TZuCardItem& TZuCardList::Add()
{
    FGroup.AdjustTightness();
    const int index = Count();
    FItems.push_back(std::make_unique<TZuCardItem>(FGroup));
    TZuCardItem& item = *FItems.back();
    // Given once the item is in the list, so the card's first drawing sees it there.
    item.Card().SetIndex(index);
    FGroup.ItemAdded(item.Card());
    Update();
    return item;
}

void TZuCardList::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    FItems.erase(FItems.begin() + index);
    for (int i = index; i < Count(); ++i)
        FItems[std::size_t(i)]->Card().SetIndex(i);
    FGroup.ItemDeleted();
    Update();
}

void TZuCardList::Clear()
{
    if (FItems.empty()) return;
    while (!FItems.empty()) {
        FItems.pop_back();
        FGroup.ItemDeleted();
    }
    Update();
}

void TZuCardList::Update()
{
    FGroup.ListChanged();
}

TZuCardGroup::TZuCardGroup(QWidget* parent)
    : TZuCustomCardControl(parent)
    , FCardList(*this)
{
    ZuInstallCardAccessibility();
    setMouseTracking(true); // the card cursor follows moves without a button down
    setAcceptDrops(true); // the handlers decide whether a drop is taken
    SetBitmapSize(ZuCardWidth, ZuCardHeight);
    resize(ZuCardWidth, ZuCardHeight);
}

TZuCardGroup::~TZuCardGroup()
{
    FDestroying = true;
    disconnect(FTableGone);
    disconnect(FSpriteGone);
    FCardList.FItems.clear();
}

void TZuCardGroup::ItemAdded(TZuSingleCard& card)
{
    if (!FLoadingGroup && AfterAddCard) AfterAddCard(this, &card);
}

void TZuCardGroup::ItemDeleted()
{
    if (!FDestroying && AfterDeleteCard) AfterDeleteCard(this);
}

void TZuCardGroup::ListChanged()
{
    // While loading, Loaded draws the whole group once instead.
    if (FDestroying || FLoadingGroup) return;
    // Every slot may now sit elsewhere or show another part of itself.
    RedrawCards(true);
    if (AfterUpdate) AfterUpdate(this);
}

void TZuCardGroup::BeginLoad()
{
    FLoadingGroup = true;
    SetLoading(true);
}

void TZuCardGroup::Loaded()
{
    FLoadingGroup = false;
    SetLoading(false);
    if (AutoEmpty()) EmptyAll();
    if (AutoSize()) resize(BitmapSize());
    RedrawCards(true);
}

// Propagation: the group's links and card defaults reach every card.

void TZuCardGroup::SetTable(TZuCardTableLink* table)
{
    disconnect(FTableGone);
    FTable = table;
    // A real table is a component of its own; forget it when it goes away.
    if (auto* object = dynamic_cast<QObject*>(table))
        FTableGone = connect(object, &QObject::destroyed, this, [this] { SetTable(nullptr); });
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetTable(table);
}

void TZuCardGroup::SetCardBack(TZuCardBackType b)
{
    TZuCustomCardControl::SetCardBack(b);
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetCardBack(b);
}

void TZuCardGroup::SetShowBack(bool b)
{
    TZuCustomCardControl::SetShowBack(b);
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetShowBack(b);
}

void TZuCardGroup::SetSprite(TZuSprite* sprite)
{
    disconnect(FSpriteGone);
    TZuCustomCardControl::SetSprite(sprite);
    if (sprite)
        FSpriteGone = connect(sprite, &QObject::destroyed, this, [this] { SetSprite(nullptr); });
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetSprite(sprite);
}

// Name, score and dealer, and the labels that show them.

void TZuCardGroup::SetPlayerName(const QString& name)
{
    FPlayerName = name;
    if (FPlayerNameLabel) FPlayerNameLabel->setText(name);
}

void TZuCardGroup::SetPlayerNameLabel(QLabel* label)
{
    FPlayerNameLabel = label;
    if (label) label->setText(FPlayerName);
}

void TZuCardGroup::SetScore(int score)
{
    if (score == FScore) return;
    FScore = score;
    if (FScoreLabel) FScoreLabel->setText(QString::number(score));
    if (AfterScoreChange) AfterScoreChange(this);
}

void TZuCardGroup::SetScoreLabel(QLabel* label)
{
    FScoreLabel = label;
    if (label) label->setText(QString::number(FScore));
}

namespace {
QString DealerText(bool dealer)
{
    return dealer ? QCoreApplication::translate("TZuCardGroup", "Dealer") : QString();
}
} // namespace

void TZuCardGroup::SetDealer(bool b)
{
    FDealer = b;
    if (FDealerLabel) FDealerLabel->setText(DealerText(b));
    if (OnDealerChange) OnDealerChange(this);
}

void TZuCardGroup::SetDealerLabel(QLabel* label)
{
    FDealerLabel = label;
    if (label) label->setText(DealerText(FDealer));
}

void TZuCardGroup::SetPlayDelay(int ms)
{
    if (ms >= 0) FPlayDelay = ms;
}

void TZuCardGroup::SetRandomCards(bool b)
{
    FRandomCards = b;
    // Resetting to the ace of clubs on false belongs to design time only.
    if (!b || AutoEmpty()) return;
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetID(2 + Random(52));
}

// Slots.

TZuSingleCard* TZuCardGroup::CardAt(int slot) const
{
    const TZuCardItem* item = FCardList.Items(slot);
    return item ? &item->Card() : nullptr;
}

int TZuCardGroup::NonEmptyCount()
{
    FNonEmpty.clear();
    for (int i = 0; i < SlotCount(); ++i)
        if (!CardAt(i)->Empty()) FNonEmpty.push_back(i);
    return int(FNonEmpty.size());
}

TZuSingleCard* TZuCardGroup::NonEmptyCard(int i) const
{
    if (i < 0 || i >= int(FNonEmpty.size())) return nullptr;
    return CardAt(FNonEmpty[std::size_t(i)]);
}

int TZuCardGroup::RandomNonEmptySlot()
{
    const int count = NonEmptyCount();
    if (count == 0) return -1;
    return FNonEmpty[std::size_t(Random(count))];
}

int TZuCardGroup::FirstEmptySlot() const
{
    for (int i = 0; i < SlotCount(); ++i)
        if (CardAt(i)->Empty()) return i;
    return SlotCount() - 1;
}

int TZuCardGroup::FirstSlotOfSuit(TZuCardSuitType suit) const
{
    for (int i = 0; i < SlotCount(); ++i) {
        const TZuSingleCard* card = CardAt(i);
        if (!card->Empty() && card->Suit() == suit) return i;
    }
    return -1;
}

TZuSingleCard* TZuCardGroup::LastCard() const
{
    return CardAt(SlotCount() - 1);
}

void TZuCardGroup::EmptyAll()
{
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetEmpty(true);
}

// Taken cards and their points.

void TZuCardGroup::TakeCards(const std::vector<int>& ids)
{
    int points = 0;
    for (int id : ids) {
        FTaken.push_back(id);
        if (FTable) points += FTable->PointsOf(id);
    }
    SetScore(FScore + points);
    if (AfterCardTake) AfterCardTake(this);
}

int TZuCardGroup::TakenID(int i) const
{
    if (i < 0 || i >= TakenCount()) return -1;
    return FTaken[std::size_t(i)];
}

// Sorting gives the slots new IDs in key order; each slot keeps its own
// emptiness, and empty slots take part with whatever ID they hold.
void TZuCardGroup::Sort(TZuSortStyle style)
{
    if (style == soNone || FSorting) return;
    std::vector<std::pair<int, int>> keyed; // (key, ID)
    for (int i = 0; i < SlotCount(); ++i) {
        const TZuSingleCard* card = CardAt(i);
        keyed.emplace_back(style == soSuit ? card->ID() : card->SortKey(), card->ID());
    }
    // Only the two jokers share a key; stable keeps them in slot order.
    std::stable_sort(
        keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    FSorting = true;
    BeginDraw();
    for (int i = 0; i < SlotCount(); ++i)
        CardAt(i)->SetID(keyed[std::size_t(i)].second);
    EndDraw();
    FSorting = false;
    update();
}

void TZuCardGroup::SetSortStyle(TZuSortStyle s)
{
    FSortStyle = s;
    Sort(s);
}
