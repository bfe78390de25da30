#pragma once

#include <QGroupBox>

class QComboBox;

// The "Jezik" box of the options dialog: the game's languages, each named in
// itself, the one chosen selected (the one in use until another is chosen). A new choice is stored
// in the settings and takes effect when the game next starts.
class TLanguageBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TLanguageBox(QWidget* parent = nullptr);

    QComboBox* Combo() const { return FCombo; }
    QString Language() const;
    void SetLanguage(const QString& Code);
    // Selects the language the settings file keeps, which a choice made in
    // this run stored there for the next start.
    void ShowChoice(const QString& SettingsFile);

    // Stores the choice when it differs from the one shown first and tells the
    // player when it will apply; a settings file that cannot be written is
    // reported. True when a new choice was stored.
    bool Store(const QString& SettingsFile) const;

private:
    QComboBox* FCombo;
    // What the box showed before the player changed it.
    QString FShown;
};
