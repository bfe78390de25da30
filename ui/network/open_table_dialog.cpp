#include "ui/network/open_table_dialog.h"

#include "game/rules/match_rules.h"
#include "net/protocol/protocol_limits.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/network/net_words.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace zaviko::net;

namespace {

QGroupBox* RadioBox(const QString& title, const QStringList& items, int checked,
    QButtonGroup* group, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], box);
        radio->setChecked(i == checked);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    return box;
}

} // namespace

TFOpenTable::TFOpenTable(
    const TOpenTableChoice& start, const QStringList& addresses, QWidget* parent)
    : QDialog(parent)
    , FMachine(addresses)
{
    setWindowTitle(tr("Otvori sto"));
    setObjectName(QStringLiteral("OpenTable"));
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    FName = new QLineEdit(start.name, this);
    FName->setMaxLength(kMaxNameChars);
    FName->setObjectName(QStringLiteral("EditName"));
    form->addRow(tr("&Tvoje ime:"), FName);
    layout->addLayout(form);
    layout->addWidget(BuildGame(start));
    layout->addWidget(BuildSeats(start));
    auto* net = new QFormLayout;
    FPort = new QSpinBox(this);
    FPort->setObjectName(QStringLiteral("SpinPort"));
    FPort->setRange(1024, 65535);
    FPort->setValue(start.port);
    net->addRow(tr("&Port:"), FPort);
    FAddresses = new QLabel(this);
    FAddresses->setObjectName(QStringLiteral("LabelAddresses"));
    FAddresses->setWordWrap(true);
    FAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse);
    net->addRow(tr("Adrese ovog racunara:"), FAddresses);
    layout->addLayout(net);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("Otvori sto"), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("ButtonOpen"));
    open->setDefault(true);
    // Every seat shows its player's name: a nameless host cannot open.
    connect(FName, &QLineEdit::textChanged, open,
        [open](const QString& text) { open->setEnabled(!text.trimmed().isEmpty()); });
    open->setEnabled(!FName->text().trimmed().isEmpty());
    buttons->addButton(tr("Odustani"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    connect(FPort, &QSpinBox::valueChanged, this, &TFOpenTable::ShowAddresses);
    connect(FMode, &QButtonGroup::idClicked, this, &TFOpenTable::ModeChanged);
    ShowAddresses();
    ModeChanged();
}

QWidget* TFOpenTable::BuildGame(const TOpenTableChoice& start)
{
    auto* game = new QGroupBox(tr("Igra"), this);
    auto* layout = new QGridLayout(game);
    FMode = new QButtonGroup(this);
    FDecks = new QButtonGroup(this);
    layout->addWidget(
        RadioBox(tr("Broj igraca"),
            { tr("4 igraca, svako za sebe"), tr("4 igraca u parove"), tr("2 igraca") },
            start.options.mode, FMode, game),
        0, 0);
    layout->addWidget(RadioBox(tr("Broj spilova"), { QStringLiteral("1"), QStringLiteral("2") },
                          start.options.decks, FDecks, game),
        0, 1);
    FClockwise = new QCheckBox(tr("Igra u smeru kazaljke na satu"), game);
    FClockwise->setChecked(start.options.clockwise);
    layout->addWidget(FClockwise, 1, 0, 1, 2);
    FHints = new QCheckBox(tr("Dozvoli \"Savet\" za ovim stolom"), game);
    FHints->setObjectName(QStringLiteral("CheckHints"));
    FHints->setChecked(start.options.hints);
    layout->addWidget(FHints, 2, 0, 1, 2);
    return game;
}

QWidget* TFOpenTable::BuildSeats(const TOpenTableChoice& start)
{
    auto* box = new QGroupBox(tr("Ko sedi za stolom"), this);
    auto* form = new QFormLayout(box);
    // Named as the host sees the table: W on the left, N across, E on the right.
    const QString places[] = { {}, tr("Levo:"), tr("Preko puta:"), tr("Desno:") };
    for (int seat : { SeatW, SeatN, SeatE }) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(QStringLiteral("ComboSeat%1").arg(seat));
        combo->addItem(tr("covek (po pozivu)"), -1);
        for (int strength : kStrengthOrder)
            combo->addItem(tr("racunar: %1").arg(StrengthName(strength)), strength);
        combo->setCurrentIndex(std::max(0, combo->findData(start.seats[seat])));
        form->addRow(places[seat], combo);
        FSeats[seat] = combo;
    }
    return box;
}

// Two players sit S and N: the side seats have nobody to choose.
void TFOpenTable::ModeChanged()
{
    const int mode = FMode->checkedId();
    for (int seat : { SeatW, SeatE })
        FSeats[seat]->setEnabled(SeatPlays(mode, seat));
}

void TFOpenTable::ShowAddresses()
{
    QStringList shown;
    for (const QString& address : FMachine)
        shown << QStringLiteral("%1:%2").arg(address).arg(FPort->value());
    FAddresses->setText(shown.join(QStringLiteral(", ")));
}

TOpenTableChoice TFOpenTable::Choice() const
{
    TOpenTableChoice c;
    c.name = FName->text().trimmed();
    c.options.mode = FMode->checkedId();
    c.options.decks = FDecks->checkedId();
    c.options.clockwise = FClockwise->isChecked();
    c.options.hints = FHints->isChecked();
    for (int seat : { SeatW, SeatN, SeatE })
        c.seats[seat] = SeatPlays(c.options.mode, seat) ? FSeats[seat]->currentData().toInt() : -1;
    c.port = quint16(FPort->value());
    return c;
}
