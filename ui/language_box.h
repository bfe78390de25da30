#pragma once

#include <QGroupBox>

class QComboBox;

// The "Jezik" box of the options dialog: the game's languages, each named in
// itself, the one in use selected. A new choice is stored in the settings and
// takes effect when the game next starts.
class TLanguageBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TLanguageBox(QWidget* parent = nullptr);

    QComboBox* Combo() const { return FCombo; }
    QString Language() const;
    void SetLanguage(const QString& Code);

    // Stores the choice when it differs from the language in use and tells the
    // player when it will apply; a settings file that cannot be written is
    // reported. True when a new choice was stored.
    bool Store(const QString& SettingsFile) const;

private:
    QComboBox* FCombo;
};
