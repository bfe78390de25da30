// Cursor following: the offsets, the one-step moves, leaving the client area.
#include "tests/cards/sprite_fixture.h"

#include <QCursor>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// Follows on a 320 × 240 form with a 71 × 96 picture; stops following at the end.
struct TFollow : TSpriteOnForm {
    TFollow() { sprite.SetBitmap(card); }
    ~TFollow() { sprite.SetSnapToCursor(false); }
    void FollowTo(QPoint at)
    {
        QCursor::setPos(form.mapToGlobal(at));
        if (sprite.SnapToCursor())
            sprite.FollowCursor();
        else
            sprite.SetSnapToCursor(true);
    }
};

} // namespace

TEST(SpriteFollow, FollowsTheCursorInSingleStepsAndRestoresTheIncrements)
{
    TFollow f;
    const QImage before = Screen(f.form);
    f.sprite.SetIncrementX(6);
    f.FollowTo(QPoint(100, 120));
    // The first target uses the offsets as they stood; then they centre.
    EXPECT_EQ(f.At(), QPoint(100, 120));
    EXPECT_EQ(f.sprite.Home(), QPoint(100, 120));
    EXPECT_EQ(QPoint(f.sprite.CursorDeltaX(), f.sprite.CursorDeltaY()), QPoint(35, 48));
    EXPECT_TRUE(f.sprite.Visible());
    EXPECT_TRUE(f.sprite.FollowTimerActive());
    EXPECT_EQ(f.steps.size(), 1u);

    f.FollowTo(QPoint(250, 200));
    EXPECT_EQ(f.At(), QPoint(215, 152));
    EXPECT_EQ(ImageDiff(Screen(f.form), WithPicture(before, f.card, f.At())), "");
    f.FollowTo(QPoint(250, 200)); // the cursor staying put moves nothing
    EXPECT_EQ(f.steps.size(), 2u);

    f.sprite.SetSnapToCursor(false);
    EXPECT_FALSE(f.sprite.FollowTimerActive());
    EXPECT_FALSE(f.sprite.Visible());
    EXPECT_EQ(QPoint(f.sprite.IncrementX(), f.sprite.IncrementY()), QPoint(6, 4));
    EXPECT_EQ(ImageDiff(Screen(f.form), before), "");
}

TEST(SpriteFollow, LeavingTheClientAreaHidesTheSpriteAndTellsTheOwner)
{
    TFollow f;
    int outs = 0;
    f.sprite.OnOutClient = [&](QObject*) { ++outs; };
    f.FollowTo(QPoint(200, 150));
    ASSERT_TRUE(f.sprite.Visible());
    for (QPoint out : { QPoint(0, 150), QPoint(320, 150), QPoint(200, 0), QPoint(200, 240) }) {
        f.FollowTo(out);
        EXPECT_FALSE(f.sprite.Visible()) << out.x() << "," << out.y();
    }
    EXPECT_EQ(outs, 4);
    EXPECT_FALSE(f.sprite.Layer()->HoldsPixels());

    f.FollowTo(QPoint(1, 1));
    EXPECT_TRUE(f.sprite.Visible());
    EXPECT_EQ(f.At(), QPoint(1 - 35, 1 - 48));
}

TEST(SpriteFollow, WhileEscIsDownTheSpriteStaysButIsShown)
{
    TFollow f;
    f.sprite.SetX(10);
    f.sprite.SetY(10);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.form, &esc);
    f.FollowTo(QPoint(200, 150));
    EXPECT_EQ(f.At(), QPoint(10, 10));
    EXPECT_TRUE(f.sprite.Visible());
}
