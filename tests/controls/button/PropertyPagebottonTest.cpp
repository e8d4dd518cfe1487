// The design-time page: what it reads from the first selected button and what applying writes.
#include "button/PropertyPagebotton.h"
#include "button/QeTobrel.h"
#include "common/MessageBoxHook.h"
#include "common/PropertyBag.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace hestova;
using namespace hestova::tobrel;

namespace {

struct ShownBox {
    QString prompt;
    int buttons = 0;
    QString title;
};

class PageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        first = new QeTobrel(host.get());
        second = new QeTobrel(host.get());
        first->InitProperties();
        second->InitProperties();
        first->setKeys(QStringLiteral("k"));
        first->setTipText(QStringLiteral("提示"));
        first->setBorderStyleDown(5);
        first->setBorderStyleMove(4);
        first->setBorderStyleOut(1);
        first->setCaption(QStringLiteral("确定"));
        first->setImageSize(24);
        first->setButtonStyle(1);
        first->setPersent(40);
        first->setButtonEnabled(false);
        controls::setMessageBoxFunction([this](QWidget *, const QString &prompt, int buttons, const QString &title) {
            boxes.push_back({prompt, buttons, title});
            return controls::MsgBoxStyle::AnswerOk;
        });
        page.setSelectedControls({first, second});
    }
    void TearDown() override { controls::setMessageBoxFunction({}); }

    std::unique_ptr<QWidget> host;
    QeTobrel *first = nullptr;
    QeTobrel *second = nullptr;
    PropertyPagebotton page;
    std::vector<ShownBox> boxes;
};

}  // namespace

TEST_F(PageTest, ReadsTheFirstSelectedButton)
{
    EXPECT_EQ(page.txtKeys->text(), QStringLiteral("k"));
    EXPECT_EQ(page.txtTipText->text(), QStringLiteral("提示"));
    EXPECT_FALSE(page.chkEnabled->isChecked());
    EXPECT_EQ(page.txtBorderStyleDown->currentIndex(), 5);
    EXPECT_EQ(page.txtBorderStyleMove->currentIndex(), 4);
    EXPECT_EQ(page.txtBorderStyleOut->currentIndex(), 1);
    EXPECT_EQ(page.txtCaption->text(), QStringLiteral("确定"));
    EXPECT_EQ(page.txtImageSize->text(), QStringLiteral("24"));
    EXPECT_EQ(page.txtStyle->currentIndex(), 1);
    EXPECT_EQ(page.txtPersent->text(), QStringLiteral("40"));
    EXPECT_FALSE(page.isChanged());
}

TEST_F(PageTest, AnEditMarksThePageChanged)
{
    page.txtCaption->setText(QStringLiteral("取消"));
    EXPECT_TRUE(page.isChanged());
}

TEST_F(PageTest, ApplyWritesAllTenPropertiesToTheFirstButtonOnly)
{
    page.txtKeys->setText(QStringLiteral("z"));
    page.txtTipText->setText(QStringLiteral("新提示"));
    page.chkEnabled->setChecked(true);
    page.txtBorderStyleDown->setCurrentIndex(0);
    page.txtBorderStyleMove->setCurrentIndex(2);
    page.txtBorderStyleOut->setCurrentIndex(3);
    page.txtCaption->setText(QStringLiteral("取消"));
    page.txtImageSize->setText(QStringLiteral("32"));
    page.txtStyle->setCurrentIndex(0);
    page.txtPersent->setText(QStringLiteral("25"));
    ASSERT_TRUE(page.applyChanges());
    EXPECT_EQ(first->keys(), QStringLiteral("z"));
    EXPECT_EQ(first->tipText(), QStringLiteral("新提示"));
    EXPECT_TRUE(first->isButtonEnabled());
    EXPECT_EQ(first->borderStyleDown(), 0);
    EXPECT_EQ(first->borderStyleMove(), 2);
    EXPECT_EQ(first->borderStyleOut(), 3);
    EXPECT_EQ(first->caption(), QStringLiteral("取消"));
    EXPECT_EQ(first->imageSize(), 32);
    EXPECT_EQ(first->buttonStyle(), 0);
    EXPECT_EQ(first->persent(), 25);
    EXPECT_FALSE(page.isChanged());
    EXPECT_EQ(second->caption(), QString());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(PageTest, ApplyAnnouncesEveryPropertyChangedOrNot)
{
    QStringList announced;
    QObject::connect(first, &QeTobrel::PropertyChanged, [&](const QString &name) { announced << name; });
    ASSERT_TRUE(page.applyChanges());
    EXPECT_EQ(announced, (QStringList{"Keys", "", "Enabled", "BorderStyleDown", "BorderStyleMove", "BorderStyleOut",
                                      "Caption", "ImageSize", "Style", "Persent"}));
}

TEST_F(PageTest, ANonNumberWritesNothingAndNamesTheField)
{
    page.txtCaption->setText(QStringLiteral("取消"));
    page.txtPersent->setText(QStringLiteral("三十"));
    EXPECT_FALSE(page.applyChanges());
    EXPECT_EQ(first->caption(), QStringLiteral("确定"));
    EXPECT_EQ(first->keys(), QStringLiteral("k"));
    EXPECT_EQ(first->persent(), 40);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].prompt.contains(QStringLiteral("Persent")));
    EXPECT_TRUE(page.isChanged());

    boxes.clear();
    page.txtPersent->setText(QStringLiteral("30"));
    page.txtImageSize->setText(QString());
    EXPECT_FALSE(page.applyChanges());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].prompt.contains(QStringLiteral("ImageSize")));
    EXPECT_EQ(first->imageSize(), 24);
}

TEST_F(PageTest, NumbersBeyondThe32BitRangeAreRefused)
{
    page.txtImageSize->setText(QStringLiteral("99999999999"));
    EXPECT_FALSE(page.applyChanges());
    EXPECT_EQ(first->imageSize(), 24);
}

TEST_F(PageTest, AComboTypedOverWritesMinusOne)
{
    page.txtBorderStyleOut->setEditText(QStringLiteral("随便"));
    page.txtStyle->setEditText(QStringLiteral("?"));
    ASSERT_TRUE(page.applyChanges());
    EXPECT_EQ(first->borderStyleOut(), -1);
    EXPECT_EQ(first->buttonStyle(), -1);
}

TEST_F(PageTest, AStyleOutsideTheListShowsNoItemInsteadOfFailing)
{
    second->setBorderStyleOut(9);
    page.setSelectedControls({second});
    EXPECT_EQ(page.txtBorderStyleOut->currentIndex(), -1);
    EXPECT_EQ(page.txtBorderStyleOut->currentText(), QStringLiteral("9"));
}
