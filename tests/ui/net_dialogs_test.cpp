// The network dialogs as a player uses them: the join dialog from a pasted
// link or from its parts, and a table opened by one window's dialogs and
// joined by another's through the link, to the match's start; a failure to
// join reaches the player as a message.
#include "net/host/local_server.h"
#include "tests/support/recording_sink.h"
#include "ui/network/chat_panel.h"
#include "ui/network/join_table_dialog.h"
#include "ui/network/net_table.h"
#include "ui/network/net_words.h"
#include "ui/network/open_table_dialog.h"
#include "ui/network/waiting_room.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTcpServer>
#include <QTest>

#include "tests/support/run_until.h"

#include <gtest/gtest.h>

using namespace zaviko::net;

namespace {

template <typename W> W* Child(QWidget& parent, const char* name)
{
    return parent.findChild<W*>(QLatin1String(name));
}

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    return probe.serverPort();
}

TEST(NetDialogs, TheJoinDialogTakesAPastedLinkOrItsPartsAndSaysWhatIsWrong)
{
    TFJoinTable dialog(QStringLiteral("Mika"));
    dialog.show();
    auto* join = Child<QPushButton>(dialog, "ButtonJoin");
    auto* problem = Child<QLabel>(dialog, "LabelProblem");
    EXPECT_FALSE(join->isEnabled());

    QTest::keyClicks(Child<QLineEdit>(dialog, "EditLink"), "zaviko://10.0.0.5:7000/ab12/cd34");
    EXPECT_TRUE(join->isEnabled());
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditHost")->text(), "10.0.0.5");
    EXPECT_EQ(Child<QSpinBox>(dialog, "SpinPort")->value(), 7000);
    EXPECT_EQ(Child<QLineEdit>(dialog, "EditCode")->text(), "ab12/cd34");
    ASSERT_TRUE(dialog.Invitation());
    EXPECT_EQ(dialog.Invitation()->code, "cd34");

    QTest::keyClick(Child<QLineEdit>(dialog, "EditLink"), Qt::Key_Backspace);
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditLink"), "/x");
    EXPECT_FALSE(join->isEnabled());
    EXPECT_TRUE(problem->text().startsWith("Poziv nije ispravan"));

    // The parts alone, the link left empty.
    Child<QLineEdit>(dialog, "EditLink")->clear();
    Child<QLineEdit>(dialog, "EditCode")->clear();
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditCode"), "ab12");
    EXPECT_FALSE(join->isEnabled());
    EXPECT_TRUE(problem->text().startsWith("Kod stola treba"));
    QTest::keyClicks(Child<QLineEdit>(dialog, "EditCode"), "/ef56");
    EXPECT_TRUE(join->isEnabled());
    EXPECT_EQ(dialog.Invitation()->table, "ab12");
    Child<QLineEdit>(dialog, "EditName")->clear();
    EXPECT_FALSE(join->isEnabled());
}

