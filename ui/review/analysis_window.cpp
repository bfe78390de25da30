#include "ui/review/analysis_window.h"

#include "game/review/review_marks.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/dialogs/mnemonics.h"
#include "ui/review/review_board.h"
#include "ui/review/review_words.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <functional>

TFAnaliza::TFAnaliza(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Analiza"));
    setWindowTitle(tr("Analiza"));
    setFont(DialogFont());
    setModal(false);
    // A window beside the game, with the system's own buttons.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    FHeading = new QLabel(this);
    QFont bold = FHeading->font();
    bold.setBold(true);
    FHeading->setFont(bold);
    FViewName = new QLabel(this);
    FEveryCard = new QCheckBox(tr("Sve karte otkrivene"), this);
    FEveryCard->setObjectName(QStringLiteral("SveKarte"));
    connect(FEveryCard, &QCheckBox::toggled, this,
        [this](bool on) { SetView(on ? ReviewView::EveryCard : ReviewView::Fair); });
    auto* top = new QHBoxLayout;
    top->addWidget(FHeading);
    top->addStretch();
    top->addWidget(FViewName);
    top->addSpacing(12);
    top->addWidget(FEveryCard);

    FBoard = new TReviewBoard(this);
    FLines = new QLabel(this);
    FLines->setTextFormat(Qt::PlainText);
    FLines->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The lines say the judging goes on; the bar beside them moves while it
    // does, and its room stays when it hides, so the window never jumps.
    FBusyBar = new QProgressBar(this);
    FBusyBar->setRange(0, 0); // how long a hand takes is not known
    FBusyBar->setTextVisible(false);
    FBusyBar->setFixedWidth(160);
    FBusyBar->setAccessibleName(TReviewWords::Judging());
    QSizePolicy keepRoom = FBusyBar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    FBusyBar->setSizePolicy(keepRoom);
    auto* lines = new QHBoxLayout;
    lines->addWidget(FLines, 1);
    lines->addWidget(FBusyBar, 0, Qt::AlignTop);

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    FPrevHand = button(tr("Prethodna ruka"), "PrethodnaRuka");
    FPrevMove = button(tr("Prethodni potez"), "PrethodniPotez");
    FNextMove = button(tr("Sledeci potez"), "SledeciPotez");
    FNextHand = button(tr("Sledeca ruka"), "SledecaRuka");
    QPushButton* close = button(tr("Zatvori"), "Zatvori");
    connect(FPrevHand, &QPushButton::clicked, this, [this] { StepHand(-1); });
    connect(FPrevMove, &QPushButton::clicked, this, [this] { StepMove(-1); });
    connect(FNextMove, &QPushButton::clicked, this, [this] { StepMove(1); });
    connect(FNextHand, &QPushButton::clicked, this, [this] { StepHand(1); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { FPrevHand, FPrevMove, FNextMove, FNextHand })
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FBoard, 1);
    layout->addLayout(lines);
    layout->addLayout(buttons);
    AssignMnemonics(this);
    MakeKeys();
    ShowNoHand();
}

TFAnaliza::~TFAnaliza() = default;

// The keys step wherever the focus is in the window; they are the window's
// own, not the game's, so the table's keys stay as they are.
void TFAnaliza::MakeKeys()
{
    const std::pair<int, std::function<void()>> keys[] = {
        { Qt::Key_Left, [this] { StepMove(-1); } },
        { Qt::Key_Right, [this] { StepMove(1); } },
        { Qt::Key_PageUp, [this] { StepHand(-1); } },
        { Qt::Key_PageDown, [this] { StepHand(1); } },
        { Qt::Key_Home, [this] { GoTo(FHand, 0); } },
        { Qt::Key_End, [this] { GoTo(FHand, INT_MAX); } },
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, step);
    }
}

void TFAnaliza::SetReviews(const std::vector<THandReview>& reviews)
{
    const int shownHand = FHand >= 0 ? FReviews[FHand].hand : -1;
    const int shownMove = FMove;
    FReviews = reviews;
    const auto same = std::find_if(FReviews.begin(), FReviews.end(),
        [shownHand](const THandReview& r) { return r.hand == shownHand; });
    if (same != FReviews.end())
        GoTo(int(same - FReviews.begin()), shownMove);
    else
        ShowLatestHand();
}

