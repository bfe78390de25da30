#include "ui/dialogs/statistics_dialog.h"

#include "platform/message_sink.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/desktop/language.h"
#include "game/controller/statistics_store.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <functional>

namespace {

// Which store a row reads.
enum class TFrom { Plain, WithUndo, Network };

struct TRow {
    const char* caption;
    // The cell's text for a record that has seen at least one hand or match.
    std::function<QString(const TModeStatistics&)> text;
    TFrom from = TFrom::Plain;
};

QString Count(long long n)
{
    return QString::number(n);
}

// An average of nothing is shown as a dash, not as a zero the player earned.
// Written as the language in use writes a fraction.
QString Average(double value, long long of)
{
    return of ? DecimalText(value, 2) : "-";
}

const std::array<TRow, 12>& Rows()
{
    static const std::array<TRow, 12> rows { {
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Odigrane partije"),
            [](const TModeStatistics& r) { return Count(r.played); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Pobede"),
            [](const TModeStatistics& r) { return Count(r.won); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Najbolji rezultat"),
            [](const TModeStatistics& r) { return r.played ? Count(r.bestScore) : "-"; } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Prosecan rezultat"),
            [](const TModeStatistics& r) { return Average(r.AverageScore(), r.played); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Odnete table po deljenju"),
            [](const TModeStatistics& r) { return Average(r.ClearsPerHand(), r.hands); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Bonusi za najvise karata po deljenju"),
            [](const TModeStatistics& r) { return Average(r.BonusesPerHand(), r.hands); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Korisceni saveti"),
            [](const TModeStatistics& r) { return Count(r.hints); } },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Partije sa vracenim potezom"),
            [](const TModeStatistics& r) { return Count(r.played); }, TFrom::WithUndo },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Pobede sa vracenim potezom"),
            [](const TModeStatistics& r) { return Count(r.won); }, TFrom::WithUndo },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Partije preko mreze"),
            [](const TModeStatistics& r) { return Count(r.played); }, TFrom::Network },
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Pobede preko mreze"),
            [](const TModeStatistics& r) { return Count(r.won); }, TFrom::Network },
        // The review's mean "Preciznost" of the hands judged.
        { QT_TRANSLATE_NOOP("TStatisticsDialog", "Prosecna preciznost"),
            [](const TModeStatistics& r) {
                return r.reviewed ? QString::number(qRound(r.MeanAccuracy())) + '%' : "-";
            } },
    } };
    return rows;
}

QString ColumnCaption(int mode, int decks)
{
    static const char* modes[] = { QT_TRANSLATE_NOOP("TStatisticsDialog", "Svako za sebe"),
        QT_TRANSLATE_NOOP("TStatisticsDialog", "U parove"),
        QT_TRANSLATE_NOOP("TStatisticsDialog", "2 igraca") };
    return TStatisticsDialog::tr(modes[mode]) + '\n'
        + (decks == 0 ? TStatisticsDialog::tr("1 spil") : TStatisticsDialog::tr("2 spila"));
}

} // namespace

TStatisticsDialog::TStatisticsDialog(
    TStatisticsStore& store, TStatisticsStore* withUndo, TStatisticsStore* network, QWidget* parent)
    : QDialog(parent)
    , FStore(store)
    , FWithUndo(withUndo)
    , FNetwork(network)
{
    setWindowTitle(tr("Statistika"));
    setFont(DialogFont());
    FTable = new QTableWidget(int(Rows().size()), kStatisticModes * kStatisticDecks, this);
    FTable->setObjectName(QStringLiteral("Tabela"));
    FTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTable->setSelectionMode(QAbstractItemView::NoSelection);
    FTable->setFocusPolicy(Qt::NoFocus);
    for (int mode = 0; mode < kStatisticModes; ++mode)
        for (int decks = 0; decks < kStatisticDecks; ++decks)
            FTable->setHorizontalHeaderItem(
                mode * kStatisticDecks + decks, new QTableWidgetItem(ColumnCaption(mode, decks)));
    for (int row = 0; row < int(Rows().size()); ++row)
        FTable->setVerticalHeaderItem(row, new QTableWidgetItem(tr(Rows()[row].caption)));
    FTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* reset = new QPushButton(tr("Ponisti"), this);
    reset->setObjectName(QStringLiteral("ButtonReset"));
    auto* close = new QPushButton(tr("Zatvori"), this);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setDefault(true);
    connect(reset, &QPushButton::clicked, this, &TStatisticsDialog::ResetClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTable);
    layout->addLayout(buttons);
    Refresh();
    // The whole table in view, without scroll bars.
    FTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TStatisticsDialog::Refresh()
{
    const TMatchStatistics& stats = FStore.Statistics();
    const TMatchStatistics none;
    const TMatchStatistics& withUndo = FWithUndo ? FWithUndo->Statistics() : none;
    const TMatchStatistics& network = FNetwork ? FNetwork->Statistics() : none;
    for (int mode = 0; mode < kStatisticModes; ++mode)
        for (int decks = 0; decks < kStatisticDecks; ++decks)
            for (int row = 0; row < int(Rows().size()); ++row) {
                const TFrom source = Rows()[row].from;
                const TMatchStatistics& from = source == TFrom::WithUndo ? withUndo
                    : source == TFrom::Network                           ? network
                                                                         : stats;
                auto* item = new QTableWidgetItem(Rows()[row].text(from.Of(mode, decks)));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                FTable->setItem(row, mode * kStatisticDecks + decks, item);
            }
}

void TStatisticsDialog::ResetClick()
{
    if (!MessageSink().DestructiveConfirmation(
            tr("Da li zaista zelis da ponistis svu statistiku?").toStdString()))
        return;
    bool reset = FStore.Reset();
    for (TStatisticsStore* apart : { FWithUndo, FNetwork })
        if (apart) reset = apart->Reset() && reset;
    if (!reset)
        MessageSink().Error(tr("Ponistena statistika nije mogla da se sacuva.").toStdString());
    Refresh();
}
