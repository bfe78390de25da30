#include "data/app_icon.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <gtest/gtest.h>

// Every size reaches the icon from the resources, at exactly its own size: a
// PNG missing from the resource file or swapped with another shows up here,
// not as a blurred icon on somebody's panel.
TEST(AppIcon, HoldsEverySizeFromItsOwnPicture)
{
    const QIcon icon = AppIcon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> expected;
    for (int size : kAppIconSizes)
        expected.append(QSize(size, size));
    EXPECT_EQ(icon.availableSizes(), expected);

    for (int size : kAppIconSizes) {
        SCOPED_TRACE(size);
        const QImage picture(QStringLiteral(":/zaviko/icons/%1.png").arg(size));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), QSize(size, size));
        // The corners are transparent (rounded square); the middle is drawn.
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
}

// The windows' icon leaves out only the sizes above 128.
TEST(AppIcon, WindowsCarryTheSizesUpTo128)
{
    QList<QSize> expected;
    for (int size : kAppIconSizes)
        if (size <= 128) expected.append(QSize(size, size));
    EXPECT_EQ(WindowIcon().availableSizes(), expected);
    EXPECT_EQ(expected.size(), int(kAppIconSizes.size()) - 1);
}
