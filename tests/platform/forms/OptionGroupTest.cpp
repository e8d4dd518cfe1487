// One row of option buttons as a keyboard operator meets it: its Tab stop, the arrows and the tick.
#include "forms/OptionGroup.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Six buttons in one group, and a field outside it.
class OptionGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 6; ++i) {
            buttons.append(new QRadioButton(&window));
            group.addButton(buttons.last());
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The index of the one button that is so; -1 for none, -2 for more than one.
    int which(const std::function<bool(const QRadioButton &)> &is) const
    {
        int found = -1;
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i] && is(*buttons[i]))
                found = found == -1 ? i : -2;
        return found;
    }
    int stop() const { return which([](const QRadioButton &b) { return bool(b.focusPolicy() & Qt::TabFocus); }); }
    int ticked() const { return which([](const QRadioButton &b) { return b.isChecked(); }); }
    int focused() const { return which([](const QRadioButton &b) { return b.hasFocus(); }); }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    void destroy(int i)
    {
        delete buttons[i];
        buttons[i] = nullptr;
    }

    QWidget window;
    QLineEdit *outside = new QLineEdit(&window);
    hestova::forms::OptionGroup group{&window};
    QList<QRadioButton *> buttons;
};

}  // namespace

TEST_F(OptionGroupTest, TheTabStopIsTheTickedOrElseTheFirstShownEnabledButton)
{
    outside->setFocus();
    buttons[0]->hide();
    buttons[1]->setEnabled(false);
    EXPECT_EQ(stop(), 2);
    buttons[4]->setChecked(true);
    EXPECT_EQ(stop(), 4);
    buttons[4]->setEnabled(false);
    EXPECT_EQ(stop(), 2);
    buttons[1]->setEnabled(true);
    EXPECT_EQ(stop(), 1);
    EXPECT_TRUE(group.focusTabStop());
    EXPECT_EQ(focused(), 1);

    // The stop hands the focus on, or no shown button can take it: it stays where it was.
    outside->setFocus();
    buttons[1]->setFocusProxy(outside);
    EXPECT_FALSE(group.focusTabStop());
    for (int i : {1, 2, 3, 5})
        buttons[i]->setEnabled(false);
    EXPECT_EQ(stop(), -1);
    EXPECT_FALSE(group.focusTabStop());
    EXPECT_EQ(QApplication::focusWidget(), outside);
}

TEST_F(OptionGroupTest, ADestroyedButtonIsForgottenAndTheStopMovesOn)
{
    destroy(0);
    EXPECT_EQ(stop(), 1);
    buttons[3]->setChecked(true);
    destroy(3);
    EXPECT_EQ(stop(), 1);
    buttons[2]->click();
    EXPECT_EQ(stop(), 2);

    // The focused button goes: its focus-out comes when it is no longer a button.
    buttons[4]->setFocus();
    ASSERT_EQ(focused(), 4);
    destroy(4);
    EXPECT_EQ(stop(), 2);

    // A ticked button goes while focused: from its focus-out on, the stop is on a button that stays.
    auto *going = new QRadioButton(&window);
    int stopWhileGoing = -3;
    QObject::connect(going, &QObject::destroyed, [&] { stopWhileGoing = stop(); });  // before the group's
    group.addButton(going);
    going->show();
    going->click();
    going->setFocus();
    ASSERT_TRUE(going->hasFocus());
    delete going;
    EXPECT_EQ(stopWhileGoing, 1);
}

TEST_F(OptionGroupTest, ArrowsGoRoundTheShownEnabledButtonsAndMoveTheTickOnlyInAnAnsweredRow)
{
    destroy(1);
    buttons[2]->hide();
    buttons[4]->setEnabled(false);
    ASSERT_TRUE(group.focusTabStop());
    for (auto [key, focus] : {std::pair{Qt::Key_Right, 3}, {Qt::Key_Down, 5}, {Qt::Key_Right, 0}, {Qt::Key_Left, 5}}) {
        press(key);
        EXPECT_EQ(focused(), focus);
    }
    EXPECT_EQ(ticked(), -1);

    press(Qt::Key_Space);
    for (auto [key, tick] : {std::pair{Qt::Key_Up, 3}, {Qt::Key_Down, 5}, {Qt::Key_Down, 0}}) {
        press(key);
        EXPECT_EQ(focused(), tick);
        EXPECT_EQ(ticked(), tick);
    }
}
