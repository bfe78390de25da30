// How a sprite flies: path, increments, skipped flights, the animation lock,
// the application's termination.
#include "tests/cards/sprite_fixture.h"

#include "cards/zugraphics_sprite_quit.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Path = std::vector<QPoint>;

struct Flight {
    TPatternForm form;
    TZuSprite sprite { &form };
    QImage card = CardPictureForTest();
    Path steps;
    int afterMoves = 0;

    Flight()
    {
        ShowActive(form);
        sprite.AfterStep = [this](QObject*) { steps.push_back({ sprite.X(), sprite.Y() }); };
        sprite.AfterMove = [this](QObject*) { ++afterMoves; };
    }
};

void PostToQueue(std::function<void()> f)
{
    QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection);
}

void SendKey(QWidget* to, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(to, &key);
}

} // namespace

TEST(SpriteFlight, StepsBothAxesUntilEachReachesItsGoal)
{
    Flight f;
    f.sprite.Fly(0, 0, 10, 3, &f.card, false);
    EXPECT_EQ(f.steps, (Path { { 4, 3 }, { 8, 3 }, { 10, 3 } }));
    EXPECT_EQ(f.afterMoves, 1);
    EXPECT_EQ(f.sprite.Home(), QPoint(0, 0));
    EXPECT_EQ(QPoint(f.sprite.DestX(), f.sprite.DestY()), QPoint(10, 3));

    f.steps.clear();
    f.sprite.SetIncrementX(3);
    f.sprite.SetIncrementY(5);
    f.sprite.Fly(10, 12, 2, 0, nullptr, false);
    EXPECT_EQ(f.steps, (Path { { 7, 7 }, { 4, 2 }, { 2, 0 } }));
}

TEST(SpriteFlight, ReturnHomeFliesBackToTheLastStartAndHides)
{
    Flight f;
    f.sprite.Fly(20, 30, 40, 30, &f.card, true);
    EXPECT_TRUE(f.sprite.Visible());
    f.steps.clear();
    f.sprite.ReturnHome();
    EXPECT_EQ(f.steps, (Path { { 36, 30 }, { 32, 30 }, { 28, 30 }, { 24, 30 }, { 20, 30 } }));
    EXPECT_FALSE(f.sprite.Visible());
    EXPECT_EQ(f.sprite.Home(), QPoint(40, 30));
}

TEST(SpriteFlight, MoveFromTheDestinationEndsAtOnceAndStillFiresAfterMove)
{
    Flight f;
    f.sprite.SetDestX(0);
    f.sprite.SetDestY(0);
    f.sprite.Move();
    EXPECT_TRUE(f.steps.empty());
    EXPECT_EQ(f.afterMoves, 1);
}

TEST(SpriteFlight, IncrementsAtOrBelowZeroAreIgnored)
{
    TPatternForm form;
    TZuSprite sprite(&form);
    EXPECT_EQ(sprite.IncrementX(), 4);
    sprite.SetIncrementX(0);
    sprite.SetIncrementX(-5);
    sprite.SetIncrementY(-1);
    EXPECT_EQ(sprite.IncrementX(), 4);
    EXPECT_EQ(sprite.IncrementY(), 4);
    sprite.SetIncrementX(7);
    EXPECT_EQ(sprite.IncrementX(), 7);
}

TEST(SpriteFlight, DefaultsAreThePartsAndOptions175AreTheirSix)
{
    TPatternForm form;
    TZuSprite sprite(&form);
    EXPECT_EQ(sprite.DrawOptions(), 175u);
    for (TZuDrawOption o : { doSynchronize, doProcessMessages, doDetectEscKey, doWindowActive,
             doWindowPreventResize, doAutoErase })
        EXPECT_TRUE(sprite.HasOption(o)) << o;
    for (TZuDrawOption o : { doWindowVisible, doWindowInScreen, doAutoRefresh })
        EXPECT_FALSE(sprite.HasOption(o)) << o;
    EXPECT_TRUE(sprite.Enabled());
    EXPECT_FALSE(sprite.Visible());
    EXPECT_FALSE(sprite.SnapToCursor());
    EXPECT_TRUE(sprite.CursorCenter());
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(0, 0));
    EXPECT_EQ(sprite.Background().size(), QSize(0, 0));
}

TEST(SpriteFlight, DisabledSpriteOnlyProcessesPendingMessages)
{
    Flight f;
    f.sprite.SetX(5);
    f.sprite.SetY(6);
    f.sprite.SetEnabled(false);
    bool processed = false;
    PostToQueue([&] { processed = true; });
    f.sprite.Fly(0, 0, 50, 50, &f.card, false);
    EXPECT_TRUE(processed);
    EXPECT_EQ(QPoint(f.sprite.X(), f.sprite.Y()), QPoint(5, 6));
    EXPECT_EQ(f.afterMoves, 0);
    EXPECT_FALSE(f.sprite.Layer()->HoldsPixels());
}

