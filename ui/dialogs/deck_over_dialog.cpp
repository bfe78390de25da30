#include "ui/dialogs/deck_over_dialog.h"

#include "cards/zucard.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/window/review_words.h"
#include "ui/window/taken_cards_view.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int ClientWidth = 228;
constexpr int ClientHeight = 277;
constexpr int ButtonStep = 32; // from one seat's button to the next
// Room a push button leaves between its edge and its caption.
constexpr int ButtonPadding = 12;

QLabel* MakeLabel(QWidget* parent, int top)
{
    auto* label = new QLabel(parent);
    // Player names are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->move(16, top);
    return label;
}

// A button caption: "&" would otherwise become a shortcut mark.
QString ButtonText(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

bool TFDeckOverInfoDlg::FOpen = false;

TFDeckOverInfoDlg::TFDeckOverInfoDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Pokupljene karte"));
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    FLastTaker = MakeLabel(this, 16);
    FMostCards = MakeLabel(this, 40);
    FMostCards->setText(tr("Najvise karata (25) odneo Zika"));
    FReview = MakeLabel(this, 64);
    FReview->setObjectName(QStringLiteral("HandReview"));
    // Card signs in their suits' colours; no player's text is in it.
    FReview->setTextFormat(Qt::RichText);
    FReview->hide();

    FBox = new QGroupBox(tr("Pregled karata"), this);
    FBox->setGeometry(16, 64, 193, 161);
    for (int seat = South; seat <= East; ++seat)
        FButtons[seat] = MakeButton(FBox, 24 + 32 * seat);
    for (int seat = South; seat <= East; ++seat)
        connect(
            FButtons[seat], &QPushButton::clicked, this, [this, seat] { ViewSeat(TSeat(seat)); });

    FOK = new QPushButton(tr("OK"), this);
    FOK->setObjectName(QStringLiteral("ButtonOK"));
    FOK->setGeometry(80, 240, 75, 25);
    FOK->setDefault(true);
    connect(FOK, &QPushButton::clicked, this, &QDialog::accept);
    FAnalysis = new QPushButton(tr("&Analiza"), this);
    FAnalysis->setObjectName(QStringLiteral("ButtonAnalysis"));
    FAnalysis->setGeometry(32, 240, 75, 25);
    connect(FAnalysis, &QPushButton::clicked, this, [this] {
        FAnalysisChosen = true;
        accept();
    });
    SetAnalysisAvailable(false);
    FitLabels();
}

TFDeckOverInfoDlg::~TFDeckOverInfoDlg() = default;

QPushButton* TFDeckOverInfoDlg::MakeButton(QWidget* parent, int top)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(32, top, 129, 25);
    // Enter on a seat's focused button opens that seat's cards, as a player
    // on the keyboard expects; elsewhere Enter is OK's.
    button->setAutoDefault(true);
    return button;
}

void TFDeckOverInfoDlg::SetPlayers(TZuCardGroup* South, TZuCardGroup* West, TZuCardGroup* North,
    TZuCardGroup* East, int NumberOfPlayers)
{
    FSeats = { South, West, North, East };
    int shown = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const TZuCardGroup* group = FSeats[seat];
        if (group)
            CaptionButton(seat, *group);
        else
            FButtons[seat]->setText(QString());
        FButtons[seat]->setEnabled(group);
        // The seats nobody plays in are not offered at all.
        const bool seated = NumberOfPlayers != 2 || seat == TSeat::South || seat == TSeat::North;
        FButtons[seat]->setVisible(seated);
        if (seated) FButtons[seat]->move(FButtons[seat]->x(), 24 + ButtonStep * shown++);
    }
    FShownButtons = shown;
    FitLabels();
}

void TFDeckOverInfoDlg::CaptionButton(int seat, const TZuCardGroup& group)
{
    QPushButton* button = FButtons[seat];
    const QString count = QStringLiteral(" (%1)").arg(group.TakenCount());
    const QFontMetrics metrics(button->font());
    const int room = button->width() - ButtonPadding - metrics.horizontalAdvance(count);
    const QString name = metrics.elidedText(group.PlayerName(), Qt::ElideRight, room);
    button->setText(ButtonText(name + count));
    button->setToolTip(name == group.PlayerName() ? QString() : group.PlayerName() + count);
    // Read whole to a screen reader, however the caption is cut.
    button->setAccessibleName(group.PlayerName() + count);
}

void TFDeckOverInfoDlg::SetLastTaker(const QString& Name)
{
    FLastTaker->setText(tr("Karte sa talona pokupio %1").arg(Name));
    FitLabels();
}

