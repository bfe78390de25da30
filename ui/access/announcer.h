#pragma once

#include <QLabel>

// What a screen reader says as the game goes on: each move and each end of
// hand. The words are the label's name; every new one is sent to assistive
// technology as a name change of this status object, which readers speak.
// It takes a single pixel of the table, so sighted players do not see it.
class TAnnouncer : public QLabel {
    Q_OBJECT
public:
    explicit TAnnouncer(QWidget* parent);
    void Announce(const QString& text);
    QString Last() const { return text(); }
};
