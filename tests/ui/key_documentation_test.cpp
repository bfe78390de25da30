// Every key the program binds is documented in each place a player looks:
// the help page (F1), the manual page (man zaviko) and the About box. The
// keys are taken from the program itself where it can say them (the menus'
// shortcuts, the keys keyboard play claims), so a new binding without its
// documentation fails here, as does a documented key dropped from one place.
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/test_files.h"

#include "ui/access/keyboard_play.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/help_viewer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>

#include <set>
#include <string>
#include <vector>

namespace {

// One documented key (or group of keys) and the words that name it in each
// place: the About box's key column, the first cell of a row of the help
// page's key table, and a ".B" line of the manual page's KEYS section. `keys`
// are the bindings it covers, as QKeySequence writes them.
struct TDocumentedKey {
    std::vector<std::string> keys;
    const char* about;
    const char* help;
    const char* manual;
};

const std::vector<TDocumentedKey>& DocumentedKeys()
{
    static const std::vector<TDocumentedKey> keys {
        { { "N" }, "N", "N", "N" },
        { { "H" }, "H", "H", "H" },
        { { "Ctrl+Z" }, "Ctrl+Z", "Ctrl+Z", "Ctrl+Z" },
        { { "T" }, "T", "T", "T" },
        { { "P" }, "P", "P", "P" },
        { { "Space" }, "razmak", "razmak ili klik na sto", "Space" },
        { { "Left", "Right", "Home", "End" }, "strelice, Home, End",
            "strelice levo i desno, Home, End", "Left, Right, Home, End" },
        { { "Up", "Down" }, "strelice, Home, End", "strelice gore i dole", "Up, Down" },
        { { "Return", "Enter" }, "Enter", "Enter", "Enter" },
        { { "1", "2", "3", "4", "5", "6" }, "1-6", "1 do 6", "1 ... 6" },
        { { "Esc" }, "Escape", "Escape", "Escape" },
        { { "F1" }, "F1", "F1", "F1" },
        { { "Alt+F4" }, "Alt+F4", "Alt+F4", "Alt+F4" },
    };
    return keys;
}

bool Documented(const std::string& key)
{
    for (const TDocumentedKey& documented : DocumentedKeys())
        for (const std::string& k : documented.keys)
            if (k == key) return true;
    return false;
}

std::string Name(const QKeySequence& sequence)
{
    return sequence.toString(QKeySequence::PortableText).toStdString();
}

// The names of a place, each a whole entry: the About box's bold key cells,
// the help page's first cells of the key table, the manual page's .B lines.
std::set<std::string> Entries(const QString& text, const QString& pattern)
{
    std::set<std::string> entries;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        entries.insert(it.next().captured(1).trimmed().toStdString());
    return entries;
}

std::set<std::string> AboutEntries()
{
    TFAbout about;
    return Entries(about.Keys()->text(), QStringLiteral("<b>([^<]*)</b>"));
}

std::set<std::string> HelpEntries()
{
    const QString page = HelpFileOf(QCoreApplication::applicationDirPath() + "/Zaviko");
    const QString text = QString::fromUtf8(ReadAll(page));
    const qsizetype keys = text.indexOf(QStringLiteral("name=\"tasteri\""));
    EXPECT_GE(keys, 0) << page.toStdString();
    return Entries(text.mid(keys), QStringLiteral("<tr><td>([^<]*)</td>"));
}

std::set<std::string> ManualEntries()
{
    const QString text = QString::fromUtf8(ReadAll(QStringLiteral(ZAVIKO_MANUAL_PAGE)));
    const qsizetype keys = text.indexOf(QStringLiteral(".SH KEYS"));
    const qsizetype end = text.indexOf(QStringLiteral(".SH FILES"));
    EXPECT_GE(keys, 0) << ZAVIKO_MANUAL_PAGE;
    return Entries(text.mid(keys, end - keys), QStringLiteral("(?m)^\\.B (.*)$"));
}

TEST(KeyDocumentation, EveryKeyIsInTheHelpTheManualAndTheAboutBox)
{
    const std::set<std::string> about = AboutEntries();
    const std::set<std::string> help = HelpEntries();
    const std::set<std::string> manual = ManualEntries();
    for (const TDocumentedKey& key : DocumentedKeys()) {
        EXPECT_TRUE(about.count(key.about)) << "About box lacks " << key.about;
        EXPECT_TRUE(help.count(key.help)) << "help page lacks " << key.help;
        EXPECT_TRUE(manual.count(key.manual)) << "manual page lacks " << key.manual;
    }
}

// The bindings the program makes: every menu item's shortcut, and every key
// keyboard play takes (tried over the keyboard's keys without modifiers).
TEST_F(MainWindowTest, EveryKeyTheProgramBindsIsDocumented)
{
    // A match a computer opens waits for "Pocni igru": every playing key is
    // then refused, but still taken, so trying them plays no card.
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        FixRandomSeed(seed);
        form.reset();
        if (Make().Controller().WaitingToStart()) break;
    }
    ASSERT_TRUE(Controller().WaitingToStart()) << "no seed lets a computer start";
    TForm1& w = *form;
    int shortcuts = 0;
    for (const QAction* action : w.findChildren<QAction*>())
        for (const QKeySequence& shortcut : action->shortcuts()) {
            EXPECT_TRUE(Documented(Name(shortcut)))
                << action->objectName().toStdString() << ": " << Name(shortcut);
            ++shortcuts;
        }
    EXPECT_GE(shortcuts, 6);

    TKeyboardPlay keys(w.PlayerS, w.Talon1, w.Talon2, Controller());
    std::vector<int> tried;
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key)
        tried.push_back(key);
    for (int key = Qt::Key_Escape; key <= Qt::Key_F35; ++key)
        tried.push_back(key);
    int claimed = 0;
    for (int key : tried) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        if (!keys.KeyPress(press)) continue;
        ++claimed;
        EXPECT_TRUE(Documented(Name(QKeySequence(key)))) << Name(QKeySequence(key));
    }
    EXPECT_GE(claimed, 15);
}

} // namespace
