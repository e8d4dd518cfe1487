#include "PropertyPageqe.h"
#include "UCtitlebar.h"

#include "common/MessageBoxHook.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace hestova::titlebar;

namespace {

struct PageFixture {
    UCtitlebar first;
    UCtitlebar second;
    PropertyPageqe page;
    QStringList boxes;

    PageFixture()
    {
        hestova::controls::setMessageBoxFunction([this](QWidget *, const QString &prompt, int, const QString &) {
            boxes << prompt;
            return 1;
        });
        first.setBtnsize(15);
        first.setCaption(QStringLiteral("选择调查"));
        first.setbMin(false);
        first.setbClose(true);
        first.setbMax(false);
        page.setSelectedControls({&first, &second});
    }
    ~PageFixture() { hestova::controls::setMessageBoxFunction({}); }
};

}  // namespace

TEST(PropertyPageqe, ReadsTheFirstSelectedControl)
{
    PageFixture f;
    EXPECT_EQ(f.page.txtBtnsize()->text(), QStringLiteral("15"));
    EXPECT_EQ(f.page.txtCaption()->text(), QStringLiteral("选择调查"));
    EXPECT_FALSE(f.page.chkbMin()->isChecked());
    EXPECT_FALSE(f.page.chkbMax()->isChecked());
    EXPECT_TRUE(f.page.chkbClose()->isChecked());
    EXPECT_FALSE(f.page.isChanged());

    f.page.txtCaption()->setText(QStringLiteral("x"));
    EXPECT_TRUE(f.page.isChanged());
}

TEST(PropertyPageqe, AppliesToTheFirstControlOnly)
{
    PageFixture f;
    f.page.txtBtnsize()->setText(QStringLiteral("20"));
    f.page.txtCaption()->setText(QString());
    f.page.chkbMin()->setChecked(true);
    f.page.chkbMax()->setCheckState(Qt::PartiallyChecked);  // grey counts as ticked
    f.page.chkbClose()->setChecked(false);
    ASSERT_TRUE(f.page.applyChanges());
    EXPECT_EQ(f.first.Btnsize(), 20);
    EXPECT_EQ(f.first.Caption(), QString());
    EXPECT_TRUE(f.first.bMin());
    EXPECT_TRUE(f.first.bMax());
    EXPECT_FALSE(f.first.bClose());
    EXPECT_FALSE(f.page.isChanged());
    EXPECT_EQ(f.second.Btnsize(), 16);
    EXPECT_EQ(f.second.Caption(), QStringLiteral("标题栏"));
    EXPECT_TRUE(f.boxes.isEmpty());
}

TEST(PropertyPageqe, NonNumericButtonSizeWritesNothingAndNamesTheField)
{
    PageFixture f;
    f.page.txtBtnsize()->setText(QStringLiteral("大"));
    f.page.txtCaption()->setText(QStringLiteral("新标题"));
    f.page.chkbClose()->setChecked(false);
    EXPECT_FALSE(f.page.applyChanges());
    EXPECT_EQ(f.first.Caption(), QStringLiteral("选择调查"));
    EXPECT_TRUE(f.first.bClose());
    EXPECT_EQ(f.first.Btnsize(), 15);
    ASSERT_EQ(f.boxes.size(), 1);
    EXPECT_TRUE(f.boxes.first().contains(QStringLiteral("Btnsize")));
    EXPECT_TRUE(f.page.isChanged());
}
