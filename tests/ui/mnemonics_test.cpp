// Alt+letter on every dialog control: a letter for each, none twice, and
// the letter works.
#include "ui/dialogs/mnemonics.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/rename_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace {

QChar Letter(const QString& text)
{
    const int at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// No two controls share a letter; a control goes without one only when
// every letter of its text is taken; every push button has one.
void ExpectOneLetterEach(QWidget& dialog)
{
    std::set<QChar> seen;
    std::vector<QString> without;
    int controls = 0;
    auto check = [&](const QString& text, bool push) {
        if (text.isEmpty()) return;
        ++controls;
        const QChar c = Letter(text);
        if (c.isNull()) {
            EXPECT_FALSE(push) << text.toStdString();
            without.push_back(text);
            return;
        }
        EXPECT_TRUE(seen.insert(c).second) << "twice: " << QString(c).toStdString();
        EXPECT_EQ(QString(text).remove('&').size(), text.size() - 1) << "one mark only";
    };
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        check(b->text(), qobject_cast<QPushButton*>(b) != nullptr);
    for (QGroupBox* g : dialog.findChildren<QGroupBox*>())
        check(g->title(), false);
    for (const QString& text : without)
        for (QChar c : text)
            if (c.isLetterOrNumber()) {
                EXPECT_TRUE(seen.count(c.toLower())) << "a free letter in " << text.toStdString();
            }
    EXPECT_GT(controls, 3);
    EXPECT_GT(seen.size(), without.size()) << "most controls have a letter";
}

} // namespace

TEST(Mnemonics, EveryControlOfTheDialogsGetsALetterOfItsOwnOnce)
{
    TFOptions options;
    AssignMnemonics(&options);
    ExpectOneLetterEach(options);
    const QString accept = options.findChild<QPushButton*>("ButtonAccept")->text();
    EXPECT_EQ(accept, QStringLiteral("&Prihvati")) << "a word's first letter first";
    AssignMnemonics(&options);
    EXPECT_EQ(options.findChild<QPushButton*>("ButtonAccept")->text(), accept)
        << "a second pass changes nothing";

    TFPromenaImena rename;
    AssignMnemonics(&rename);
    ExpectOneLetterEach(rename);
}

TEST(Mnemonics, ALetterTakenOrAnAmpersandIsRespected)
{
    QWidget dialog;
    auto* first = new QPushButton(QStringLiteral("Prvi"), &dialog);
    auto* second = new QPushButton(QStringLiteral("Pera && Mika"), &dialog);
    auto* marked = new QCheckBox(QStringLiteral("O&pis"), &dialog);
    AssignMnemonics(&dialog);
    EXPECT_EQ(marked->text(), QStringLiteral("O&pis"));
    EXPECT_EQ(first->text(), QStringLiteral("P&rvi")) << "p is taken, r is the next free";
    EXPECT_EQ(second->text(), QStringLiteral("Pera && &Mika")) << "\"&&\" is no mark";
}

TEST(Mnemonics, AltAndTheLetterPressesTheControl)
{
    TFOptions options;
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    AssignMnemonics(&options);
    auto* log = options.findChild<QCheckBox*>("CheckLog");
    ASSERT_TRUE(log);
    const QChar c = Letter(log->text());
    ASSERT_FALSE(c.isNull());
    const bool was = log->isChecked();
    QApplication::setActiveWindow(&options);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    QTest::keyClick(&options, c.toLatin1(), Qt::AltModifier);
    EXPECT_TRUE(log->hasFocus());
    // The button shows itself pressed a moment before it toggles.
    EXPECT_TRUE(QTest::qWaitFor([&] { return log->isChecked() != was; }));
}

// Every control is offered a word's first letter before any control takes a
// letter inside a word: "Jezik" keeps its "J" and Alt+J reaches the list.
TEST(Mnemonics, AltJReachesTheLanguageList)
{
    TFOptions options;
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    AssignMnemonics(&options);
    ExpectOneLetterEach(options);
    EXPECT_EQ(options.findChild<QGroupBox*>("GroupJezik")->title(), QStringLiteral("&Jezik"));
    QApplication::setActiveWindow(&options);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
    QTest::keyClick(&options, 'j', Qt::AltModifier);
    EXPECT_TRUE(options.findChild<QComboBox*>("ComboLanguage")->hasFocus());
}
