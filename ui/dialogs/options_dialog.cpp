#include "ui/dialogs/options_dialog.h"

#include "platform/message_sink.h"
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "ui/window/animation_box.h"
#include "ui/window/game_option_setting.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/dialogs/language_box.h"
#include "ui/dialogs/radio_group.h"
#include "ui/sound/sound_setting.h"
#include "ui/window/table_look_setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

#include <algorithm>

namespace {

template <typename W> W* Placed(W* widget, const char* name, int left, int top, int w, int h)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, w, h);
    return widget;
}

// A caption wider than its box in the font in use grows into the room left
// in its group, so it is not cut off.
QCheckBox* CheckBox(
    QWidget* parent, const char* name, const QString& text, int left, int top, int w, int h)
{
    auto* box = new QCheckBox(text, parent);
    const int room = parent->width() - left - 4;
    return Placed(
        box, name, left, top, std::clamp(box->sizeHint().width(), w, std::max(w, room)), h);
}

// A value is typed or stepped with the arrows; the box takes only digits
// within its range.
QSpinBox* SpinEdit(QWidget* parent, const char* name, int max, int left, int top)
{
    auto* spin = Placed(new QSpinBox(parent), name, left, top, 41, 22);
    spin->setRange(0, max);
    return spin;
}

// What a spin edit holds on accepting: a text left empty counts as its minimum.
int SpinValue(QSpinBox* spin)
{
    return spin->cleanText().isEmpty() ? spin->minimum() : spin->value();
}

