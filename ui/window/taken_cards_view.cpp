#include "ui/window/taken_cards_view.h"

#include "cards/zucard.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/access/card_words.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor clGreen(0x00, 0x80, 0x00);

// A row is 26 cards 16 pixels apart: 16·25 + 71 = 471 wide, 96 high; rows
// are 104 apart and 16 from the top.
constexpr int RowWidth = 16 * (TFPregledKarata::SlotsPerRow - 1) + ZuCardWidth;
constexpr int RowStep = 104;
constexpr int Margin = 16;
constexpr int ClientWidth = 551;
constexpr int RowLeft = (ClientWidth - RowWidth) / 2;

void PaintGreen(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, clGreen);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

} // namespace

TFPregledKarata::TFPregledKarata(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Pregled karata"));
    // Cards at their own size; no text to grow with the window's.
    KeepDialogSize(this);
    PaintGreen(*this);
    // The rows sit on a surface of their own, so a screen too small for four
    // rows still reaches every card by scrolling.
    FScroll = new QScrollArea(this);
    FScroll->setFrameShape(QFrame::NoFrame);
    FScroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PaintGreen(*FScroll->viewport());
    FContent = new QWidget;
    PaintGreen(*FContent);
    for (int k = 0; k < RowCount; ++k)
        FRows[k] = MakeRow(FContent, k);
    FScroll->setWidget(FContent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FScroll);
    ShowCards({});
}

TFPregledKarata::~TFPregledKarata() = default;

TZuCardGroup* TFPregledKarata::MakeRow(QWidget* parent, int k)
{
    auto* row = new TZuCardGroup(parent);
    row->setObjectName(k == 0 ? QStringLiteral("Karte") : QStringLiteral("Karte%1").arg(k + 1));
    row->SetBrushColor(clGreen);
    row->SetShowBack(false);
    row->SetCascadeStyle(csTight);
    row->SetSortStyle(soValue);
    row->SetShowSortStyle(soValue);
    row->SetController(ctHuman);
    row->SetAutoSize(true);
    // A screen reader reads the cards by name, as on the table.
    row->AccessibleCardText
        = [](const TZuSingleCard& card) { return CardWords::CardOnScreen(card); };
    // Loaded, so the row is drawn once rather than again at every slot added.
    row->BeginLoad();
    for (int i = 0; i < SlotsPerRow; ++i) {
        TZuSingleCard& card = row->CardList().Add().Card();
        card.SetShowBack(false);
        card.SetEmpty(true);
    }
    row->Loaded();
    // Every row shares the first row's left edge, centred in the window.
    row->move(RowLeft, Margin + RowStep * k);
    return row;
}

void TFPregledKarata::SetPlayer(const QString& Name)
{
    const bool own
        = Name == QLatin1String("Ja") || Name == QLatin1String("JA") || Name == QLatin1String("ja");
    setWindowTitle(own ? tr("Karte koje sam ja odneo") : tr("Karte koje je odneo %1").arg(Name));
}

void TFPregledKarata::ShowTakenBy(const TZuCardGroup& group)
{
    if (IsOpen()) return;
    std::vector<int> ids;
    for (int i = 0; i < group.TakenCount(); ++i)
        ids.push_back(group.TakenID(i));
    SetPlayer(group.PlayerName());
    ShowCards(ids);
    Execute();
}

void TFPregledKarata::ShowCards(const std::vector<int>& ids)
{
    const int n = std::min<int>(int(ids.size()), MaxCards);
    FRowsShown = std::max(1, (n + SlotsPerRow - 1) / SlotsPerRow);
    for (int k = 0; k < RowCount; ++k) {
        FillRow(*FRows[k], ids, k * SlotsPerRow);
        FRows[k]->setVisible(k < FRowsShown);
    }
    FitToRows();
}

// Emptied first, so a full row sorts itself only once all its new cards are
// in: the group sorts when its last slot is painted holding a card.
void TFPregledKarata::FillRow(TZuCardGroup& row, const std::vector<int>& ids, int first)
{
    row.EmptyAll();
    const int end = std::min<int>(int(ids.size()), first + SlotsPerRow);
    for (int i = first; i < end && i < MaxCards; ++i) {
        TZuSingleCard* card = row.CardAt(i - first);
        card->SetID(ids[i]);
        card->SetEmpty(false);
    }
}

QSize TFPregledKarata::ContentSize() const
{
    return QSize(ClientWidth, Margin + RowStep * FRowsShown - (RowStep - ZuCardHeight) + Margin);
}

void TFPregledKarata::FitToRows()
{
    const QSize wanted = ContentSize();
    FContent->setFixedSize(wanted);
    QSize size = wanted;
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        // Leave room for the window frame the system adds.
        const QSize room = s->availableGeometry().size() - QSize(16, 48);
        size = size.boundedTo(room);
    }
    resize(size);
}

bool TFPregledKarata::Execute()
{
    if (IsOpen()) return false;
    // Over every window, the end-of-hand dialog included, as exec() would.
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    return true;
}

void TFPregledKarata::CloseIfOpen()
{
    if (IsOpen()) reject();
}
