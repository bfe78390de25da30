#pragma once

#include "settings/option_limits.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSlider;
class QSpinBox;
class TAnimationBox;
class TIni;
class TLanguageBox;
class TRadioGroup;

// The options dialog ("Opcije"): the eleven game options and the language. The main window
// fills it, runs it modally and, on OK, applies what the dialog has already
// stored in the settings object and its file.
class TFOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxCompPlayDelay = OptionLimits::MaxCompPlayDelay;
    static constexpr int MaxCompWaitForPlay = OptionLimits::MaxCompWaitForPlay;
    static constexpr int ClientWidth = 591;
    static constexpr int ClientHeight = 378;

    explicit TFOptions(QWidget* parent = nullptr);

    // Values out of a control's range are brought into it; AppearanceChanged
    // is false afterwards whatever the filling did to the check boxes.
    void FillOptions(TIni* Settings, int NumberOfPlayers, int NumberOfDecks, int CompPlays,
        int CompPlayDelay, int CompWaitForPlay, bool Clockwise, bool CompCardsTight,
        bool HumanCardsTight, bool CanViewMyCollectedCards, bool CanViewOtherCollectedCards,
        bool Log);

    // Set when either compact-cards box was clicked, even back to its first
    // state: the main window then lays the hands out again.
    bool AppearanceChanged = false;

    // "Govor": checked as the game speaks now; stored only when the player
    // changed it, so a game never told stays with the screen reader.
    void FillSpeech(bool on);
    QCheckBox* SpeechBox() const { return FSpeech; }

    // "Zvuk" and its volume (0..100), as the settings keep them; stored on OK.
    void FillSound(bool on, int volume);
    QCheckBox* SoundBox() const { return FSound; }
    QSlider* VolumeSlider() const { return FVolume; }

    // "Izgled stola": the table's look (0 "Klasicni", 1 "Savremeni") and
    // whether the modern look outlines what a hand card could take (the box
    // is for the modern look only); stored on OK. LookChanged tells the
    // window to draw the table anew.
    void FillLook(int look, bool outline = true);
    QComboBox* LookCombo() const { return FLook; }
    QCheckBox* OutlineBox() const { return FOutline; }
    bool LookChanged() const;

private:
    void BuildGameBox(QWidget* panel);
    void BuildLookBox(QWidget* panel);
    void BuildOtherBoxes(QWidget* panel);
    void BuildSoundRow(QWidget* misc);
    void SetTabOrder();
    void Accept();

    TIni* FSettings = nullptr;
    TRadioGroup* FPlayers = nullptr;
    TRadioGroup* FDecks = nullptr;
    TRadioGroup* FStrength = nullptr;
    QSpinBox* FShowTime = nullptr;
    QSpinBox* FPause = nullptr;
    QCheckBox* FClockwise = nullptr;
    QCheckBox* FCompTight = nullptr;
    QCheckBox* FHumanTight = nullptr;
    QCheckBox* FViewMine = nullptr;
    QCheckBox* FViewOthers = nullptr;
    QCheckBox* FLog = nullptr;
    QCheckBox* FSpeech = nullptr;
    bool FSpeechChanged = false;
    QCheckBox* FSound = nullptr;
    QSlider* FVolume = nullptr;
    TLanguageBox* FLanguage = nullptr;
    TAnimationBox* FAnimation = nullptr;
    QComboBox* FLook = nullptr;
    int FLookShown = 0;
    QCheckBox* FOutline = nullptr;
    bool FOutlineShown = true;
    QPushButton* FAccept = nullptr;
    QPushButton* FCancel = nullptr;
};
