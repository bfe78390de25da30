#include "settings/ini.h"
#include "tests/settings/file_helpers.h"
#include "tests/support/recording_sink.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/radio_group.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class OptionsDialog : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Zaviko.ini"); }
    template <typename W> W* Find(const char* name) const
    {
        W* widget = dialog.findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { Find<QAbstractButton>(name)->click(); }
    // Fills the way the main window does, with the settings' own values.
    void FillFromSettings()
    {
        dialog.FillOptions(&ini, ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays,
            ini.CompPlayDelay, ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight,
            ini.HumanCardsTight, ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards,
            ini.Log);
    }
    // The eleven options in the order they are written.
    static QString Options(const TIni& s)
    {
        return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11")
            .arg(s.NumberOfPlayers)
            .arg(s.NumberOfDecks)
            .arg(s.CompPlays)
            .arg(s.CompPlayDelay)
            .arg(s.CompWaitForPlay)
            .arg(int(s.Clockwise))
            .arg(int(s.CompCardsTight))
            .arg(int(s.HumanCardsTight))
            .arg(int(s.CanViewMyCollectedCards))
            .arg(int(s.CanViewOtherCollectedCards))
            .arg(int(s.Log));
    }

    QTemporaryDir dir;
    TIni ini { Path() };
    TFOptions dialog;
};

TEST_F(OptionsDialog, ShowsOutOfRangeValuesInRangeAndAcceptWritesWhatItShows)
{
    dialog.FillOptions(&ini, 2, 1, 7, 99, -3, false, true, false, true, false, true);
    QRadioButton* shown = Find<TRadioGroup>("RadioStrength")->Item(3);
    EXPECT_TRUE(shown->isChecked());
    EXPECT_EQ(shown->text(), "Majstor");
    EXPECT_EQ(Find<QSpinBox>("SpinShowTime")->value(), 10);
    EXPECT_EQ(Find<QSpinBox>("SpinPause")->value(), 0);
    EXPECT_FALSE(dialog.AppearanceChanged); // filling changed CompCardsTight

    Click("ButtonAccept");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Options(ini), "2 1 3 10 0 0 1 0 1 0 1");
    EXPECT_EQ(Options(TIni(Path())), "2 1 3 10 0 0 1 0 1 0 1"); // and in the file at once
}

TEST_F(OptionsDialog, RadioGroupsAlwaysWriteAnItemBelowZeroMeaningTheDefault)
{
    struct Case {
        int players, decks, strength;
        const char* written; // players, decks, strength
    };
    const Case cases[] = { { -1, -1, -1, "0 0 1" }, { -7, -2, -5, "0 0 1" }, { 3, 2, 3, "2 1 3" },
        { 3, 2, 9, "2 1 3" }, { 1, 0, 0, "1 0 0" } };
    for (const Case& c : cases) {
        dialog.FillOptions(
            &ini, c.players, c.decks, c.strength, 2, 1, true, false, true, true, true, false);
        Click("ButtonAccept");
        EXPECT_EQ(Options(ini).left(5), c.written)
            << c.players << " " << c.decks << " " << c.strength;
    }
}

TEST_F(OptionsDialog, AppearanceChangedOnlyByClicksOnTheCompactBoxes)
{
    FillFromSettings();
    Click("CheckLog");
    Click("CheckViewOthers");
    EXPECT_FALSE(dialog.AppearanceChanged);
    Click("CheckCompCardsTight");
    Click("CheckCompCardsTight"); // back to its first state
    EXPECT_TRUE(dialog.AppearanceChanged);
    Click("ButtonAccept");
    EXPECT_TRUE(dialog.AppearanceChanged);
    EXPECT_FALSE(ini.CompCardsTight);

    FillFromSettings();
    EXPECT_FALSE(dialog.AppearanceChanged);
    Click("CheckHumanCardsTight");
    EXPECT_TRUE(dialog.AppearanceChanged);
}

