#pragma once

#include "settings/log_file.h"
#include "tests/settings/file_helpers.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A log in a fresh folder with the clock stopped at 7 December 2026 09:05:03
// and English month names.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        log.SetLogFileName(Path());
        log.SetClock([this] { return now; });
    }
    void TearDown() override { QLocale::setDefault(savedLocale); }

    QString Path() const { return dir.filePath("Zaviko.log"); }
    QByteArray Contents() const { return ReadAll(Path()); }

    QLocale savedLocale;
    QTemporaryDir dir;
    QDateTime now { QDate(2026, 12, 7), QTime(9, 5, 3) };
    TLogFile log;
};
