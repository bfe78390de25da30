#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TIni;

// The rename dialog ("Promena imena"): the four players' names. On accept the
// names go to the settings object and its file at once, unless one is empty.
class TFPromenaImena : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 184;
    static constexpr int ClientHeight = 229;
    // Room in the title bar for the window's icon and buttons, on each side
    // of the title, as window managers centre it.
    static constexpr int TitleButtonsRoom = 64;
    // The settings file keeps no more of a name than this.
    static constexpr int MaxNameLength = 2047;
    static constexpr const char* EmptyNameMessage
        = QT_TRANSLATE_NOOP("TFPromenaImena", "Posto si neko ime izostavio, ostaju stara imena :)");

    explicit TFPromenaImena(QWidget* parent = nullptr);

    void FillNames(TIni* Settings, const QString& South, const QString& West, const QString& North,
        const QString& East);

private:
    void Accept();

    TIni* FSettings = nullptr;
    QLineEdit* FSouth = nullptr;
    QLineEdit* FWest = nullptr;
    QLineEdit* FNorth = nullptr;
    QLineEdit* FEast = nullptr;
    QPushButton* FAccept = nullptr;
    QPushButton* FCancel = nullptr;
};