TEST_F(OptionsDialog, CancelAfterChangesLeavesSettingsAndFileUntouched)
{
    const QByteArray before = ReadAll(Path());
    const QString options = Options(ini);
    FillFromSettings();
    Find<TRadioGroup>("RadioPlayers")->Item(2)->click();
    Click("CheckLog");
    Find<QSpinBox>("SpinShowTime")->stepUp();
    Click("ButtonCancel");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(Options(ini), options);
    EXPECT_EQ(ReadAll(Path()), before);
}

// A value is typed or stepped with the arrows; a box keeps to its range and
// one left empty writes its minimum. The pause's tip says what it pauses.
TEST_F(OptionsDialog, SpinEditsTakeTypedValuesAndArrows)
{
    FillFromSettings();
    auto* show = Find<QSpinBox>("SpinShowTime");
    auto* pause = Find<QSpinBox>("SpinPause");
    auto retype = [](QSpinBox* spin, const char* text) {
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(spin, Qt::Key_Backspace);
        QTest::keyClicks(spin, text);
    };
    retype(show, "7");
    EXPECT_EQ(show->value(), 7);
    QTest::keyClick(show, Qt::Key_Up);
    EXPECT_EQ(show->value(), 8);
    const int before = pause->value();
    QTest::keyClick(pause, Qt::Key_Up);
    ASSERT_EQ(pause->value(), before + 1);
    retype(pause, "9"); // above 5: the box takes no such digit
    EXPECT_EQ(pause->text(), "");
    Click("ButtonAccept");
    EXPECT_EQ(ini.CompPlayDelay, 8);
    EXPECT_EQ(ini.CompWaitForPlay, 0);

    const QString tip = pause->toolTip();
    EXPECT_TRUE(tip.contains("kompjutera") && tip.contains("pola sekunde")) << tip.toStdString();
    bool labelled = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == "Pauza izmedju igre 2 igraca (0.5s)") {
            labelled = true;
            EXPECT_EQ(label->toolTip(), tip);
            EXPECT_EQ(label->buddy(), pause);
        }
    EXPECT_TRUE(labelled) << "the caption stays as it is";
}

TEST_F(OptionsDialog, FileThatCannotBeWrittenIsReportedAndTheValuesHoldForTheRun)
{
    TScopedRecordingSink sink;
    TIni lost(dir.filePath("missing/Zaviko.ini")); // its folder does not exist
    sink.shown.errors.clear();
    dialog.FillOptions(&lost, 1, 1, 0, 5, 3, true, false, true, true, true, false);
    Click("ButtonAccept");
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    // In the game's language, as every other message.
    EXPECT_EQ(sink.shown.errors[0],
        "Podesavanja ne mogu da se sacuvaju u " + lost.FileName.toStdString() + ".");
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Options(lost), "1 1 0 5 3 1 0 1 1 1 0");
}

