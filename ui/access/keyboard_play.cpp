#include "ui/access/keyboard_play.h"

#include "cards/group/zucard_group.h"
#include "game/controller/match_controller.h"
#include "ui/access/card_words.h"
#include "ui/access/speech_words.h"
#include "ui/window/table_notes.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstdlib>
#include <limits>

namespace {

const char* const kEnterOnTable = QT_TRANSLATE_NOOP(
    "TKeyboardPlay", "Enter igra kartu iz ruke; karte na talonu oznacava razmaknica.");
const char* const kSpaceOnHand = QT_TRANSLATE_NOOP(
    "TKeyboardPlay", "Razmaknica oznacava karte na talonu; kartu iz ruke igra Enter.");
const char* const kNoRing
    = QT_TRANSLATE_NOOP("TKeyboardPlay", "Strelicama izaberi kartu iz ruke, pa je Enter igra.");

bool HasCard(const TZuCardGroup& group, int slot)
{
    return slot >= 0 && slot < group.SlotCount() && !group.CardAt(slot)->Empty();
}

// The card's middle across the window, to keep the column when changing rows.
int MiddleX(const TZuCardGroup& group, int slot)
{
    const QRect r = group.CardAt(slot)->BoundsRect();
    return group.mapTo(group.window(), r.center()).x();
}

} // namespace

TKeyboardPlay::TKeyboardPlay(
    TZuCardGroup* hand, TZuCardGroup* lower, TZuCardGroup* upper, TMatchController& controller)
    : FRows { hand, lower, upper }
    , FController(controller)
{
}

bool TKeyboardPlay::KeyPress(const QKeyEvent& event)
{
    // Combinations belong to the menus and the shortcuts.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int key = event.key();
    const bool number = key >= Qt::Key_1 && key <= Qt::Key_6;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        break;
    case Qt::Key_Space:
        // During a computer's move space ends its reveal, as it always has.
        if (FController.Busy()) return false;
        break;
    default:
        if (!number) return false;
    }
    if (!FController.KeyPlayAllowed()) return true;
    if (number) {
        PlaySlot(key - Qt::Key_1);
    } else if (key == Qt::Key_Space) {
        Mark();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        PlayFocused();
    } else if (key == Qt::Key_Escape) {
        ClearMarks();
    } else {
        Move(key);
    }
    return true;
}

bool TKeyboardPlay::Move(int key)
{
    // The first arrow shows the ring where it was, or on the first card.
    if (!FShown || !HasCard(*Group(FRow), FSlot)) {
        const bool was = FShown;
        Follow();
        if (!FShown) ShowFirst();
        if (!was) return true;
    }
    switch (key) {
    case Qt::Key_Left:
        Step(-1);
        break;
    case Qt::Key_Right:
        Step(1);
        break;
    case Qt::Key_Home:
        ToEnd(false);
        break;
    case Qt::Key_End:
        ToEnd(true);
        break;
    case Qt::Key_Up:
        ChangeRow(1);
        break;
    case Qt::Key_Down:
        ChangeRow(-1);
        break;
    default:
        return false;
    }
    return true;
}

void TKeyboardPlay::Step(int direction)
{
    const TZuCardGroup& group = *Group(FRow);
    for (int slot = FSlot + direction; slot >= 0 && slot < group.SlotCount(); slot += direction)
        if (HasCard(group, slot)) {
            Show(FRow, slot);
            return;
        }
    // The ring stays: without words the player would not know why.
    Answer(SpeechWords::RowEdge(direction > 0));
}

void TKeyboardPlay::ToEnd(bool last)
{
    const TZuCardGroup& group = *Group(FRow);
    const int n = group.SlotCount();
    for (int i = 0; i < n; ++i) {
        const int slot = last ? n - 1 - i : i;
        if (HasCard(group, slot)) {
            Show(FRow, slot);
            return;
        }
    }
}

void TKeyboardPlay::ChangeRow(int direction)
{
    for (int row = FRow + direction; row >= RowHand && row <= RowUpper; row += direction) {
        if (!HasCards(TRow(row))) continue;
        // The card of the other row nearest above or below this one.
        const int x = MiddleX(*Group(FRow), FSlot);
        const TZuCardGroup& group = *Group(TRow(row));
        int best = -1, distance = std::numeric_limits<int>::max();
        for (int slot = 0; slot < group.SlotCount(); ++slot) {
            if (!HasCard(group, slot)) continue;
            const int d = std::abs(MiddleX(group, slot) - x);
            if (d < distance) {
                best = slot;
                distance = d;
            }
        }
        Show(TRow(row), best);
        return;
    }
    Answer(SpeechWords::NoRow(direction > 0));
}