void TFDeckOverInfoDlg::SetMostCards(const std::vector<TZuCardGroup*>& groups)
{
    std::vector<const TZuCardGroup*> seats;
    for (const TZuCardGroup* group : groups)
        if (group) seats.push_back(group);
    QString text;
    if (seats.size() == 1) {
        text = tr("Najvise karata (%1) odneo %2")
                   .arg(seats[0]->TakenCount())
                   .arg(seats[0]->PlayerName());
    } else if (!seats.empty()) {
        text = tr("Najvise karata (%1) odneli").arg(seats[0]->TakenCount());
        for (const TZuCardGroup* group : seats)
            text += QLatin1Char(' ') + group->PlayerName();
    }
    FMostCards->setText(text);
    FitLabels();
}

void TFDeckOverInfoDlg::SetHandFigures(const std::vector<THandScoreRow>& rows)
{
    delete FFigures;
    FFigures = nullptr;
    if (!rows.empty()) {
        FFigures = new QWidget(this);
        FFigures->setObjectName(QStringLiteral("HandFigures"));
        auto* grid = new QGridLayout(FFigures);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(1);
        auto text = [this](const QString& s) {
            QLabel* label = MakeLabel(FFigures, 0);
            label->setText(s);
            return label;
        };
        const QString heads[] = { tr("Poeni"), tr("Table"), tr("Bonus") };
        for (int column = 0; column < 3; ++column)
            grid->addWidget(text(heads[column]), 0, column + 1);
        for (int row = 0; row < int(rows.size()); ++row) {
            const THandScoreRow& f = rows[row];
            const int cells[] = { f.points, f.clears, f.bonus };
            grid->addWidget(text(f.name), row + 1, 0);
            for (int column = 0; column < 3; ++column) {
                QLabel* cell = text(QString::number(cells[column]));
                cell->setAlignment(Qt::AlignRight);
                grid->addWidget(cell, row + 1, column + 1);
            }
        }
        FFigures->show();
    }
    FitLabels();
}

void TFDeckOverInfoDlg::SetAnalysisAvailable(bool available)
{
    FAnalysis->setEnabled(available);
    const QString why = available ? QString() : tr("Nijedna ruka jos nije procenjena.");
    FAnalysis->setToolTip(why);
    FAnalysis->setAccessibleDescription(why);
}

void TFDeckOverInfoDlg::SetReview(const THandReview* hand)
{
    FReview->setVisible(hand != nullptr);
    if (!hand) {
        FReview->clear();
    } else if (!ReviewWords::HandJudged(*hand)) {
        FReview->setText(ReviewWords::JudgingLine().toHtmlEscaped());
        FReview->setAccessibleName(ReviewWords::JudgingLine());
    } else {
        FReview->setText(ReviewWords::AccuracyLine(*hand).toHtmlEscaped() + QStringLiteral("<br>")
            + ReviewWords::CostliestLine(*hand, false));
        FReview->setAccessibleName(ReviewWords::AccuracyLine(*hand) + QStringLiteral(". ")
            + ReviewWords::CostliestLine(*hand, true));
    }
    FitLabels();
}

void TFDeckOverInfoDlg::SetViewer(TFPregledKarata* Window)
{
    FViewer = Window;
}

// Long names widen the dialog rather than being cut off; the buttons stay
// in the middle of the wider dialog.
void TFDeckOverInfoDlg::FitLabels()
{
    FLastTaker->adjustSize();
    FMostCards->adjustSize();
    int widest = std::max(FLastTaker->width(), FMostCards->width());
    // The review's lines, then the hand's figures, stand between the two
    // lines and the buttons.
    int reviewHeight = 0;
    if (FReview->isVisibleTo(this)) {
        FReview->adjustSize();
        widest = std::max(widest, FReview->width());
        reviewHeight = FReview->height() + 8;
    }
    int figuresHeight = reviewHeight;
    if (FFigures) {
        FFigures->adjustSize();
        widest = std::max(widest, FFigures->width());
        figuresHeight += FFigures->height() + 8;
    }
    const int width = std::max(ClientWidth, 16 + widest + 16);
    const int shift = (width - ClientWidth) / 2;
    // The box holds the buttons of the seats that play, no empty rows.
    const int fewer = ButtonStep * (4 - FShownButtons);
    if (FFigures) FFigures->move(16, 64 + reviewHeight);
    FBox->setGeometry(16 + shift, 64 + figuresHeight, 193, 161 - fewer);
    FOK->move(121 + shift, 240 + figuresHeight - fewer);
    FAnalysis->move(32 + shift, 240 + figuresHeight - fewer);
    setFixedSize(width, ClientHeight + figuresHeight - fewer);
}

void TFDeckOverInfoDlg::ViewSeat(TSeat seat)
{
    TZuCardGroup* group = FSeats[seat];
    if (FViewer && group) FViewer->ShowTakenBy(*group);
}

int TFDeckOverInfoDlg::Execute()
{
    if (FOpen) return QDialog::Rejected;
    FOpen = true;
    // Cleared however exec() ends.
    struct TClear {
        ~TClear() { FOpen = false; }
    } clear;
    // The dialog opens on OK, so Enter closes it until a seat's button is chosen.
    FOK->setFocus();
    return exec();
}
