#include "cards/zugraphics.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QColor Green(0x00, 0x80, 0x00);

// Counts the synchronise events a form receives.
class TSyncForm : public QWidget {
public:
    TSyncForm()
    {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Green);
        setPalette(palette);
        resize(200, 100);
    }
    int syncs = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == ZuSynchronizeEvent) ++syncs;
        return QWidget::event(e);
    }
};

// The drawing base of the card controls, with no cards of its own.
class TCardControl : public TZuCustomCardControl {
public:
    using TZuCustomCardControl::TZuCustomCardControl;
    void RedrawCard(TZuSingleCard&, bool) override { }
};

} // namespace

TEST(AnimationLock, NestsAndNeverGoesBelowZero)
{
    ASSERT_FALSE(AnimationLocked());
    LockAnimation();
    LockAnimation();
    UnlockAnimation();
    EXPECT_TRUE(AnimationLocked());
    EXPECT_EQ(AnimationLockCount(), 1u);
    UnlockAnimation();
    UnlockAnimation(); // one too many: stays at zero
    EXPECT_FALSE(AnimationLocked());
    LockAnimation();
    EXPECT_TRUE(AnimationLocked());
    {
        TZuAnimationLockGuard guard;
        EXPECT_EQ(AnimationLockCount(), 2u);
    }
    UnlockAnimation();
    EXPECT_EQ(AnimationLockCount(), 0u);
}

TEST(GraphicControl, ShowsItsPictureAndTheFormsBrushAroundIt)
{
    TSyncForm form;
    TCardControl control(&form);
    EXPECT_EQ(control.BrushColor(), Green);
    control.SetBitmapSize(20, 10);
    control.Bitmap().fill(Qt::red);
    control.resize(30, 15);
    form.show();

    QImage shot = control.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(25, 5)), Green); // right of the picture
    EXPECT_EQ(QColor(shot.pixel(5, 12)), Green); // below it

    // An empty control copies nothing from its picture.
    control.SetEmpty(true);
    shot = control.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(5, 5)), Green);
}

TEST(GraphicControl, AutoSizeFollowsThePictureUnlessLoading)
{
    TSyncForm form;
    TZuCustomGraphicControl control(&form);
    form.show();
    control.SetAutoSize(true);
    control.SetBitmapSize(40, 20);
    EXPECT_EQ(control.size(), QSize(40, 20));
    control.resize(100, 100);
    EXPECT_EQ(control.size(), QSize(40, 20));

    control.SetLoading(true);
    control.SetBitmapSize(50, 30);
    EXPECT_EQ(control.size(), QSize(40, 20));
    EXPECT_EQ(control.BitmapSize(), QSize(50, 30));
}

TEST(GraphicControl, PaintsTellTheFormFirstExceptUnderTheDrawLock)
{
    TSyncForm form;
    TZuCustomGraphicControl control(&form);
    control.SetBitmapSize(20, 10);
    control.resize(20, 10);
    form.show();
    form.syncs = 0;

    control.BeginDraw();
    control.PaintArea(QRect(0, 0, 5, 5));
    control.ShowAll();
    EXPECT_EQ(form.syncs, 0);
    control.EndDraw();
    control.EndDraw(); // unbalanced: stays at zero
    EXPECT_EQ(control.DrawLock(), 0);

    control.PaintArea(QRect(0, 0, 5, 5));
    control.ShowAll();
    EXPECT_EQ(form.syncs, 2);

    control.SetSynchronize(false);
    control.ShowAll();
    EXPECT_EQ(form.syncs, 2);

    control.hide();
    control.SetSynchronize(true);
    control.PaintArea(QRect(0, 0, 5, 5)); // not visible: ignored
    EXPECT_EQ(form.syncs, 2);
}