void TKeyboardPlay::Mark()
{
    if (!FShown || !HasCard(*Group(FRow), FSlot)) return;
    if (FRow == RowHand) {
        Explain(kSpaceOnHand);
        return;
    }
    TZuCardGroup* row = Group(FRow);
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    const TZuSingleCard& card = *row->CardAt(FSlot);
    const bool was = card.Negative();
    FController.Talon1CardClick(
        row, row->CardAt(FSlot), FSlot, playIt, pos, faceDown, Qt::LeftButton);
    // A refused mark (too many cards) has its own message.
    if (card.Negative() != was)
        Answer(SpeechWords::Mark(card.ID(), card.Negative(), TTableNotes::SumText(MarkedIds())));
}

void TKeyboardPlay::ClearMarks()
{
    const bool any = !MarkedIds().empty();
    FController.ClearTableMarks();
    Answer(any ? SpeechWords::MarksCleared() : SpeechWords::NoMarks());
}

std::vector<int> TKeyboardPlay::MarkedIds() const
{
    std::vector<int> ids;
    for (TRow row : { RowUpper, RowLower }) {
        const TZuCardGroup* group = Group(row);
        for (int slot = 0; group && slot < group->SlotCount(); ++slot)
            if (HasCard(*group, slot) && group->CardAt(slot)->Negative())
                ids.push_back(group->CardAt(slot)->ID());
    }
    return ids;
}

void TKeyboardPlay::Answer(const QString& text) const
{
    if (OnAnswer) OnAnswer(text);
}

void TKeyboardPlay::PlayFocused()
{
    if (!FShown || !HasCard(*Group(FRow), FSlot)) {
        // The ring shows where it was, or on the first card, as an arrow shows it.
        Follow();
        if (!FShown) ShowFirst();
        Explain(kNoRing);
    } else if (FRow != RowHand) {
        Explain(kEnterOnTable);
    } else {
        PlaySlot(-1);
    }
}

void TKeyboardPlay::Explain(const char* text)
{
    FController.ShowNotice(QCoreApplication::translate("TKeyboardPlay", text));
}

void TKeyboardPlay::FocusHand(int slot)
{
    if (HasCard(*Group(RowHand), slot)) Show(RowHand, slot);
}

void TKeyboardPlay::PlaySlot(int nth)
{
    TZuCardGroup* hand = Group(RowHand);
    // A number counts the cards the hand shows; -1 is the focused card.
    int slot = nth < 0 ? FSlot : -1;
    for (int s = 0, seen = 0; nth >= 0 && s < hand->SlotCount(); ++s)
        if (HasCard(*hand, s) && seen++ == nth) slot = s;
    if (!HasCard(*hand, slot)) return;
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    FController.PlayerSCardClick(
        hand, hand->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    Follow();
}

void TKeyboardPlay::Show(TRow row, int slot)
{
    for (int r = RowHand; r <= RowUpper; ++r)
        if (Group(TRow(r))) Group(TRow(r))->SetFocusedSlot(r == row ? slot : -1);
    const bool moved = !FShown || FRow != row || FSlot != slot;
    FShown = true;
    FRow = row;
    FSlot = slot;
    if (SpeakFocus && SpeakFocus() && moved && HasCard(*Group(row), slot)) {
        // The place counts the cards the row holds, as the number keys do.
        const TZuCardGroup& group = *Group(row);
        int place = 0, count = 0;
        for (int s = 0; s < group.SlotCount(); ++s)
            if (HasCard(group, s)) {
                ++count;
                if (s <= slot) ++place;
            }
        Answer(SpeechWords::Focused(CardWords::CardOnScreen(*group.CardAt(slot)), place, count));
    }
}

void TKeyboardPlay::ShowFirst()
{
    for (int row = RowHand; row <= RowUpper; ++row)
        if (HasCards(TRow(row))) {
            const TZuCardGroup& group = *Group(TRow(row));
            for (int slot = 0; slot < group.SlotCount(); ++slot)
                if (HasCard(group, slot)) {
                    Show(TRow(row), slot);
                    return;
                }
        }
}

void TKeyboardPlay::Follow()
{
    const bool dealt = FHandWasEmpty && HasCards(RowHand);
    FHandWasEmpty = !HasCards(RowHand);
    if (!FShown) return;
    // The ring left the hand only because it had no cards; the hand's new
    // cards are what the player plays next.
    if (dealt) {
        Hide();
        ShowFirst();
        return;
    }
    const TZuCardGroup& group = *Group(FRow);
    if (HasCard(group, FSlot)) {
        Show(FRow, FSlot); // the slot count may have changed under it
        return;
    }
    // The nearest card of the same row, else the first card anywhere.
    for (int d = 1; d < group.SlotCount(); ++d)
        for (int slot : { FSlot - d, FSlot + d })
            if (HasCard(group, slot)) {
                Show(FRow, slot);
                return;
            }
    Hide();
    ShowFirst();
}

void TKeyboardPlay::Hide()
{
    for (const auto& group : FRows)
        if (group) group->SetFocusedSlot(-1);
    FShown = false;
}

bool TKeyboardPlay::HasCards(TRow row) const
{
    const TZuCardGroup* group = Group(row);
    for (int slot = 0; group && slot < group->SlotCount(); ++slot)
        if (HasCard(*group, slot)) return true;
    return false;
}
