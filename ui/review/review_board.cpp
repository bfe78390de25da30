#include "ui/review/review_board.h"

#include "cards/zucard.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor kFelt(0x00, 0x80, 0x00);
constexpr int kMargin = 14;
// Cards in a row stand apart far enough for both rings between them.
constexpr int kSlotStep = ZuCardWidth + 10;
// The other seats' hands overlap: their cards are seen, not chosen.
constexpr int kSideStep = 18;
constexpr int kSideWidth = ZuCardWidth + (kHandSlots - 1) * kSideStep;
constexpr int kRowGap = 10;
constexpr int kLegendHeight = 22;
constexpr int kRing = 3;

int CardsIn(const THand& hand)
{
    return int(std::count_if(hand.begin(), hand.end(), [](int id) { return id != kNoCard; }));
}

bool Takes(const TMove& move, int row, int slot)
{
    return std::find(move.take.begin(), move.take.end(), TTableSlot { row, slot })
        != move.take.end();
}

// The seats round the table from the mover's left: left, across, right;
// with two players only the one across plays.
std::vector<std::pair<int, int>> OtherSeats(const TMatchState& state, int mover)
{
    std::vector<std::pair<int, int>> seats; // seat, place: 0 left, 1 across, 2 right
    int seat = mover;
    for (int place = 0; place < 3; ++place) {
        seat = (seat + 1) % kSeatCount;
        if (seat != mover && SeatPlays(state.GameMode, seat)) seats.push_back({ seat, place });
    }
    return seats;
}

} // namespace

const QColor TReviewBoard::PlayedColour(0xff, 0x8c, 0x00);
const QColor TReviewBoard::BestColour(0x40, 0xd0, 0xff);

TReviewBoard::TReviewBoard(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Polozaj"));
    Clear();
}

void TReviewBoard::Clear(const QString& note)
{
    FNote = note;
    FDrawn.clear();
    FDeckCount = 0;
    FSize = QSize(2 * kMargin + 2 * kSideWidth + 4 * kMargin + kRowSlots * kSlotStep,
        5 * kMargin + 4 * ZuCardHeight + kRowGap + kLegendHeight);
    updateGeometry();
    update();
}

void TReviewBoard::ShowPosition(const TMatchState& before, const TMove& played,
    const std::optional<TMove>& best, bool everyCard)
{
    FNote.clear();
    LayOut(before, played, best, everyCard);
    updateGeometry();
    update();
}

void TReviewBoard::LayOut(const TMatchState& before, const TMove& played,
    const std::optional<TMove>& best, bool everyCard)
{
    FDrawn.clear();
    const int slots = int(
        std::max({ before.table[0].size(), before.table[1].size(), std::size_t(kHandSlots) }));
    const int tableWidth = slots * kSlotStep - (kSlotStep - ZuCardWidth);
    const int width = 2 * kMargin + 2 * kSideWidth + 4 * kMargin + tableWidth;
    const int tableTop = kMargin + ZuCardHeight + kMargin;
    const int tableLeft = kMargin + kSideWidth + 2 * kMargin;
    const int handTop = tableTop + 2 * ZuCardHeight + kRowGap + kMargin;
    FSize = QSize(width, handTop + ZuCardHeight + kMargin + kLegendHeight + kMargin);

    // The deck, face down, in the corner the hand across leaves free.
    FDeckCount = int(before.deck.size());
    FDeckRect = QRect(kMargin, kMargin, ZuCardWidth, ZuCardHeight);
    if (FDeckCount > 0) FDrawn.push_back({ FDeckRect, kNoCard });

    const int sideTop = tableTop + (2 * ZuCardHeight + kRowGap - ZuCardHeight) / 2;
    for (const auto& [seat, place] : OtherSeats(before, played.seat)) {
        const QPoint corners[] = { { kMargin, sideTop }, { (width - kSideWidth) / 2, kMargin },
            { width - kMargin - kSideWidth, sideTop } };
        AddSideHand(before, seat, corners[place], everyCard);
    }
    for (int row = 0; row < kTableRows; ++row)
        for (int slot = 0; slot < int(before.table[row].size()); ++slot) {
            const int id = before.table[row][slot];
            if (id == kNoCard) continue;
            const QRect rect(tableLeft + slot * kSlotStep,
                tableTop + row * (ZuCardHeight + kRowGap), ZuCardWidth, ZuCardHeight);
            FDrawn.push_back(
                { rect, id, Takes(played, row, slot), best && Takes(*best, row, slot) });
        }
    const int handLeft = (width - (kHandSlots * kSlotStep - (kSlotStep - ZuCardWidth))) / 2;
    const THand& hand = before.hands[played.seat];
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (hand[slot] == kNoCard) continue;
        const QRect rect(handLeft + slot * kSlotStep, handTop, ZuCardWidth, ZuCardHeight);
        FDrawn.push_back(
            { rect, hand[slot], played.handSlot == slot, best && best->handSlot == slot });
    }
}

