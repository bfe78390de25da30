#include "ui/network/waiting_room.h"

#include "net/protocol/invitation.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/network/chat_panel.h"
#include "ui/network/net_words.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace zaviko::net;

TFWaitingRoom::TFWaitingRoom(TNetSession& session, const QStringList& addresses, QWidget* parent)
    : QDialog(parent)
    , FSession(session)
    , FMachine(addresses)
{
    setWindowTitle(tr("Sto za igru preko mreze"));
    setObjectName(QStringLiteral("WaitingRoom"));
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    FStatus = new QLabel(tr("Povezivanje sa stolom..."), this);
    FStatus->setObjectName(QStringLiteral("LabelStatus"));
    FStatus->setWordWrap(true);
    layout->addWidget(FStatus);
    layout->addWidget(BuildInvitation(addresses));
    FSeats = new QTableWidget(kSeatCount, 5, this);
    FSeats->setObjectName(QStringLiteral("SeatTable"));
    FSeats->setHorizontalHeaderLabels({ tr("Mesto"), tr("Ime"), tr("Igra"), tr("Veza"), {} });
    FSeats->verticalHeader()->hide();
    FSeats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FSeats->setSelectionMode(QAbstractItemView::NoSelection);
    FSeats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FSeats->horizontalHeader()->setStretchLastSection(true);
    FSeats->setMinimumWidth(560);
    FSeats->setFixedHeight(FSeats->horizontalHeader()->sizeHint().height()
        + kSeatCount * FSeats->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(FSeats);
    FChat = new TChatPanel(this);
    FChat->setMinimumHeight(140);
    FChat->OnSend = [this](const QString& text) { FSession.Chat(text); };
    layout->addWidget(FChat, 1);
    auto* buttons = new QDialogButtonBox(this);
    FStart = buttons->addButton(tr("Pocni partiju"), QDialogButtonBox::ActionRole);
    FStart->setObjectName(QStringLiteral("ButtonStart"));
    connect(FStart, &QPushButton::clicked, this, [this] { FSession.Start(); });
    buttons->addButton(tr("Napusti sto"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ButtonLeave"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FChat->SetLines(session.ChatLines());
    Refresh();
}

QWidget* TFWaitingRoom::BuildInvitation(const QStringList& addresses)
{
    FInvitation = new QWidget(this);
    auto* form = new QFormLayout(FInvitation);
    form->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    FLink = new QLineEdit(FInvitation);
    FLink->setObjectName(QStringLiteral("EditLink"));
    FLink->setReadOnly(true);
    // Wide enough for a whole link: 64 bits of table and 128 of code in hex.
    FLink->setMinimumWidth(FLink->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 80);
    row->addWidget(FLink, 1);
    auto* copy = new QPushButton(tr("Kopiraj"), FInvitation);
    copy->setObjectName(QStringLiteral("ButtonCopy"));
    connect(copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(FLink->text());
        ShowStatus(tr("Poziv je kopiran. Posalji ga onima s kojima igras."));
    });
    row->addWidget(copy);
    form->addRow(tr("Poziv:"), row);
    FAddresses = new QLabel(FInvitation);
    FAddresses->setObjectName(QStringLiteral("LabelAddresses"));
    FAddresses->setWordWrap(true);
    FAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(tr("Adrese ovog racunara:"), FAddresses);
    return FInvitation;
}

void TFWaitingRoom::Refresh()
{
    const bool host = FSession.Host();
    FInvitation->setVisible(host);
    FStart->setVisible(host);
    if (host && FLink->text() != FSession.Link()) {
        FLink->setText(FSession.Link());
        // The start says where the table is; the whole link is copied anyway.
        FLink->setCursorPosition(0);
        // The same table at each of this machine's addresses.
        QStringList others;
        if (const auto invitation = ParseInvitation(FSession.Link()))
            for (const QString& address : FMachine)
                others << QStringLiteral("%1:%2").arg(address).arg(invitation->port);
        FAddresses->setText(others.join(QStringLiteral(", ")));
    }
    for (int seat = SeatS; seat <= SeatE; ++seat)
        FillSeat(seat);
    const bool filled = FSession.SeatsFilled();
    const bool canStart = host && filled && !FSession.Started();
    // Once every seat is filled, Enter starts: the host's next step.
    if (canStart && !FStart->isEnabled()) {
        FStart->setEnabled(true);
        FStart->setDefault(true);
        FStart->setFocus();
    }
    FStart->setEnabled(canStart);
    if (FSession.Phase() == SessionPhase::Waiting)
        ShowStatus(!filled ? tr("Cekaju se igraci.")
                : host     ? tr("Svi su za stolom. Mozes da pocnes partiju.")
                           : tr("Svi su za stolom. Domacin pocinje partiju."));
}

void TFWaitingRoom::FillSeat(int seat)
{
    const TNetSeat& s = FSession.Seats()[seat];
    QString place = SeatPlaceName(seat);
    if (seat == FSession.Seat()) place = tr("%1 (ti)").arg(place);
    // A seat the mode leaves empty says so and nothing more.
    const bool plays = FSession.SeatPlays(seat);
    const QString texts[] = { place, plays ? s.name : QString(),
        plays ? SeatPlayerText(s) : tr("ne igra"), plays ? SeatConnectionText(s) : QString() };
    for (int column = 0; column < 4; ++column) {
        auto* item = FSeats->item(seat, column);
        if (!item) FSeats->setItem(seat, column, item = new QTableWidgetItem);
        item->setText(texts[column]);
    }
    // The host may give a seat still waiting for a person to a computer.
    const bool offer = FSession.Host() && seat != SeatS && plays && s.kind == SeatKind::Free;
    if (offer && !FSeats->cellWidget(seat, 4)) {
        // The button keeps its own width; the cell around it stretches.
        auto* cell = new QWidget(FSeats);
        auto* row = new QHBoxLayout(cell);
        row->setContentsMargins(2, 0, 2, 0);
        auto* give = new QPushButton(tr("Daj racunaru"), cell);
        give->setObjectName(QStringLiteral("ButtonGive%1").arg(seat));
        connect(give, &QPushButton::clicked, this,
            [this, seat] { FSession.SetSeat(seat, SeatUse::Computer, 3); });
        row->addWidget(give);
        row->addStretch(1);
        FSeats->setCellWidget(seat, 4, cell);
    } else if (!offer && FSeats->cellWidget(seat, 4)) {
        FSeats->removeCellWidget(seat, 4);
    }
}

void TFWaitingRoom::AddChat(const TChatLine& line)
{
    FChat->AddLine(line);
}

void TFWaitingRoom::ShowStatus(const QString& text)
{
    FStatus->setText(text);
}
