// How a sprite flies: path, skipped flights, the animation lock, the
// application's termination, the form's resize, the frame-driven flights' rate.
#include "tests/cards/sprite_fixture.h"

#include "cards/sprite/zugraphics_sprite_frames.h"
#include "cards/sprite/zugraphics_sprite_quit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using Path = std::vector<QPoint>;
using Flight = TSpriteOnForm;

void Post(std::function<void()> f)
{
    QMetaObject::invokeMethod(qApp, std::move(f), Qt::QueuedConnection);
}

void SendEsc(QWidget* to, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent key(type, Qt::Key_Escape, Qt::NoModifier, QString(), autoRepeat);
    QCoreApplication::sendEvent(to, &key);
}

void Quit()
{
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(qApp, &quit);
}

} // namespace

TEST(SpriteFlight, StepsEachAxisUntilItReachesItsGoal)
{
    struct Case {
        QPoint from, to;
        int incrementX, incrementY; // at or below 0: ignored, the 4s stay
        TZuDrawOptions options;
        Path path;
        int synchronizeEvents; // when shown, then once per axis moved
    };
    const TZuDrawOptions unsynchronized = ZuDefaultDrawOptions & ~ZuDrawOptionBit(doSynchronize);
    const Case cases[] = {
        { { 0, 0 }, { 10, 3 }, 0, -5, ZuDefaultDrawOptions, { { 4, 3 }, { 8, 3 }, { 10, 3 } }, 5 },
        { { 10, 12 }, { 2, 0 }, 3, 5, ZuDefaultDrawOptions, { { 7, 7 }, { 4, 2 }, { 2, 0 } }, 7 },
        { { 0, 0 }, { 8, 0 }, 4, 4, unsynchronized, { { 4, 0 }, { 8, 0 } }, 0 },
    };
    for (const Case& c : cases) {
        Flight f;
        f.sprite.SetIncrementX(c.incrementX);
        f.sprite.SetIncrementY(c.incrementY);
        f.sprite.SetDrawOptions(c.options);
        f.Fly(c.from.x(), c.from.y(), c.to.x(), c.to.y());
        EXPECT_EQ(f.steps, c.path);
        EXPECT_EQ(f.afterMoves, 1);
        EXPECT_EQ(f.lockAtAfterMove, 0u);
        EXPECT_FALSE(f.sprite.Visible());
        EXPECT_EQ(f.form.synchronizeEvents, c.synchronizeEvents);
    }
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
}

TEST(SpriteFlight, ADisabledSpriteOnlyProcessesPendingMessages)
{
    Flight f;
    f.sprite.SetX(5);
    f.sprite.SetY(6);
    f.sprite.SetEnabled(false);
    bool processed = false;
    Post([&] { processed = true; });
    f.Fly(0, 0, 50, 50);
    EXPECT_TRUE(processed);
    EXPECT_EQ(f.At(), QPoint(5, 6));
    EXPECT_EQ(f.afterMoves, 0);
    EXPECT_FALSE(f.sprite.Layer()->HoldsPixels());
}

TEST(SpriteFlight, EscDuringAFlightSkipsTheNextFlightsUntilItsRealRelease)
{
    Flight f;
    // Keys go to whichever child has the focus; the sprite sees them there too.
    auto* button = new QPushButton(QStringLiteral("Deal"), &f.form);
    button->show();
    f.sprite.AfterStep = [&](QObject*) {
        f.steps.push_back(f.At());
        if (f.steps.size() == 1) Post([&] { SendEsc(button, QEvent::KeyPress); });
    };
    f.Fly(0, 0, 12, 0);
    EXPECT_EQ(f.steps, (Path { { 4, 0 }, { 8, 0 }, { 12, 0 } }));
    f.Fly(0, 0, 12, 0);
    f.sprite.ReturnHome();
    // A held key repeats as release-press pairs; only the real release counts.
    SendEsc(&f.form, QEvent::KeyRelease, true);
    f.Fly(0, 0, 12, 0);
    EXPECT_EQ(f.steps.size(), 3u);
    EXPECT_EQ(f.afterMoves, 1);
    SendEsc(&f.form, QEvent::KeyRelease);
    f.Fly(0, 0, 12, 0);
    EXPECT_EQ(f.steps.size(), 6u);
}

