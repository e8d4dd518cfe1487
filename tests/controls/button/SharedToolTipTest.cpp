// The one tooltip window of all buttons: its text, its life and its count.
#include "ButtonTestSupport.h"

#include "button/QeTobrel.h"
#include "button/SharedToolTip.h"
#include "common/PropertyBag.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>

using namespace hestova;
using namespace hestova::tobrel;

namespace {

// Asks the button for its tip as the pointer resting on it would.
void restPointerOn(QeTobrel *button)
{
    const QPoint at(5, 5);
    QHelpEvent event(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &event);
}

QString shownTip()
{
    QLabel *window = SharedToolTip::window();
    return window && window->isVisible() ? window->text() : QString();
}

QeTobrel *readButton(QWidget *host, const controls::PropertyBag &bag = {})
{
    auto *button = new QeTobrel(host);
    button->setGeometry(0, 0, 80, 24);
    button->ReadProperties(bag);
    return button;
}

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SharedToolTip::buttonCount(), 0);
        ASSERT_FALSE(SharedToolTip::created());
        host = std::make_unique<QWidget>();
        host->resize(200, 100);
        host->show();
    }
    void TearDown() override { host.reset(); }

    std::unique_ptr<QWidget> host;
};

}  // namespace

TEST_F(ToolTipTest, DefaultTipIsZero)
{
    QeTobrel *button = readButton(host.get());
    restPointerOn(button);
    EXPECT_EQ(shownTip(), QStringLiteral("0"));
}

TEST_F(ToolTipTest, StoredTipAndARunTimeChangeShowAtTheNextRequest)
{
    controls::PropertyBag bag;
    bag.write("TipText", QStringLiteral("满意度调查"), QStringLiteral("0"));
    QeTobrel *button = readButton(host.get(), bag);
    restPointerOn(button);
    EXPECT_EQ(shownTip(), QStringLiteral("满意度调查"));
    button->setTipText(QStringLiteral("退出"));
    EXPECT_EQ(shownTip(), QStringLiteral("满意度调查"));  // not until asked again
    restPointerOn(button);
    EXPECT_EQ(shownTip(), QStringLiteral("退出"));
}

TEST_F(ToolTipTest, DisabledButtonShowsNoTip)
{
    QeTobrel *button = readButton(host.get());
    button->setButtonEnabled(false);
    restPointerOn(button);
    EXPECT_EQ(shownTip(), QString());
}

TEST_F(ToolTipTest, PressingOrLeavingHidesTheTip)
{
    QeTobrel *button = readButton(host.get());
    restPointerOn(button);
    ASSERT_FALSE(shownTip().isEmpty());
    buttontest::press(button, QPoint(5, 5));
    EXPECT_EQ(shownTip(), QString());
}

TEST_F(ToolTipTest, OneWindowForAllButtonsGoneAfterTheLastAndNewForTheNext)
{
    QeTobrel *first = readButton(host.get());
    QLabel *window = SharedToolTip::window();
    ASSERT_NE(window, nullptr);
    QeTobrel *second = readButton(host.get());
    EXPECT_EQ(SharedToolTip::window(), window);
    EXPECT_EQ(SharedToolTip::buttonCount(), 2);
    EXPECT_EQ(QApplication::topLevelWidgets().count(window), 1);

    delete first;
    EXPECT_TRUE(SharedToolTip::created());
    restPointerOn(second);
    EXPECT_EQ(shownTip(), QStringLiteral("0"));
    delete second;
    EXPECT_FALSE(SharedToolTip::created());
    EXPECT_EQ(SharedToolTip::buttonCount(), 0);

    QeTobrel *later = readButton(host.get());
    EXPECT_TRUE(SharedToolTip::created());
    restPointerOn(later);
    EXPECT_EQ(shownTip(), QStringLiteral("0"));
}

TEST_F(ToolTipTest, ANewlyPlacedButtonIsCountedSoItCannotTakeTheWindowAway)
{
    QeTobrel *reading = readButton(host.get());
    auto *placed = new QeTobrel(host.get());
    placed->InitProperties();
    EXPECT_TRUE(placed->isCounted());
    EXPECT_FALSE(placed->isHooked());
    EXPECT_EQ(SharedToolTip::buttonCount(), 2);
    delete placed;
    EXPECT_TRUE(SharedToolTip::created());  // still in use by the other button
    restPointerOn(reading);
    EXPECT_EQ(shownTip(), QStringLiteral("0"));
    delete reading;
    EXPECT_FALSE(SharedToolTip::created());
}

TEST_F(ToolTipTest, ReadingTwiceCountsOnce)
{
    QeTobrel *button = readButton(host.get());
    button->ReadProperties(controls::PropertyBag());
    EXPECT_EQ(SharedToolTip::buttonCount(), 1);
    delete button;
    EXPECT_EQ(SharedToolTip::buttonCount(), 0);
}

TEST_F(ToolTipTest, DesignTimeButtonsAreCountedButGetNoWindowAndNoTip)
{
    host->setProperty("UserMode", false);
    QeTobrel *button = readButton(host.get());
    EXPECT_EQ(SharedToolTip::buttonCount(), 1);
    EXPECT_FALSE(SharedToolTip::created());
    EXPECT_FALSE(button->isHooked());
    restPointerOn(button);
    EXPECT_EQ(shownTip(), QString());
}
