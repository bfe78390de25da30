// Cursor following: the offsets, the one-step moves, leaving the client area.
#include "tests/cards/sprite_fixture.h"

#include <QCursor>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

void PutCursor(QWidget& form, QPoint at)
{
    QCursor::setPos(form.mapToGlobal(at));
}

} // namespace

TEST(SpriteFollow, CursorCenterSetsTheOffsetsToHalfThePicture)
{
    TPatternForm form;
    TZuSprite sprite(&form);
    sprite.SetBitmap(CardPictureForTest(QSize(71, 96)));
    sprite.SetCursorCenter(true);
    EXPECT_EQ(sprite.CursorDeltaX(), 35);
    EXPECT_EQ(sprite.CursorDeltaY(), 48);
    sprite.SetCursorDeltaX(3);
    EXPECT_FALSE(sprite.CursorCenter());
    EXPECT_EQ(sprite.CursorDeltaX(), 3);
    sprite.SetCursorCenter(true);
    sprite.SetCursorDeltaY(9);
    EXPECT_FALSE(sprite.CursorCenter());
    EXPECT_EQ(sprite.CursorDeltaY(), 9);
}

TEST(SpriteFollow, FollowsTheCursorInSingleStepsAndRestoresTheIncrements)
{
    TPatternForm form(QSize(400, 300));
    ShowActive(form);
    const QImage before = Screen(form);
    TZuSprite sprite(&form);
    sprite.SetBitmap(CardPictureForTest());
    sprite.SetIncrementX(6);
    int steps = 0;
    sprite.AfterStep = [&](QObject*) { ++steps; };

    PutCursor(form, QPoint(100, 120));
    sprite.SetSnapToCursor(true);
    // The first target uses the offsets as they stood; then they centre.
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(100, 120));
    EXPECT_EQ(sprite.Home(), QPoint(100, 120));
    EXPECT_EQ(QPoint(sprite.CursorDeltaX(), sprite.CursorDeltaY()), QPoint(35, 48));
    EXPECT_TRUE(sprite.Visible());
    EXPECT_TRUE(sprite.FollowTimerActive());
    EXPECT_EQ(steps, 1);

    PutCursor(form, QPoint(250, 200));
    sprite.FollowCursor();
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(215, 152));
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(ImageDiff(Screen(form), WithPicture(before, sprite.Bitmap(), QPoint(215, 152))), "");

    // The cursor staying put moves nothing.
    sprite.FollowCursor();
    EXPECT_EQ(steps, 2);

    sprite.SetSnapToCursor(false);
    EXPECT_FALSE(sprite.FollowTimerActive());
    EXPECT_FALSE(sprite.Visible());
    EXPECT_EQ(sprite.IncrementX(), 6);
    EXPECT_EQ(sprite.IncrementY(), 4);
    EXPECT_EQ(ImageDiff(Screen(form), before), "");
}

TEST(SpriteFollow, LeavingTheClientAreaHidesTheSpriteAndTellsTheOwner)
{
    TPatternForm form(QSize(400, 300));
    ShowActive(form);
    TZuSprite sprite(&form);
    sprite.SetBitmap(CardPictureForTest());
    int outs = 0;
    sprite.OnOutClient = [&](QObject*) { ++outs; };
    PutCursor(form, QPoint(200, 150));
    sprite.SetSnapToCursor(true);
    ASSERT_TRUE(sprite.Visible());

    for (QPoint out : { QPoint(0, 150), QPoint(400, 150), QPoint(200, 0), QPoint(200, 300) }) {
        PutCursor(form, out);
        sprite.FollowCursor();
        EXPECT_FALSE(sprite.Visible()) << out.x() << "," << out.y();
    }
    EXPECT_EQ(outs, 4);
    EXPECT_FALSE(sprite.Layer()->HoldsPixels());

    PutCursor(form, QPoint(1, 1));
    sprite.FollowCursor();
    EXPECT_TRUE(sprite.Visible());
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(1 - 35, 1 - 48));
    sprite.SetSnapToCursor(false);
}

TEST(SpriteFollow, WhileEscIsDownTheSpriteStaysButIsShown)
{
    TPatternForm form(QSize(400, 300));
    ShowActive(form);
    TZuSprite sprite(&form);
    sprite.SetBitmap(CardPictureForTest());
    sprite.SetX(10);
    sprite.SetY(10);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &esc);
    PutCursor(form, QPoint(200, 150));
    sprite.SetSnapToCursor(true);
    EXPECT_EQ(QPoint(sprite.X(), sprite.Y()), QPoint(10, 10));
    EXPECT_TRUE(sprite.Visible());
    sprite.SetSnapToCursor(false);
}
