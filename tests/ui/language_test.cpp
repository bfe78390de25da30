// Choosing, storing and installing the game's languages, and the embedded
// translations against the translation files they are built from.
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "tests/support/recording_sink.h"
#include "game/controller/game_text_shown.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/language_box.h"
#include "ui/desktop/qt_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct TTsMessage {
    QString context, source, translation;
};

// Every message of a translation file in the source tree.
std::vector<TTsMessage> ReadTs(const QString& code)
{
    const QString path = QStringLiteral(ZAVIKO_TRANSLATIONS_DIR "/zaviko_%1.ts").arg(code);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<TTsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.push_back({ context, xml.readElementText(), {} });
        else if (xml.name() == QLatin1String("translation"))
            messages.back().translation = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString();
    return messages;
}

QString Tr(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

class LanguageTest : public ::testing::Test {
protected:
    ~LanguageTest() override { InstallLanguage(QString::fromLatin1(SourceLanguage)); }
    QString Settings() const { return dir.filePath(QStringLiteral("Zaviko.ini")); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(LanguageTest, EachLanguageGivesEveryTranslationOfItsFile)
{
    for (const char* code : { "en", "sr_Latn", "sr_Cyrl" }) {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(code))) << code;
        EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(code));
        const std::vector<TTsMessage> messages = ReadTs(QString::fromLatin1(code));
        ASSERT_GT(messages.size(), 150u) << code;
        for (const TTsMessage& m : messages)
            EXPECT_EQ(
                Tr(m.context.toUtf8().constData(), m.source.toUtf8().constData()), m.translation)
                << code << " " << m.context.toStdString() << ": " << m.source.toStdString();
    }
}

TEST_F(LanguageTest, TranslationsSpeakTheirLanguage)
{
    const char* full = "Ne mozes da oznacis vise od 21 karte.";
    ASSERT_TRUE(InstallLanguage(QStringLiteral("sr_Cyrl")));
    EXPECT_EQ(Tr("TForm1", "&Nova"), QString::fromUtf8("&Нова"));
    EXPECT_EQ(
        Tr("TMatchController", full), QString::fromUtf8("Не можеш да означиш више од 21 карте."));
    ASSERT_TRUE(InstallLanguage(QStringLiteral("sr_Latn")));
    EXPECT_EQ(
        Tr("TMatchController", full), QString::fromUtf8("Ne možeš da označiš više od 21 karte."));
    // Qt ships no Serbian: the edit menus come from the game's own files.
    for (const TQtText& text : QtTextsShown())
        EXPECT_NE(Tr(text.context, text.text), QString::fromUtf8(text.text)) << text.text;
    ASSERT_TRUE(InstallLanguage(QStringLiteral("en")));
    EXPECT_EQ(Tr("TForm1", "&Nova"), "&New");
    EXPECT_EQ(ShownGameText("nedostaje polje mode"), "the field mode is missing");
    EXPECT_EQ(ShownGameText("ostecen red"), "a damaged line");
    EXPECT_EQ(ShownGameText("nepoznat tekst"), "nepoznat tekst");
    // Back to the source texts, exactly as written.
    ASSERT_TRUE(InstallLanguage(QString::fromLatin1(SourceLanguage)));
    EXPECT_EQ(Tr("TForm1", "&Nova"), "&Nova");
    EXPECT_EQ(ShownGameText("nedostaje polje mode"), "nedostaje polje mode");
    EXPECT_FALSE(InstallLanguage(QStringLiteral("xx")));
    EXPECT_EQ(CurrentLanguage(), QString::fromLatin1(SourceLanguage));
}

TEST_F(LanguageTest, WithoutAChoiceOnlyAnEnglishSystemGetsEnglish)
{
    EXPECT_EQ(DefaultLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), "en");
    EXPECT_EQ(DefaultLanguage(QLocale(QLocale::English, QLocale::UnitedKingdom)), "en");
    for (const QLocale& other : { QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia),
             QLocale(QLocale::Serbian, QLocale::CyrillicScript, QLocale::Serbia),
             QLocale(QLocale::German), QLocale::c() })
        EXPECT_EQ(DefaultLanguage(other), SourceLanguage) << other.name().toStdString();

    const QLocale english(QLocale::English);
    EXPECT_EQ(StoredLanguage(Settings()), QString()); // no file yet
    EXPECT_EQ(ChosenLanguage(Settings(), english), "en");
    StoreLanguage(Settings(), QStringLiteral("sr_Cyrl"));
    EXPECT_EQ(ChosenLanguage(Settings(), english), "sr_Cyrl");
    StoreLanguage(Settings(), QString::fromLatin1(SourceLanguage));
    EXPECT_EQ(ChosenLanguage(Settings(), english), SourceLanguage);
    // A value the game does not know is no choice.
    StoreLanguage(Settings(), QStringLiteral("klingon"));
    EXPECT_EQ(StoredLanguage(Settings()), QString());
    EXPECT_EQ(ChosenLanguage(Settings(), english), "en");
}

