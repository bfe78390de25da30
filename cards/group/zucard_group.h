#pragma once

#include "cards/card/zucard_single.h"
#include "cards/sprite/zugraphics_card_control.h"

#include <QLabel>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMimeData;
class QPainter;
class TZuCardGroup;

enum TZuCascadeStyle { csNormal, csTight, csLoose };
enum TZuCascadeSide { csRight, csDown };
enum TZuSortStyle { soNone, soSuit, soValue };
enum TZuController { ctComputer, ctNetwork, ctHuman };
// tpBottom..tpRight are the table's places 0..3 plus one; tpAuto keeps the table's own.
enum TZuTablePos { tpAuto, tpBottom, tpLeft, tpTop, tpRight };

// How a turn started by TZuCardGroup::Play ended. prAborted is the quiet end
// of a human's or network player's turn: nothing more of the turn may run and
// no message is shown; whoever called Play stops there. The move itself comes
// from the BeforePlay handler or a later click.
enum TZuPlayResult { prFinished, prAborted };

using TZuGroupNotifyEvent = std::function<void(TZuCardGroup* sender)>;
using TZuGroupCardEvent = std::function<void(TZuCardGroup* sender, TZuSingleCard* card)>;
using TZuCardClickEvent = std::function<void(TZuCardGroup* sender, TZuSingleCard* card,
    int position, bool& playIt, TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button)>;
using TZuBeforePlayEvent = std::function<void(
    TZuCardGroup* sender, int& position, TZuTablePos& tablePos, bool& faceDown)>;
using TZuAfterPlayEvent
    = std::function<void(TZuCardGroup* sender, int position, TZuTablePos tablePos)>;
// Drag and drop onto a group. `source` is the control the drag started from
// (none for a drag from another program); `data` is what the drag carries.
using TZuDragOverEvent = std::function<void(
    TZuCardGroup* sender, QObject* source, int x, int y, const QMimeData* data, bool& accept)>;
using TZuDragDropEvent = std::function<void(
    TZuCardGroup* sender, QObject* source, int x, int y, const QMimeData* data)>;

// One slot of a group: it owns its card for as long as it lives.
class TZuCardItem {
public:
    explicit TZuCardItem(TZuCardGroup& group);
    TZuCardItem(const TZuCardItem&) = delete;
    TZuCardItem& operator=(const TZuCardItem&) = delete;

    TZuSingleCard& Card() const { return *FCard; }
    // Copies the other card's back, face-down flag, ID and emptiness into this one.
    void SetCard(const TZuSingleCard& source) { FCard->CopyFrom(source); }
    int Index() const { return FCard->Index(); }

private:
    std::unique_ptr<TZuSingleCard> FCard;
};

// The slots of a group, in order.
class TZuCardList {
public:
    explicit TZuCardList(TZuCardGroup& group)
        : FGroup(group)
    {
    }

    TZuCardGroup& Group() const { return FGroup; }
    int Count() const { return int(FItems.size()); }
    // None when the index is out of range.
    TZuCardItem* Items(int index) const;
    // Fits the tightness to the count before the new slot, then adds it.
    TZuCardItem& Add();
    void Delete(int index);
    void Clear();

private:
    friend class TZuCardGroup;
    void Update();

    TZuCardGroup& FGroup;
    std::vector<std::unique_ptr<TZuCardItem>> FItems;
};

// An ordered row of card slots shown as one control: a hand, a table pile.
// It lays its cards out in a cascade, paints them into its picture, turns
// clicks into card events, plays cards to a card table, keeps the cards its
// player has taken and the score, and fills the labels it is linked to.
class TZuCardGroup : public TZuCustomCardControl {
    Q_OBJECT
public:
    explicit TZuCardGroup(QWidget* parent = nullptr);
    ~TZuCardGroup() override;

    TZuCardList& CardList() { return FCardList; }
    const TZuCardList& CardList() const { return FCardList; }

    TZuCardTableLink* Table() const { return FTable; }
    void SetTable(TZuCardTableLink* table);
    void SetCardBack(TZuCardBackType b) override;
    void SetShowBack(bool b) override;
    void SetSprite(TZuSprite* sprite) override;