TEST(SpriteFlight, EscHeldDownSkipsFlightsUntilItIsReleased)
{
    Flight f;
    auto* button = new QPushButton(QStringLiteral("Deal"), &f.form);
    button->show();
    // Keys go to whichever child has the focus; the sprite sees them there too.
    SendKey(button, QEvent::KeyPress);
    EXPECT_TRUE(f.sprite.Aborted());
    f.sprite.Fly(0, 0, 8, 0, &f.card, false);
    f.sprite.ReturnHome();
    EXPECT_TRUE(f.steps.empty());
    EXPECT_EQ(f.afterMoves, 0);

    // A repeated key arrives as release-press pairs; only the real release counts.
    SendKey(&f.form, QEvent::KeyRelease, true);
    EXPECT_TRUE(f.sprite.Aborted());
    SendKey(&f.form, QEvent::KeyRelease);
    EXPECT_FALSE(f.sprite.Aborted());
    f.sprite.Fly(0, 0, 8, 0, &f.card, false);
    EXPECT_EQ(f.steps, (Path { { 4, 0 }, { 8, 0 } }));
}

TEST(SpriteFlight, EscDuringAFlightLetsItFinishAndSkipsTheNext)
{
    Flight f;
    f.sprite.AfterStep = [&](QObject*) {
        f.steps.push_back({ f.sprite.X(), f.sprite.Y() });
        if (f.steps.size() == 1) PostToQueue([&] { SendKey(&f.form, QEvent::KeyPress); });
    };
    f.sprite.Fly(0, 0, 12, 0, &f.card, false);
    EXPECT_EQ(f.steps.back(), QPoint(12, 0));
    EXPECT_TRUE(f.sprite.Aborted());
    f.sprite.Fly(0, 0, 12, 0, &f.card, false);
    EXPECT_EQ(f.steps.size(), 3u);
}

TEST(SpriteFlight, EscIsIgnoredWithoutDetectionOrWhileDisabled)
{
    Flight f;
    f.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doDetectEscKey));
    SendKey(&f.form, QEvent::KeyPress);
    EXPECT_FALSE(f.sprite.Aborted());

    f.sprite.SetDrawOptions(ZuDefaultDrawOptions);
    f.sprite.SetEnabled(false);
    SendKey(&f.form, QEvent::KeyPress);
    EXPECT_FALSE(f.sprite.Aborted());

    // Esc in another window is not this form's.
    QWidget other;
    f.sprite.SetEnabled(true);
    SendKey(&other, QEvent::KeyPress);
    EXPECT_FALSE(f.sprite.Aborted());
}

TEST(SpriteFlight, HoldsTheAnimationLockForTheWholeFlightOnly)
{
    Flight f;
    std::vector<unsigned> seenByHandlers;
    unsigned atAfterMove = 99;
    f.sprite.AfterStep = [&](QObject*) {
        // Code that runs through message processing meanwhile sees the lock.
        PostToQueue([&] { seenByHandlers.push_back(AnimationLockCount()); });
    };
    f.sprite.AfterMove = [&](QObject*) { atAfterMove = AnimationLockCount(); };
    ASSERT_FALSE(AnimationLocked());
    f.sprite.Fly(0, 0, 12, 0, &f.card, false);
    // The last step's handler runs after the flight, when the lock is free again.
    EXPECT_EQ(seenByHandlers, (std::vector<unsigned> { 1, 1 }));
    EXPECT_EQ(atAfterMove, 0u);
    EXPECT_FALSE(AnimationLocked());
    QCoreApplication::processEvents();
    EXPECT_EQ(seenByHandlers.back(), 0u);
}

TEST(SpriteFlight, TerminationEndsTheFlightReleasesTheLockAndFiresAfterMove)
{
    Flight f;
    unsigned lockAtAfterMove = 99;
    f.sprite.AfterMove = [&](QObject*) {
        ++f.afterMoves;
        lockAtAfterMove = AnimationLockCount();
    };
    f.sprite.AfterStep = [&](QObject*) {
        f.steps.push_back({ f.sprite.X(), f.sprite.Y() });
        if (f.steps.size() == 2) ZuSetApplicationTerminating(true);
    };
    f.sprite.Fly(0, 0, 40, 0, &f.card, false);
    ZuSetApplicationTerminating(false);
    EXPECT_EQ(f.steps, (Path { { 4, 0 }, { 8, 0 } }));
    EXPECT_EQ(f.afterMoves, 1);
    EXPECT_EQ(lockAtAfterMove, 0u);
    EXPECT_TRUE(f.sprite.Terminated());
    // Like the original's silent abort, the rest of Fly is skipped.
    EXPECT_TRUE(f.sprite.Visible());

    f.sprite.SetVisible(false);
    f.sprite.Fly(0, 0, 8, 0, &f.card, false);
    EXPECT_FALSE(f.sprite.Terminated());
    EXPECT_EQ(f.sprite.X(), 8);
}