TEST_F(LanguageTest, TheChoiceLivesBesideTheGameOptions)
{
    TIni ini(Settings());
    ini.SetGameOptions(1, 1, 3, 4, 5, false, true, false, false, true, true);
    StoreLanguage(Settings(), QStringLiteral("en"));
    EXPECT_EQ(TIniFile(Settings()).ReadString("GameOptions", "Language", QString()), "en");
    // Writing the options keeps the language, and the language keeps the options.
    ini.SetGameOptions(2, 0, 2, 1, 1, true, false, true, true, false, false);
    EXPECT_EQ(StoredLanguage(Settings()), "en");
    StoreLanguage(Settings(), QStringLiteral("sr_Latn"));
    const TIni reread(Settings());
    EXPECT_EQ(reread.NumberOfPlayers, 2);
    EXPECT_EQ(reread.CompPlays, 2);
    EXPECT_FALSE(reread.CanViewOtherCollectedCards);
}

TEST_F(LanguageTest, HelpPageOfTheLanguageWhenItExists)
{
    const QString help = dir.filePath(QStringLiteral("Zaviko.hlp"));
    const QString english = dir.filePath(QStringLiteral("Zaviko.en.hlp"));
    QFile(english).open(QIODevice::WriteOnly);
    EXPECT_EQ(HelpFileIn(help, QStringLiteral("en")), english);
    EXPECT_EQ(HelpFileIn(help, QString::fromLatin1(SourceLanguage)), help);
    // No Cyrillic page in this folder: the source page rather than none.
    EXPECT_EQ(HelpFileIn(help, QStringLiteral("sr_Cyrl")), help);
    EXPECT_EQ(HelpFileIn(help, QStringLiteral("../en")), help);

    // Every language's page ships beside the program.
    const QString shipped = QDir(QCoreApplication::applicationDirPath()).filePath("Zaviko.hlp");
    for (const TLanguage& language : Languages()) {
        const QString page = HelpFileIn(shipped, QString::fromLatin1(language.code));
        EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString();
        if (language.code != std::string(SourceLanguage)) {
            EXPECT_NE(page, shipped) << language.code;
        }
    }
}

TEST_F(LanguageTest, LanguageBoxNamesEachLanguageInItselfAndStoresANewChoice)
{
    TScopedRecordingSink sink;
    ASSERT_TRUE(InstallLanguage(QStringLiteral("en")));
    TLanguageBox box;
    QStringList names;
    for (int i = 0; i < box.Combo()->count(); ++i)
        names << box.Combo()->itemText(i);
    EXPECT_EQ(names,
        QStringList(
            { "Srpski (bez dijakritika)", "English", "Srpski", QString::fromUtf8("Српски") }));
    EXPECT_EQ(box.Language(), "en"); // the one in use

    EXPECT_FALSE(box.Store(Settings())); // unchanged: nothing stored, nothing said
    EXPECT_EQ(StoredLanguage(Settings()), QString());
    EXPECT_TRUE(sink.shown.information.empty());

    box.SetLanguage(QStringLiteral("sr_Cyrl"));
    EXPECT_TRUE(box.Store(Settings()));
    EXPECT_EQ(StoredLanguage(Settings()), "sr_Cyrl");
    ASSERT_EQ(sink.shown.information.size(), 1u);
    // Said in the language in use, and the language stays until the next start.
    EXPECT_EQ(
        sink.shown.information[0], "The chosen language applies from the next start of the game.");
    EXPECT_EQ(CurrentLanguage(), "en");

    // A settings file that cannot be written is reported, not stored.
    QDir(dir.path()).mkdir(QStringLiteral("folder.ini"));
    box.SetLanguage(QStringLiteral("sr_Latn"));
    EXPECT_FALSE(box.Store(dir.filePath(QStringLiteral("folder.ini"))));
    EXPECT_EQ(sink.shown.errors.size(), 1u);
}
