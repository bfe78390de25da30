#pragma once

#include <QGroupBox>

class QComboBox;

// How fast cards fly, kept as "Animation" in the "GameOptions" section of the
// settings: 0 they do not fly (the default), 1 fast, 2 normal, 3 slow.
enum class TAnimation { Off, Fast, Normal, Slow };
TAnimation ReadAnimation(const QString& settingsFile);
// False when the settings file cannot be written; the choice then holds for the run.
bool StoreAnimation(const QString& settingsFile, TAnimation animation);
// How long one card's flight takes; 0 when cards do not fly.
int FlightTimeMs(TAnimation animation);

// The "Animacija" box of the options dialog: a choice of the four speeds.
class TAnimationBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TAnimationBox(QWidget* parent = nullptr);

    QComboBox* Combo() const { return FCombo; }
    TAnimation Animation() const;
    void SetAnimation(TAnimation animation);

private:
    QComboBox* FCombo;
};
