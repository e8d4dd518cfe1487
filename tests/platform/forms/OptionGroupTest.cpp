// One row of option buttons as a keyboard operator meets it: its Tab stop, the arrows and the tick.
#include "forms/OptionGroup.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using hestova::forms::OptionGroup;

namespace {

class OptionGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        outside = new QLineEdit(&window);
        for (int i = 0; i < 6; ++i) {
            buttons.append(new QRadioButton(QString::number(i), &window));
            buttons.last()->move(0, 20 * (i + 1));
            group.addButton(buttons.last());
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Index of the button that Tab reaches (the one with Tab focus); -1 when none.
    int stop() const
    {
        int found = -1;
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i] && (buttons[i]->focusPolicy() & Qt::TabFocus))
                found = found < 0 ? i : -2;  // two stops would be a fault
        return found;
    }

    int focused() const { return int(buttons.indexOf(qobject_cast<QRadioButton *>(QApplication::focusWidget()))); }

    int ticked() const
    {
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i] && buttons[i]->isChecked())
                return i;
        return -1;
    }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    void destroy(int i)
    {
        delete buttons[i];
        buttons[i] = nullptr;
    }

    QWidget window;
    OptionGroup group{&window};
    QLineEdit *outside = nullptr;
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

    // No shown button can take the focus: it stays where it was.
    outside->setFocus();
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
}

TEST_F(OptionGroupTest, ArrowsGoRoundTheShownEnabledButtonsAndMoveTheTickOnlyInAnAnsweredRow)
{
    destroy(1);
    buttons[2]->hide();
    buttons[4]->setEnabled(false);
    ASSERT_TRUE(group.focusTabStop());
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), 3);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), 5);
    press(Qt::Key_Right);
    EXPECT_EQ(focused(), 0);
    press(Qt::Key_Left);
    EXPECT_EQ(focused(), 5);
    EXPECT_EQ(ticked(), -1);

    press(Qt::Key_Space);
    EXPECT_EQ(ticked(), 5);
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), 3);
    EXPECT_EQ(ticked(), 3);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), 0);
    EXPECT_EQ(ticked(), 0);
}