TEST(NetDialogs, AHostOpensATableAndAGuestJoinsByTheLinkThroughTheDialogsToTheStart)
{
    TScopedRecordingSink sink;
    TNetTable host(nullptr), guest(nullptr);
    host.playerName = QStringLiteral("Lazor");
    guest.playerName = QStringLiteral("Mika");
    const quint16 port = FreePort();
    bool hostStarted = false, guestStarted = false;
    host.stateChanged = [&](const TSeatView&) { hostStarted = true; };
    guest.stateChanged = [&](const TSeatView&) { guestStarted = true; };
    TFWaitingRoom* hostRoom = nullptr;
    bool startClicked = false;

    guest.runDialog = [&](QDialog& d) {
        d.show();
        if (auto* join = qobject_cast<TFJoinTable*>(&d)) {
            QTest::mouseClick(Child<QPushButton>(d, "ButtonJoin"), Qt::LeftButton);
            return join->result();
        }
        // The host's room, under this one, offers the start once the guest sits.
        RunUntil([&] {
            if (!startClicked && hostRoom->StartButton()->isEnabled()) {
                EXPECT_EQ(hostRoom->SeatTable()->item(SeatN, 1)->text(), "Mika");
                QTest::mouseClick(hostRoom->StartButton(), Qt::LeftButton);
                startClicked = true;
            }
            return d.isHidden();
        });
        return d.result();
    };
    host.runDialog = [&](QDialog& d) {
        d.show();
        if (qobject_cast<TFOpenTable*>(&d)) {
            // Two players: the guest sits across.
            Child<QSpinBox>(d, "SpinPort")->setValue(port);
            // On its round mark: a radio button takes clicks on its mark and text.
            QRadioButton* two = d.findChildren<QRadioButton*>().at(2);
            QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(6, two->height() / 2));
            EXPECT_FALSE(Child<QComboBox>(d, "ComboSeat1")->isEnabled());
            QTest::mouseClick(Child<QPushButton>(d, "ButtonOpen"), Qt::LeftButton);
            return d.result();
        }
        hostRoom = static_cast<TFWaitingRoom*>(&d);
        EXPECT_TRUE(RunUntil([&] { return !hostRoom->LinkEdit()->text().isEmpty(); }));
        EXPECT_FALSE(hostRoom->StartButton()->isEnabled());
        // The guest pastes the link as the host copied it (here by loopback).
        QTest::mouseClick(Child<QPushButton>(d, "ButtonCopy"), Qt::LeftButton);
        TInvitation invitation = *ParseInvitation(QGuiApplication::clipboard()->text());
        const QString link = QStringLiteral("zaviko://127.0.0.1:%1/%2/%3")
                                 .arg(invitation.port)
                                 .arg(invitation.table, invitation.code);
        EXPECT_EQ(invitation.port, port);
        QTimer::singleShot(0, &d, [&guest, link] { EXPECT_TRUE(guest.JoinTable(link)); });
        RunUntil([&] { return d.isHidden(); });
        return d.result();
    };
    ASSERT_TRUE(host.OpenTable());
    ASSERT_TRUE(RunUntil([&] { return guestStarted; }));
    EXPECT_TRUE(hostStarted);
    EXPECT_EQ(guest.Session()->Seat(), SeatN);
    EXPECT_EQ(guest.Session()->Seats()[SeatS].name, "Lazor");
    EXPECT_TRUE(sink.shown.errors.empty());
    EXPECT_TRUE(startClicked);
}

TEST(NetDialogs, AJoinThatFailsClosesTheRoomAndTellsThePlayerWhy)
{
    TScopedRecordingSink sink;
    TNetTable guest(nullptr);
    guest.playerName = QStringLiteral("Mika");
    guest.runDialog = [&](QDialog& d) {
        d.show();
        if (qobject_cast<TFJoinTable*>(&d)) {
            QTest::mouseClick(Child<QPushButton>(d, "ButtonJoin"), Qt::LeftButton);
            return d.result();
        }
        RunUntil([&] { return d.isHidden(); });
        return d.result();
    };
    const QString nobody = QStringLiteral("zaviko://127.0.0.1:%1/ab12/cd34").arg(FreePort());
    EXPECT_FALSE(guest.JoinTable(nobody));
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_TRUE(
        QString::fromStdString(sink.shown.errors[0]).startsWith("Niko se ne javlja na 127.0.0.1"));
    EXPECT_FALSE(guest.Active());
}

// Every window must name each seat alike, and no two seats the same.
TEST(NetDialogs, SeatsThatWouldShareANameAreToldApartInSeatOrder)
{
    const TNetSeat person { SeatKind::Person, QStringLiteral("Igrac"), 3 };
    const TNetSeat away { SeatKind::Away, QStringLiteral("Igrac"), 3 };
    const TNetSeat other { SeatKind::Person, QStringLiteral("Mika"), 3 };
    const TNetSeat majstor { SeatKind::Computer, {}, 3 };
    const TNetSeat glupo { SeatKind::Computer, {}, 2 };
    struct Case {
        std::array<TNetSeat, 4> seats;
        int mode;
        std::array<const char*, 4> names;
    } cases[] = {
        { { person, majstor, other, glupo }, 0,
            { "Igrac", "racunar (Majstor)", "Mika", "racunar (Glupo)" } },
        { { person, majstor, away, majstor }, 1,
            { "Igrac", "racunar (Majstor)", "Igrac 2", "racunar (Majstor) 2" } },
        { { other, majstor, majstor, majstor }, 0,
            { "Mika", "racunar (Majstor)", "racunar (Majstor) 2", "racunar (Majstor) 3" } },
        // Two players: the empty side seats keep their places' names.
        { { person, {}, person, {} }, 2, { "Igrac", "Zapad", "Igrac 2", "Istok" } },
    };
    for (const Case& c : cases) {
        const auto names = SeatNames(c.seats, c.mode);
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(names[seat], QString::fromUtf8(c.names[seat])) << "mode " << c.mode;
    }
}

} // namespace