void TReviewBoard::AddSideHand(const TMatchState& before, int seat, QPoint corner, bool faceUp)
{
    const THand& hand = before.hands[seat];
    const int count = CardsIn(hand);
    // A shorter hand stays centred where a full one would lie.
    QPoint at = corner + QPoint((kHandSlots - count) * kSideStep / 2, 0);
    for (int id : hand) {
        if (id == kNoCard) continue;
        FDrawn.push_back({ QRect(at, QSize(ZuCardWidth, ZuCardHeight)), faceUp ? id : kNoCard });
        at.rx() += kSideStep;
    }
}

std::vector<int> TReviewBoard::FaceIds() const
{
    std::vector<int> ids;
    for (const TDrawnCard& card : FDrawn)
        if (card.id != kNoCard) ids.push_back(card.id);
    return ids;
}

QRect TReviewBoard::LegendRect() const
{
    return QRect(kMargin, FSize.height() - kMargin - kLegendHeight, FSize.width() - 2 * kMargin,
        kLegendHeight);
}

void TReviewBoard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kFelt);
    // The position keeps its size in a larger window and shrinks whole into
    // a smaller one, in the middle either way.
    const qreal scale
        = std::min({ 1.0, qreal(width()) / FSize.width(), qreal(height()) / FSize.height() });
    painter.translate(std::max(0.0, (width() - scale * FSize.width()) / 2),
        std::max(0.0, (height() - scale * FSize.height()) / 2));
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1);
    const int back = BackPictureNumber(cbDefault);
    for (const TDrawnCard& card : FDrawn) {
        if (const QImage* picture = CardPicture(card.id == kNoCard ? back : card.id))
            painter.drawImage(card.rect, *picture);
        // The best move's ring outside the played one's, so a card in both shows both.
        painter.setBrush(Qt::NoBrush);
        if (card.best) {
            painter.setPen(QPen(BestColour, kRing));
            painter.drawRoundedRect(card.rect.adjusted(-6, -6, 6, 6), 5, 5);
        }
        if (card.played) {
            painter.setPen(QPen(PlayedColour, kRing));
            painter.drawRoundedRect(card.rect.adjusted(-2, -2, 2, 2), 4, 4);
        }
    }
    painter.setPen(Qt::white);
    if (FDeckCount > 0)
        painter.drawText(FDeckRect.translated(ZuCardWidth + 6, 0).adjusted(0, 0, 40, 0),
            Qt::AlignLeft | Qt::AlignBottom, tr("Spil: %1").arg(FDeckCount));
    if (FDrawn.empty()) {
        painter.drawText(QRect(QPoint(), FSize), Qt::AlignCenter | Qt::TextWordWrap, FNote);
        return;
    }
    // The legend: a ring of each colour and what it means.
    const QRect legend = LegendRect();
    int x = legend.left();
    for (const auto& [colour, text] : { std::pair { PlayedColour, tr("Tvoj potez") },
             std::pair { BestColour, tr("Najbolji potez") } }) {
        painter.setPen(QPen(colour, kRing));
        painter.drawRoundedRect(QRect(x, legend.top() + 4, 22, 14), 3, 3);
        painter.setPen(Qt::white);
        const QRect words(x + 30, legend.top(), 220, legend.height());
        painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 30 + painter.fontMetrics().horizontalAdvance(text) + 24;
    }
}
