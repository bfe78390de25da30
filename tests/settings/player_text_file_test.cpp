// The one way the player's own files are kept: the atomic writer's backup
// rule and failure reasons, and a text file beside the settings or in the
// per-user folder that is read within its limit and set aside when damaged.
#include "settings/atomic_file.h"
#include "settings/player_text_file.h"
#include "tests/settings/file_helpers.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class KeptFiles : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

bool Write(const QString& path, const QByteArray& data, const QString& backupSuffix,
    QString* reason = nullptr)
{
    QString why;
    const bool written = WriteFileAtomically(
        path, data, TAtomicWrite { TInPlace::Refuse, backupSuffix, QString() }, why);
    if (reason) *reason = why;
    return written;
}

// The first backup holds the oldest version: later saves never replace it,
// and a new file has nothing to back up.
TEST_F(KeptFiles, TheBackupKeepsTheFirstOldVersion)
{
    const QString path = Path("score.txt"), backup = Path("score.txtBAK");
    ASSERT_TRUE(Write(path, "one", "BAK"));
    EXPECT_FALSE(QFile::exists(backup)) << "nothing old to keep";
    ASSERT_TRUE(Write(path, "two", "BAK"));
    ASSERT_TRUE(Write(path, "three", "BAK"));
    EXPECT_EQ(ReadAll(path), "three");
    EXPECT_EQ(ReadAll(backup), "one");
    // The backup is a file of its own: the next save leaves it alone.
    ASSERT_TRUE(Write(path, "four", "BAK"));
    EXPECT_EQ(ReadAll(backup), "one");
    EXPECT_EQ(FilesIn(dir.path()), (QStringList { "score.txt", "score.txtBAK" }));

    ASSERT_TRUE(Write(Path("plain.txt"), "a", QString()));
    ASSERT_TRUE(Write(Path("plain.txt"), "b", QString()));
    EXPECT_FALSE(QFile::exists(Path("plain.txtBAK")));
}

// A refused write names why, and leaves what lay there as it was.
TEST_F(KeptFiles, ARefusedWriteSaysWhy)
{
    QString reason;
    QDir().mkpath(Path("folder"));
    EXPECT_FALSE(Write(Path("folder"), "x", "BAK", &reason));
    EXPECT_EQ(reason, "it is a folder");
    EXPECT_FALSE(QFile::exists(Path("folderBAK")));

    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe")).constData(), 0600), 0);
    EXPECT_FALSE(Write(Path("pipe"), "x", QString(), &reason));
    EXPECT_EQ(reason, "it is not a regular file");

    EXPECT_FALSE(Write(Path("missing/score.txt"), "x", QString(), &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Path("missing")));
}

TEST_F(KeptFiles, ATextFileLivesBesideTheSettingsOrInThePerUserFolder)
{
    const QString settings = Path("Zaviko.ini"), user = Path("user");
    const TPlayerTextFile beside(settings, ".stat", 100, false, user, true);
    EXPECT_EQ(beside.FileName(), Path("Zaviko.stat"));
    ASSERT_TRUE(beside.Write("wins 3\n"));

    // A settings folder that cannot be written: the per-user copy, taken over
    // from beside the settings only when asked.
    const TPlayerTextFile kept(settings, ".stat", 100, /*takeOver=*/true, user, false);
    EXPECT_EQ(kept.FileName(), user + "/Zaviko.stat");
    std::string text;
    EXPECT_EQ(kept.Read(text), TReadResult::Read);
    EXPECT_EQ(text, "wins 3\n");
    const TPlayerTextFile fresh(settings, ".sav", 100, /*takeOver=*/false, user, false);
    EXPECT_EQ(fresh.FileName(), user + "/Zaviko.sav");
    EXPECT_FALSE(fresh.Exists());
    EXPECT_EQ(fresh.Read(text), TReadResult::Missing);
    EXPECT_TRUE(text.empty());
}

// Over its limit a file is not read; set aside it keeps its bytes under a
// new name, and Remove deletes only a regular file.
TEST_F(KeptFiles, ATextFileIsBoundedSetAsideAndRemovedOnlyWhenRegular)
{
    const TPlayerTextFile file(Path("Zaviko.ini"), ".sav", 8, false, Path("user"), true);
    ASSERT_TRUE(file.Write("12345678"));
    std::string text;
    EXPECT_EQ(file.Read(text), TReadResult::Read);
    ASSERT_TRUE(file.Write("123456789"));
    EXPECT_EQ(file.Read(text), TReadResult::TooLarge);
    EXPECT_TRUE(text.empty());

    EXPECT_EQ(file.SetAside(), file.FileName() + ".bad.1");
    EXPECT_FALSE(file.Exists());
    EXPECT_EQ(ReadAll(file.FileName() + ".bad.1"), "123456789");

    QDir().mkpath(file.FileName());
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(file.Read(text), TReadResult::NotRegular);
    file.Remove();
    EXPECT_TRUE(QFileInfo(file.FileName()).isDir());
    QDir().rmdir(file.FileName());
    ASSERT_TRUE(file.Write("x"));
    file.Remove();
    EXPECT_FALSE(file.Exists());
}

} // namespace
