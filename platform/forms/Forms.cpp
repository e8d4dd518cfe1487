#include "forms/Forms.h"

#include <QCoreApplication>
#include <algorithm>
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
    QObject::connect(form, &QObject::destroyed, [form] {
        std::erase_if(registry(), [form](const Entry &entry) { return entry.form == form; });
    });
}

void Forms::Unload(Form *form)
{
    if (!form || form->m_unloading)
        return;
    auto &entries = registry();
    const auto isThis = [form](const Entry &entry) { return entry.form == form; };
    if (std::find_if(entries.begin(), entries.end(), isThis) == entries.end())
        return;

    form->m_unloading = true;
    form->runUnloadHandler();
    std::erase_if(entries, isThis);
    form->hide();
    // Destroyed once the event that asked for the unload is done: the handler may still be running on it.
    form->deleteLater();

    if (entries.empty()) {
        if (quitHook())
            quitHook()();
        else
            QCoreApplication::quit();
    }
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
