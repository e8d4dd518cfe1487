#include "forms/Formatting.h"

#include "core/AppError.h"

#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

QDateTime at(int y, int m, int d, int h = 0, int min = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

TEST(NumberText, PlainDecimalAndTheSignPositionForm)
{
    EXPECT_EQ(plainDecimal(12), QStringLiteral("12"));
    EXPECT_EQ(plainDecimal(-7), QStringLiteral("-7"));
    EXPECT_EQ(QStringLiteral("第") + signPositionDecimal(1) + QStringLiteral(" 页"), QStringLiteral("第 1 页"));
    EXPECT_EQ(QStringLiteral("where id=") + signPositionDecimal(12), QStringLiteral("where id= 12"));
    EXPECT_EQ(signPositionDecimal(0), QStringLiteral(" 0"));
    EXPECT_EQ(signPositionDecimal(-1), QStringLiteral("-1"));
}

TEST(DateConversion, AcceptsTheDateFormsWithAndWithoutATime)
{
    EXPECT_EQ(toDate(QStringLiteral("2003-05-08")), at(2003, 5, 8));
    EXPECT_EQ(toDate(QStringLiteral("2003/5/8")), at(2003, 5, 8));
    EXPECT_EQ(toDate(QStringLiteral("2003.12.31")), at(2003, 12, 31));
    EXPECT_EQ(toDate(QStringLiteral("2003年5月8日")), at(2003, 5, 8));
    EXPECT_EQ(toDate(QStringLiteral("2003-5-8 9:05")), at(2003, 5, 8, 9, 5));
    EXPECT_EQ(toDate(QStringLiteral(" 2003-5-8 14:30:15 ")), at(2003, 5, 8, 14, 30, 15));
    EXPECT_EQ(toDate(QStringLiteral("2003年5月8日 8:00")), at(2003, 5, 8, 8));
    EXPECT_EQ(toDate(QStringLiteral("2004-2-29")), at(2004, 2, 29));
}

TEST(DateConversion, RejectsWhatIsNoDateWithTypeMismatch)
{
    for (const char *text : {"", "abc", "2003-2-30", "2003-13-1", "2003-5/8", "2003-5-8 25:00", "2003-5-8 10:61",
                             "5-8", "2003-5-8x", "1; drop table mydjb"}) {
        try {
            toDate(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const hestova::AppError &error) {
            EXPECT_EQ(error.number(), 13) << text;
        }
    }
}

TEST(DateText, DateAloneOrWithTimeWhenNotMidnight)
{
    EXPECT_EQ(dateText(at(2003, 5, 8)), QStringLiteral("2003-5-8"));
    EXPECT_EQ(dateText(at(2003, 12, 31, 9, 5, 7)), QStringLiteral("2003-12-31 9:05:07"));
    EXPECT_EQ(dateText(at(2003, 5, 8, 0, 0, 1)), QStringLiteral("2003-5-8 0:00:01"));
    EXPECT_EQ(dateText(QDateTime()), QString());
}

TEST(RateFormatText, TwoDecimalsAtMostRoundedHalfAwayFromZeroAndThePointAlways)
{
    EXPECT_EQ(RateFormat(200.0 / 3.0), QStringLiteral("66.67"));
    EXPECT_EQ(RateFormat(80), QStringLiteral("80."));
    EXPECT_EQ(RateFormat(0.5), QStringLiteral(".5"));
    EXPECT_EQ(RateFormat(0), QStringLiteral("."));
    EXPECT_EQ(RateFormat(66.5), QStringLiteral("66.5"));
    EXPECT_EQ(RateFormat(2.675), QStringLiteral("2.68"));   // the decimal value, not binary 2.67499…
    EXPECT_EQ(RateFormat(0.125), QStringLiteral(".13"));
    EXPECT_EQ(RateFormat(99.995), QStringLiteral("100."));  // carries into the whole part
    EXPECT_EQ(RateFormat(0.004), QStringLiteral("."));
    EXPECT_EQ(RateFormat(-0.5), QStringLiteral("-.5"));
}

TEST(RateFormatText, ThePointIsTheSystemsDecimalSeparator)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(RateFormat(200.0 / 3.0, german), QStringLiteral("66,67"));
    EXPECT_EQ(RateFormat(80, german), QStringLiteral("80,"));
    EXPECT_EQ(RateFormat(0, german), QStringLiteral(","));
    EXPECT_EQ(RateFormat(200.0 / 3.0, QLocale(QLocale::Chinese, QLocale::China)), QStringLiteral("66.67"));
    EXPECT_EQ(RateFormat(200.0 / 3.0, QLocale::c()), QStringLiteral("66.67"));

    // The program's default locale is not the system's.
    const QLocale before;
    QLocale::setDefault(german);
    const QString systemRate = RateFormat(0.5);
    QLocale::setDefault(before);
    EXPECT_EQ(systemRate, QLocale::system().decimalPoint() + QStringLiteral("5"));
}

}  // namespace