QLabel* Label(QWidget* parent, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

TFOptions::TFOptions(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Opcije"));
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    auto* panel = Placed(new QWidget(this), "Panel", 0, 0, ClientWidth, ClientHeight);
    BuildGameBox(panel);
    BuildLookBox(panel);
    BuildOtherBoxes(panel);
    SetTabOrder();
    connect(FCompTight, &QCheckBox::clicked, this, [this] { AppearanceChanged = true; });
    connect(FHumanTight, &QCheckBox::clicked, this, [this] { AppearanceChanged = true; });
    connect(FAccept, &QPushButton::clicked, this, &TFOptions::Accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFOptions::BuildGameBox(QWidget* panel)
{
    auto* game = Placed(new QGroupBox(tr("Igra"), panel), "GroupIgra", 16, 8, 273, 281);
    FPlayers = new TRadioGroup(tr("Broj igraca * "),
        { tr("4 igraca, svako za sebe"), tr("4 igraca u parove"), tr("2 igraca") }, 0, game);
    // Each box as wide as its longest item, the decks box giving way.
    const int playersWidth = std::max(145, FPlayers->NeededWidth());
    Placed(FPlayers, "RadioPlayers", 16, 24, playersWidth, 89);
    const int decksLeft = std::max(176, 16 + playersWidth + 6);
    FDecks = Placed(new TRadioGroup(tr("Broj spilova * "),
                        { QStringLiteral("1"), QStringLiteral("2") }, 0, game),
        "RadioDecks", decksLeft, 24, 257 - decksLeft, 89);
    // Item indexes are the stored strengths; the box lists them strongest first.
    FStrength = Placed(new TRadioGroup(tr("Kompjuter se trudi da igra "),
                           { tr("Pametno"), tr("Prosecno"), tr("Glupo"), tr("Majstor") }, 1, game),
        "RadioStrength", 16, 116, 241, 89);
    FStrength->SetDisplayOrder({ 3, 0, 1, 2 });
    QLabel* showTime = Label(game, tr("Kompjuter drzi otvorene karte (s) "), 16, 208);
    FShowTime = SpinEdit(game, "SpinShowTime", MaxCompPlayDelay, 192, 208);
    FShowTime->setValue(1);
    showTime->setBuddy(FShowTime);
    QLabel* pause = Label(game, tr("Pauza izmedju igre 2 igraca (0.5s)"), 16, 232);
    FPause = SpinEdit(game, "SpinPause", MaxCompWaitForPlay, 192, 232);
    pause->setBuddy(FPause);
    // The caption is short; the tip says what waits and for how long.
    const QString pauseTip = tr("Pre svakog poteza kompjutera igra ceka: "
                                "broj u polju puta pola sekunde (0 = bez cekanja).");
    pause->setToolTip(pauseTip);
    FPause->setToolTip(pauseTip);
    FClockwise
        = CheckBox(game, "CheckClockwise", tr("Igra u smeru kazaljke na satu *"), 16, 256, 169, 17);
    FClockwise->setChecked(true);
}

// Under the game box: the table's look, and whether the cards a hand card
// could take are outlined while it is pointed at.
void TFOptions::BuildLookBox(QWidget* panel)
{
    auto* box
        = Placed(new QGroupBox(tr("Izgled stola"), panel), "GroupIzgledStola", 16, 296, 273, 67);
    QLabel* label = Label(box, tr("Izgled"), 8, 21);
    FLook = Placed(
        new QComboBox(box), "ComboLook", std::max(64, label->geometry().right() + 8), 18, 0, 22);
    FLook->resize(box->width() - FLook->x() - 8, 22);
    FLook->addItems({ tr("Klasicni"), tr("Savremeni") });
    label->setBuddy(FLook);
    FOutline = CheckBox(box, "CheckOutlineCaptures",
        tr("Oznaci karte koje karta iz ruke moze da uzme"), 8, 44, 257, 17);
    FOutline->setToolTip(tr("Dok je karta iz ruke pod strelicom ili okvirom tastature, "
                            "karte na talonu koje bi uzela su uokvirene (Savremeni izgled)."));
    // The classic table never outlines: the box is for the modern look.
    connect(FLook, &QComboBox::currentIndexChanged, this,
        [this](int index) { FOutline->setEnabled(index == 1); });
    FOutline->setEnabled(false);
}

void TFOptions::FillLook(int look, bool outline)
{
    FLook->setCurrentIndex(look == 1 ? 1 : 0);
    FLookShown = FLook->currentIndex();
    FOutline->setChecked(outline);
    FOutline->setEnabled(FLookShown == 1);
    FOutlineShown = outline;
}

bool TFOptions::LookChanged() const
{
    return FLook->currentIndex() != FLookShown || FOutline->isChecked() != FOutlineShown;
}

void TFOptions::BuildOtherBoxes(QWidget* panel)
{
    auto* look = Placed(new QGroupBox(tr("Izgled"), panel), "GroupIzgled", 304, 8, 273, 41);
    FCompTight = CheckBox(look, "CheckCompCardsTight", tr("Karte igraca zgusnute"), 8, 16, 129, 17);
    FHumanTight
        = CheckBox(look, "CheckHumanCardsTight", tr("Moje karte zgusnute"), 144, 16, 121, 17);
    auto* cheat = Placed(new QGroupBox(tr("Varanje "), panel), "GroupVaranje", 304, 56, 273, 57);
    FViewMine = CheckBox(
        cheat, "CheckViewMine", tr("Dozvoli da gledam u karte koje sam pokupio"), 8, 16, 249, 17);
    FViewOthers = CheckBox(cheat, "CheckViewOthers",
        tr("Dozvoli da gledam u karte koje su drugi pokupili"), 8, 32, 249, 17);
    auto* misc = Placed(new QGroupBox(tr("Razno"), panel), "GroupRazno", 304, 120, 273, 61);
    FLog = CheckBox(misc, "CheckLog", tr("Loguj partiju (u Zaviko.log)"), 8, 16, 153, 17);
    FSpeech = CheckBox(
        misc, "CheckSpeech", tr("Govor"), std::max(168, FLog->geometry().right() + 8), 16, 60, 17);
    FSpeech->setToolTip(tr("Igra sama izgovara poteze, ko je na potezu i odgovore na tastere."));
    connect(FSpeech, &QCheckBox::clicked, this, [this] { FSpeechChanged = true; });
    BuildSoundRow(misc);
    FAnimation = Placed(new TAnimationBox(panel), "GroupAnimacija", 304, 188, 273, 49);
    Label(panel, tr("* Opcija se aktivira kad pocne nova igra"), 306, 250);
    FLanguage = Placed(new TLanguageBox(panel), "GroupJezik", 304, 270, 273, 49);
    FAccept = Placed(new QPushButton(tr("Prihvati"), panel), "ButtonAccept", 416, 330, 75, 25);
    FAccept->setDefault(true);
    FCancel = Placed(new QPushButton(tr("Odustani"), panel), "ButtonCancel", 496, 330, 75, 25);
}

// "Zvuk" with its volume beside it, on the box's second line.
void TFOptions::BuildSoundRow(QWidget* misc)
{
    FSound = CheckBox(misc, "CheckSound", tr("Zvuk"), 8, 36, 60, 17);
    FSound->setToolTip(tr("Zvuci igre: deljenje, potezi, tabla, tvoj potez, kraj ruke i partije."));
    QLabel* volume = Label(misc, tr("Jacina"), std::max(80, FSound->geometry().right() + 12), 37);
    const int left = volume->geometry().right() + 8;
    FVolume = Placed(new QSlider(Qt::Horizontal, misc), "SliderSoundVolume", left, 36,
        std::max(60, misc->width() - left - 10), 19);
    FVolume->setRange(0, 100);
    FVolume->setPageStep(10);
    FVolume->setValue(DefaultSoundVolume);
    FVolume->setAccessibleName(tr("Jacina zvuka"));
    volume->setBuddy(FVolume);
}

// Tab goes down the left column (the game box), then down the right one,
// then to the buttons: the order a reader meets the options in.
void TFOptions::SetTabOrder()
{
    std::vector<QWidget*> order;
    for (TRadioGroup* group : { FPlayers, FDecks, FStrength })
        for (int i = 0; i < group->Count(); ++i)
            order.push_back(group->ItemAt(i));
    for (QWidget* w : std::initializer_list<QWidget*> { FShowTime, FPause, FClockwise, FLook,
             FOutline, FCompTight, FHumanTight, FViewMine, FViewOthers, FLog, FSpeech, FSound,
             FVolume, FAnimation->Combo(), FLanguage->Combo(), FAccept, FCancel })
        order.push_back(w);
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFOptions::FillOptions(TIni* Settings, int NumberOfPlayers, int NumberOfDecks, int CompPlays,
    int CompPlayDelay, int CompWaitForPlay, bool Clockwise, bool CompCardsTight,
    bool HumanCardsTight, bool CanViewMyCollectedCards, bool CanViewOtherCollectedCards, bool Log)
{
    FSettings = Settings;
    FStrength->SetItemIndex(CompPlays);
    FDecks->SetItemIndex(NumberOfDecks);
    FPlayers->SetItemIndex(NumberOfPlayers);
    FShowTime->setValue(CompPlayDelay); // the spin edits clamp to their ranges
    FPause->setValue(CompWaitForPlay);
    FClockwise->setChecked(Clockwise);
    FCompTight->setChecked(CompCardsTight);
    FHumanTight->setChecked(HumanCardsTight);
    FViewMine->setChecked(CanViewMyCollectedCards);
    FViewOthers->setChecked(CanViewOtherCollectedCards);
    FLog->setChecked(Log);
    if (Settings) {
        FAnimation->SetAnimation(ReadAnimation(Settings->FileName));
        FLanguage->ShowChoice(Settings->FileName);
    }
    AppearanceChanged = false;
}

void TFOptions::FillSpeech(bool on)
{
    FSpeech->setChecked(on);
    FSpeechChanged = false;
}

void TFOptions::FillSound(bool on, int volume)
{
    FSound->setChecked(on);
    FVolume->setValue(volume);
}

// The settings object keeps the new values for the run even when its file
// cannot be written, so the dialog still closes with OK and the window applies
// them; the player learns that they will not be kept.
void TFOptions::Accept()
{
    if (FSettings) {
        try {
            FSettings->SetGameOptions(FPlayers->ItemIndex(), FDecks->ItemIndex(),
                FStrength->ItemIndex(), SpinValue(FShowTime), SpinValue(FPause),
                FClockwise->isChecked(), FCompTight->isChecked(), FHumanTight->isChecked(),
                FViewMine->isChecked(), FViewOthers->isChecked(), FLog->isChecked());
        } catch (const EIniFileException& e) {
            MessageSink().Error(e.ShownText().toStdString());
        }
        StoreAnimation(FSettings->FileName, FAnimation->Animation());
        if (FSpeechChanged)
            StoreGameOption(FSettings->FileName, QStringLiteral("Speech"), FSpeech->isChecked());
        StoreSound(FSettings->FileName, FSound->isChecked(), FVolume->value());
        StoreTableLook(FSettings->FileName,
            FLook->currentIndex() == 1 ? TTableLook::Modern : TTableLook::Classic);
        StoreCaptureOutline(FSettings->FileName, FOutline->isChecked());
        FLanguage->Store(FSettings->FileName);
    }
    accept();
}
