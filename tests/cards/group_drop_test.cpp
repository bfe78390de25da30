#include "tests/cards/group_fixture.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>

#include "cards/pictures/zucard_pictures.h"

// Nothing moves by itself on a drop: a group takes drops only through its
// handlers, and whatever the handler moved shows on both groups at once.
TEST_F(GroupTest, ADropIsTakenOnlyThroughTheHandlersAndBothGroupsRedraw)
{
    TZuCardGroup& from = Hand({ 14, 24 });
    TZuCardGroup& to = Hand({ E, E });
    to.move(0, 200);
    QMimeData data;
    data.setText("24");
    EXPECT_FALSE(to.DragOver(&from, 10, 10, &data)) << "no drop handler: refused";

    Log log;
    bool accept = true;
    to.OnDragOver
        = [&](TZuCardGroup* sender, QObject* source, int x, int, const QMimeData* d, bool& ok) {
              EXPECT_EQ(sender, &to);
              log.push_back("over " + std::to_string(source == &from) + " " + std::to_string(x)
                  + " " + d->text().toStdString());
              ok = accept;
          };
    to.OnDragDrop = [&](TZuCardGroup*, QObject* source, int x, int, const QMimeData* d) {
        log.push_back("drop " + std::to_string(x));
        auto* group = qobject_cast<TZuCardGroup*>(source);
        if (!group) return;
        // Painting waits for the drop's redraw, which must then show the move.
        from.BeginDraw();
        to.BeginDraw();
        const int id = d->text().toInt();
        to.CardAt(1)->SetID(id);
        to.CardAt(1)->SetEmpty(false);
        group->CardAt(1)->SetEmpty(true);
        from.EndDraw();
        to.EndDraw();
        from.Bitmap().fill(Qt::black);
        to.Bitmap().fill(Qt::black);
    };
    accept = false;
    EXPECT_FALSE(to.DragOver(&from, 10, 10, &data));
    accept = true;
    ASSERT_TRUE(to.DragOver(&from, 90, 10, &data));
    to.DragDrop(&from, 90, 10, &data);
    EXPECT_TRUE(from.CardAt(1)->Empty());
    EXPECT_EQ(to.CardAt(1)->ID(), 24);
    const QImage& face = *CardPicture(24);
    const qreal r = to.Bitmap().devicePixelRatio();
    EXPECT_EQ(to.Bitmap().pixelColor(QPoint(76 + 35, 48) * r),
        face.pixelColor(QPoint(35, 48) * face.devicePixelRatio()))
        << "the group that took the drop shows the card";
    EXPECT_EQ(from.Bitmap().pixelColor(QPoint(76 + 35, 48) * r), TableGreen)
        << "the source shows the gap";

    // Qt's own drag events go the same way; a drag from another program has no source.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&to, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&to, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(log,
        (Log {
            "over 1 10 24", "over 1 90 24", "drop 90", "over 0 5 24", "over 0 5 24", "drop 5" }));
}
