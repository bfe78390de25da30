#include "ui/window/move_history_panel.h"

#include "ui/window/seat_marks.h"

#include <QAction>
#include <QScrollBar>
#include <QTextBrowser>

#include <algorithm>
#include <utility>

TMoveHistoryPanel::TMoveHistoryPanel(std::function<QString(int seat)> seatName, QWidget* parent)
    : QDockWidget(tr("Tok igre"), parent)
    , FSeatName(std::move(seatName))
{
    setObjectName(QStringLiteral("TokIgre"));
    // Docked on either side; a floating panel could be lost behind the window.
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // The menu's check turns before the panel shows, and whoever follows it
    // may measure the panel: the text is there first.
    connect(toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (shown) Text();
    });
}

QTextBrowser* TMoveHistoryPanel::Text()
{
    if (FText) return FText;
    FText = new QTextBrowser(this);
    FText->setObjectName(QStringLiteral("TokIgreTekst"));
    FText->setAccessibleName(tr("Tok igre"));
    FText->setAccessibleDescription(tr("Svi potezi partije, po deljenjima"));
    FText->setFocusPolicy(Qt::NoFocus);
    // One width, so the window can take it on and off and the table keep its size.
    FText->setFixedWidth(PanelWidth);
    // The table's green, so the red suits read as they do in the marks.
    FText->setStyleSheet(
        QStringLiteral("QTextBrowser { background: #004d00; color: white; border: none; }"));
    setWidget(FText);
    Rebuild();
    return FText;
}

void TMoveHistoryPanel::setVisible(bool visible)
{
    // Before the show, so the panel's size counts the text's width.
    if (visible) Text();
    QDockWidget::setVisible(visible);
}

void TMoveHistoryPanel::ShowHistory(const TMoveHistory& history)
{
    const bool grows = history.size() >= FShown.size()
        && std::equal(FShown.begin(), FShown.end(), history.begin());
    if (!grows) {
        FShown = history;
        Rebuild();
        return;
    }
    for (std::size_t i = FShown.size(); i < history.size(); ++i) {
        FShown.push_back(history[i]);
        if (FText) Append(FShown.back(), i > 0 ? &FShown[i - 1] : nullptr);
    }
    ScrollToEnd();
}

void TMoveHistoryPanel::Rebuild()
{
    if (!FText) return;
    FText->clear();
    for (std::size_t i = 0; i < FShown.size(); ++i)
        Append(FShown[i], i > 0 ? &FShown[i - 1] : nullptr);
    ScrollToEnd();
}

void TMoveHistoryPanel::ScrollToEnd()
{
    if (FText) FText->verticalScrollBar()->setValue(FText->verticalScrollBar()->maximum());
}

void TMoveHistoryPanel::Append(const TMoveRecord& move, const TMoveRecord* before)
{
    if (!before || before->hand != move.hand)
        FText->append(QStringLiteral("<p style=\"margin-top:6px\"><b>%1</b></p>")
                          .arg(tr("Deljenje %1").arg(move.hand + 1)));
    // A name is the player's text, never markup.
    FText->append(QStringLiteral("<p>%1: %2</p>")
                      .arg(FSeatName(move.seat).toHtmlEscaped(),
                          TSeatMarks::MoveHtml(move.playedId, move.takenIds)));
}
