#include "settings/ini.h"
#include "tests/settings/file_helpers.h"
#include "tests/support/recording_sink.h"
#include "ui/dialogs/rename_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const char* const kEdits[] = { "EditSouth", "EditWest", "EditNorth", "EditEast" };

class RenameDialog : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Zaviko.ini"); }
    QLineEdit* Edit(int i) const
    {
        auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(kEdits[i]));
        EXPECT_NE(edit, nullptr) << kEdits[i];
        return edit;
    }
    void Click(const char* name) { dialog.findChild<QPushButton*>(QLatin1String(name))->click(); }
    static QString Names(const TIni& s) { return QStringList { s.S, s.W, s.N, s.E }.join('|'); }
    void Fill() { dialog.FillNames(&ini, "Ja", "Pera", "Mika", "Zika"); }

    QTemporaryDir dir;
    TIni ini { Path() };
    TFPromenaImena dialog;
};

TEST_F(RenameDialog, AnEmptyNameKeepsAllOldNamesAndStillClosesWithOk)
{
    const QByteArray before = ReadAll(Path());
    for (int cleared = 0; cleared < 4; ++cleared) {
        TScopedRecordingSink sink;
        Fill();
        for (int i = 0; i < 4; ++i)
            Edit(i)->setText(QStringLiteral("Novi%1").arg(i));
        Edit(cleared)->clear();
        Click("ButtonAccept");
        EXPECT_EQ(sink.shown.messages,
            std::vector<std::string> { "Posto si neko ime izostavio, ostaju stara imena :)" })
            << kEdits[cleared];
        EXPECT_EQ(dialog.result(), 1);
        EXPECT_EQ(Names(ini), "Lazor|Dunjo|Tomir|Savel");
        EXPECT_EQ(ReadAll(Path()), before);
    }
}

TEST_F(RenameDialog, NamesAreStoredAsTypedBlanksIncludedAndCutToWhatTheFileKeeps)
{
    TScopedRecordingSink sink;
    const QString overlong(3000, QLatin1Char('x'));
    dialog.FillNames(&ini, overlong, "Pera", "Mika", "Zika");
    EXPECT_EQ(Edit(0)->text().size(), 2047);
    Edit(1)->setText("   ");
    Edit(2)->setText(" <b>Mika</b> ");
    Click("ButtonAccept");
    EXPECT_TRUE(sink.shown.messages.empty());
    const QString expected = QString(2047, QLatin1Char('x')) + "|   | <b>Mika</b> |Zika";
    EXPECT_EQ(Names(ini), expected);
    // The file gives back exactly what was stored (values are read trimmed).
    const TIni reread(Path());
    EXPECT_EQ(reread.S, ini.S);
    EXPECT_EQ(reread.E, "Zika");
}

TEST_F(RenameDialog, CancelAfterEditsChangesNothing)
{
    const QByteArray before = ReadAll(Path());
    Fill();
    Edit(0)->setText("Drugi");
    Click("ButtonCancel");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(Names(ini), "Lazor|Dunjo|Tomir|Savel");
    EXPECT_EQ(ReadAll(Path()), before);
}

TEST_F(RenameDialog, FileThatCannotBeWrittenIsReportedAndTheNamesHoldForTheRun)
{
    TScopedRecordingSink sink;
    TIni lost(dir.filePath("missing/Zaviko.ini"));
    sink.shown.errors.clear();
    dialog.FillNames(&lost, "A", "B", "C", "D");
    Click("ButtonAccept");
    EXPECT_EQ(sink.shown.errors,
        std::vector<std::string> {
            "Podesavanja ne mogu da se sacuvaju u " + lost.FileName.toStdString() + "." });
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(Names(lost), "A|B|C|D");
}

} // namespace

namespace {

TEST(RenameDialogLook, WideEnoughForItsTitleWithTheControlsInTheMiddle)
{
    TFPromenaImena dialog;
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    // A title bar also holds the window's icon and its buttons, some 48
    // pixels on each side at the least.
    const int title = QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle());
    EXPECT_GE(dialog.width(), title + 2 * 48);
    const auto* south = dialog.findChild<QLineEdit*>("EditSouth");
    ASSERT_TRUE(south);
    const QPoint centre = south->mapTo(&dialog, south->rect().center());
    EXPECT_NEAR(centre.x(), dialog.width() / 2, 2);
}

} // namespace
