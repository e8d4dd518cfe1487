#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

TEST(FontSubstitution, SongTiIsDrawnWithAnInstalledCjkFace)
{
    installFontSubstitutions();
    const QStringList substitutes = QFont::substitutes(QStringLiteral("宋体"));
    ASSERT_FALSE(substitutes.isEmpty());
    EXPECT_EQ(substitutes.first().toLower().toStdString(), "ar pl uming cn");

    const QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("AR PL UMing CN")))
        GTEST_SKIP() << "the Song-style face is not installed here";
    const QFontInfo info(makeFont(QStringLiteral("宋体"), 9));
    EXPECT_EQ(info.family().toStdString(), "AR PL UMing CN");
}

}  // namespace