void TFAnaliza::ShowLatestHand()
{
    GoTo(int(FReviews.size()) - 1, 0);
}

void TFAnaliza::ShowWindow()
{
    show();
    raise();
    activateWindow();
    FBoard->setFocus();
}

void TFAnaliza::GoTo(int hand, int move)
{
    if (FReviews.empty()) {
        FHand = FMove = -1;
        ShowNoHand();
        return;
    }
    FHand = std::clamp(hand, 0, int(FReviews.size()) - 1);
    const int moves = int(FReviews[FHand].moves.size());
    FMove = moves == 0 ? -1 : std::clamp(move, 0, moves - 1);
    ShowPosition();
}

void TFAnaliza::StepMove(int delta)
{
    if (FHand >= 0) GoTo(FHand, FMove + delta);
}

// Past the first or the last hand the position stays as it is.
void TFAnaliza::StepHand(int delta)
{
    const int hand = FHand + delta;
    if (FHand >= 0 && hand >= 0 && hand < int(FReviews.size())) GoTo(hand, 0);
}

void TFAnaliza::SetView(ReviewView view)
{
    FView = view;
    // The box follows a view set from outside, without a second round.
    const QSignalBlocker quiet(FEveryCard);
    FEveryCard->setChecked(view == ReviewView::EveryCard);
    if (FHand >= 0)
        ShowPosition();
    else
        ShowNoHand();
}

bool TFAnaliza::Judging() const
{
    if (FHand < 0) return false;
    const auto& moves = FReviews[FHand].moves;
    return std::any_of(moves.begin(), moves.end(),
        [this](const TReviewedMove& m) { return JudgedMoves(m, FView).empty(); });
}

QString TFAnaliza::StepText() const
{
    return FHeading->text() + QLatin1Char('\n') + FLines->text();
}

void TFAnaliza::ShowNoHand()
{
    FHeading->setText(tr("Analiza"));
    FViewName->setText(TReviewWords::ViewName(FView));
    FLines->setText(tr("Nijedna ruka jos nije procenjena."));
    FBoard->Clear(FLines->text());
    FBusyBar->setVisible(false);
    for (QPushButton* b : { FPrevHand, FPrevMove, FNextMove, FNextHand })
        b->setEnabled(false);
    Describe(StepText());
}

void TFAnaliza::ShowPosition()
{
    const THandReview& review = FReviews[FHand];
    const int moves = int(review.moves.size());
    FViewName->setText(TReviewWords::ViewName(FView));
    FBusyBar->setVisible(Judging());
    FPrevHand->setEnabled(FHand > 0);
    FNextHand->setEnabled(FHand + 1 < int(FReviews.size()));
    FPrevMove->setEnabled(FMove > 0);
    FNextMove->setEnabled(FMove + 1 < moves);
    if (FMove < 0) {
        FHeading->setText(TReviewWords::Heading(review.hand, 0, 0));
        FLines->setText(QString());
        FBoard->Clear();
    } else {
        const TReviewedMove& shown = review.moves[FMove];
        FHeading->setText(TReviewWords::Heading(review.hand, FMove + 1, moves));
        FLines->setText(TReviewWords::Lines(shown, FView).join(QLatin1Char('\n')));
        const TJudgedMove* best = BestMove(shown, FView);
        FBoard->ShowPosition(shown.before, shown.played,
            best ? std::optional<TMove>(best->move) : std::nullopt, FView == ReviewView::EveryCard);
    }
    Describe(StepText());
}

// A screen reader reads the shown position as the board's description, so
// each step is read as it is taken.
void TFAnaliza::Describe(const QString& text)
{
    const QString described = FViewName->text() + QLatin1Char('\n') + text;
    if (FBoard->accessibleDescription() == described) return;
    FBoard->setAccessibleDescription(described);
    QAccessibleEvent changed(FBoard, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
