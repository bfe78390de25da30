// Writes a picture of a card in mid-flight over a green form with some widgets,
// to look at: <build>/screenshots/sprite_mid_flight.png.
#include "tests/cards/sprite_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>

#include <gtest/gtest.h>

TEST(SpriteLook, WritesACardHalfWayAcrossAGreenForm)
{
    QWidget form;
    form.resize(480, 300);
    QPalette palette = form.palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    palette.setColor(QPalette::WindowText, Qt::white);
    form.setPalette(palette);
    form.setAutoFillBackground(true);
    auto* title = new QLabel(QStringLiteral("Zaviko: the deal"), &form);
    title->setGeometry(16, 12, 220, 24);
    auto* deal = new QPushButton(QStringLiteral("New deal"), &form);
    deal->setGeometry(360, 250, 100, 30);
    auto* box = new QCheckBox(QStringLiteral("Animate"), &form);
    box->setGeometry(16, 256, 120, 24);
    auto* table = new QFrame(&form);
    table->setFrameStyle(QFrame::Box | QFrame::Plain);
    table->setGeometry(130, 70, 220, 130);
    ShowActive(form);

    TZuSprite sprite(&form);
    const QImage card = CardPictureForTest();
    const QPoint from(20, 190), to(390, 40);
    QImage mid;
    sprite.AfterStep = [&](QObject*) {
        if (mid.isNull() && sprite.X() >= (from.x() + to.x()) / 2) mid = Screen(form);
    };
    sprite.SetIncrementX(8);
    sprite.SetIncrementY(4);
    sprite.Fly(from.x(), from.y(), to.x(), to.y(), &card, false);
    ASSERT_FALSE(mid.isNull());

    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(mid.save(dir + QStringLiteral("/sprite_mid_flight.png")));
    EXPECT_NE(mid, Screen(form));
}
