#include "forms/Forms.h"

#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace hestova::forms {

namespace {

struct Entry {
    std::type_index type;
    Form *form;
};

std::vector<Entry> &registry()
{
    static std::vector<Entry> entries;
    return entries;
}

std::function<void()> &quitHook()
{
    static std::function<void()> hook;
    return hook;
}

std::optional<std::type_index> &mainWindowType()
{
    static std::optional<std::type_index> type;
    return type;
}

QPointer<Form> &awaitingActivation()
{
    static QPointer<Form> form;
    return form;
}

auto entryOf(const Form *form)
{
    return [form](const Entry &entry) { return entry.form == form; };
}

bool isRegistered(const Form *form)
{
    return std::any_of(registry().begin(), registry().end(), entryOf(form));
}

// A window being unloaded is no longer registered.
bool canTakeTheKeyboard(const Form *form)
{
    return form && form->isVisible() && isRegistered(form);
}

}  // namespace

Form *Forms::find(std::type_index type)
{
    for (const Entry &entry : registry()) {
        if (entry.type == type)
            return entry.form;
    }
    return nullptr;
}

void Forms::add(std::type_index type, Form *form)
{
    registry().push_back({type, form});
    // A window destroyed other than by Unload (e.g. at shutdown) must not stay registered.
    QObject::connect(form, &QObject::destroyed, [form] { std::erase_if(registry(), entryOf(form)); });
}

void Forms::Unload(Form *form)
{
    if (!form || form->m_unloading || !isRegistered(form))
        return;
    const bool keyboard = form->hasTheKeyboard();
    form->m_unloading = true;
    form->runUnloadHandler();
    std::erase_if(registry(), entryOf(form));
    // Asked before the hide: after it the window manager has given the keyboard away and takes the request for
    // focus stealing.
    if (keyboard) {
        if (Form *remaining = heir()) {
            // The keyboard goes to a window the operator sees: in front, not minimised.
            remaining->setWindowState(remaining->windowState() & ~Qt::WindowMinimized);
            remaining->raise();
            remaining->activateWindow();
        }
    }
    form->hide();
    // Destroyed once the event that asked for the unload is done: the handler may still be running on it.
    form->deleteLater();

    if (registry().empty()) {
        if (quitHook())
            quitHook()();
        else
            QCoreApplication::quit();
    }
}

Form *Forms::heir()
{
    if (canTakeTheKeyboard(awaitingActivation()))
        return awaitingActivation();
    if (mainWindowType()) {
        if (Form *main = find(*mainWindowType()); canTakeTheKeyboard(main))
            return main;
    }
    for (const Entry &entry : registry()) {
        if (canTakeTheKeyboard(entry.form))
            return entry.form;
    }
    return nullptr;
}

void Forms::setMainWindowType(std::type_index type)
{
    mainWindowType() = type;
}

void Forms::awaitActivation(Form *form)
{
    awaitingActivation() = form;
}

void Forms::activated()
{
    awaitingActivation() = nullptr;  // the window system has acted on the requests made before
}

int Forms::loadedCount()
{
    return int(registry().size());
}

void Forms::setQuitHook(std::function<void()> hook)
{
    quitHook() = std::move(hook);
}

}  // namespace hestova::forms
