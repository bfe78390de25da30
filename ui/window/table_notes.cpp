#include "ui/window/table_notes.h"

#include "game/rules/capture_search.h"
#include "game/rules/card_points.h"
#include "ui/window/badge_label.h"
#include "ui/window/raise_over.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace {

constexpr int kGap = 8;

QLabel* Note(QWidget* table, const TBadgeLabel::TLook& look, int pixelSize)
{
    auto* label = new TBadgeLabel(table, look);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->hide();
    return label;
}

QString Tr(const char* text)
{
    return QCoreApplication::translate("TTableNotes", text);
}

} // namespace

TTableNotes::TTableNotes(QWidget* table)
    : QObject(table)
    , FPause(Note(table, { QColor(0, 0, 0, 150), Qt::white, 8, 24, 6, 2 }, 28))
    , FOnTurn(Note(table, { QColor(0, 0, 0, 70), QColor(0xff, 0xe0, 0x4d), 3, 4, 0 }, 11))
    , FSum(Note(table, { QColor(0, 0, 0, 70), Qt::white, 3, 6, 0 }, 12))
{
    FPause->setObjectName(QStringLiteral("PauseMark"));
    FOnTurn->setObjectName(QStringLiteral("OnTurnMark"));
    FSum->setObjectName(QStringLiteral("SumMark"));
    FPause->setText(Tr(QT_TRANSLATE_NOOP("TTableNotes", "Pauza")));
    FOnTurn->setText(Tr(QT_TRANSLATE_NOOP("TTableNotes", "Na potezu si")));
}

QString TTableNotes::SumText(const std::vector<int>& ids)
{
    if (ids.empty()) return QString();
    int sum = 0, aces = 0;
    for (int id : ids) {
        const int value = CardValue(id);
        aces += value == kAceValue;
        sum += value == kAceValue ? kAceAsOne : CaptureSumValue(value);
    }
    QString text = Tr(QT_TRANSLATE_NOOP("TTableNotes", "Zbir: %1")).arg(sum);
    for (int ace = 1; ace <= aces; ++ace)
        text += Tr(QT_TRANSLATE_NOOP("TTableNotes", " ili %1"))
                    .arg(sum + ace * (kAceAsEleven - kAceAsOne));
    return text;
}

void TTableNotes::ShowPaused(bool paused)
{
    FPause->setVisible(paused);
    Place(FRows, FHumanName);
}

void TTableNotes::ShowHumanOnTurn(bool onTurn)
{
    FOnTurn->setVisible(onTurn);
    Place(FRows, FHumanName);
}

void TTableNotes::ShowMarkedCards(const std::vector<int>& ids)
{
    FSum->setText(SumText(ids));
    FSum->setVisible(!ids.empty());
    Place(FRows, FHumanName);
}

void TTableNotes::Place(const QRect& rows, const QLabel* humanName)
{
    FRows = rows;
    FHumanName = humanName;
    if (!humanName) return;
    // A hidden note is measured and placed when it shows: each Show* places
    // the notes again after its change.
    for (QLabel* note : { FPause, FOnTurn, FSum })
        if (!note->isHidden()) note->adjustSize();
    if (!FPause->isHidden()) FPause->move(rows.center() - FPause->rect().center());
    if (!FOnTurn->isHidden())
        FOnTurn->move(humanName->x() - kGap - FOnTurn->width(),
            humanName->y() + (humanName->height() - FOnTurn->height()) / 2);
    // In the strip between the lower row and the human's name.
    const int strip = humanName->y() - (rows.bottom() + 1);
    if (!FSum->isHidden())
        FSum->move(rows.center().x() - FSum->width() / 2,
            rows.bottom() + 1 + std::max(0, (strip - FSum->height()) / 2));
    for (QLabel* note : { FPause, FOnTurn, FSum })
        if (note->isVisible()) RaiseOverSiblings(note);
}