    QString PlayerName() const { return FPlayerName; }
    void SetPlayerName(const QString& name);
    QLabel* PlayerNameLabel() const { return FPlayerNameLabel; }
    void SetPlayerNameLabel(QLabel* label);
    int Score() const { return FScore; }
    void SetScore(int score);
    QLabel* ScoreLabel() const { return FScoreLabel; }
    void SetScoreLabel(QLabel* label);
    bool Dealer() const { return FDealer; }
    void SetDealer(bool b);
    QLabel* DealerLabel() const { return FDealerLabel; }
    void SetDealerLabel(QLabel* label);

    TZuCascadeStyle CascadeStyle() const { return FCascadeStyle; }
    void SetCascadeStyle(TZuCascadeStyle s);
    TZuCascadeSide CascadeSide() const { return FCascadeSide; }
    void SetCascadeSide(TZuCascadeSide s);
    int Tightness() const { return FTightness; }
    // A closed-up cascade leaves no gap where a slot is empty: its cards lie
    // side by side, centred along the group. Off, each slot keeps its place.
    bool CloseUp() const { return FCloseUp; }
    void SetCloseUp(bool b);
    void SetTightness(int t);
    bool AutoTight() const { return FAutoTight; }
    void SetAutoTight(bool b);
    TZuSortStyle SortStyle() const { return FSortStyle; }
    void SetSortStyle(TZuSortStyle s);

    // Stored only.
    TZuSortStyle ShowSortStyle() const { return FShowSortStyle; }
    void SetShowSortStyle(TZuSortStyle s) { FShowSortStyle = s; }
    bool ShowAutoTight() const { return FShowAutoTight; }
    void SetShowAutoTight(bool b) { FShowAutoTight = b; }
    bool ShowOnlyPointCards() const { return FShowOnlyPointCards; }
    void SetShowOnlyPointCards(bool b) { FShowOnlyPointCards = b; }

    TZuController Controller() const { return FController; }
    void SetController(TZuController c) { FController = c; }
    TZuTablePos TablePlayPos() const { return FTablePlayPos; }
    void SetTablePlayPos(TZuTablePos p) { FTablePlayPos = p; }
    int PlayDelay() const { return FPlayDelay; }
    void SetPlayDelay(int ms);
    bool RandomCards() const { return FRandomCards; }
    void SetRandomCards(bool b);
    // The cursor over a non-empty card; Qt::ArrowCursor (0) switches the feature off.
    Qt::CursorShape CardCursor() const { return FCardCursor; }
    void SetCardCursor(Qt::CursorShape c) { FCardCursor = c; }

    // Slots.
    TZuSingleCard* CardAt(int slot) const;
    int SlotCount() const { return FCardList.Count(); }
    int NonEmptyCount();
    TZuSingleCard* NonEmptyCard(int i) const;
    int RandomNonEmptySlot();
    int FirstEmptySlot() const;
    int FirstSlotOfSuit(TZuCardSuitType suit) const;
    TZuSingleCard* LastCard() const;
    void EmptyAll();

    // Play.
    TZuPlayResult Play();
    void PlayCard(int position, bool faceDown, TZuTablePos tablePos);

    // The cards this player has taken.
    void TakeCards(const std::vector<int>& ids);
    int TakenID(int i) const;
    int TakenCount() const { return int(FTaken.size()); }
    void ClearTaken() { FTaken.clear(); }

    void Sort(TZuSortStyle style);
    int HitTest(int x, int y);

    // The keyboard's place in the group, shown as a ring around that card;
    // -1 for none. An empty slot shows no ring.
    int FocusedSlot() const { return FFocusedSlot; }
    void SetFocusedSlot(int slot);
    // Where the ring is drawn, in the group's coordinates; empty when none shows.
    QRect FocusRingRect() const;
    // The words assistive technology reads for a card; without them a card
    // reads as its slot number. The owner of the group words them.
    std::function<QString(const TZuSingleCard& card)> AccessibleCardText;
    // Tells assistive technology that a card's look or state changed.
    void NotifyCardChanged(int slot);
    void AdjustTightness();
    // How far a marked card rises: the row's height holds that room above
    // its cards.
    int MarkLift() const;
    void RedrawCards(bool immediate);

    // Loading: between BeginLoad and Loaded no list events fire, nothing is
    // drawn and the control does not size itself; Loaded empties every card
    // when AutoEmpty is on and draws the group once.
    void BeginLoad();
    void Loaded();
    bool Loading() const { return FLoadingGroup; }