// Read as a person reads, row by row and left to right.
QStringList ReadingOrder(const TRadioGroup& group)
{
    std::vector<QRadioButton*> items;
    for (int i = 0; i < group.Count(); ++i)
        items.push_back(group.Item(i));
    std::sort(items.begin(), items.end(), [](QRadioButton* a, QRadioButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList texts;
    for (QRadioButton* item : items)
        texts << QString(item->text()).remove('&'); // the shown dialog has its Alt letters
    return texts;
}

TEST_F(OptionsDialog, StrengthsReadInOrderAndKeepTheirStoredValues)
{
    dialog.show();
    const auto* strength = Find<TRadioGroup>("RadioStrength");
    const QStringList strongestFirst { "Majstor", "Pametno", "Prosecno", "Glupo" };
    QStringList weakestFirst = strongestFirst;
    std::reverse(weakestFirst.begin(), weakestFirst.end());
    const QStringList shown = ReadingOrder(*strength);
    EXPECT_TRUE(shown == strongestFirst || shown == weakestFirst) << shown.join(' ').toStdString();

    // The order on screen does not change what is stored.
    const char* values[] = { "Pametno", "Prosecno", "Glupo", "Majstor" };
    for (int value = 0; value < 4; ++value) {
        ini.CompPlays = value;
        FillFromSettings();
        EXPECT_EQ(strength->Item(strength->ItemIndex())->text().remove('&'), values[value]);
        EXPECT_TRUE(strength->Item(value)->isChecked());
    }
}

TEST_F(OptionsDialog, EveryRadioItemShowsItsWholeCaptionInsideItsBox)
{
    dialog.show();
    const auto groups = dialog.findChildren<TRadioGroup*>();
    ASSERT_EQ(groups.size(), 3);
    for (const TRadioGroup* group : groups) {
        for (int i = 0; i < group->Count(); ++i) {
            const QRadioButton* item = group->Item(i);
            const QString what = item->text();
            EXPECT_GE(item->width(), item->sizeHint().width()) << what.toStdString();
            // Clear of the box's frame on the right.
            EXPECT_LT(item->geometry().right(), group->width() - 1) << what.toStdString();
        }
        // The boxes of one group box do not overlap one another.
        for (const TRadioGroup* other : groups)
            if (other != group && other->parentWidget() == group->parentWidget()) {
                EXPECT_FALSE(other->geometry().intersects(group->geometry()))
                    << group->objectName().toStdString();
            }
    }
}

} // namespace

TEST_F(OptionsDialog, TabGoesDownTheLeftColumnThenTheRightThenTheButtons)
{
    FillFromSettings();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // The checked item of each radio group is its one stop.
    const auto checked = [&](const char* group) -> QString {
        for (QRadioButton* item : Find<QWidget>(group)->findChildren<QRadioButton*>())
            if (item->isChecked()) return QStringLiteral("%1 item").arg(group);
        return QString();
    };
    const QStringList expected { checked("RadioPlayers"), checked("RadioDecks"),
        checked("RadioStrength"), "SpinShowTime", "SpinPause", "CheckClockwise", "ComboLook",
        "CheckCompCardsTight", "CheckHumanCardsTight", "CheckViewMine", "CheckViewOthers",
        "CheckLog", "CheckSpeech", "CheckSound", "SliderSoundVolume", "ComboAnimation",
        "ComboLanguage", "ButtonAccept", "ButtonCancel" };
    dialog.findChild<QRadioButton*>()->setFocus(); // an item of the players' group
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QString name = focus->objectName();
        if (qobject_cast<QRadioButton*>(focus))
            name = focus->parentWidget()->objectName() + " item";
        visited << name;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(", ").toStdString(), expected.join(", ").toStdString());
}

// A screen reader names each box by its caption and each radio item's group.
TEST_F(OptionsDialog, SpinBoxesAndRadioGroupsCarryTheirCaptions)
{
    FillFromSettings();
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)
            ->text(QAccessible::Name)
            .trimmed()
            .toStdString();
    };
    EXPECT_EQ(name(Find<QSpinBox>("SpinShowTime")), "Kompjuter drzi otvorene karte (s)");
    EXPECT_EQ(name(Find<QSpinBox>("SpinPause")), "Pauza izmedju igre 2 igraca (0.5s)");
    EXPECT_EQ(name(Find<QCheckBox>("CheckSpeech")), "Govor");
    for (const char* group : { "RadioPlayers", "RadioDecks", "RadioStrength" }) {
        QWidget* box = Find<QWidget>(group);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::Grouping)
            << group;
        EXPECT_FALSE(name(box).empty()) << group;
        // Each item lies inside its named group in the reader's tree.
        for (QRadioButton* item : box->findChildren<QRadioButton*>())
            EXPECT_EQ(QAccessible::queryAccessibleInterface(item)->parent()->object(), box);
    }
}
