#include "trick_window.h"

#include <QMouseEvent>
#include <QPalette>
#include <QPointer>

#include <vector>

namespace {

constexpr TZuCardSuitType Trump = stHeart;
const char* const Names[] = { "South", "West", "North", "East" };

// Which card of two of a trick is higher: trumps beat everything else, the
// led suit beats the other suits, and within a suit the higher value wins.
bool Beats(const TZuSingleCard& card, const TZuSingleCard& best, TZuCardSuitType led)
{
    const auto rank = [led](const TZuSingleCard& c) {
        return (c.Suit() == Trump ? 200 : c.Suit() == led ? 100 : 0) + c.Value();
    };
    return rank(card) > rank(best);
}

} // namespace

TTrickWindow::TTrickWindow(int delay)
    : FDelay(delay)
{
    setWindowTitle(QStringLiteral("Trick table"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(620, 570);

    FSprite = new TZuSprite(this);
    FTable = new TZuCardTable(this);
    FTable->move(245, 200);
    FTable->SetSprite(FSprite);
    TZuGameOptions& options = FTable->GameOptions();
    options.SetSuitChecking(true);
    options.SetStrictSuitChecking(true);
    options.SetTrump(Trump);
    options.SetCardsPerTrick(4);
    options.SetAutoPlay(true);
    options.SetTakeDelay(delay);
    for (int id : { 14, 27, 40, 53 })
        FTable->PointList().Add(id, 4); // aces
    for (int id : { 10, 23, 36, 49 })
        FTable->PointList().Add(id, 3); // tens

    FHands = { AddHand(Names[0], { 178, 440 }, csRight, tpBottom),
        AddHand(Names[1], { 20, 130 }, csDown, tpLeft),
        AddHand(Names[2], { 178, 10 }, csRight, tpTop),
        AddHand(Names[3], { 529, 130 }, csDown, tpRight) };
    FHands[0]->SetController(ctHuman);
    FHands[0]->SetShowBack(false);
    FHands[0]->OnCardClick = [this](TZuCardGroup*, TZuSingleCard*, int, bool& playIt, TZuTablePos&,
                                 bool&, Qt::MouseButton) {
        // The table itself refuses a card that breaks the rules: it flies back.
        playIt = !FHandOver && FTable->NextPlayer() == 0;
    };
    FTable->AfterTrickFinish = [this](TZuCardTable*) { TrickDone(false); };
    FTable->AfterPartyFinish = [this](TZuCardTable*) { TrickDone(true); };

    FStatus = new QLabel(this);
    FStatus->setGeometry(10, 540, 600, 24);
    FDeck.SetShuffleCount(3);
}

TZuCardGroup* TTrickWindow::AddHand(
    const QString& name, QPoint at, TZuCascadeSide side, TZuTablePos pos)
{
    auto* hand = new TZuCardGroup(this);
    hand->move(at);
    hand->SetAutoSize(true);
    hand->SetCardBack(cbFishBlue);
    hand->SetCascadeSide(side);
    hand->SetCascadeStyle(csTight);
    hand->SetPlayerName(name);
    hand->SetTablePlayPos(pos);
    hand->SetPlayDelay(FDelay);
    hand->SetTable(FTable);
    hand->SetSprite(FSprite);
    // A computer plays its lowest card that the rules allow.
    hand->BeforePlay = [this](TZuCardGroup* sender, int& position, TZuTablePos&, bool&) {
        if (sender->Controller() == ctHuman) {
            FStatus->setText(QStringLiteral("Hearts are trumps. Your turn: click a card."));
            return;
        }
        position = LegalSlot(*sender);
    };
    FTable->PlayerList().Add(hand);
    return hand;
}

void TTrickWindow::NewDeal()
{
    FHandOver = false;
    FTable->ClearTable(true);
    FDeck.PrepareDeck();
    for (TZuCardGroup* hand : FHands) {
        hand->CardList().Clear();
        hand->SetScore(0);
        FDeck.Deal(*hand, true, 13);
        hand->Sort(soSuit);
    }
    FTable->DealingFinished();
    FTable->SetNextPlayer(0);
    FStatus->setText(QStringLiteral("Hearts are trumps. Your lead: click a card."));
}

int TTrickWindow::LegalSlot(TZuCardGroup& group) const
{
    int chosen = -1;
    for (int slot = 0; slot < group.SlotCount(); ++slot) {
        const TZuSingleCard* card = group.CardAt(slot);
        if (card->Empty() || !FTable->CardAllowed(*card, &group)) continue;
        if (chosen < 0 || card->SortKey() < group.CardAt(chosen)->SortKey()) chosen = slot;
    }
    return chosen;
}

bool TTrickWindow::PlayForSouth()
{
    const int slot = LegalSlot(*FHands[0]);
    if (slot < 0 || FHandOver || FTable->NextPlayer() != 0) return false;
    FHands[0]->PlayCard(slot, false, tpBottom);
    return true;
}

int TTrickWindow::TrickWinnerPlace() const
{
    int best = -1;
    for (int place = 0; place < TZuCardTable::Places; ++place) {
        const TZuSingleCard* card = FTable->CardAtPlace(place);
        if (card->Empty() || !FTable->PlaceGroup(place)) continue;
        if (best < 0 || Beats(*card, *FTable->CardAtPlace(best), FTable->LedSuit())) best = place;
    }
    return best;
}

// The trick stays on show for a moment, then goes to its taker, who leads next.
void TTrickWindow::TrickDone(bool handOver)
{
    QPointer<TTrickWindow> self(this);
    if (FDelay > 0 && (!ZuWait(2 * FDelay) || !self)) return;
    const int place = TrickWinnerPlace();
    TZuCardGroup* taker = FTable->PlaceGroup(place);
    if (!taker) return;
    std::vector<int> ids;
    for (int i = 0; i < FTable->PlayedCount(); ++i)
        ids.push_back(FTable->PlayedID(i));
    taker->TakeCards(ids);
    FTable->ClearTable(false);
    for (int i = 0; i < FTable->PlayerCount(); ++i)
        if (FTable->PlayerList().Items(i)->CardGroup() == taker) FTable->SetNextPlayer(i);
    FHandOver = handOver;
    if (handOver)
        ShowScores();
    else
        FStatus->setText(taker->PlayerName() + QStringLiteral(" takes the trick."));
}

void TTrickWindow::ShowScores()
{
    QString text = QStringLiteral("Hand over:");
    for (const TZuCardGroup* hand : FHands)
        text += QStringLiteral(" %1 %2,").arg(hand->PlayerName()).arg(hand->Score());
    text.chop(1);
    FStatus->setText(text + QStringLiteral(". Click the table for a new deal."));
}

void TTrickWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (FHandOver && !AnimationLocked()) NewDeal();
    QWidget::mouseReleaseEvent(event);
}