    // Until the group is first painted on the screen, changes lay its cards
    // out and size it as always but draw nothing; that first paint draws the
    // cards as they stand then, once. For a form that sets up and deals
    // before it shows, so nothing is drawn that is never seen.
    void HoldDrawingUntilShown() { FDrawingHeld = true; }
    bool DrawingHeld() const { return FDrawingHeld; }

    TZuCardClickEvent OnCardClick;
    TZuBeforePlayEvent BeforePlay;
    TZuAfterPlayEvent AfterPlay;
    TZuGroupNotifyEvent AfterCardTake;
    TZuGroupNotifyEvent AfterScoreChange;
    TZuGroupNotifyEvent AfterUpdate;
    TZuGroupCardEvent AfterAddCard;
    TZuGroupNotifyEvent AfterDeleteCard;
    TZuGroupNotifyEvent OnDealerChange;
    // No card moves by itself on a drop: the group takes one only when
    // OnDragDrop is set and OnDragOver (if set) accepts it; the handler moves
    // what it wants, then the source control and the group redraw.
    TZuDragOverEvent OnDragOver;
    TZuDragDropEvent OnDragDrop;

    // The drop handling, also for drops that do not come through Qt's drag.
    bool DragOver(QObject* source, int x, int y, const QMimeData* data);
    void DragDrop(QObject* source, int x, int y, const QMimeData* data);

    // The owner side of the cards.
    void RedrawCard(TZuSingleCard& card, bool immediate) override
    {
        DrawCard(card, immediate);
        NotifyCardChanged(card.Index());
    }
    TZuCardTableLink* OwnerTable() const override { return FTable; }
    TZuCardGroup* OwnerGroup() override { return this; }
    void CardPlayed(TZuSingleCard& card, int tablePos) override;

protected:
    void RedrawAtPictureScale() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The keyboard's ring over what shows of the focused card.
    void PaintFocusRing();

private:
    friend class TZuCardList;

    // Where a card of this group sits and how much of it shows.
    struct TPlace {
        QRect shown;
        QSize surface;
    };
    TPlace Place(int slot) const;
    int Grown(int slot, int shown, int whole) const;
    TPlace ClosedUpPlace(int slot, int step, int whole) const;
    void DrawCard(TZuSingleCard& card, bool immediate);
    // A group that keeps its cards sorted sorts once its last card is drawn.
    void SortAfterLastCard(const TZuSingleCard& card);
    void PaintCard(const TZuSingleCard& card, QPoint corner, const QRect& clip);
    void ClearRect(const QRect& rect);
    void ResizeSurface(QSize size);
    void WaitPlayDelay();
    void ListChanged();
    void ItemAdded(TZuSingleCard& card);
    void ItemDeleted();

    TZuCardList FCardList;
    TZuCardTableLink* FTable = nullptr;
    QMetaObject::Connection FTableGone;
    QMetaObject::Connection FSpriteGone;
    QString FPlayerName;
    QPointer<QLabel> FPlayerNameLabel;
    int FScore = 0;
    QPointer<QLabel> FScoreLabel;
    bool FDealer = false;
    QPointer<QLabel> FDealerLabel;
    TZuCascadeStyle FCascadeStyle = csNormal;
    TZuCascadeSide FCascadeSide = csRight;
    int FTightness = 16;
    bool FCloseUp = false;
    bool FRedrawingAll = false;
    bool FAutoTight = false;
    TZuSortStyle FSortStyle = soNone;
    TZuSortStyle FShowSortStyle = soNone;
    bool FShowAutoTight = false;
    bool FShowOnlyPointCards = true;
    TZuController FController = ctComputer;
    TZuTablePos FTablePlayPos = tpAuto;
    int FPlayDelay = 0;
    bool FRandomCards = false;
    Qt::CursorShape FCardCursor = Qt::PointingHandCursor;

    std::vector<int> FTaken;
    std::vector<int> FNonEmpty;
    bool FMeasuring = false;
    bool FSorting = false;
    bool FLoadingGroup = false;
    bool FDestroying = false;
    bool FDrawingHeld = false;
    bool FDrawingPending = false; // something changed while drawing was held
    bool FDrawingHeldCards = false; // drawing them in the first paint
    int FFocusedSlot = -1;
};

// Paints the keyboard's focus ring round `ring` as a group paints it, for a
// widget that shows a group's card raised over it.
void ZuPaintFocusRing(QPainter& painter, const QRect& ring);
