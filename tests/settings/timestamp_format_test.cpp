#include "settings/timestamp_format.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kTime(QDate(2026, 12, 7), QTime(9, 5, 3));

TEST(TimestampFormat, DefaultFormatInTheLocalesNamesAndSeparators)
{
    EXPECT_EQ(FormatTimestamp("dd/mmm/yyyy hh:nn:ss ", kTime, QLocale(QLocale::English)),
        "07/Dec/2026 09:05:03 ");
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(FormatTimestamp("dd/mmm/yyyy hh:nn:ss ", kTime, finnish),
        "07." + finnish.monthName(12, QLocale::ShortFormat) + ".2026 09.05.03 ");
    EXPECT_EQ(FormatTimestamp("dd/mm/yyyy", kTime, QLocale(QLocale::Swedish)), "07-mm-2026");
}

TEST(TimestampFormat, CopiesWhatIsNoTokenAndPadsEveryField)
{
    const QDateTime late(QDate(987, 1, 2), QTime(23, 0, 9));
    EXPECT_EQ(FormatTimestamp("[yyyy|dd|hh|nn|ss] d h n s y", late, QLocale(QLocale::English)),
        "[0987|02|23|00|09] d h n s y");
}

} // namespace
