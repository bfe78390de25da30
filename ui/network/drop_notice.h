#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;

// Over the table while the connection to a network table is down: what
// happened, the seconds to the next try to come back, and "Odustani".
class TDropNotice : public QFrame {
    Q_OBJECT
public:
    explicit TDropNotice(QWidget* parent);
    // Shows the countdown (0: a try is under way) above the table's middle.
    void ShowCountdown(int secondsLeft);
    QString Text() const;
    QPushButton* CancelButton() const { return FCancel; }
    std::function<void()> OnCancel;

private:
    QLabel* FText = nullptr;
    QPushButton* FCancel = nullptr;
};
