#include "settings/program_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProgramFiles, BesideTheProgramElseInTheUsersConfigurationFolder)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("config/zaviko");
    EXPECT_EQ(
        ChooseProgramFileName(dir.filePath("Zaviko"), ".ini", config), dir.filePath("Zaviko.ini"));
    EXPECT_EQ(ChooseProgramFileName(dir.filePath("Zaviko.exe"), ".log", config),
        dir.filePath("Zaviko.log"));
    EXPECT_FALSE(QDir(config).exists());

    // A folder the program cannot write to; a missing one stands in for a
    // read-only one, which these tests cannot make when they run as root.
    EXPECT_EQ(ChooseProgramFileName(dir.filePath("absent/Zaviko"), ".ini", config),
        config + "/Zaviko.ini");
    EXPECT_TRUE(QDir(config).exists());
}
