#pragma once

#include "net/client/net_session.h"

#include <QWidget>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

// The table's chat: the lines of every seat and the session's own notes (who
// came, left, dropped, came back), and a line to write. Used in the waiting
// room and beside the table.
class TChatPanel : public QWidget {
    Q_OBJECT
public:
    explicit TChatPanel(QWidget* parent = nullptr);
    void AddLine(const zaviko::net::TChatLine& line);
    void SetLines(const std::vector<zaviko::net::TChatLine>& lines);
    int LineCount() const;
    QString LineText(int row) const;
    QLineEdit* Edit() const { return FEdit; }
    // A line the player wrote, to be sent.
    std::function<void(const QString&)> OnSend;

private:
    void Send();

    QListWidget* FLines = nullptr;
    QLineEdit* FEdit = nullptr;
    QPushButton* FSend = nullptr;
};