TEST(SpriteFlight, EscIsIgnoredInAnotherWindowWhileDisabledOrWithoutDetection)
{
    Flight f;
    QWidget other;
    SendEsc(&other, QEvent::KeyPress);
    f.sprite.SetEnabled(false);
    SendEsc(&f.form, QEvent::KeyPress);
    f.sprite.SetEnabled(true);
    f.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doDetectEscKey));
    SendEsc(&f.form, QEvent::KeyPress);
    EXPECT_FALSE(f.sprite.Aborted());
}

TEST(SpriteFlight, TheApplicationEndingStopsTheFlightReleasesTheLockAndFiresAfterMove)
{
    struct Case {
        void (*end)();
        bool refuseClose;
        std::size_t steps;
    };
    const Case cases[] = {
        { [] { ZuSetApplicationTerminating(true); }, false, 1 }, { Quit, false, 1 },
        { Quit, true, 10 }, // a window refuses to close: no quit, the flight goes on
    };
    for (const Case& c : cases) {
        Flight f;
        f.form.refuseClose = c.refuseClose;
        f.sprite.AfterStep = [&](QObject*) {
            f.steps.push_back(f.At());
            if (f.steps.size() == 1) c.end();
        };
        f.Fly(0, 0, 40, 0);
        const bool terminated = f.sprite.Terminated();
        ZuSetApplicationTerminating(false);
        EXPECT_EQ(terminated, !c.refuseClose);
        EXPECT_EQ(f.steps.size(), c.steps);
        EXPECT_EQ(f.afterMoves, 1);
        EXPECT_EQ(f.lockAtAfterMove, 0u);
        // A terminated flight skips the rest of Fly (hiding).
        EXPECT_EQ(f.sprite.Visible(), terminated);

        f.sprite.SetVisible(false);
        f.Fly(0, 0, 8, 0);
        EXPECT_FALSE(f.sprite.Terminated());
        EXPECT_EQ(f.sprite.X(), 8);
    }
}

TEST(SpriteFlight, SpriteDestroyedDuringAFlightEndsItQuietly)
{
    auto* f = new Flight;
    f->sprite.AfterStep = [&](QObject*) { Post([f] { delete f; }); };
    f->Fly(0, 0, 40, 0);
    EXPECT_FALSE(AnimationLocked());
}

TEST(SpriteFlight, ResizeIsRefusedDuringAFlightWhenAskedAndAllowedAfterIt)
{
    for (bool prevent : { true, false }) {
        Flight f;
        const QSize size = f.form.size();
        if (!prevent)
            f.sprite.SetDrawOptions(ZuDefaultDrawOptions & ~ZuDrawOptionBit(doWindowPreventResize));
        // The resize comes in through message processing, while the flight holds the lock.
        f.sprite.AfterStep = [&](QObject*) {
            if (f.sprite.X() == 4) Post([&] { f.form.resize(size + QSize(50, 40)); });
        };
        f.Fly(0, 0, 12, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(f.form.size(), prevent ? size : size + QSize(50, 40));

        f.form.resize(size + QSize(30, 20));
        QCoreApplication::processEvents();
        EXPECT_EQ(f.form.size(), size + QSize(30, 20));
        // The layer follows the form's size.
        EXPECT_EQ(f.sprite.Layer()->geometry(), f.form.rect());
    }
}

// A frame-driven flight moves at least once for every refresh of its screen.
TEST(SpriteFlight, FrameFlightsMoveAtLeastAsOftenAsTheScreenRefreshes)
{
    QWidget form;
    TZuFrameFlights flights(&form, nullptr);
    const qreal rate = form.screen()->refreshRate();
    ASSERT_GT(rate, 1.0);
    // With a millisecond to spare for the timer's lateness, and no more.
    EXPECT_LE((flights.FrameMs() + 1) * rate, 1000.0);
    EXPECT_GT((flights.FrameMs() + 2) * rate, 1000.0) << "no faster than it needs";
}