TEST(SpriteFlight, AnAcceptedQuitRequestEndsTheFlight)
{
    Flight f;
    f.sprite.AfterStep = [&](QObject*) {
        f.steps.push_back({ f.sprite.X(), f.sprite.Y() });
        if (f.steps.size() == 1)
            PostToQueue([] {
                QEvent quit(QEvent::Quit);
                QCoreApplication::sendEvent(qApp, &quit);
            });
    };
    f.sprite.Fly(0, 0, 40, 0, &f.card, false);
    const bool terminated = f.sprite.Terminated();
    ZuSetApplicationTerminating(false);
    EXPECT_TRUE(terminated);
    EXPECT_EQ(f.steps.size(), 1u);
    EXPECT_FALSE(f.form.isVisible());
}

TEST(SpriteFlight, AQuitThatAWindowRefusesLetsTheFlightGoOn)
{
    class TStubborn : public TPatternForm {
    protected:
        void closeEvent(QCloseEvent* e) override { e->ignore(); }
    };
    TStubborn form;
    ShowActive(form);
    TZuSprite sprite(&form);
    QImage card = CardPictureForTest();
    PostToQueue([] {
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
    });
    sprite.Fly(0, 0, 40, 0, &card, false);
    const bool terminating = ZuApplicationTerminating();
    ZuSetApplicationTerminating(false);
    EXPECT_FALSE(terminating);
    EXPECT_FALSE(sprite.Terminated());
    EXPECT_EQ(sprite.X(), 40);
}

TEST(SpriteFlight, SpriteDestroyedDuringAFlightEndsItQuietly)
{
    auto* f = new Flight;
    f->sprite.AfterStep = [&](QObject*) { PostToQueue([f] { delete f; }); };
    f->sprite.Fly(0, 0, 40, 0, &f->card, false);
    EXPECT_FALSE(AnimationLocked());
}

TEST(SpriteFlight, SynchronisesTheFormBeforeEveryDrawingWhenAsked)
{
    Flight f;
    f.sprite.Fly(0, 0, 8, 0, &f.card, false);
    // Shown at the start, then one drawing per step.
    EXPECT_EQ(f.form.synchronizeEvents, 3);

    f.form.synchronizeEvents = 0;
    f.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doSynchronize));
    f.sprite.Fly(0, 0, 8, 0, &f.card, false);
    EXPECT_EQ(f.form.synchronizeEvents, 0);
}

TEST(SpriteFlight, ResizeIsRefusedWhileTheAnimationLockIsHeld)
{
    Flight f;
    const QSize size = f.form.size();
    f.sprite.AfterStep = [&](QObject*) {
        if (f.sprite.X() == 4) f.form.resize(size + QSize(50, 40));
    };
    f.sprite.Fly(0, 0, 12, 0, &f.card, false);
    EXPECT_EQ(f.form.size(), size);

    LockAnimation();
    f.form.resize(size + QSize(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.form.size(), size);
    f.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doWindowPreventResize));
    f.form.resize(size + QSize(10, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.form.size(), size + QSize(10, 10));
    UnlockAnimation();

    f.sprite.SetDrawOptions(ZuDefaultDrawOptions);
    f.form.resize(size + QSize(30, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.form.size(), size + QSize(30, 20));
    // The layer follows the form's size.
    EXPECT_EQ(f.sprite.Layer()->geometry(), f.form.rect());
}

TEST(SpriteFlight, TheLayerGoesWithTheSpriteAndTheSpriteWithItsForm)
{
    auto layers = [](QWidget& form) { return form.findChildren<TZuSpriteLayer*>().size(); };
    TPatternForm form;
    auto* sprite = new TZuSprite(&form);
    EXPECT_EQ(layers(form), 1);
    delete sprite;
    EXPECT_EQ(layers(form), 0);

    QPointer<TPatternForm> owner = new TPatternForm;
    QPointer<TZuSprite> owned = new TZuSprite(owner);
    QImage card = CardPictureForTest();
    owned->Fly(0, 0, 4, 0, &card, true);
    delete owner.data();
    EXPECT_TRUE(owned.isNull());
}
