#include "forms/Forms.h"
#include "forms/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

class FirstWindow : public Form {
public:
    FirstWindow() : Form(QStringLiteral("TestWindow")) {}
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline std::function<void()> onLoad;
    static inline std::function<void()> onUnload;

protected:
    void Form_Load() override
    {
        ++loads;
        if (onLoad)
            onLoad();
    }
    void Form_Unload() override
    {
        ++unloads;
        if (onUnload)
            onUnload();
    }
};

class SecondWindow : public Form {
public:
    SecondWindow() : Form(QStringLiteral("TestWindow")) {}
};

class ThirdWindow : public Form {
public:
    ThirdWindow() : Form(QStringLiteral("TestWindow")) {}
};

class UndefinedWindow : public Form {
public:
    UndefinedWindow() : Form(QStringLiteral("NoSuchDefinition")) {}
};

void destroyUnloaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class FormsRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        FirstWindow::loads = FirstWindow::unloads = 0;
        Forms::setQuitHook([this] { ++quits; });
    }
    void TearDown() override
    {
        FirstWindow::onLoad = FirstWindow::onUnload = nullptr;
        Forms::unload<FirstWindow>();
        Forms::unload<SecondWindow>();
        Forms::unload<ThirdWindow>();
        Forms::unload<UndefinedWindow>();
        destroyUnloaded();
        Forms::setQuitHook(nullptr);
    }

    ScriptedMessageBoxes boxes;
    int quits = 0;
};

TEST_F(FormsRegistry, FirstReferenceCreatesTheWindowAndRunsItsLoadOnce)
{
    EXPECT_EQ(Forms::find<FirstWindow>(), nullptr);
    FirstWindow &first = Forms::get<FirstWindow>();
    EXPECT_EQ(FirstWindow::loads, 1);
    EXPECT_EQ(first.windowTitle(), QStringLiteral("测试窗口"));
    EXPECT_FALSE(first.isVisible());  // a reference loads; only Show shows
    EXPECT_EQ(&Forms::get<FirstWindow>(), &first);
    EXPECT_EQ(FirstWindow::loads, 1);
    EXPECT_EQ(Forms::loadedCount(), 1);
}

TEST_F(FormsRegistry, UnloadRunsTheHandlerOnceDestroysAfterTheEventAndTheNextReferenceCreatesAnew)
{
    FirstWindow &first = Forms::get<FirstWindow>();
    first.Show();
    QPointer<FirstWindow> old(&first);

    first.Unload();  // as an exit button does from the window's own handler
    Forms::Unload(&first);
    Forms::unload<SecondWindow>();  // not loaded: nothing is created
    EXPECT_EQ(FirstWindow::unloads, 1);
    EXPECT_FALSE(Forms::isLoaded<FirstWindow>());
    EXPECT_FALSE(Forms::isLoaded<SecondWindow>());
    ASSERT_FALSE(old.isNull());  // the handler that unloaded it may still run on it
    EXPECT_FALSE(old->isVisible());
    destroyUnloaded();
    EXPECT_TRUE(old.isNull());

    Forms::get<FirstWindow>();
    EXPECT_EQ(FirstWindow::loads, 2);
}

TEST_F(FormsRegistry, ProgramEndsOnlyWhenTheLastWindowIsUnloaded)
{
    Forms::get<FirstWindow>().Show();
    Forms::get<SecondWindow>().Show();
    Forms::unload<FirstWindow>();  // the main window goes, a questionnaire stays
    EXPECT_EQ(quits, 0);
    Forms::unload<SecondWindow>();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(Forms::loadedCount(), 0);
}

TEST_F(FormsRegistry, AnUnloadHandlerThatShowsAnotherWindowKeepsTheProgramRunning)
{
    FirstWindow::onUnload = [] { Forms::get<SecondWindow>().Show(); };
    Forms::get<FirstWindow>();
    Forms::unload<FirstWindow>();
    EXPECT_EQ(quits, 0);
    ASSERT_TRUE(Forms::isLoaded<SecondWindow>());
    EXPECT_TRUE(Forms::find<SecondWindow>()->isVisible());
}

TEST_F(FormsRegistry, AWindowUnloadedWithTheKeyboardHandsItToTheWindowThatRemains)
{
    Forms::setMainWindow<SecondWindow>();
    Forms::get<SecondWindow>().Show();
    const auto activeAfterUnload = [](const std::function<void()> &meanwhile) {
        FirstWindow &first = Forms::get<FirstWindow>();
        first.Show();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &first);
        meanwhile();
        Forms::unload<FirstWindow>();
        QCoreApplication::processEvents();
        return QApplication::activeWindow();
    };
    QWidget *main = Forms::find<SecondWindow>();
    EXPECT_EQ(activeAfterUnload([] {}), main);
    // Answered in a box that has just closed: no window is active until the window system hands it back.
    QWidget box;
    EXPECT_EQ(activeAfterUnload([&box] {
                  box.show();
                  QApplication::setActiveWindow(&box);
                  box.hide();
                  QApplication::setActiveWindow(nullptr);
              }),
              main);
    // Another program has the keyboard: nothing is taken from it.
    EXPECT_EQ(activeAfterUnload([] { QApplication::setActiveWindow(nullptr); }), nullptr);
    // A window shown on the way out keeps the activation asked for it.
    FirstWindow::onUnload = [] { Forms::get<ThirdWindow>().Show(); };
    QWidget *active = activeAfterUnload([] {});
    EXPECT_EQ(active, Forms::find<ThirdWindow>());
}

TEST_F(FormsRegistry, HandlerErrorsAreReportedAndTheProgramGoesOn)
{
    FirstWindow::onLoad = [] { throw hestova::AppError(53, QStringLiteral("文件未找到")); };
    FirstWindow::onUnload = [] { throw hestova::AppError(3001, QStringLiteral("连接失败")); };
    Forms::get<FirstWindow>();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("53：  文件未找到"));
    EXPECT_EQ(boxes.last().icon(), vbCritical);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_TRUE(Forms::isLoaded<FirstWindow>());

    Forms::unload<FirstWindow>();  // a failing unload handler still unloads
    EXPECT_EQ(boxes.boxes().size(), 2);
    EXPECT_FALSE(Forms::isLoaded<FirstWindow>());

    UndefinedWindow &undefined = Forms::get<UndefinedWindow>();
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("53：  ")));
    EXPECT_TRUE(Forms::isLoaded<UndefinedWindow>());
    EXPECT_THROW(undefined.definition().control(QStringLiteral("Label1")), hestova::AppError);
}

TEST_F(FormsRegistry, ClosingOrDestroyingTheWindowFromOutsideUnregistersIt)
{
    FirstWindow &first = Forms::get<FirstWindow>();
    first.Show();
    first.close();
    EXPECT_EQ(FirstWindow::unloads, 1);
    EXPECT_FALSE(Forms::isLoaded<FirstWindow>());
    EXPECT_EQ(quits, 1);

    delete &Forms::get<SecondWindow>();
    EXPECT_FALSE(Forms::isLoaded<SecondWindow>());
}

}  // namespace
