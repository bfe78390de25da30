#include "ui/network/chat_panel.h"

#include "net/protocol/protocol_limits.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace zaviko::net;

TChatPanel::TChatPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChatPanel"));
    // Room for a line to write beside the table.
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    FLines = new QListWidget(this);
    FLines->setObjectName(QStringLiteral("ChatLines"));
    FLines->setWordWrap(true);
    FLines->setAccessibleName(tr("Razgovor za stolom"));
    layout->addWidget(FLines, 1);
    auto* row = new QHBoxLayout;
    FEdit = new QLineEdit(this);
    FEdit->setObjectName(QStringLiteral("ChatEdit"));
    FEdit->setMaxLength(kMaxChatChars);
    FEdit->setPlaceholderText(tr("Poruka za sto"));
    FEdit->setAccessibleName(tr("Poruka za sto"));
    row->addWidget(FEdit, 1);
    FSend = new QPushButton(tr("Posalji"), this);
    FSend->setObjectName(QStringLiteral("ChatSend"));
    row->addWidget(FSend);
    layout->addLayout(row);
    connect(FEdit, &QLineEdit::returnPressed, this, &TChatPanel::Send);
    // Escape leaves the line: the keys play the match again.
    auto* leave = new QAction(FEdit);
    leave->setShortcut(Qt::Key_Escape);
    leave->setShortcutContext(Qt::WidgetShortcut);
    FEdit->addAction(leave);
    connect(leave, &QAction::triggered, this, [this] { window()->setFocus(); });
    connect(FSend, &QPushButton::clicked, this, &TChatPanel::Send);
}

void TChatPanel::Send()
{
    const QString text = FEdit->text().trimmed();
    if (text.isEmpty()) return;
    FEdit->clear();
    if (OnSend) OnSend(text);
}

void TChatPanel::AddLine(const TChatLine& line)
{
    auto* item = new QListWidgetItem(
        line.seat == kNoSeat ? line.text : QStringLiteral("%1: %2").arg(line.name, line.text),
        FLines);
    // The session's notes stand apart from what people wrote.
    if (line.seat == kNoSeat) {
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    FLines->scrollToBottom();
}

void TChatPanel::SetLines(const std::vector<TChatLine>& lines)
{
    FLines->clear();
    for (const TChatLine& line : lines)
        AddLine(line);
}

int TChatPanel::LineCount() const
{
    return FLines->count();
}

QString TChatPanel::LineText(int row) const
{
    return FLines->item(row)->text();
}
